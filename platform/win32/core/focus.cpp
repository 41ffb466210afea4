// Focus, activation, capture and enabling, with the Win32 messages.
#include "core/state.h"
#include "core/window.h"

namespace win32::core {
namespace {

HWND Exchange(HWND State::*slot, HWND value) {
  State& st = S();
  Lock lk(st);
  HWND old = st.*slot;
  st.*slot = value;
  return old;
}

HWND Read(HWND State::*slot) {
  State& st = S();
  Lock lk(st);
  return st.*slot;
}

}  // namespace

void ActivateWindow(HWND hwnd, int how) {
  HWND old = Read(&State::active);
  if (old == hwnd) return;
  CBTACTIVATESTRUCT cbt{how == WA_CLICKACTIVE, old};
  if (hwnd && CallHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt))) return;
  Exchange(&State::active, hwnd);
  if (old && IsWindow(old)) {
    SendMessage(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
    SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), reinterpret_cast<LPARAM>(hwnd));
  }
  // The application becomes active with its first active window and
  // inactive when none is left.
  const bool appChanges = !old || !IsWindow(old) || !hwnd;
  if (appChanges) {
    if (hwnd) {
      SendMessage(hwnd, WM_ACTIVATEAPP, TRUE, 0);
    } else if (old && IsWindow(old)) {
      SendMessage(old, WM_ACTIVATEAPP, FALSE, 0);
    }
  }
  Exchange(&State::foreground, hwnd);
  if (!hwnd) {
    if (HWND f = GetFocus()) {
      Exchange(&State::focus, nullptr);
      SendMessage(f, WM_KILLFOCUS, 0, 0);
    }
    return;
  }
  SendMessage(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
  SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(hwnd)), reinterpret_cast<LPARAM>(old));
}

void ActivateOtherWindow(HWND leaving) {
  HWND next = nullptr;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(leaving);
    auto usable = [&](HWND h) {
      WindowPtr o = FindWindowLocked(h);
      return o && h != leaving && !o->destroying && (o->style & WS_VISIBLE) && !(o->style & WS_DISABLED) &&
             !(o->style & WS_CHILD);
    };
    if (w && w->owner && usable(w->owner)) {
      next = w->owner;
    } else {
      for (HWND h : S().topLevels) {
        if (usable(h)) {
          next = h;
          break;
        }
      }
    }
  }
  ActivateWindow(next, WA_ACTIVE);
}

}  // namespace win32::core

using namespace win32::core;

HWND WINAPI GetFocus(void) { return Read(&State::focus); }
HWND WINAPI GetActiveWindow(void) { return Read(&State::active); }
HWND WINAPI GetForegroundWindow(void) { return Read(&State::foreground); }
HWND WINAPI GetCapture(void) { return Read(&State::capture); }

HWND WINAPI SetFocus(HWND hWnd) {
  HWND old = GetFocus();
  if (!hWnd) {
    if (old) {
      Exchange(&State::focus, nullptr);
      SendMessage(old, WM_KILLFOCUS, 0, 0);
    }
    return old;
  }
  HWND top;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    // Neither the window nor an ancestor may be disabled or minimised.
    for (WindowPtr a = w; a; a = (a->style & WS_CHILD) ? FindWindowLocked(a->parent) : nullptr) {
      if (a->style & (WS_DISABLED | WS_MINIMIZE)) return nullptr;
    }
    top = TopLevelOfLocked(hWnd);
  }
  if (CallHooks(WH_CBT, HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hWnd), reinterpret_cast<LPARAM>(old))) return nullptr;
  if (GetActiveWindow() != top) {
    ActivateWindow(top, WA_ACTIVE);
    if (!IsWindow(hWnd)) return nullptr;
    old = GetFocus();
  }
  if (old == hWnd) return old;
  Exchange(&State::focus, hWnd);
  if (old && IsWindow(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
  if (GetFocus() == hWnd) SendMessage(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND WINAPI SetActiveWindow(HWND hWnd) {
  HWND old = GetActiveWindow();
  if (hWnd) {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w || (w->style & WS_CHILD)) return nullptr;
  }
  ActivateWindow(hWnd, WA_ACTIVE);
  return old;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
  HWND top;
  {
    Lock lk(S());
    top = TopLevelOfLocked(hWnd);
  }
  if (!top) return FALSE;
  ActivateWindow(top, WA_ACTIVE);
  return TRUE;
}

HWND WINAPI SetCapture(HWND hWnd) {
  if (!IsWindow(hWnd)) return nullptr;
  HWND old = Exchange(&State::capture, hWnd);
  if (old && old != hWnd) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
  return old;
}

BOOL WINAPI ReleaseCapture(void) {
  HWND old = Exchange(&State::capture, nullptr);
  if (old) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  return w && !(w->style & WS_DISABLED);
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  bool wasDisabled;
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w) return FALSE;
    wasDisabled = (w->style & WS_DISABLED) != 0;
    if (bEnable && wasDisabled) w->style &= ~WS_DISABLED;
  }
  if (bEnable && wasDisabled) {
    SendMessage(hWnd, WM_ENABLE, TRUE, 0);
  } else if (!bEnable && !wasDisabled) {
    SendMessage(hWnd, WM_CANCELMODE, 0, 0);
    {
      Lock lk(S());
      if (WindowPtr w = FindWindowLocked(hWnd)) w->style |= WS_DISABLED;
    }
    HWND focus = GetFocus();
    if (focus == hWnd || IsChild(hWnd, focus)) SetFocus(nullptr);
    HWND capture = GetCapture();
    if (capture == hWnd || IsChild(hWnd, capture)) ReleaseCapture();
    SendMessage(hWnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}
