// Handle maps: permanent objects are found as themselves, temporary ones
// live until the thread's idle clean-up, which never touches the handles.
#include <gtest/gtest.h>

#include <thread>

#include "mfc/dc.h"
#include "mfc/gdi.h"
#include "mfc/handlemap.h"
#include "mfc/menu.h"
#include "mfc/winthread.h"

namespace {

// Counts live objects, to see the clean-up delete temporary ones.
struct Counted {
  static inline int live = 0;
  Counted() { ++live; }
  virtual ~Counted() { --live; }
  int handle = 0;
};
struct CountedHandle {
  static void Set(Counted& object, int* handle) { object.handle = *handle; }
  static void Clear(Counted& object) { object.handle = 0; }
};
using CountedMap = afx::HandleMap<Counted, int*, CountedHandle>;

class HandleMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    AfxUnlockTempMaps();
  }
  void TearDown() override {
    AfxUnlockTempMaps();
    win32::ResetWindowSystem();
  }
};

TEST_F(HandleMapTest, TemporaryObjectsLiveUntilTheLastUnlock) {
  CountedMap map;
  int a = 1;
  int b = 2;
  Counted* first = map.FromHandle(&a);
  EXPECT_EQ(first->handle, 1);
  EXPECT_EQ(map.FromHandle(&a), first);  // one wrapper per handle
  map.FromHandle(&b);
  EXPECT_EQ(Counted::live, 2);
  EXPECT_TRUE(map.IsTemporary(first));

  AfxLockTempMaps();
  AfxLockTempMaps();
  EXPECT_FALSE(AfxUnlockTempMaps());
  EXPECT_EQ(Counted::live, 2);  // still locked once
  EXPECT_TRUE(AfxUnlockTempMaps());
  EXPECT_EQ(Counted::live, 0);
}

TEST_F(HandleMapTest, TheThreadsIdleTimeDeletesTemporaryObjects) {
  CountedMap map;
  int a = 1;
  map.FromHandle(&a);
  CWinThread thread;
  thread.OnIdle(0);  // the first idle pass updates command UI only
  EXPECT_EQ(Counted::live, 1);
  thread.OnIdle(1);
  EXPECT_EQ(Counted::live, 0);
}

TEST_F(HandleMapTest, PermanentObjectsWinAndAreNotOwned) {
  CountedMap map;
  int a = 1;
  Counted permanent;
  map.SetPermanent(&a, &permanent);
  EXPECT_EQ(map.FromHandle(&a), &permanent);
  EXPECT_FALSE(map.IsTemporary(&permanent));
  AfxUnlockTempMaps();
  EXPECT_EQ(Counted::live, 1);
  // Removing needs the same object, so a stale detach cannot drop another's entry.
  Counted other;
  map.RemoveHandle(&a, &other);
  EXPECT_EQ(map.LookupPermanent(&a), &permanent);
  map.RemoveHandle(&a, &permanent);
  EXPECT_EQ(map.LookupPermanent(&a), nullptr);
  EXPECT_EQ(map.FromHandle(static_cast<int*>(nullptr)), nullptr);
}

TEST_F(HandleMapTest, GdiTemporariesKeepTheirHandlesAlive) {
  HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
  CPen* wrapper = CPen::FromHandle(pen);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(static_cast<HPEN>(*wrapper), pen);
  // A CGdiObject and a CPen wrapper of the same handle are different objects
  // of the right classes.
  CGdiObject* plain = CGdiObject::FromHandle(pen);
  EXPECT_TRUE(wrapper->IsKindOf(RUNTIME_CLASS(CPen)));
  EXPECT_FALSE(plain->IsKindOf(RUNTIME_CLASS(CPen)));
  AfxUnlockTempMaps();
  // The wrappers went; the pen did not.
  EXPECT_EQ(::GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
  EXPECT_TRUE(::DeleteObject(pen));
}

TEST_F(HandleMapTest, AttachDetachAndTheObjectsOwnHandle) {
  HBRUSH brush = ::CreateSolidBrush(RGB(3, 3, 3));
  {
    CBrush owner;
    ASSERT_TRUE(owner.Attach(brush));
    EXPECT_FALSE(owner.Attach(brush));  // holds one already
    EXPECT_EQ(CBrush::FromHandle(brush), &owner);
    EXPECT_EQ(CGdiObject::FromHandle(brush), &owner);
    EXPECT_EQ(owner.Detach(), brush);
    EXPECT_NE(CBrush::FromHandle(brush), &owner);
    ASSERT_TRUE(owner.Attach(brush));
  }
  // The attached object deleted its brush when it went.
  EXPECT_EQ(::GetObjectType(brush), 0u);

  HDC dc = ::CreateCompatibleDC(nullptr);
  {
    CDC wrapper;
    ASSERT_TRUE(wrapper.Attach(dc));
    EXPECT_EQ(CDC::FromHandle(dc), &wrapper);
    EXPECT_EQ(wrapper.m_hAttribDC, dc);
    EXPECT_EQ(wrapper.Detach(), dc);
  }
  EXPECT_NE(::GetDeviceCaps(dc, BITSPIXEL), 0);
  CDC* temporary = CDC::FromHandle(dc);
  EXPECT_EQ(temporary->GetSafeHdc(), dc);
  CDC::DeleteTempMap();
  EXPECT_NE(::GetDeviceCaps(dc, BITSPIXEL), 0);
  EXPECT_TRUE(::DeleteDC(dc));
}

TEST_F(HandleMapTest, MapsArePerThread) {
  HMENU menu = ::CreatePopupMenu();
  CMenu owner;
  ASSERT_TRUE(owner.Attach(menu));
  CMenu* seenByWorker = nullptr;
  std::thread worker([&] {
    seenByWorker = CMenu::FromHandle(menu);
    EXPECT_EQ(seenByWorker->GetSafeHmenu(), menu);
  });
  worker.join();
  EXPECT_NE(seenByWorker, &owner);
  EXPECT_EQ(CMenu::FromHandle(menu), &owner);
}

}  // namespace
