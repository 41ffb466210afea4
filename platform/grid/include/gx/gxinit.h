// Library start-up.
#pragma once

#include "gx/gxdefs.h"

// The window class of grid windows: a dialog's custom control of this
// class becomes a plain grid until a CGXGridWnd is attached to it.
constexpr const char* GX_GRIDWND_CLASS = "GXWND";

// Registers the grid window class; safe to call more than once. TRUE on success.
BOOL GXInit();
