// Library start-up.
#pragma once

#include "gx/gxdefs.h"

// The window class of grid windows: a dialog's custom control of this
// class becomes a plain grid until a CGXGridWnd is attached to it.
constexpr const char* GX_GRIDWND_CLASS = "GXWND";

// A registered message every grid window answers (wParam row, lParam
// column): it scrolls the cell into view and returns its client rectangle
// packed as four 16-bit fields (left, top, right, bottom from the low
// end), 0 when the cell cannot be shown. Test robots find cells with it.
constexpr const char* GX_CELLRECT_MESSAGE = "GXWND_CELLRECT";

// Registers the grid window class; safe to call more than once. TRUE on success.
BOOL GXInit();
