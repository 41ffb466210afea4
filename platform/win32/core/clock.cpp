#include "core/clock.h"

#include <chrono>

namespace win32::core {
namespace {

// The virtual clock starts at the same value in every test.
constexpr ULONGLONG kVirtualStart = 0x10000;

ULONGLONG RealNow() {
  using namespace std::chrono;
  static const auto start = steady_clock::now() - seconds(60);
  return static_cast<ULONGLONG>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

// A waiter whose deadline has come is about to run even if it has not
// woken up yet.
bool AllThreadsIdleLocked(ULONGLONG now) {
  for (const auto& [id, q] : S().threads) {
    if (!q->blocked || (q->deadline && q->deadline <= now) || (q->wakeTest && q->wakeTest())) return false;
  }
  return true;
}

std::optional<ULONGLONG> NextDeadlineLocked(ULONGLONG now) {
  std::optional<ULONGLONG> next;
  auto consider = [&](ULONGLONG t) {
    if (t > now && (!next || t < *next)) next = t;
  };
  for (const auto& [id, q] : S().threads) {
    if (q->blocked && q->deadline) consider(q->deadline);
  }
  for (const Timer& t : S().timers) consider(t.due);
  return next;
}

struct BlockedMark {
  ThreadQueue& q;
  BlockedMark(ThreadQueue& queue, const std::function<bool()>& ready, std::optional<ULONGLONG> deadline) : q(queue) {
    q.blocked = true;
    q.wakeTest = ready;
    q.deadline = deadline.value_or(0);
  }
  ~BlockedMark() {
    q.blocked = false;
    q.wakeTest = nullptr;
    q.deadline = 0;
  }
  BlockedMark(const BlockedMark&) = delete;
  BlockedMark& operator=(const BlockedMark&) = delete;
};

}  // namespace

ULONGLONG NowLocked() { return S().virtualClock ? S().virtualNow : RealNow(); }

ULONGLONG Now() {
  Lock lk(S());
  return NowLocked();
}

std::optional<ULONGLONG> DeadlineAfter(DWORD ms) {
  if (ms == INFINITE) return std::nullopt;
  return NowLocked() + ms;
}

bool WaitUntil(Lock& lk, const std::function<bool()>& ready, std::optional<ULONGLONG> deadline) {
  State& s = S();
  QueuePtr keep = CurrentQueueLocked();
  for (;;) {
    if (ready()) return true;
    const ULONGLONG now = NowLocked();
    if (deadline && now >= *deadline) return false;
    BlockedMark mark(*keep, ready, deadline);
    if (s.virtualClock) {
      if (AllThreadsIdleLocked(now)) {
        if (auto next = NextDeadlineLocked(now)) {
          s.virtualNow = *next;
          NotifyAll();
          continue;
        }
      }
      s.changed.wait(lk);
    } else if (deadline) {
      s.changed.wait_for(lk, std::chrono::milliseconds(*deadline - now));
    } else {
      s.changed.wait(lk);
    }
  }
}

}  // namespace win32::core

namespace win32 {

void UseVirtualClock(bool useVirtual) {
  core::Lock lk(core::S());
  core::State& s = core::S();
  if (useVirtual && !s.virtualClock) s.virtualNow = core::kVirtualStart;
  s.virtualClock = useVirtual;
  core::NotifyAll();
}

bool IsVirtualClock() {
  core::State& st = core::S();
  core::Lock lk(st);
  return st.virtualClock;
}

void AdvanceClock(DWORD milliseconds) {
  core::Lock lk(core::S());
  core::State& s = core::S();
  if (!s.virtualClock) return;
  s.virtualNow += milliseconds;
  core::NotifyAll();
}

}  // namespace win32

DWORD WINAPI GetTickCount(void) { return static_cast<DWORD>(win32::core::Now()); }
ULONGLONG WINAPI GetTickCount64(void) { return win32::core::Now(); }
DWORD WINAPI timeGetTime(void) { return static_cast<DWORD>(win32::core::Now()); }

void WINAPI Sleep(DWORD dwMilliseconds) {
  using namespace win32::core;
  Lock lk(S());
  if (dwMilliseconds == 0) return;
  WaitUntil(
      lk, [] { return false; }, DeadlineAfter(dwMilliseconds));
}

DWORD WINAPI SleepEx(DWORD dwMilliseconds, BOOL) {
  Sleep(dwMilliseconds);
  return 0;
}
