#include "core/kernel.h"
#include "core/queue.h"

#include <cstring>
#include <strings.h>
#include <thread>
#include <unistd.h>

#include "core/clock.h"
#include "core/window.h"
#include "internal/core_kernel.h"

namespace win32::core {
namespace {

thread_local DWORD t_lastError = 0;

const HANDLE kCurrentThread = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-2));
const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1));

KernelPtr FindObjectLocked(HANDLE h) {
  auto it = S().kernel.find(h);
  return it == S().kernel.end() ? nullptr : it->second;
}

HANDLE AddObjectLocked(KernelPtr obj) {
  auto h = reinterpret_cast<HANDLE>(NewHandleValue());
  S().kernel.emplace(h, std::move(obj));
  return h;
}

// A named object already in the table, answered again as Win32 does (with
// ERROR_ALREADY_EXISTS): through a handle of its own, so that closing one
// handle leaves the object to the others.
HANDLE FindNamedLocked(LPCSTR name, KernelObject::Kind kind) {
  if (!name || !*name) return nullptr;
  KernelPtr found;
  for (auto& [h, obj] : S().kernel) {
    if (obj->kind == kind && obj->name == name) {
      found = obj;
      break;
    }
  }
  return found ? AddObjectLocked(std::move(found)) : nullptr;
}

bool IsSignaledLocked(const KernelObject& o, DWORD me) {
  switch (o.kind) {
    case KernelObject::Kind::Event:
      return o.signaled;
    case KernelObject::Kind::Mutex:
      return o.recursion == 0 || o.owner == me;
    case KernelObject::Kind::Semaphore:
      return o.count > 0;
    case KernelObject::Kind::Thread:
      return o.finished;
  }
  return false;
}

void ConsumeLocked(KernelObject& o, DWORD me) {
  switch (o.kind) {
    case KernelObject::Kind::Event:
      if (!o.manualReset) o.signaled = false;
      break;
    case KernelObject::Kind::Mutex:
      o.owner = me;
      ++o.recursion;
      break;
    case KernelObject::Kind::Semaphore:
      --o.count;
      break;
    case KernelObject::Kind::Thread:
      break;
  }
}

struct ThreadStart {
  LPTHREAD_START_ROUTINE fn;
  LPVOID param;
  KernelPtr obj;
};

// Ends the thread's registration; ExitThread unwinds to here.
struct ThreadExit {
  DWORD code;
};

void RunThread(ThreadStart start) {
  DWORD code = 0;
  try {
    code = start.fn(start.param);
  } catch (const ThreadExit& e) {
    code = e.code;
  }
  DestroyThreadWindows();
  State& st = S();
  Lock lk(st);
  start.obj->exitCode = code;
  start.obj->finished = true;
  // The thread no longer counts for the clock from here on.
  auto it = st.threads.find(CurrentThreadId());
  if (it != st.threads.end()) {
    for (auto& sm : it->second->sent) sm->done = true;
    st.threads.erase(it);
  }
  NotifyAll();
}

}  // namespace

DWORD WaitForObjects(const std::vector<HANDLE>& handles, bool waitAll, DWORD ms, std::optional<UINT> wakeMask) {
  Lock lk(S());
  std::vector<KernelPtr> objs;
  for (HANDLE h : handles) {
    KernelPtr o = (h == kCurrentThread) ? nullptr : FindObjectLocked(h);
    if (!o) {
      t_lastError = ERROR_INVALID_HANDLE;
      return WAIT_FAILED;
    }
    objs.push_back(std::move(o));
  }
  const DWORD me = CurrentThreadId();
  QueuePtr q = CurrentQueueLocked();
  auto ready = [&, q] {
    if (waitAll && !objs.empty()) {
      bool all = true;
      for (auto& o : objs) all = all && IsSignaledLocked(*o, me);
      if (all) return true;
    } else {
      for (auto& o : objs) {
        if (IsSignaledLocked(*o, me)) return true;
      }
    }
    return wakeMask && QueueHasLocked(*q, *wakeMask);
  };
  // Messages other threads send to this one are served during the wait, so
  // a thread that waits for a worker never deadlocks with the worker's
  // SendMessage to its windows.
  const auto deadline = DeadlineAfter(ms);
  auto readyOrSent = [&ready, q] { return ready() || !q->sent.empty(); };
  for (;;) {
    if (!WaitUntil(lk, readyOrSent, deadline)) return WAIT_TIMEOUT;
    if (ready()) break;
    ServeSentMessagesLocked(lk, *q);
  }
  if (waitAll && !objs.empty()) {
    bool all = true;
    for (auto& o : objs) all = all && IsSignaledLocked(*o, me);
    if (all) {
      for (auto& o : objs) ConsumeLocked(*o, me);
      return WAIT_OBJECT_0;
    }
  } else {
    for (size_t i = 0; i < objs.size(); ++i) {
      if (IsSignaledLocked(*objs[i], me)) {
        ConsumeLocked(*objs[i], me);
        NotifyAll();
        return WAIT_OBJECT_0 + static_cast<DWORD>(i);
      }
    }
  }
  return WAIT_OBJECT_0 + static_cast<DWORD>(objs.size());
}

}  // namespace win32::core

