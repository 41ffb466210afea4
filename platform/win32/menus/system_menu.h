// The windows' own copies of the system menu.
#pragma once

#include <windows.h>

namespace win32::menus {

// Greys the window commands the window's state does not allow (restore
// when normal, move and size when maximised...), before the menu shows.
void UpdateSystemMenu(HWND hwnd, HMENU menu);

}  // namespace win32::menus
