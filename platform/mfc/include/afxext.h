// Extensions of the windowing part: bitmap buttons and extension-library
// support.
#pragma once

#include "afxwin.h"
#include "mfc/bitmapbutton.h"
