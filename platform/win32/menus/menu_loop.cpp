// Where menu loops start: the menu bar from the keyboard and the mouse,
// the system menu, TrackPopupMenu; and the queries about a running loop.
#include <cctype>

#include "internal/core_input.h"
#include "internal/menu_bridge.h"
#include "menus/menu_state.h"
#include "menus/menu_tracker.h"
#include "menus/system_menu.h"

namespace win32::menus {
namespace {

// The command chosen from a window's own menus goes to it once the loop
// is over: WM_SYSCOMMAND from the system menu, WM_COMMAND otherwise.
void Deliver(HWND owner, const MenuTracker& tracker, UINT command) {
  if (command == 0 || !IsWindow(owner)) return;
  if (tracker.ChoseFromSystemMenu()) {
    PostMessage(owner, WM_SYSCOMMAND, command, 0);
  } else {
    PostMessage(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  }
}

void RunAndDeliver(const TrackRequest& request, const std::function<void(MenuTracker&)>& start) {
  MenuTracker tracker(request);
  Deliver(request.owner, tracker, tracker.Run(start));
}

HMENU BarOf(HWND hwnd) {
  HMENU bar = GetMenu(hwnd);
  return IsMenu(bar) && GetMenuItemCount(bar) > 0 ? bar : nullptr;
}

void OpenSystemMenu(HWND hwnd, bool byKeyboard) {
  if (!(GetWindowLong(hwnd, GWL_STYLE) & WS_SYSMENU)) return;
  HMENU menu = GetSystemMenu(hwnd, FALSE);
  UpdateSystemMenu(hwnd, menu);
  RECT icon = internal::SystemIconRect(hwnd);
  RECT window{};
  GetWindowRect(hwnd, &window);
  const POINT at{window.left + icon.left, window.top + (IsRectEmpty(&icon) ? 0 : icon.bottom)};
  RunAndDeliver(TrackRequest{hwnd, nullptr, menu, 0, true},
                [&](MenuTracker& tracker) { tracker.OpenRoot(at, byKeyboard); });
}

int BarItemByMnemonic(HMENU bar, char key) {
  const auto items = ItemsOf(bar);
  for (size_t i = 0; i < items.size(); ++i)
    if (!IsSeparator(items[i]) && MnemonicOf(LabelOf(items[i])) == key) return int(i);
  return -1;
}

}  // namespace
}  // namespace win32::menus

namespace win32::internal {

using namespace win32::menus;

void KeyMenu(HWND hwnd, char key) {
  if (ActiveTracker() != nullptr || !IsWindow(hwnd)) return;
  if (key == ' ') {
    OpenSystemMenu(hwnd, true);
    return;
  }
  HMENU bar = BarOf(hwnd);
  if (bar == nullptr) {
    if (key != 0) MessageBeep(0);
    return;
  }
  const char lower = char(std::tolower(static_cast<unsigned char>(key)));
  const int index = key == 0 ? 0 : BarItemByMnemonic(bar, lower);
  if (index < 0) {
    MessageBeep(0);
    return;
  }
  RunAndDeliver(TrackRequest{hwnd, bar, nullptr, 0, false},
                [&](MenuTracker& tracker) { tracker.SelectBar(index, key != 0, true, false); });
}

void MouseMenu(HWND hwnd, UINT hitTest, POINT screen) {
  if (ActiveTracker() != nullptr || !IsWindow(hwnd)) return;
  if (hitTest == HTSYSMENU) {
    OpenSystemMenu(hwnd, false);
    return;
  }
  HMENU bar = BarOf(hwnd);
  const int index = bar != nullptr ? MenuItemFromPoint(hwnd, bar, screen) : -1;
  if (index < 0) return;
  RunAndDeliver(TrackRequest{hwnd, bar, nullptr, 0, false},
                [&](MenuTracker& tracker) { tracker.SelectBar(index, true, false, true); });
}

void ArmAltMenu(bool armed) {
  std::lock_guard lock(State().mutex);
  State().altArmed = armed;
}

bool TakeAltMenu() {
  std::lock_guard lock(State().mutex);
  const bool armed = State().altArmed;
  State().altArmed = false;
  return armed;
}

void PressCaptionButton(HWND hwnd, UINT hitTest) {
  std::lock_guard lock(State().mutex);
  State().pressedWindow = hwnd;
  State().pressedHit = hitTest;
}

bool ReleaseCaptionButton(HWND hwnd, UINT hitTest) {
  std::lock_guard lock(State().mutex);
  const bool same = State().pressedWindow == hwnd && State().pressedHit == hitTest;
  State().pressedWindow = nullptr;
  State().pressedHit = 0;
  return same;
}

}  // namespace win32::internal

BOOL WINAPI TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int x, int y, HWND hwnd, LPTPMPARAMS) {
  using namespace win32::menus;
  if (!IsMenu(hMenu) || !IsWindow(hwnd)) {
    SetLastError(IsWindow(hwnd) ? ERROR_INVALID_MENU_HANDLE : ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  // One menu loop at a time.
  if (ActiveTracker() != nullptr) return FALSE;
  MenuTracker tracker(TrackRequest{hwnd, nullptr, hMenu, uFlags, false});
  const UINT chosen = tracker.Run([&](MenuTracker& t) { t.OpenRoot(POINT{x, y}, false); });
  if (uFlags & TPM_RETURNCMD) return BOOL(chosen);
  if (chosen != 0) PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  return TRUE;
}

BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*) {
  return TrackPopupMenuEx(hMenu, uFlags, x, y, hWnd, nullptr);
}

BOOL WINAPI EndMenu(void) {
  win32::menus::MenuTracker* tracker = win32::menus::ActiveTracker();
  if (tracker == nullptr) return FALSE;
  tracker->Cancel();
  PostMessage(tracker->owner(), WM_NULL, 0, 0);
  return TRUE;
}

BOOL WINAPI GetGUIThreadInfo(DWORD, PGUITHREADINFO pgui) {
  if (pgui == nullptr || pgui->cbSize != sizeof(GUITHREADINFO)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *pgui = GUITHREADINFO{};
  pgui->cbSize = sizeof(GUITHREADINFO);
  pgui->hwndActive = GetActiveWindow();
  pgui->hwndFocus = GetFocus();
  pgui->hwndCapture = GetCapture();
  if (const auto* tracker = win32::menus::ActiveTracker()) {
    pgui->flags |= GUI_INMENUMODE;
    if (tracker->isPopupLoop()) pgui->flags |= GUI_POPUPMENUMODE;
    if (tracker->isSystemLoop()) pgui->flags |= GUI_SYSTEMMENUMODE;
    pgui->hwndMenuOwner = tracker->owner();
  }
  if (HWND moving = win32::internal::MoveSizeWindow()) {
    pgui->flags |= GUI_INMOVESIZE;
    pgui->hwndMoveSize = moving;
  }
  return TRUE;
}
