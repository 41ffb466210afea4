// Hooks, the caret, the cursor and recorded sounds.
#include <algorithm>

#include "core/state.h"
#include "core/window.h"

namespace win32::core {
namespace {

std::vector<Hook> HooksFor(int type) {
  Lock lk(S().mu);
  std::vector<Hook> out;
  const DWORD me = CurrentThreadId();
  for (const Hook& h : S().hooks) {
    if (h.type == type && (h.thread == 0 || h.thread == me)) out.push_back(h);
  }
  return out;
}

}  // namespace

LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam) {
  auto hooks = HooksFor(type);
  return hooks.empty() ? 0 : hooks.front().proc(code, wParam, lParam);
}

}  // namespace win32::core

using namespace win32::core;

HHOOK WINAPI SetWindowsHookEx(int idHook, HOOKPROC lpfn, HINSTANCE, DWORD dwThreadId) {
  if (!lpfn) return nullptr;
  Lock lk(S().mu);
  Hook h{reinterpret_cast<HHOOK>(NewHandleValue()), idHook, lpfn, dwThreadId};
  // The newest hook runs first.
  S().hooks.insert(S().hooks.begin(), h);
  return h.handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hhk) {
  Lock lk(S().mu);
  auto& v = S().hooks;
  auto it = std::find_if(v.begin(), v.end(), [&](const Hook& h) { return h.handle == hhk; });
  if (it == v.end()) {
    SetLastError(ERROR_INVALID_HOOK_HANDLE);
    return FALSE;
  }
  v.erase(it);
  return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam) {
  HOOKPROC next = nullptr;
  {
    Lock lk(S().mu);
    auto& v = S().hooks;
    auto it = std::find_if(v.begin(), v.end(), [&](const Hook& h) { return h.handle == hhk; });
    if (it == v.end()) return 0;
    const DWORD me = CurrentThreadId();
    const int type = it->type;
    for (++it; it != v.end(); ++it) {
      if (it->type == type && (it->thread == 0 || it->thread == me)) {
        next = it->proc;
        break;
      }
    }
  }
  return next ? next(nCode, wParam, lParam) : 0;
}

BOOL WINAPI CallMsgFilter(LPMSG lpMsg, int nCode) {
  return CallHooks(WH_MSGFILTER, nCode, 0, reinterpret_cast<LPARAM>(lpMsg)) != 0;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  Lock lk(S().mu);
  *lpPoint = S().cursorPos;
  return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
  Lock lk(S().mu);
  S().cursorPos = POINT{X, Y};
  return TRUE;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor) {
  Lock lk(S().mu);
  HCURSOR old = S().cursor;
  S().cursor = hCursor;
  return old;
}

HCURSOR WINAPI GetCursor(void) {
  Lock lk(S().mu);
  return S().cursor;
}

int WINAPI ShowCursor(BOOL bShow) {
  Lock lk(S().mu);
  return S().cursorCount += bShow ? 1 : -1;
}

BOOL WINAPI ClipCursor(const RECT*) { return TRUE; }

UINT WINAPI GetDoubleClickTime(void) {
  Lock lk(S().mu);
  return S().doubleClickTime;
}

BOOL WINAPI SetDoubleClickTime(UINT uInterval) {
  Lock lk(S().mu);
  S().doubleClickTime = uInterval ? uInterval : 500;
  return TRUE;
}

BOOL WINAPI SwapMouseButton(BOOL) { return FALSE; }

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT e) {
  if (!e) return FALSE;
  Lock lk(S().mu);
  WindowPtr w = FindWindowLocked(e->hwndTrack);
  if (!w) return FALSE;
  if (e->dwFlags & TME_LEAVE) w->trackLeave = !(e->dwFlags & TME_CANCEL);
  return TRUE;
}

BOOL WINAPI MessageBeep(UINT uType) {
  Lock lk(S().mu);
  S().beeps.push_back(win32::RecordedBeep{true, uType, 0, 0});
  return TRUE;
}

namespace win32 {
std::vector<RecordedBeep> GetRecordedBeeps() {
  core::Lock lk(core::S().mu);
  return core::S().beeps;
}
}  // namespace win32