namespace win32::internal {

uintptr_t NewHandleValue() { return core::NewHandleValue(); }

ProcessObject NewProcessObject(DWORD id) {
  auto obj = std::make_shared<core::KernelObject>();
  obj->kind = core::KernelObject::Kind::Thread;
  obj->threadId = id;
  return obj;
}

HANDLE AddProcessObject(const ProcessObject& object) {
  core::Lock lk(core::S());
  return core::AddObjectLocked(object);
}

ProcessObject FindKernelObject(HANDLE handle) {
  core::Lock lk(core::S());
  return core::FindObjectLocked(handle);
}

void FinishProcessObjects(const std::vector<ProcessObject>& objects, DWORD exitCode) {
  core::Lock lk(core::S());
  for (const ProcessObject& o : objects) {
    o->exitCode = exitCode;
    o->finished = true;
  }
  core::NotifyAll();
}

DWORD ProcessObjectExitCode(const ProcessObject& object) {
  core::Lock lk(core::S());
  return object->exitCode;
}

DWORD ProcessObjectId(const ProcessObject& object) { return object->threadId; }

void CountCallingThread() {
  core::Lock lk(core::S());
  core::CurrentQueueLocked();
}

}  // namespace win32::internal

using namespace win32::core;

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter,
                           DWORD, LPDWORD lpThreadId) {
  if (!lpStartAddress) {
    t_lastError = ERROR_INVALID_PARAMETER;
    return nullptr;
  }
  auto obj = std::make_shared<KernelObject>();
  obj->kind = KernelObject::Kind::Thread;
  HANDLE h;
  {
    Lock lk(S());
    h = AddObjectLocked(obj);
  }
  // The new thread registers itself before CreateThread returns, so the
  // clock never moves while it is starting.
  std::mutex startMu;
  std::condition_variable started;
  bool registered = false;
  std::thread([=, &startMu, &started, &registered] {
    {
      Lock lk(S());
      CurrentQueueLocked();
      obj->threadId = CurrentThreadId();
    }
    {
      std::lock_guard<std::mutex> g(startMu);
      registered = true;
    }
    started.notify_one();
    RunThread(ThreadStart{lpStartAddress, lpParameter, obj});
  }).detach();
  std::unique_lock<std::mutex> g(startMu);
  started.wait(g, [&] { return registered; });
  if (lpThreadId) *lpThreadId = obj->threadId;
  return h;
}

void WINAPI ExitThread(DWORD dwExitCode) { throw ThreadExit{dwExitCode}; }

BOOL WINAPI GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) {
  Lock lk(S());
  KernelPtr o = FindObjectLocked(hThread);
  if (!o || o->kind != KernelObject::Kind::Thread || !lpExitCode) {
    t_lastError = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  *lpExitCode = o->exitCode;
  return TRUE;
}

DWORD WINAPI ResumeThread(HANDLE) { return 0; }
BOOL WINAPI SetThreadPriority(HANDLE, int) { return TRUE; }
int WINAPI GetThreadPriority(HANDLE) { return THREAD_PRIORITY_NORMAL; }
DWORD WINAPI GetCurrentThreadId(void) { return CurrentThreadId(); }
HANDLE WINAPI GetCurrentThread(void) { return kCurrentThread; }
DWORD WINAPI GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }
HANDLE WINAPI GetCurrentProcess(void) { return kCurrentProcess; }

DWORD WINAPI GetThreadId(HANDLE Thread) {
  if (Thread == kCurrentThread) return CurrentThreadId();
  Lock lk(S());
  KernelPtr o = FindObjectLocked(Thread);
  return (o && o->kind == KernelObject::Kind::Thread) ? o->threadId : 0;
}

HANDLE WINAPI CreateEvent(LPSECURITY_ATTRIBUTES, BOOL bManualReset, BOOL bInitialState, LPCSTR lpName) {
  Lock lk(S());
  if (HANDLE h = FindNamedLocked(lpName, KernelObject::Kind::Event)) {
    t_lastError = ERROR_ALREADY_EXISTS;
    return h;
  }
  auto obj = std::make_shared<KernelObject>();
  obj->kind = KernelObject::Kind::Event;
  obj->manualReset = bManualReset != FALSE;
  obj->signaled = bInitialState != FALSE;
  obj->name = lpName ? lpName : "";
  t_lastError = 0;
  return AddObjectLocked(std::move(obj));
}

