// Input injection: the test robot and the display backends feed the
// keyboard and the mouse through these. Events go to the input queue of
// the thread that owns the focus (keys) or the window under the cursor or
// with the capture (mouse), and are processed in order by GetMessage.
#pragma once

#include <string>

#include "win32/wintypes.h"

namespace win32::input {

void KeyDown(UINT vk);
void KeyUp(UINT vk);
// A key press and release (with Shift around it where the character needs
// it), as a real keyboard makes it.
void Char(char ch);
void TypeText(const std::string& text);
void MouseMove(POINT screen);
// button: 0 left, 1 right, 2 middle.
void MouseButton(int button, bool down, POINT screen);
void MouseWheel(int delta, POINT screen);

}  // namespace win32::input
