// The queue: priorities, filters, cross-thread posting and sending, focus
// and activation messages.
#include <algorithm>
#include <atomic>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "core_test_support.h"

namespace core_test {
namespace {

using MessagesTest = CoreTest;

TEST_F(MessagesTest, PostedBeforeInputBeforePaintBeforeTimer) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  SetTimer(top, 1, 10, nullptr);
  win32::AdvanceClock(20);
  InvalidateRect(top, nullptr, TRUE);
  win32::input::KeyDown('A');
  PostMessage(top, WM_USER, 0, 0);
  std::vector<UINT> order;
  MSG msg;
  for (int i = 0; i < 4 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    order.push_back(msg.message);
    DispatchMessage(&msg);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_KEYDOWN, WM_PAINT, WM_TIMER}));
}

TEST_F(MessagesTest, PeekFiltersByWindowWithChildrenAndRange) {
  HWND a = MakeTop("A");
  HWND b = MakeTop("B");
  HWND childOfA = MakeChild(a, 1);
  PostMessage(b, WM_USER + 1, 0, 0);
  PostMessage(childOfA, WM_USER + 2, 0, 0);
  PostMessage(nullptr, WM_USER + 3, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, a, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
  EXPECT_TRUE(PeekMessage(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_USER + 5, WM_USER + 9, PM_REMOVE));
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, b);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, childOfA);
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessagesTest, ARangeFromZeroIsARangeAndOnlyZeroToZeroTakesEverything) {
  HWND top = MakeTop();
  PostMessage(top, WM_USER + 10, 0, 0);
  PostMessage(top, WM_CLOSE, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, WM_USER, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE)) << "the later message, but the one inside 0..WM_USER";
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, WM_USER, PM_REMOVE));
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 10));
}

TEST_F(MessagesTest, QueueStatusFlagsPickOneKindOfMessage) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  SetFocus(top);
  SetTimer(top, 1, 10, nullptr);
  win32::AdvanceClock(20);
  InvalidateRect(top, nullptr, TRUE);
  win32::input::KeyDown('A');
  PostMessage(top, WM_USER, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
  DispatchMessage(&msg);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT));
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) << "timers count as posted";
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE | PM_QS_PAINT | PM_QS_INPUT));
  win32::input::KeyUp('A');
}

TEST_F(MessagesTest, LookingAtADueTimerLeavesItDue) {
  HWND top = MakeTop();
  SetTimer(top, 4, 100, nullptr);
  win32::AdvanceClock(150);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, 4u);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE)) << "still there";
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) << "one WM_TIMER per period";
  win32::AdvanceClock(50);
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE)) << "the next period has not ended";
  win32::AdvanceClock(50);
  EXPECT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(MessagesTest, MessagesForADestroyedWindowAreDropped) {
  HWND a = MakeTop();
  PostMessage(a, WM_USER, 0, 0);
  DestroyWindow(a);
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
}

TEST_F(MessagesTest, DroppedMessagesGoToTheHooksSoTheirPayloadsCanBeFreed) {
  HWND parent = MakeTop();
  HWND child = MakeChild(parent, 1);
  HWND other = MakeTop();
  std::vector<std::pair<HWND, UINT>> dropped;
  std::vector<std::unique_ptr<std::string>> freed;
  const int id = win32::AddDroppedMessageHook([&](const MSG& m) {
    dropped.emplace_back(m.hwnd, m.message);
    // The payload is still intact and is handed back for freeing.
    if (m.message == WM_USER + 5) freed.emplace_back(reinterpret_cast<std::string*>(m.lParam));
  });
  ASSERT_NE(id, 0);
  EXPECT_EQ(win32::AddDroppedMessageHook(nullptr), 0);
  PostMessage(parent, WM_USER + 5, 0, reinterpret_cast<LPARAM>(new std::string("parent's")));
  PostMessage(other, WM_USER + 6, 0, 0);
  PostMessage(child, WM_USER + 5, 0, reinterpret_cast<LPARAM>(new std::string("child's")));
  PostMessage(parent, WM_USER + 7, 0, 0);
  SetHandler([&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    // Posted while going: dropped as well.
    if (h == parent && m == WM_DESTROY) PostMessage(parent, WM_USER + 8, 0, 0);
    return std::nullopt;
  });
  DestroyWindow(parent);
  std::vector<std::pair<HWND, UINT>> expected = {
      {child, WM_USER + 5}, {parent, WM_USER + 5}, {parent, WM_USER + 7}, {parent, WM_USER + 8}};
  auto sorted = dropped;
  std::sort(sorted.begin(), sorted.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sorted, expected);
  ASSERT_EQ(freed.size(), 2u);
  EXPECT_NE(*freed[0], *freed[1]);
  for (const auto& text : freed) EXPECT_TRUE(*text == "child's" || *text == "parent's") << *text;
  // The other window's message is still there.
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, other);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 6));
  win32::RemoveDroppedMessageHook(id);
  PostMessage(other, WM_USER + 9, 0, 0);
  DestroyWindow(other);
  EXPECT_EQ(dropped.size(), 4u);
}

