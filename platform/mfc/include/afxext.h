// Extensions of the windowing part: bitmap buttons, form views and
// extension-library support.
#pragma once

#include "afxwin.h"
#include "mfc/bitmapbutton.h"
#include "mfc/formview.h"
