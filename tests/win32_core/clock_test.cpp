// Timers, Sleep and timed waits on the virtual clock; kernel objects.
#include <thread>

#include "core_test_support.h"

namespace core_test {
namespace {

using ClockTest = CoreTest;

TEST_F(ClockTest, TimerFiresWhenTheClockJumps) {
  HWND top = MakeTop();
  const DWORD start = GetTickCount();
  ASSERT_EQ(SetTimer(top, 1, 750, nullptr), 1u);
  MSG msg;
  ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_EQ(GetTickCount() - start, 750u);
  // At most one WM_TIMER is pending however far the clock moves.
  win32::AdvanceClock(5000);
  EXPECT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  EXPECT_TRUE(KillTimer(top, 1));
  win32::AdvanceClock(5000);
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  EXPECT_FALSE(KillTimer(top, 1));
}

TEST_F(ClockTest, ResettingATimerReplacesIt) {
  HWND top = MakeTop();
  SetTimer(top, 9, 100, nullptr);
  win32::AdvanceClock(60);
  SetTimer(top, 9, 100, nullptr);
  win32::AdvanceClock(60);
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  win32::AdvanceClock(40);
  EXPECT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

int g_procCalls = 0;
void CALLBACK CountingTimerProc(HWND, UINT, UINT_PTR, DWORD) { ++g_procCalls; }

TEST_F(ClockTest, ThreadTimerWithProcIsCalledByDispatch) {
  g_procCalls = 0;
  const UINT_PTR id = SetTimer(nullptr, 0, 200, CountingTimerProc);
  ASSERT_NE(id, 0u);
  MSG msg;
  ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.hwnd, nullptr);
  DispatchMessage(&msg);
  EXPECT_EQ(g_procCalls, 1);
  EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(ClockTest, DestroyingAWindowKillsItsTimers) {
  HWND top = MakeTop();
  SetTimer(top, 1, 10, nullptr);
  DestroyWindow(top);
  win32::AdvanceClock(100);
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(ClockTest, SleepAndTimedWaitsMoveTheVirtualClock) {
  const DWORD t0 = GetTickCount();
  Sleep(5000);
  EXPECT_EQ(GetTickCount() - t0, 5000u);
  HANDLE ev = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  EXPECT_EQ(WaitForSingleObject(ev, 8268), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(GetTickCount() - t0, 5000u + 8268u);
  SetEvent(ev);
  EXPECT_EQ(WaitForSingleObject(ev, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(ev, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  ResetEvent(ev);
  EXPECT_EQ(WaitForSingleObject(ev, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  CloseHandle(ev);
  EXPECT_EQ(WaitForSingleObject(ev, 0), WAIT_FAILED);
}

DWORD WINAPI SleepyWorker(LPVOID param) {
  Sleep(300);
  SetEvent(static_cast<HANDLE>(param));
  return 7;
}

TEST_F(ClockTest, WorkerSleepsOnTheSameClockAndThreadHandlesSignalAtExit) {
  HANDLE ev = CreateEvent(nullptr, FALSE, FALSE, nullptr);
  const DWORD t0 = GetTickCount();
  DWORD id = 0;
  HANDLE th = CreateThread(nullptr, 0, SleepyWorker, ev, 0, &id);
  ASSERT_NE(th, nullptr);
  EXPECT_NE(id, 0u);
  // The main thread waits longer than the worker sleeps: the clock stops at
  // the worker's deadline first.
  EXPECT_EQ(WaitForSingleObject(ev, 1000), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_EQ(GetTickCount() - t0, 300u);
  EXPECT_EQ(WaitForSingleObject(th, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(th, &code));
  EXPECT_EQ(code, 7u);
  // An auto-reset event was consumed by the wait.
  EXPECT_EQ(WaitForSingleObject(ev, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  CloseHandle(th);
  CloseHandle(ev);
}

TEST_F(ClockTest, MutexIsRecursiveForItsOwnerOnly) {
  HANDLE m = CreateMutex(nullptr, TRUE, nullptr);
  EXPECT_EQ(WaitForSingleObject(m, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  DWORD other = 0;
  std::thread t([&] { other = WaitForSingleObject(m, 0); });
  t.join();
  EXPECT_EQ(other, static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_TRUE(ReleaseMutex(m));
  EXPECT_FALSE(ReleaseMutex(m));
  CloseHandle(m);
}

TEST_F(ClockTest, SemaphoreAndWaitAll) {
  HANDLE s = CreateSemaphore(nullptr, 1, 2, nullptr);
  HANDLE e = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  HANDLE both[] = {s, e};
  EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, 10), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 10), static_cast<DWORD>(WAIT_OBJECT_0));
  SetEvent(e);
  EXPECT_TRUE(ReleaseSemaphore(s, 1, nullptr));
  EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, 10), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_FALSE(ReleaseSemaphore(s, 3, nullptr));
  CloseHandle(s);
  CloseHandle(e);
}

TEST_F(ClockTest, MsgWaitWakesOnPostedMessages) {
  PostMessage(nullptr, WM_USER, 0, 0);
  HANDLE e = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  EXPECT_EQ(MsgWaitForMultipleObjects(1, &e, FALSE, 1000, QS_ALLINPUT), static_cast<DWORD>(WAIT_OBJECT_0 + 1));
  CloseHandle(e);
}

TEST_F(ClockTest, CriticalSectionAndInterlocked) {
  CRITICAL_SECTION cs;
  InitializeCriticalSection(&cs);
  EnterCriticalSection(&cs);
  EXPECT_TRUE(TryEnterCriticalSection(&cs));
  LeaveCriticalSection(&cs);
  LeaveCriticalSection(&cs);
  DeleteCriticalSection(&cs);
  LONG volatile v = 5;
  EXPECT_EQ(InterlockedIncrement(&v), 6);
  EXPECT_EQ(InterlockedExchange(&v, 9), 6);
  EXPECT_EQ(InterlockedCompareExchange(&v, 1, 9), 9);
  EXPECT_EQ(v, 1);
  SetLastError(1234);
  EXPECT_EQ(GetLastError(), 1234u);
}

}  // namespace
}  // namespace core_test