TEST_F(MessagesTest, QuitEndsGetMessage) {
  PostQuitMessage(3);
  MSG msg;
  EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessagesTest, PostFromAWorkerReachesTheUiThread) {
  HWND top = MakeTop();
  std::thread worker([top] { PostMessage(top, WM_USER + 7, 42, 0); });
  MSG msg;
  ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
  worker.join();
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 7));
  EXPECT_EQ(msg.wParam, 42u);
}

TEST_F(MessagesTest, CrossThreadSendAnswersAndServesSendsBack) {
  HWND ui = MakeTop();
  HWND workerWindow = nullptr;
  std::atomic<bool> ready{false};
  HANDLE done = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  SetHandler([&](HWND h, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (h == ui && m == WM_USER + 1) {
      // The UI thread sends back to the worker while the worker waits.
      return SendMessage(workerWindow, WM_USER + 2, w, 0) + 1;
    }
    if (m == WM_USER + 2) return static_cast<LRESULT>(w * 10);
    return std::nullopt;
  });
  LRESULT answer = 0;
  std::thread worker([&] {
    workerWindow = CreateWindowEx(0, kClass, "w", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ready = true;
    answer = SendMessage(ui, WM_USER + 1, 4, 0);
    SetEvent(done);
    DestroyWindow(workerWindow);
  });
  while (WaitForSingleObject(done, 0) == WAIT_TIMEOUT) {
    MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT);
    Pump();
  }
  worker.join();
  EXPECT_TRUE(ready);
  EXPECT_EQ(answer, 41);
  CloseHandle(done);
}

TEST_F(MessagesTest, SendToAWindowWhoseThreadEndsAnswersZero) {
  SetHandler([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER) return 7;
    return std::nullopt;
  });
  HWND other = nullptr;
  HANDLE created = CreateEvent(nullptr, FALSE, FALSE, nullptr);
  // A wait outside the window system, which serves no sent messages.
  std::promise<void> quit;
  std::thread t([&, quitting = quit.get_future()] {
    other = CreateWindowEx(0, kClass, "o", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetEvent(created);
    quitting.wait();
    DestroyWindow(other);
  });
  WaitForSingleObject(created, INFINITE);
  std::thread closer([&] { quit.set_value(); });
  EXPECT_EQ(SendMessage(other, WM_USER, 0, 0), 0);
  closer.join();
  t.join();
  EXPECT_FALSE(IsWindow(other));
  CloseHandle(created);
}

TEST_F(MessagesTest, CrossThreadSendIsServedWhileTheOwnerWaitsForTheSender) {
  HWND ui = MakeTop();
  SetHandler([](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER + 1) return static_cast<LRESULT>(w * 2);
    return std::nullopt;
  });
  struct Job {
    HWND target;
    LRESULT answer;
  } job{ui, 0};
  HANDLE worker = CreateThread(
      nullptr, 0,
      [](LPVOID p) -> DWORD {
        auto* j = static_cast<Job*>(p);
        j->answer = SendMessage(j->target, WM_USER + 1, 21, 0);
        return 0;
      },
      &job, 0, nullptr);
  ASSERT_NE(worker, nullptr);
  // The owner does not pump: the send is served inside the wait itself.
  EXPECT_EQ(WaitForSingleObject(worker, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(job.answer, 42);
  CloseHandle(worker);
}

TEST_F(MessagesTest, DispatchRejectsWindowsOfOtherThreads) {
  HWND other = nullptr;
  std::thread t(
      [&] { other = CreateWindowEx(0, kClass, "o", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr); });
  t.join();
  Log().clear();
  MSG msg{other, WM_USER, 0, 0, 0, {}};
  EXPECT_EQ(DispatchMessage(&msg), 0);
  EXPECT_TRUE(Log().empty());
}

TEST_F(MessagesTest, FocusChangeNamesTheOtherWindow) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND a = MakeChild(top, 1), b = MakeChild(top, 2);
  SetFocus(a);
  Log().clear();
  EXPECT_EQ(SetFocus(b), a);
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0].hwnd, a);
  EXPECT_EQ(Log()[0].message, static_cast<UINT>(WM_KILLFOCUS));
  EXPECT_EQ(reinterpret_cast<HWND>(Log()[0].wParam), b);
  EXPECT_EQ(Log()[1].hwnd, b);
  EXPECT_EQ(Log()[1].message, static_cast<UINT>(WM_SETFOCUS));
  EXPECT_EQ(reinterpret_cast<HWND>(Log()[1].wParam), a);
  // Disabling an ancestor takes the focus away.
  EnableWindow(top, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(SetFocus(b), nullptr);
}

