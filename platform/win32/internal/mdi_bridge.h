// What the window manager asks the MDI client (mdi/).
#pragma once

#include "win32/winuser.h"

namespace win32::internal {

// Whether `child` is the active child of its MDI client (its caption is
// drawn active while the frame is).
bool IsActiveMdiChild(HWND child);
// The MDI child holding `hwnd` (itself or an ancestor) when it is not its
// client's active child: a click there activates it. Null otherwise.
HWND InactiveMdiChildAt(HWND hwnd);

}  // namespace win32::internal
