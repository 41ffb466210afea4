// The one clock behind timers, Sleep, tick counts and timed waits, real
// for programs and virtual for tests.
#pragma once

#include <functional>
#include <optional>

#include "core/state.h"

namespace win32::core {

// Milliseconds on the clock. The caller holds the lock.
ULONGLONG NowLocked();
ULONGLONG Now();

// Blocks the calling thread (the lock in `lk` held on entry and exit)
// until `ready` answers true or the clock reaches `deadline`. `ready` must
// name the waiter's own data explicitly: other threads evaluate it to
// decide whether the virtual clock may move. Answers ready()'s last value.
bool WaitUntil(Lock& lk, const std::function<bool()>& ready, std::optional<ULONGLONG> deadline);

// A deadline `ms` from now, or none for INFINITE.
std::optional<ULONGLONG> DeadlineAfter(DWORD ms);

}  // namespace win32::core
