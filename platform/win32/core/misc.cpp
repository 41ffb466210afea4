// Hooks, the caret, the cursor and recorded sounds.
#include <algorithm>

#include "core/state.h"
#include "core/window.h"

namespace win32::core {
namespace {

std::vector<Hook> HooksFor(int type) {
  State& st = S();
  Lock lk(st);
  std::vector<Hook> out;
  const DWORD me = CurrentThreadId();
  for (const Hook& h : st.hooks) {
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
  State& st = S();
  Lock lk(st);
  Hook h{reinterpret_cast<HHOOK>(NewHandleValue()), idHook, lpfn, dwThreadId};
  // The newest hook runs first.
  st.hooks.insert(st.hooks.begin(), h);
  return h.handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hhk) {
  Lock lk(S());
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
    Lock lk(S());
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
  State& st = S();
  Lock lk(st);
  *lpPoint = st.cursorPos;
  return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
  State& st = S();
  Lock lk(st);
  st.cursorPos = POINT{X, Y};
  return TRUE;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor) {
  State& st = S();
  Lock lk(st);
  HCURSOR old = st.cursor;
  st.cursor = hCursor;
  return old;
}

HCURSOR WINAPI GetCursor(void) {
  State& st = S();
  Lock lk(st);
  return st.cursor;
}

int WINAPI ShowCursor(BOOL bShow) {
  State& st = S();
  Lock lk(st);
  return st.cursorCount += bShow ? 1 : -1;
}

BOOL WINAPI ClipCursor(const RECT*) { return TRUE; }

UINT WINAPI GetDoubleClickTime(void) {
  State& st = S();
  Lock lk(st);
  return st.doubleClickTime;
}

BOOL WINAPI SetDoubleClickTime(UINT uInterval) {
  State& st = S();
  Lock lk(st);
  st.doubleClickTime = uInterval ? uInterval : 500;
  return TRUE;
}

BOOL WINAPI SwapMouseButton(BOOL) { return FALSE; }

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT e) {
  if (!e) return FALSE;
  Lock lk(S());
  WindowPtr w = FindWindowLocked(e->hwndTrack);
  if (!w) return FALSE;
  if (e->dwFlags & TME_LEAVE) w->trackLeave = !(e->dwFlags & TME_CANCEL);
  return TRUE;
}

BOOL WINAPI MessageBeep(UINT uType) {
  State& st = S();
  Lock lk(st);
  st.beeps.push_back(win32::RecordedBeep{true, uType, 0, 0});
  return TRUE;
}

namespace win32 {
std::vector<RecordedBeep> GetRecordedBeeps() {
  core::State& st = core::S();
  core::Lock lk(st);
  return st.beeps;
}
}  // namespace win32
