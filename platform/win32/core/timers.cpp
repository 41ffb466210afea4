// Window and thread timers on the window system's clock.
#include <algorithm>

#include "core/clock.h"
#include "core/queue.h"
#include "core/window.h"

namespace win32::core {

bool TimerDueLocked(const ThreadQueue& q, HWND filter, ULONGLONG now, Timer* out) {
  const Timer* best = nullptr;
  for (const Timer& t : S().timers) {
    if (t.thread != q.id || t.due > now || !WindowMatchesLocked(filter, t.hwnd)) continue;
    if (!best || t.due < best->due) best = &t;
  }
  if (best && out) *out = *best;
  return best != nullptr;
}

void RestartTimerLocked(HWND hwnd, UINT_PTR id, ULONGLONG now) {
  for (Timer& t : S().timers) {
    if (t.hwnd == hwnd && t.id == id) t.due = now + t.period;
  }
}

std::optional<ULONGLONG> NextTimerLocked(DWORD thread) {
  std::optional<ULONGLONG> next;
  for (const Timer& t : S().timers) {
    if (t.thread == thread && (!next || t.due < *next)) next = t.due;
  }
  return next;
}

void RemoveWindowTimersLocked(HWND hwnd) {
  auto& v = S().timers;
  v.erase(std::remove_if(v.begin(), v.end(), [&](const Timer& t) { return t.hwnd == hwnd; }), v.end());
}

}  // namespace win32::core

using namespace win32::core;

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  Lock lk(S());
  State& s = S();
  DWORD thread = CurrentThreadId();
  if (hWnd) {
    WindowPtr w = FindWindowLocked(hWnd);
    if (!w || !IsOwnThread(*w)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
  } else {
    const bool exists = std::any_of(s.timers.begin(), s.timers.end(),
                                    [&](const Timer& t) { return !t.hwnd && t.id == nIDEvent && t.thread == thread; });
    if (!exists) nIDEvent = s.nextThreadTimer++;
  }
  // Win32 clamps the period to at least USER_TIMER_MINIMUM (10 ms).
  const UINT period = std::max<UINT>(uElapse, 10);
  auto& v = s.timers;
  v.erase(std::remove_if(v.begin(), v.end(), [&](const Timer& t) { return t.hwnd == hWnd && t.id == nIDEvent; }),
          v.end());
  v.push_back(Timer{hWnd, nIDEvent, thread, lpTimerFunc, period, NowLocked() + period});
  NotifyAll();
  return hWnd ? (nIDEvent ? nIDEvent : 1) : nIDEvent;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  Lock lk(S());
  auto& v = S().timers;
  auto it = std::find_if(v.begin(), v.end(), [&](const Timer& t) { return t.hwnd == hWnd && t.id == uIDEvent; });
  if (it == v.end()) return FALSE;
  v.erase(it);
  return TRUE;
}
