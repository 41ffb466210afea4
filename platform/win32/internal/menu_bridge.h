// Bridges between the window manager's non-client area and default
// handling (core/) and the menus on screen (menus/).
#pragma once

#include "win32/winres.h"
#include "win32/winuser.h"

namespace win32::internal {

// Implemented by core/nonclient.cpp. Window coordinates (origin at the
// window's top-left corner); empty rectangles when there is none.
RECT MenuBarRect(HWND hwnd);
RECT SystemIconRect(HWND hwnd);

// Implemented by menus/.
void PaintMenuBar(HWND hwnd, HDC windowDc, const RECT& bar);
// The rows the window's menu bar needs at `width`.
int MenuBarRows(HWND hwnd, int width);
// Whether a system command is enabled in the window's system menu (the
// caption's close button and Alt+F4 follow SC_CLOSE).
bool IsSystemCommandEnabled(HWND hwnd, UINT command);
// WM_SYSCOMMAND SC_KEYMENU and SC_MOUSEMENU: runs the menu loop.
void KeyMenu(HWND hwnd, char key);
void MouseMenu(HWND hwnd, UINT hitTest, POINT screen);
// The Alt key alone selects the menu bar: armed by its press, disarmed by
// any other key, fired by its release.
void ArmAltMenu(bool armed);
bool TakeAltMenu();
// The caption buttons act on release over the button that was pressed.
void PressCaptionButton(HWND hwnd, UINT hitTest);
bool ReleaseCaptionButton(HWND hwnd, UINT hitTest);
// A window's menus are forgotten when it goes.
void ForgetWindowMenus(HWND hwnd);
// Called by the menu API after an item's state changed, so that what shows
// the menu (a caption's close button) is drawn again.
void MenuStateChanged(HMENU menu);

}  // namespace win32::internal
