// Input injection for display backends and the test robot (the public
// functions are in win32/input.h), plus the keyboard state they update.
#pragma once

#include "win32/input.h"

namespace win32::internal {

// True while the key is down in the state GetKeyState reports.
bool IsKeyDown(UINT vk);

// True when `hwnd` should draw its caret now: it owns a shown caret, has
// the focus and the blink is in its on phase.
bool CaretVisible(HWND hwnd);

// The window the calling thread is moving or sizing, or null.
HWND MoveSizeWindow();

}  // namespace win32::internal
