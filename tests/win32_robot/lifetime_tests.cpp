// Destroying windows in any order, and calls on handles that are gone.
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include <windows.h>

#include "robot_test.h"

namespace halvane::test {
namespace {

using ::testing::ElementsAre;

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

// Which window got WM_DESTROY / WM_NCDESTROY, in order, as "name:message".
std::vector<std::string> DestroyOrder(const MessageLog& log, const std::map<HWND, std::string>& names) {
  std::vector<std::string> out;
  for (const Message& m : log.filtered({WM_DESTROY, WM_NCDESTROY})) out.push_back(names.at(m.hwnd) + ":" + m.name);
  return out;
}

using LifetimeTest = RobotTest;

TEST_F(LifetimeTest, DestroyingAParentDestroysItsChildrenParentFirstAndNcDestroyLast) {
  MessageLog log;
  RecordingWindow parent("Parent");
  RecordingWindow child("child", kChildStyle, {10, 10, 100, 60}, parent, 1);
  RecordingWindow grandchild("grandchild", kChildStyle, {5, 5, 50, 30}, child, 2);
  const std::map<HWND, std::string> names{
      {parent.hwnd(), "parent"}, {child.hwnd(), "child"}, {grandchild.hwnd(), "grandchild"}};
  MessageRecorder parentRec(parent, &log);
  MessageRecorder childRec(child, &log);
  MessageRecorder grandchildRec(grandchild, &log);

  EXPECT_TRUE(DestroyWindow(parent.hwnd()));
  EXPECT_THAT(DestroyOrder(log, names),
              ElementsAre("parent:WM_DESTROY", "child:WM_DESTROY", "grandchild:WM_DESTROY", "grandchild:WM_NCDESTROY",
                          "child:WM_NCDESTROY", "parent:WM_NCDESTROY"));
  EXPECT_FALSE(parentRec.attached());
  EXPECT_FALSE(grandchildRec.attached());
  EXPECT_FALSE(IsWindow(grandchild.hwnd()));
}

TEST_F(LifetimeTest, ChildFirstThenParentIsClean) {
  RecordingWindow parent("Parent");
  RecordingWindow child("child", kChildStyle, {10, 10, 100, 60}, parent, 1);
  const HWND childHandle = child.hwnd();
  EXPECT_TRUE(DestroyWindow(childHandle));
  EXPECT_FALSE(Window(parent).child(1));
  EXPECT_TRUE(parent.window().exists());
  EXPECT_TRUE(DestroyWindow(parent.hwnd()));
  EXPECT_FALSE(DestroyWindow(childHandle));
}

TEST_F(LifetimeTest, AFocusedWindowGetsKillFocusWhenDestroyed) {
  RecordingWindow parent("Parent");
  RecordingWindow child("child", kChildStyle, {10, 10, 100, 60}, parent, 1);
  SetFocus(child.hwnd());
  ASSERT_EQ(robot.focused(), child.window());
  child.clear();
  DestroyWindow(child.hwnd());
  EXPECT_THAT(child.names({WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}),
              ElementsAre("WM_KILLFOCUS", "WM_DESTROY", "WM_NCDESTROY"));
  EXPECT_NE(robot.focused(), child.window());
}

TEST_F(LifetimeTest, CallsOnStaleHandlesFailQuietly) {
  HWND stale = nullptr;
  {
    RecordingWindow window("Short lived");
    stale = window.hwnd();
  }
  char text[16] = "unchanged";
  RECT rect{1, 2, 3, 4};
  EXPECT_FALSE(IsWindow(stale));
  EXPECT_EQ(SendMessage(stale, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_FALSE(PostMessage(stale, WM_NULL, 0, 0));
  EXPECT_EQ(GetWindowText(stale, text, sizeof text), 0);
  EXPECT_FALSE(SetWindowText(stale, "x"));
  EXPECT_FALSE(GetWindowRect(stale, &rect));
  EXPECT_FALSE(ShowWindow(stale, SW_SHOW));
  EXPECT_FALSE(DestroyWindow(stale));
  EXPECT_EQ(GetParent(stale), nullptr);
  EXPECT_EQ(GetDlgItem(stale, 1), nullptr);

  const Window gone(stale);
  EXPECT_FALSE(gone.exists());
  EXPECT_EQ(gone.text(), "");
  EXPECT_TRUE(gone.children().empty());
  EXPECT_TRUE(gone.listItems().empty());
  EXPECT_EQ(gone.selectedIndex(), -1);
  EXPECT_NONFATAL_FAILURE(EXPECT_TRUE(robot.snapshot(gone, "stale").empty()), "does not exist");
}

TEST_F(LifetimeTest, ARecorderOutlivingItsWindowAndARecorderRemovedEarlyAreBothClean) {
  auto window = std::make_unique<RecordingWindow>("Subclassed");
  const HWND hwnd = window->hwnd();
  {
    MessageRecorder early(window->window());
    SetWindowText(hwnd, "Renamed");
    EXPECT_THAT(early.names({WM_SETTEXT}), ElementsAre("WM_SETTEXT"));
  }
  window->clear();
  SetWindowText(hwnd, "Again");
  EXPECT_THAT(window->names({WM_SETTEXT}), ElementsAre("WM_SETTEXT"));

  MessageRecorder late(window->window());
  window.reset();
  EXPECT_FALSE(late.attached());
  EXPECT_TRUE(late.contains(WM_NCDESTROY));
}

TEST_F(LifetimeTest, TheSystemOutlivesAResetWithStaleHandlesAround) {
  RecordingWindow window("Before reset");
  const HWND before = window.hwnd();
  restartWindowSystem();
  EXPECT_FALSE(IsWindow(before));
  EXPECT_FALSE(DestroyWindow(before));
  EXPECT_FALSE(window.window().exists());
  RecordingWindow again("After reset");
  EXPECT_TRUE(again.window().exists());
  robot.onMessageBox("Reset check", IDOK);
  EXPECT_EQ(MessageBox(again.hwnd(), "Still answered", "Reset check", MB_OK), IDOK);
}

}  // namespace
}  // namespace halvane::test
