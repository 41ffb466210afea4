// The windows of open popup menus: class "#32768", owned by the menu's
// owner, topmost, never active; they paint what the menu loop shows.
#pragma once

#include <windows.h>

namespace win32::menus {

// Shows a popup window for `menu` at `screen`.
HWND CreatePopupWindow(HWND owner, HMENU menu, const RECT& screen);

}  // namespace win32::menus
