// What the window manager asks the MDI client (mdi/).
#pragma once

#include "win32/winuser.h"

namespace win32::internal {

// Whether `child` is the active child of its MDI client (its caption is
// drawn active while the frame is).
bool IsActiveMdiChild(HWND child);

}  // namespace win32::internal