TEST_F(MessagesTest, ActivationBetweenTwoTopLevels) {
  HWND one = MakeTop("One", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND two = MakeTop("Two", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  EXPECT_EQ(GetActiveWindow(), two);
  Log().clear();
  SetActiveWindow(one);
  std::vector<std::pair<HWND, UINT>> got;
  for (const auto& r : Log()) got.emplace_back(r.hwnd, r.message);
  const std::vector<std::pair<HWND, UINT>> expected = {{two, WM_NCACTIVATE}, {two, WM_ACTIVATE},  {one, WM_NCACTIVATE},
                                                       {one, WM_ACTIVATE},   {two, WM_KILLFOCUS}, {one, WM_SETFOCUS}};
  EXPECT_EQ(got, expected);
  EXPECT_EQ(LOWORD(Log()[1].wParam), WA_INACTIVE);
  EXPECT_EQ(reinterpret_cast<HWND>(Log()[1].lParam), one);
  EXPECT_EQ(LOWORD(Log()[3].wParam), WA_ACTIVE);
  EXPECT_EQ(reinterpret_cast<HWND>(Log()[3].lParam), two);
  // Destroying the active window activates another one.
  DestroyWindow(one);
  EXPECT_EQ(GetActiveWindow(), two);
}

TEST_F(MessagesTest, CaptureChangesAreAnnounced) {
  HWND a = MakeTop("A"), b = MakeTop("B");
  SetCapture(a);
  Log().clear();
  EXPECT_EQ(SetCapture(b), a);
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(Log()[0].message, static_cast<UINT>(WM_CAPTURECHANGED));
  EXPECT_EQ(reinterpret_cast<HWND>(Log()[0].lParam), b);
  DestroyWindow(b);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MessagesTest, TranslateMakesCharactersWithShiftState) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  Log().clear();
  win32::input::TypeText("aB!");
  Pump();
  std::string chars;
  for (const auto& r : Log()) {
    if (r.message == WM_CHAR) chars.push_back(static_cast<char>(r.wParam));
  }
  EXPECT_EQ(chars, "aB!");
  const auto seq = MessagesOf(top);
  EXPECT_EQ(std::vector<UINT>(seq.begin(), seq.begin() + 3), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
  EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
}

TEST_F(MessagesTest, AltF4ClosesAPlainWindow) {
  HWND top = MakeTop("Top", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  win32::input::KeyDown(VK_MENU);
  win32::input::KeyDown(VK_F4);
  win32::input::KeyUp(VK_F4);
  win32::input::KeyUp(VK_MENU);
  Pump();
  EXPECT_FALSE(IsWindow(top));
  const auto seq = Messages({WM_SYSKEYUP, WM_KEYUP});
  EXPECT_NE(std::find(seq.begin(), seq.end(), static_cast<UINT>(WM_SYSCOMMAND)), seq.end());
  EXPECT_NE(std::find(seq.begin(), seq.end(), static_cast<UINT>(WM_CLOSE)), seq.end());
}

TEST_F(MessagesTest, CurrentMessageIsTheOneInHand) {
  HWND top = MakeTop();
  WPARAM seen = 0;
  SetHandler([&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER) seen = win32::GetCurrentMessage()->wParam;
    return std::nullopt;
  });
  PostMessage(top, WM_USER, 77, 0);
  Pump();
  EXPECT_EQ(seen, 77u);
  EXPECT_EQ(win32::GetCurrentMessage(), nullptr);
}

TEST_F(MessagesTest, RegisteredMessagesAreSharedByName) {
  const UINT a = RegisterWindowMessage("Halvane.Test");
  EXPECT_GE(a, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage("halvane.test"), a);
  EXPECT_NE(RegisterWindowMessage("Other"), a);
}

}  // namespace
}  // namespace core_test
