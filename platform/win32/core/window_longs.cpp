// Window longs: styles, procedure, instance, id, user data, extra bytes.
#include <cstring>
#include <optional>

#include "core/state.h"
#include "core/window.h"

using namespace win32::core;

namespace {

std::optional<LONG_PTR> ReadLong(const Window& w, int index, size_t width) {
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG>(w.style);
    case GWL_EXSTYLE:
      return static_cast<LONG>(w.exStyle);
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(w.proc);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(w.instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>((w.style & WS_CHILD) ? w.parent : w.owner);
    case GWLP_USERDATA:
      return w.userData;
    case GWLP_ID:
      return static_cast<LONG_PTR>(w.id);
    default:
      break;
  }
  if (index < 0 || static_cast<size_t>(index) + width > w.extra.size()) return std::nullopt;
  if (width == sizeof(LONG)) {
    LONG v;
    std::memcpy(&v, w.extra.data() + index, sizeof v);
    return v;
  }
  LONG_PTR v;
  std::memcpy(&v, w.extra.data() + index, sizeof v);
  return v;
}

LONG_PTR GetLongImpl(HWND hwnd, int index, size_t width) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  auto v = ReadLong(*w, index, width);
  if (!v) SetLastError(ERROR_INVALID_INDEX);
  return v.value_or(0);
}

LONG_PTR SetStyle(HWND hwnd, int index, DWORD value) {
  STYLESTRUCT ss{};
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return 0;
    ss.styleOld = index == GWL_STYLE ? w->style : w->exStyle;
  }
  ss.styleNew = value;
  SendMessage(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
  {
    Lock lk(S());
    WindowPtr w = FindWindowLocked(hwnd);
    if (!w) return 0;
    if (index == GWL_STYLE) {
      // WS_CHILD cannot change after creation; visibility goes through ShowWindow semantics.
      w->style = (ss.styleNew & ~WS_CHILD) | (w->style & WS_CHILD);
    } else {
      w->exStyle = ss.styleNew;
    }
  }
  SendMessage(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
  return static_cast<LONG>(ss.styleOld);
}

LONG_PTR SetLongImpl(HWND hwnd, int index, LONG_PTR value, size_t width) {
  if (index == GWL_STYLE || index == GWL_EXSTYLE) {
    if (!IsWindow(hwnd)) return 0;
    return SetStyle(hwnd, index, static_cast<DWORD>(value));
  }
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  auto old = ReadLong(*w, index, width);
  if (!old) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  switch (index) {
    case GWLP_WNDPROC:
      w->proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_HINSTANCE:
      w->instance = reinterpret_cast<HINSTANCE>(value);
      break;
    case GWLP_HWNDPARENT:
      if (!(w->style & WS_CHILD)) w->owner = reinterpret_cast<HWND>(value);
      break;
    case GWLP_USERDATA:
      w->userData = value;
      break;
    case GWLP_ID:
      w->id = static_cast<UINT_PTR>(value);
      break;
    default:
      if (width == sizeof(LONG)) {
        LONG v = static_cast<LONG>(value);
        std::memcpy(w->extra.data() + index, &v, sizeof v);
      } else {
        std::memcpy(w->extra.data() + index, &value, sizeof value);
      }
  }
  return *old;
}

}  // namespace

LONG WINAPI GetWindowLong(HWND hWnd, int nIndex) { return static_cast<LONG>(GetLongImpl(hWnd, nIndex, sizeof(LONG))); }
LONG WINAPI SetWindowLong(HWND hWnd, int nIndex, LONG v) {
  return static_cast<LONG>(SetLongImpl(hWnd, nIndex, v, sizeof(LONG)));
}
LONG_PTR WINAPI GetWindowLongPtr(HWND hWnd, int nIndex) { return GetLongImpl(hWnd, nIndex, sizeof(LONG_PTR)); }
LONG_PTR WINAPI SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR v) {
  return SetLongImpl(hWnd, nIndex, v, sizeof(LONG_PTR));
}

WORD WINAPI GetWindowWord(HWND hWnd, int nIndex) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w || nIndex < 0 || static_cast<size_t>(nIndex) + sizeof(WORD) > w->extra.size()) return 0;
  WORD v;
  std::memcpy(&v, w->extra.data() + nIndex, sizeof v);
  return v;
}

WORD WINAPI SetWindowWord(HWND hWnd, int nIndex, WORD wNewWord) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hWnd);
  if (!w || nIndex < 0 || static_cast<size_t>(nIndex) + sizeof(WORD) > w->extra.size()) return 0;
  WORD v;
  std::memcpy(&v, w->extra.data() + nIndex, sizeof v);
  std::memcpy(w->extra.data() + nIndex, &wNewWord, sizeof wNewWord);
  return v;
}

LRESULT WINAPI CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}
