// The modal move and size loop of SC_MOVE and SC_SIZE.
#pragma once

#include "windows.h"

namespace win32::core {

// The window's size limits, as WM_GETMINMAXINFO leaves them.
MINMAXINFO QueryMinMaxInfo(HWND hwnd);

// Runs the loop for the system command `command` (SC_MOVE or SC_SIZE with
// the hit-test or WMSZ_ code in its low bits; none means the keyboard).
// `cursor` is where the mouse was pressed, in screen coordinates.
void RunSizeMoveLoop(HWND hwnd, WPARAM command, POINT cursor);

}  // namespace win32::core