HANDLE WINAPI OpenEvent(DWORD, BOOL, LPCSTR lpName) {
  Lock lk(S());
  HANDLE h = FindNamedLocked(lpName, KernelObject::Kind::Event);
  if (!h) t_lastError = ERROR_FILE_NOT_FOUND;
  return h;
}

namespace {

BOOL WithEvent(HANDLE h, void (*change)(KernelObject&)) {
  Lock lk(S());
  KernelPtr o = FindObjectLocked(h);
  if (!o || o->kind != KernelObject::Kind::Event) {
    t_lastError = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  change(*o);
  NotifyAll();
  return TRUE;
}

}  // namespace

BOOL WINAPI SetEvent(HANDLE hEvent) {
  return WithEvent(hEvent, [](KernelObject& o) { o.signaled = true; });
}
BOOL WINAPI ResetEvent(HANDLE hEvent) {
  return WithEvent(hEvent, [](KernelObject& o) { o.signaled = false; });
}

BOOL WINAPI PulseEvent(HANDLE hEvent) {
  // Waiters are not released: a pulse is unreliable on Win32 as well, and
  // nothing here depends on it.
  Lock lk(S());
  KernelPtr o = FindObjectLocked(hEvent);
  if (!o || o->kind != KernelObject::Kind::Event) {
    t_lastError = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  o->signaled = false;
  return TRUE;
}

HANDLE WINAPI CreateMutex(LPSECURITY_ATTRIBUTES, BOOL bInitialOwner, LPCSTR lpName) {
  Lock lk(S());
  if (HANDLE h = FindNamedLocked(lpName, KernelObject::Kind::Mutex)) {
    t_lastError = ERROR_ALREADY_EXISTS;
    return h;
  }
  auto obj = std::make_shared<KernelObject>();
  obj->kind = KernelObject::Kind::Mutex;
  obj->name = lpName ? lpName : "";
  if (bInitialOwner) {
    obj->owner = CurrentThreadId();
    obj->recursion = 1;
  }
  t_lastError = 0;
  return AddObjectLocked(std::move(obj));
}

HANDLE WINAPI OpenMutex(DWORD, BOOL, LPCSTR lpName) {
  Lock lk(S());
  HANDLE h = FindNamedLocked(lpName, KernelObject::Kind::Mutex);
  if (!h) t_lastError = ERROR_FILE_NOT_FOUND;
  return h;
}

BOOL WINAPI ReleaseMutex(HANDLE hMutex) {
  Lock lk(S());
  KernelPtr o = FindObjectLocked(hMutex);
  if (!o || o->kind != KernelObject::Kind::Mutex) {
    t_lastError = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  if (o->recursion == 0 || o->owner != CurrentThreadId()) {
    t_lastError = ERROR_NOT_OWNER;
    return FALSE;
  }
  if (--o->recursion == 0) o->owner = 0;
  NotifyAll();
  return TRUE;
}

HANDLE WINAPI CreateSemaphore(LPSECURITY_ATTRIBUTES, LONG lInitialCount, LONG lMaximumCount, LPCSTR lpName) {
  if (lMaximumCount <= 0 || lInitialCount < 0 || lInitialCount > lMaximumCount) {
    t_lastError = ERROR_INVALID_PARAMETER;
    return nullptr;
  }
  Lock lk(S());
  if (HANDLE h = FindNamedLocked(lpName, KernelObject::Kind::Semaphore)) {
    t_lastError = ERROR_ALREADY_EXISTS;
    return h;
  }
  auto obj = std::make_shared<KernelObject>();
  obj->kind = KernelObject::Kind::Semaphore;
  obj->name = lpName ? lpName : "";
  obj->count = lInitialCount;
  obj->maximum = lMaximumCount;
  return AddObjectLocked(std::move(obj));
}

BOOL WINAPI ReleaseSemaphore(HANDLE hSemaphore, LONG lReleaseCount, LPLONG lpPreviousCount) {
  Lock lk(S());
  KernelPtr o = FindObjectLocked(hSemaphore);
  if (!o || o->kind != KernelObject::Kind::Semaphore) {
    t_lastError = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  if (lReleaseCount <= 0 || o->count + lReleaseCount > o->maximum) {
    t_lastError = ERROR_TOO_MANY_POSTS;
    return FALSE;
  }
  if (lpPreviousCount) *lpPreviousCount = o->count;
  o->count += lReleaseCount;
  NotifyAll();
  return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE hObject) {
  if (hObject == kCurrentThread || hObject == kCurrentProcess) return TRUE;
  State& st = S();
  Lock lk(st);
  if (st.kernel.erase(hObject) == 0) {
    t_lastError = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  return TRUE;
}

BOOL WINAPI DuplicateHandle(HANDLE, HANDLE hSourceHandle, HANDLE, LPHANDLE lpTargetHandle, DWORD, BOOL,
                            DWORD dwOptions) {
  State& st = S();
  Lock lk(st);
  KernelPtr o = FindObjectLocked(hSourceHandle);
  if (!o || !lpTargetHandle) {
    t_lastError = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  *lpTargetHandle = AddObjectLocked(o);
  if (dwOptions & DUPLICATE_CLOSE_SOURCE) st.kernel.erase(hSourceHandle);
  return TRUE;
}

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
  return WaitForObjects({hHandle}, false, dwMilliseconds, std::nullopt);
}

DWORD WINAPI WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL bWaitAll, DWORD dwMilliseconds) {
  if (nCount == 0 || nCount > MAXIMUM_WAIT_OBJECTS || !lpHandles) {
    t_lastError = ERROR_INVALID_PARAMETER;
    return WAIT_FAILED;
  }
  return WaitForObjects(std::vector<HANDLE>(lpHandles, lpHandles + nCount), bWaitAll != FALSE, dwMilliseconds,
                        std::nullopt);
}

// A critical section owns a recursive mutex through its one slot; the slot
// is the only place the mutex lives, so it is made and freed by hand.
void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION cs) {
  if (cs) cs->impl = new std::recursive_mutex();
}
BOOL WINAPI InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION cs, DWORD) {
  InitializeCriticalSection(cs);
  return TRUE;
}
void WINAPI EnterCriticalSection(LPCRITICAL_SECTION cs) {
  if (cs && cs->impl) static_cast<std::recursive_mutex*>(cs->impl)->lock();
}
BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION cs) {
  return cs && cs->impl && static_cast<std::recursive_mutex*>(cs->impl)->try_lock();
}
void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION cs) {
  if (cs && cs->impl) static_cast<std::recursive_mutex*>(cs->impl)->unlock();
}
void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION cs) {
  if (!cs) return;
  delete static_cast<std::recursive_mutex*>(cs->impl);
  cs->impl = nullptr;
}

