#include "menus/popup_window.h"

#include "internal/core_classes.h"
#include "menus/menu_state.h"
#include "menus/menu_tracker.h"

namespace win32::menus {
namespace {

constexpr int kMenuSlot = 0;

LRESULT CALLBACK PopupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case MN_GETHMENU:
      return GetWindowLongPtr(hwnd, kMenuSlot);
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_GETMINMAXINFO:
      // A popup is as small as its items; no window minimum applies.
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{1, 1};
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (MenuTracker* tracker = ActiveTracker()) tracker->PaintPopup(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

void RegisterPopupClass() {
  WNDCLASSEX wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_SAVEBITS | CS_DBLCLKS;
  wc.lpfnWndProc = &PopupProc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "#32768";
  internal::RegisterSystemClass(wc);
}

const struct Registrar {
  Registrar() { internal::AddSystemClassInitializer(&RegisterPopupClass); }
} registrar;

}  // namespace

HWND CreatePopupWindow(HWND owner, HMENU menu, const RECT& screen) {
  HWND popup = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "#32768", "", WS_POPUP | WS_CLIPSIBLINGS, screen.left,
                              screen.top, screen.right - screen.left, screen.bottom - screen.top, owner, nullptr,
                              nullptr, nullptr);
  if (popup == nullptr) return nullptr;
  SetWindowLongPtr(popup, kMenuSlot, reinterpret_cast<LONG_PTR>(menu));
  SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return popup;
}

}  // namespace win32::menus
