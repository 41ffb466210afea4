// Geometry of dialogs: dialog units, centring, keeping popups on screen.
#pragma once

#include "win32/wintypes.h"

namespace win32::dlg {

// A rectangle in dialog units converted with the font's base units
// (x * cx / 4, y * cy / 8, rounded as MulDiv rounds).
RECT DialogUnitsToPixels(SIZE baseUnits, int x, int y, int cx, int cy);

// The screen's work area.
RECT WorkArea();

// Top-left corner that centres a box of `size` on `outer`.
POINT CenterIn(const RECT& outer, SIZE size);

// Moves a top-level dialog so that it lies inside the work area.
void KeepOnScreen(HWND dlg);

}  // namespace win32::dlg
