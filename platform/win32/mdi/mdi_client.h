// What the MDI client does for its children, shared by the client's
// window procedure, the frame's and the children's default procedures.
#pragma once

#include <vector>

#include <windows.h>

namespace win32::mdi {

// Activation: WM_MDIACTIVATE to the child losing and the child gaining it.
void Activate(HWND client, HWND child);
// The next (or previous) child in z-order becomes active; the one that was
// goes to the bottom.
void ActivateNext(HWND client, HWND from, bool previous);
// A child went (destroyed): the one below it in z-order becomes active.
void ChildGone(HWND client, HWND child);
// A child was maximised, minimised or restored.
void ChildSized(HWND client, HWND child, WPARAM sizeType);
// The visible children, top of the z-order first.
std::vector<HWND> ZOrder(HWND client);
// Where a maximised child goes: its client area covers the MDI client.
RECT MaximizedRect(HWND child);

// The frame's menu bar and title (mdi_menu.cpp).
void RefreshWindowMenu(HWND client);
void SetMaximizedChild(HWND client, HWND child);
void UpdateFrameTitle(HWND client);
void SetFrameTitle(HWND client, const char* title);
HMENU SetFrameMenus(HWND client, HMENU frameMenu, HMENU windowMenu);
// The window menu lists this many children, then "More Windows...".
constexpr UINT kListedChildren = 9;
void ChooseMoreWindows(HWND client);

// Arrangement (mdi_arrange.cpp).
void Tile(HWND client, UINT how);
void Cascade(HWND client, UINT how);
void ArrangeIcons(HWND client);

}  // namespace win32::mdi
