// Timers on the virtual clock, and messages between threads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include <windows.h>

#include "robot_test.h"

namespace halvane::test {
namespace {

constexpr UINT kWorkerDone = WM_APP + 1;
constexpr UINT kAskDouble = WM_APP + 2;

int TimerCount(const MessageLog& log, WPARAM id) {
  int count = 0;
  for (const Message& m : log.filtered({WM_TIMER})) count += m.wParam == id ? 1 : 0;
  return count;
}

using ClockThreadTest = RobotTest;

TEST_F(ClockThreadTest, TimersFireOnTheVirtualClockOnly) {
  RecordingWindow window("Timers");
  SetTimer(window.hwnd(), 1, 750, nullptr);
  SetTimer(window.hwnd(), 2, 400, nullptr);
  robot.pumpUntilIdle();
  EXPECT_FALSE(window.contains(WM_TIMER));

  robot.advance(399);
  EXPECT_EQ(TimerCount(window, 2), 0);
  robot.advance(1);
  EXPECT_EQ(TimerCount(window, 2), 1);
  EXPECT_EQ(TimerCount(window, 1), 0);

  robot.advance(1600);  // now 2000: timer 1 at 750 and 1500, timer 2 at 800, 1200, 1600, 2000
  EXPECT_EQ(TimerCount(window, 1), 2);
  EXPECT_EQ(TimerCount(window, 2), 5);

  KillTimer(window.hwnd(), 2);
  robot.advance(1000);
  EXPECT_EQ(TimerCount(window, 2), 5);
  EXPECT_EQ(TimerCount(window, 1), 4);  // 2250 and 3000
}

TEST_F(ClockThreadTest, TheTickCountMovesWithTheClockAndNotWithTime) {
  const DWORD start = GetTickCount();
  robot.pumpUntilIdle();
  EXPECT_EQ(GetTickCount(), start);
  robot.advance(180000);
  EXPECT_EQ(GetTickCount() - start, 180000u);
}

TEST_F(ClockThreadTest, AWorkerThreadsPostReachesTheUiThread) {
  RecordingWindow window("Receiver");
  const HWND target = window.hwnd();
  std::thread worker([target] { PostMessage(target, kWorkerDone, 17, 42); });
  worker.join();
  EXPECT_FALSE(window.contains(kWorkerDone));  // queued, not delivered yet
  robot.pumpUntilIdle();
  const auto done = window.filtered({kWorkerDone});
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].wParam, 17u);
  EXPECT_EQ(done[0].lParam, 42);
}

TEST_F(ClockThreadTest, APostForADestroyedWindowIsDropped) {
  auto window = std::make_unique<RecordingWindow>("Gone soon");
  const HWND target = window->hwnd();
  std::thread([target] { PostMessage(target, kWorkerDone, 0, 0); }).join();
  window.reset();
  robot.pumpUntilIdle();
  EXPECT_FALSE(IsWindow(target));
}

TEST_F(ClockThreadTest, ACrossThreadSendReturnsTheHandlersAnswer) {
  RecordingWindow window("Calculator");
  std::thread::id handledOn;
  window.answer(kAskDouble, [&](HWND, WPARAM wParam, LPARAM) {
    handledOn = std::this_thread::get_id();
    return static_cast<LRESULT>(wParam * 2);
  });
  const HWND target = window.hwnd();
  std::future<LRESULT> answer =
      std::async(std::launch::async, [target] { return SendMessage(target, kAskDouble, 21, 0); });
  // The sender waits until this thread looks at its queue.
  while (answer.wait_for(std::chrono::seconds(0)) != std::future_status::ready) robot.pumpUntilIdle();
  EXPECT_EQ(answer.get(), 42);
  EXPECT_EQ(handledOn, std::this_thread::get_id());
}

}  // namespace
}  // namespace halvane::test