LONG WINAPI InterlockedIncrement(LONG volatile* a) { return __atomic_add_fetch(a, 1, __ATOMIC_SEQ_CST); }
LONG WINAPI InterlockedDecrement(LONG volatile* a) { return __atomic_sub_fetch(a, 1, __ATOMIC_SEQ_CST); }
LONG WINAPI InterlockedExchange(LONG volatile* t, LONG v) { return __atomic_exchange_n(t, v, __ATOMIC_SEQ_CST); }
LONG WINAPI InterlockedExchangeAdd(LONG volatile* a, LONG v) { return __atomic_fetch_add(a, v, __ATOMIC_SEQ_CST); }
LONG WINAPI InterlockedCompareExchange(LONG volatile* d, LONG x, LONG c) {
  __atomic_compare_exchange_n(d, &c, x, false, __ATOMIC_SEQ_CST, __ATOMIC_SEQ_CST);
  return c;
}
PVOID WINAPI InterlockedExchangePointer(PVOID volatile* t, PVOID v) {
  return __atomic_exchange_n(t, v, __ATOMIC_SEQ_CST);
}
PVOID WINAPI InterlockedCompareExchangePointer(PVOID volatile* d, PVOID x, PVOID c) {
  __atomic_compare_exchange_n(d, &c, x, false, __ATOMIC_SEQ_CST, __ATOMIC_SEQ_CST);
  return c;
}

DWORD WINAPI GetLastError(void) { return t_lastError; }
void WINAPI SetLastError(DWORD dwErrCode) { t_lastError = dwErrCode; }

BOOL WINAPI Beep(DWORD dwFreq, DWORD dwDuration) {
  State& st = S();
  Lock lk(st);
  st.beeps.push_back(win32::RecordedBeep{false, 0, dwFreq, dwDuration});
  return TRUE;
}

int WINAPI lstrlen(LPCSTR s) { return s ? static_cast<int>(std::strlen(s)) : 0; }
LPSTR WINAPI lstrcpy(LPSTR d, LPCSTR s) { return (d && s) ? std::strcpy(d, s) : nullptr; }
LPSTR WINAPI lstrcpyn(LPSTR d, LPCSTR s, int n) {
  if (!d || !s || n <= 0) return nullptr;
  std::strncpy(d, s, static_cast<size_t>(n - 1));
  d[n - 1] = '\0';
  return d;
}
LPSTR WINAPI lstrcat(LPSTR d, LPCSTR s) { return (d && s) ? std::strcat(d, s) : nullptr; }
int WINAPI lstrcmp(LPCSTR a, LPCSTR b) { return std::strcmp(a ? a : "", b ? b : ""); }
int WINAPI lstrcmpi(LPCSTR a, LPCSTR b) { return strcasecmp(a ? a : "", b ? b : ""); }
