// The menu bar in a window's non-client area and the menu API that reads
// where items are on screen.
#include "internal/core_classes.h"
#include "internal/menu_bridge.h"
#include "menus/menu_draw.h"
#include "menus/menu_state.h"
#include "menus/menu_tracker.h"

namespace win32::menus {
namespace {

// The bar's items in screen coordinates; empty when `menu` is not the
// window's bar.
std::vector<RECT> BarScreenRects(HWND hwnd, HMENU menu) {
  if (menu == nullptr || GetMenu(hwnd) != menu) return {};
  RECT bar = internal::MenuBarRect(hwnd);
  RECT window{};
  if (IsRectEmpty(&bar) || !GetWindowRect(hwnd, &window)) return {};
  OffsetRect(&bar, window.left, window.top);
  return LayOutBar(ItemsOf(menu), bar);
}

BarLook LookOf(HWND hwnd, int index) {
  const MenuTracker* tracker = ActiveTracker();
  if (tracker == nullptr || tracker->owner() != hwnd || tracker->bar() == nullptr) return BarLook::Plain;
  if (tracker->barSelection() != index) return BarLook::Plain;
  return tracker->barOpen() ? BarLook::Sunken : BarLook::Raised;
}

void ResetState() {
  std::lock_guard lock(State().mutex);
  State().systemMenus.clear();
  State().altArmed = false;
  State().pressedWindow = nullptr;
  State().pressedHit = 0;
}

const struct Registrar {
  Registrar() { internal::AddSystemClassInitializer(&ResetState); }
} registrar;

}  // namespace

MenusState& State() {
  static MenusState state;
  return state;
}

MenuTracker* ActiveTracker() {
  std::lock_guard lock(State().mutex);
  return State().tracker;
}

}  // namespace win32::menus

namespace win32::internal {

void PaintMenuBar(HWND hwnd, HDC windowDc, const RECT& bar) {
  using namespace win32::menus;
  DrawBarBackground(windowDc, bar);
  const auto items = ItemsOf(GetMenu(hwnd));
  const auto rects = LayOutBar(items, bar);
  for (size_t i = 0; i < items.size(); ++i) DrawBarItem(windowDc, items[i], rects[i], LookOf(hwnd, int(i)));
}

int MenuBarRows(HWND hwnd, int width) {
  const auto items = win32::menus::ItemsOf(GetMenu(hwnd));
  return items.empty() ? 1 : win32::menus::BarRows(items, width);
}

}  // namespace win32::internal

BOOL WINAPI DrawMenuBar(HWND hWnd) {
  if (!IsWindow(hWnd) || GetMenu(hWnd) == nullptr) return FALSE;
  // The bar may need more or fewer rows now: the frame is measured again.
  SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return TRUE;
}

BOOL WINAPI GetMenuItemRect(HWND hWnd, HMENU hMenu, UINT uItem, LPRECT lprcItem) {
  if (lprcItem == nullptr || !IsMenu(hMenu)) return FALSE;
  const auto bar = win32::menus::BarScreenRects(hWnd, hMenu);
  if (uItem < bar.size()) {
    *lprcItem = bar[uItem];
    return TRUE;
  }
  const auto* tracker = win32::menus::ActiveTracker();
  return tracker != nullptr && tracker->ItemScreenRect(hMenu, uItem, *lprcItem) ? TRUE : FALSE;
}

int WINAPI MenuItemFromPoint(HWND hWnd, HMENU hMenu, POINT ptScreen) {
  const auto bar = win32::menus::BarScreenRects(hWnd, hMenu);
  if (!bar.empty()) return win32::menus::ItemAt(bar, ptScreen);
  const auto* tracker = win32::menus::ActiveTracker();
  if (tracker == nullptr) return -1;
  const int count = GetMenuItemCount(hMenu);
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (tracker->ItemScreenRect(hMenu, UINT(i), r) && PtInRect(&r, ptScreen)) return i;
  }
  return -1;
}
