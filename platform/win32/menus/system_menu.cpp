#include "menus/system_menu.h"

#include <vector>

#include "internal/menu_bridge.h"
#include "menus/menu_state.h"

namespace win32::menus {
namespace {

struct SystemItem {
  UINT command;
  const char* text;
};

// Windows that can be sized or minimised get the full menu; fixed ones
// (dialogs, message boxes) only Move and Close. MDI children close with
// Ctrl+F4 and have Next.
std::vector<SystemItem> ItemsFor(DWORD style, DWORD exStyle) {
  const bool mdiChild = (exStyle & WS_EX_MDICHILD) != 0;
  const char* close = mdiChild ? "&Close\tCtrl+F4" : "&Close\tAlt+F4";
  if (!(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) return {{SC_MOVE, "&Move"}, {SC_CLOSE, close}};
  std::vector<SystemItem> items = {{SC_RESTORE, "&Restore"},   {SC_MOVE, "&Move"},         {SC_SIZE, "&Size"},
                                   {SC_MINIMIZE, "Mi&nimize"}, {SC_MAXIMIZE, "Ma&ximize"}, {0, nullptr},
                                   {SC_CLOSE, close}};
  if (mdiChild) items.insert(items.end(), {{0, nullptr}, {SC_NEXTWINDOW, "Nex&t\tCtrl+F6"}});
  return items;
}

HMENU MakeSystemMenu(HWND hwnd) {
  HMENU menu = CreatePopupMenu();
  for (const SystemItem& item :
       ItemsFor(DWORD(GetWindowLong(hwnd, GWL_STYLE)), DWORD(GetWindowLong(hwnd, GWL_EXSTYLE)))) {
    if (item.text == nullptr) {
      AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenu(menu, MF_STRING, item.command, item.text);
    }
  }
  SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
  return menu;
}

HMENU FindSystemMenu(HWND hwnd) {
  std::lock_guard lock(State().mutex);
  auto it = State().systemMenus.find(hwnd);
  return it != State().systemMenus.end() && IsMenu(it->second) ? it->second : nullptr;
}

HMENU TakeSystemMenu(HWND hwnd) {
  std::lock_guard lock(State().mutex);
  auto it = State().systemMenus.find(hwnd);
  if (it == State().systemMenus.end()) return nullptr;
  HMENU menu = it->second;
  State().systemMenus.erase(it);
  return menu;
}

void Enable(HMENU menu, UINT command, bool enabled) {
  EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void UpdateSystemMenu(HWND hwnd, HMENU menu) {
  const DWORD style = DWORD(GetWindowLong(hwnd, GWL_STYLE));
  const bool minimized = (style & WS_MINIMIZE) != 0, maximized = (style & WS_MAXIMIZE) != 0;
  const bool normal = !minimized && !maximized;
  Enable(menu, SC_RESTORE, !normal);
  Enable(menu, SC_MOVE, !maximized);
  Enable(menu, SC_SIZE, normal && (style & WS_THICKFRAME));
  Enable(menu, SC_MINIMIZE, !minimized && (style & WS_MINIMIZEBOX));
  Enable(menu, SC_MAXIMIZE, !maximized && (style & WS_MAXIMIZEBOX));
}

}  // namespace win32::menus

namespace win32::internal {

bool IsSystemCommandEnabled(HWND hwnd, UINT command) {
  if (GetClassLong(hwnd, GCL_STYLE) & CS_NOCLOSE) {
    if (command == SC_CLOSE) return false;
  }
  HMENU menu = menus::FindSystemMenu(hwnd);
  if (menu == nullptr) return true;
  const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
  return state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

// A window that goes takes its system menu and its menu bar with it.
void ForgetWindowMenus(HWND hwnd) {
  if (HMENU menu = menus::TakeSystemMenu(hwnd)) DestroyMenu(menu);
  if (HMENU bar = GetMenu(hwnd); IsMenu(bar)) DestroyMenu(bar);
}

void MenuStateChanged(HMENU menu) {
  std::vector<HWND> owners;
  {
    std::lock_guard lock(menus::State().mutex);
    for (const auto& [hwnd, systemMenu] : menus::State().systemMenus)
      if (systemMenu == menu) owners.push_back(hwnd);
  }
  // The caption's close button follows the system menu's Close.
  for (HWND hwnd : owners) RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

}  // namespace win32::internal

HMENU WINAPI GetSystemMenu(HWND hWnd, BOOL bRevert) {
  if (!IsWindow(hWnd)) return nullptr;
  if (bRevert) {
    if (HMENU old = win32::menus::TakeSystemMenu(hWnd)) {
      DestroyMenu(old);
      RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    }
    return nullptr;
  }
  if (HMENU existing = win32::menus::FindSystemMenu(hWnd)) return existing;
  HMENU menu = win32::menus::MakeSystemMenu(hWnd);
  std::lock_guard lock(win32::menus::State().mutex);
  win32::menus::State().systemMenus[hWnd] = menu;
  return menu;
}
