// Kernel objects behind HANDLEs: events, mutexes, semaphores and threads.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/state.h"

namespace win32::core {

struct KernelObject {
  enum class Kind { Event, Mutex, Semaphore, Thread } kind = Kind::Event;
  std::string name;
  // Event.
  bool manualReset = false;
  bool signaled = false;
  // Mutex.
  DWORD owner = 0;
  int recursion = 0;
  // Semaphore.
  LONG count = 0;
  LONG maximum = 0;
  // Thread.
  DWORD threadId = 0;
  bool finished = false;
  DWORD exitCode = STILL_ACTIVE;
};

// Waits for objects as WaitForMultipleObjects does; when `wakeOnMessages`
// is set, queue input of the given QS_* mask also ends the wait and the
// answer is WAIT_OBJECT_0 + count.
DWORD WaitForObjects(const std::vector<HANDLE>& handles, bool waitAll, DWORD ms, std::optional<UINT> wakeMask);

// Whether the calling thread's queue has something of the QS_* mask
// (locked; defined with the queue).
bool QueueHasLocked(const ThreadQueue& q, UINT mask);

}  // namespace win32::core
