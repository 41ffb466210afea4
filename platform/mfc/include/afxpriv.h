// The class library's private messages (WM_SIZEPARENT, WM_IDLEUPDATECMDUI,
// WM_KICKIDLE...) and helpers, which afxwin.h already holds here.
#pragma once

#include "afxwin.h"
