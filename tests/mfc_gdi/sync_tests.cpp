// Synchronisation objects across threads of the window system, on the
// virtual clock: time-outs pass without sleeping.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "afxmt.h"
#include "mfc/waitcursor.h"

namespace {

class SyncTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    win32::UseVirtualClock(true);
  }
  void TearDown() override { win32::ResetWindowSystem(); }
};

// A thread of the window system running a function; joined when it goes.
class Worker {
 public:
  explicit Worker(std::function<void()> body) : body_(std::move(body)) {
    handle_ = ::CreateThread(nullptr, 0, &Worker::Run, this, 0, nullptr);
  }
  ~Worker() { Join(); }
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  void Join() {
    if (!handle_) return;
    ::WaitForSingleObject(handle_, INFINITE);
    ::CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  static DWORD WINAPI Run(LPVOID self) {
    static_cast<Worker*>(self)->body_();
    return 0;
  }
  std::function<void()> body_;
  HANDLE handle_ = nullptr;
};

TEST_F(SyncTest, LockTimesOutOnTheVirtualClock) {
  CEvent event;
  CSingleLock lock(&event);
  const DWORD start = ::GetTickCount();
  EXPECT_FALSE(lock.Lock(250));
  EXPECT_FALSE(lock.IsLocked());
  EXPECT_EQ(::GetTickCount() - start, 250u);
  EXPECT_FALSE(lock.Lock(0));
  EXPECT_EQ(::GetTickCount() - start, 250u);
}

TEST_F(SyncTest, AutoResetEventReleasesOneWaiter) {
  CEvent event(FALSE, FALSE);
  BOOL woke = FALSE;
  {
    Worker worker([&] { woke = CSingleLock(&event, TRUE).IsLocked(); });
    EXPECT_TRUE(event.SetEvent());
  }
  EXPECT_TRUE(woke);
  // The waiter took the signal with it.
  EXPECT_FALSE(event.Lock(0));

  CEvent initiallySet(TRUE, FALSE);
  EXPECT_TRUE(initiallySet.Lock(0));
  EXPECT_FALSE(initiallySet.Lock(0));
}

TEST_F(SyncTest, ManualResetEventStaysSetUntilReset) {
  CEvent stop(FALSE, TRUE);
  int waitersThrough = 0;
  {
    Worker first([&] {
      if (stop.Lock()) ++waitersThrough;
    });
    Worker second([&] {
      if (stop.Lock()) ++waitersThrough;
    });
    stop.SetEvent();
  }
  EXPECT_EQ(waitersThrough, 2);
  EXPECT_TRUE(stop.Lock(0));
  EXPECT_TRUE(stop.ResetEvent());
  EXPECT_FALSE(stop.Lock(0));
}

TEST_F(SyncTest, NamedEventsAreShared) {
  CEvent a(FALSE, TRUE, "halvane-test-event");
  CEvent b(FALSE, TRUE, "halvane-test-event");
  EXPECT_NE(a.m_hObject, b.m_hObject);
  a.SetEvent();
  EXPECT_TRUE(b.Lock(0));
  // Each object closes only its own handle: the other still works.
  { CEvent c(FALSE, TRUE, "halvane-test-event"); }
  b.ResetEvent();
  EXPECT_FALSE(a.Lock(0));
  EXPECT_TRUE(b.SetEvent());
  EXPECT_TRUE(a.Lock(0));
}

TEST_F(SyncTest, MutexIsExclusiveAcrossThreadsAndRecursiveForItsOwner) {
  CMutex mutex;
  CSingleLock outer(&mutex, TRUE);
  ASSERT_TRUE(outer.IsLocked());
  // The owner enters again, as a handler re-entered during a message box does.
  CSingleLock inner(&mutex);
  ASSERT_TRUE(inner.Lock(0));

  CEvent timedOut(FALSE, TRUE);
  CEvent released(FALSE, TRUE);
  BOOL firstTry = TRUE;
  BOOL secondTry = FALSE;
  DWORD waited = 0;
  Worker worker([&] {
    CSingleLock lock(&mutex);
    const DWORD start = ::GetTickCount();
    firstTry = lock.Lock(100);
    waited = ::GetTickCount() - start;
    timedOut.SetEvent();
    released.Lock();
    secondTry = lock.Lock();
  });
  ASSERT_TRUE(timedOut.Lock());
  EXPECT_FALSE(firstTry);
  EXPECT_EQ(waited, 100u);
  // One unlock is not enough: the owner entered twice.
  EXPECT_TRUE(inner.Unlock());
  BOOL probeGotIt = TRUE;
  {
    Worker probe([&] {
      probeGotIt = mutex.Lock(0);
      if (probeGotIt) mutex.Unlock();
    });
  }
  EXPECT_FALSE(probeGotIt);
  EXPECT_TRUE(outer.Unlock());
  EXPECT_FALSE(outer.IsLocked());
  released.SetEvent();
  worker.Join();
  EXPECT_TRUE(secondTry);
}

TEST_F(SyncTest, SemaphoreCountsItsHolders) {
  CSemaphore semaphore(2, 2);
  CSingleLock first(&semaphore, TRUE);
  CSingleLock second(&semaphore, TRUE);
  CSingleLock third(&semaphore);
  EXPECT_TRUE(first.IsLocked());
  EXPECT_TRUE(second.IsLocked());
  EXPECT_FALSE(third.Lock(10));
  LONG previous = -1;
  EXPECT_TRUE(first.Unlock(1, &previous));
  EXPECT_EQ(previous, 0);
  EXPECT_TRUE(third.Lock(10));
}

TEST_F(SyncTest, CriticalSectionExcludesOtherThreads) {
  CCriticalSection section;
  CSingleLock held(&section, TRUE);
  BOOL otherGotIt = TRUE;
  {
    Worker worker([&] { otherGotIt = section.Lock(0); });
  }
  EXPECT_FALSE(otherGotIt);
  held.Unlock();
  {
    Worker worker([&] {
      otherGotIt = section.Lock(0);
      if (otherGotIt) section.Unlock();
    });
  }
  EXPECT_TRUE(otherGotIt);
}

TEST_F(SyncTest, MultiLockWaitsForAnyOrAll) {
  CEvent first(FALSE, TRUE);
  CEvent second(FALSE, TRUE);
  CSyncObject* objects[] = {&first, &second};
  CMultiLock lock(objects, 2);
  EXPECT_EQ(lock.Lock(50, FALSE), static_cast<DWORD>(WAIT_TIMEOUT));
  second.SetEvent();
  EXPECT_EQ(lock.Lock(50, FALSE), static_cast<DWORD>(WAIT_OBJECT_0 + 1));
  EXPECT_FALSE(lock.IsLocked(0));
  EXPECT_TRUE(lock.IsLocked(1));
  EXPECT_EQ(lock.Lock(50, TRUE), static_cast<DWORD>(WAIT_TIMEOUT));
  {
    Worker worker([&] { first.SetEvent(); });
  }
  EXPECT_EQ(lock.Lock(INFINITE, TRUE), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_TRUE(lock.IsLocked(0));
  EXPECT_TRUE(lock.IsLocked(1));
  EXPECT_FALSE(lock.IsLocked(2));

  // A critical section has no handle to wait on.
  CCriticalSection section;
  CSyncObject* mixed[] = {&first, &section};
  CMultiLock invalid(mixed, 2);
  EXPECT_EQ(invalid.Lock(0), WAIT_FAILED);
}

TEST_F(SyncTest, WaitCursorsNest) {
  {
    CWaitCursor outer;
    {
      CWaitCursor inner;
      inner.Restore();
      // The next begin shows the depth this far.
      EXPECT_EQ(win32::BeginWaitCursor(), 3);
      EXPECT_EQ(win32::EndWaitCursor(), 2);
    }
    EXPECT_EQ(win32::BeginWaitCursor(), 2);
    EXPECT_EQ(win32::EndWaitCursor(), 1);
  }
  EXPECT_EQ(win32::BeginWaitCursor(), 1);
  EXPECT_EQ(win32::EndWaitCursor(), 0);
}

}  // namespace
