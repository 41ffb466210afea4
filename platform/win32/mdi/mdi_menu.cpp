// The frame's side of MDI: the window menu listing the children, the
// maximised child's system menu and buttons in the frame's menu bar, and
// the frame's title "Frame - [Child]".
#include <string>

#include "mdi/mdi_client.h"
#include "mdi/mdi_state.h"

namespace win32::mdi {
namespace {

std::string TextOf(HWND hwnd) {
  char text[256] = {};
  GetWindowText(hwnd, text, sizeof(text));
  return text;
}

bool IsListItem(const ClientInfo& info, UINT id) {
  return id >= info.idFirstChild && id <= info.idFirstChild + kListedChildren;
}

// Takes the list (and its separator) out of the window menu.
void RemoveList(const ClientInfo& info) {
  if (!IsMenu(info.windowMenu)) return;
  for (int i = GetMenuItemCount(info.windowMenu) - 1; i >= 0; --i)
    if (IsListItem(info, GetMenuItemID(info.windowMenu, i))) RemoveMenu(info.windowMenu, UINT(i), MF_BYPOSITION);
  const int last = GetMenuItemCount(info.windowMenu) - 1;
  if (info.separatorAdded && last >= 0 && (GetMenuState(info.windowMenu, UINT(last), MF_BYPOSITION) & MF_SEPARATOR))
    RemoveMenu(info.windowMenu, UINT(last), MF_BYPOSITION);
}

bool AppendList(const ClientInfo& info) {
  if (!IsMenu(info.windowMenu) || info.children.empty()) return false;
  AppendMenu(info.windowMenu, MF_SEPARATOR, 0, nullptr);
  for (size_t i = 0; i < info.children.size() && i < kListedChildren; ++i) {
    const std::string text = "&" + std::to_string(i + 1) + " " + TextOf(info.children[i]);
    const UINT checked = info.children[i] == info.active ? MF_CHECKED : MF_UNCHECKED;
    AppendMenu(info.windowMenu, MF_STRING | checked, info.idFirstChild + i, text.c_str());
  }
  if (info.children.size() > kListedChildren)
    AppendMenu(info.windowMenu, MF_STRING, info.idFirstChild + kListedChildren, "&More Windows...");
  return true;
}

bool IsChildButton(HMENU menu, int position) {
  MENUITEMINFO mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_FTYPE | MIIM_BITMAP;
  if (!GetMenuItemInfo(menu, UINT(position), TRUE, &mii) || !(mii.fType & MFT_BITMAP)) return false;
  const HBITMAP b = mii.hbmpItem;
  return b == HBMMENU_SYSTEM || b == HBMMENU_MBAR_MINIMIZE || b == HBMMENU_MBAR_RESTORE || b == HBMMENU_MBAR_CLOSE;
}

void RemoveChildButtons(HMENU menu) {
  if (!IsMenu(menu)) return;
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i)
    if (IsChildButton(menu, i)) RemoveMenu(menu, UINT(i), MF_BYPOSITION);
}

// The child's system menu first, its minimise, restore and close buttons
// at the right end, as Win32 puts them into the frame's bar.
void AddChildButtons(HMENU menu, HWND child) {
  if (!IsMenu(menu)) return;
  HMENU system = GetSystemMenu(child, FALSE);
  InsertMenu(menu, 0, MF_BYPOSITION | MF_POPUP | MF_BITMAP, reinterpret_cast<UINT_PTR>(system),
             reinterpret_cast<LPCSTR>(HBMMENU_SYSTEM));
  MENUITEMINFO mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_DATA;
  mii.dwItemData = reinterpret_cast<ULONG_PTR>(child);
  SetMenuItemInfo(menu, 0, TRUE, &mii);
  const struct {
    UINT command;
    HBITMAP bitmap;
  } buttons[] = {
      {SC_MINIMIZE, HBMMENU_MBAR_MINIMIZE}, {SC_RESTORE, HBMMENU_MBAR_RESTORE}, {SC_CLOSE, HBMMENU_MBAR_CLOSE}};
  for (const auto& b : buttons)
    AppendMenu(menu, MF_BITMAP | MF_RIGHTJUSTIFY, b.command, reinterpret_cast<LPCSTR>(b.bitmap));
}

}  // namespace

void RefreshWindowMenu(HWND client) {
  const auto info = InfoOf(client);
  if (!info) return;
  RemoveList(*info);
  const bool added = AppendList(*info);
  Update(client, [&](ClientInfo& c) { c.separatorAdded = added; });
}

void SetMaximizedChild(HWND client, HWND child) {
  const auto info = InfoOf(client);
  if (!info) return;
  HMENU bar = GetMenu(info->frame);
  RemoveChildButtons(bar);
  if (child != nullptr) AddChildButtons(bar, child);
  Update(client, [&](ClientInfo& c) { c.maximized = child; });
  DrawMenuBar(info->frame);
  UpdateFrameTitle(client);
}

void UpdateFrameTitle(HWND client) {
  const auto info = InfoOf(client);
  if (!info || !IsWindow(info->frame)) return;
  std::string title = info->frameTitle;
  if (info->maximized != nullptr) title += " - [" + TextOf(info->maximized) + "]";
  // Straight to the default handling: the frame's own WM_SETTEXT would
  // take the composed text for its title.
  if (TextOf(info->frame) != title) DefWindowProc(info->frame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
}

HMENU SetFrameMenus(HWND client, HMENU frameMenu, HMENU windowMenu) {
  const auto info = InfoOf(client);
  if (!info) return nullptr;
  HMENU old = GetMenu(info->frame);
  RemoveList(*info);
  if (frameMenu != nullptr && frameMenu != old) {
    RemoveChildButtons(old);
    SetMenu(info->frame, frameMenu);
    if (info->maximized != nullptr) AddChildButtons(frameMenu, info->maximized);
  }
  Update(client, [&](ClientInfo& c) {
    if (windowMenu != nullptr) c.windowMenu = windowMenu;
    c.separatorAdded = false;
  });
  RefreshWindowMenu(client);
  DrawMenuBar(info->frame);
  return old;
}

// The frame's title as its window procedure set it, kept for composing.
void SetFrameTitle(HWND client, const char* title) {
  Update(client, [&](ClientInfo& c) { c.frameTitle = title != nullptr ? title : ""; });
  UpdateFrameTitle(client);
}

}  // namespace win32::mdi
