// TrackPopupMenu: the command returned or posted, alignment and keeping on
// screen, the notifications, and the robot's answers.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "menu_fixture.h"

namespace halvane::test {
namespace {

using PopupMenuTest = MenuTest;

// The screen rectangle of the open popup, read while the loop is idle.
RECT OpenPopupRect() {
  RECT r{};
  GetWindowRect(FindWindow("#32768", nullptr), &r);
  return r;
}

TEST_F(PopupMenuTest, ReturnCmdAnswersTheIdAndSendsNoCommand) {
  robot.onPopupMenu({"&Paste"});
  const BOOL chosen = TrackPopupMenu(editMenu(), TPM_RETURNCMD | TPM_RIGHTBUTTON, 200, 200, 0, main->hwnd(), nullptr);
  EXPECT_EQ(chosen, BOOL(kPaste));
  robot.pumpUntilIdle();
  EXPECT_TRUE(commands().empty());
  // A popup loop announces itself as one and begins with WM_INITMENU.
  const auto loop = main->filtered({WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_EXITMENULOOP});
  ASSERT_EQ(loop.size(), 4u);
  EXPECT_EQ(loop[0].wParam, WPARAM(TRUE));
  EXPECT_EQ(reinterpret_cast<HMENU>(loop[1].wParam), editMenu());
  EXPECT_EQ(reinterpret_cast<HMENU>(loop[2].wParam), editMenu());
}

TEST_F(PopupMenuTest, WithoutReturnCmdTheCommandIsPostedToTheWindow) {
  robot.onPopupMenu({"&Recent", "&1 a.txt"});
  EXPECT_TRUE(TrackPopupMenu(fileMenu(), TPM_LEFTALIGN, 100, 100, 0, main->hwnd(), nullptr));
  EXPECT_TRUE(commands().empty()) << "posted, not sent";
  robot.pumpUntilIdle();
  EXPECT_EQ(commands(), std::vector<UINT>{kRecentA});
}

TEST_F(PopupMenuTest, CancelledMenuAnswersZeroAndSendsNothing) {
  robot.onPopupMenuCancel();
  EXPECT_EQ(TrackPopupMenu(editMenu(), TPM_RETURNCMD, 100, 100, 0, main->hwnd(), nullptr), 0);
  robot.onPopupMenu({"&Undo"});
  // A grey item leaves the menu open; the robot closes it.
  EXPECT_EQ(TrackPopupMenu(editMenu(), TPM_RETURNCMD, 100, 100, 0, main->hwnd(), nullptr), 0);
  robot.pumpUntilIdle();
  EXPECT_TRUE(commands().empty());
}

TEST_F(PopupMenuTest, NoNotifyKeepsTheOwnerOutOfIt) {
  robot.onPopupMenu({"&Copy"});
  EXPECT_EQ(TrackPopupMenu(editMenu(), TPM_RETURNCMD | TPM_NONOTIFY, 50, 50, 0, main->hwnd(), nullptr), BOOL(kCopy));
  EXPECT_FALSE(main->contains(WM_ENTERMENULOOP));
  EXPECT_FALSE(main->contains(WM_INITMENUPOPUP));
  EXPECT_FALSE(main->contains(WM_MENUSELECT));
}

TEST_F(PopupMenuTest, AlignmentFlagsPlaceThePopupAroundThePoint) {
  struct Case {
    UINT flags;
    bool rightOfPoint, belowPoint;
  };
  const POINT at{500, 400};
  const Case cases[] = {{TPM_LEFTALIGN | TPM_TOPALIGN, true, true}, {TPM_RIGHTALIGN | TPM_BOTTOMALIGN, false, false}};
  for (const Case& c : cases) {
    RECT r{};
    robot.onMenu([&](Robot& rb, Window) {
      r = OpenPopupRect();
      rb.key(VK_ESCAPE);
    });
    TrackPopupMenu(fileMenu(), c.flags | TPM_RETURNCMD, at.x, at.y, 0, main->hwnd(), nullptr);
    EXPECT_EQ(c.rightOfPoint ? r.left : r.right, at.x) << c.flags;
    EXPECT_EQ(c.belowPoint ? r.top : r.bottom, at.y) << c.flags;
  }
  RECT centred{};
  robot.onMenu([&](Robot& rb, Window) {
    centred = OpenPopupRect();
    rb.key(VK_ESCAPE);
  });
  TrackPopupMenu(fileMenu(), TPM_CENTERALIGN | TPM_RETURNCMD, at.x, at.y, 0, main->hwnd(), nullptr);
  EXPECT_LE(std::abs((centred.left + centred.right) / 2 - at.x), 1);
}

TEST_F(PopupMenuTest, PopupNearTheScreenEdgeStaysOnScreen) {
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  RECT r{};
  robot.onMenu([&](Robot& rb, Window popup) {
    r = OpenPopupRect();
    EXPECT_TRUE(GetWindowLong(popup.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(popup.hwnd(), GW_OWNER), main->hwnd());
    EXPECT_EQ(GetActiveWindow(), main->hwnd()) << "a popup menu never takes the activation";
    rb.key(VK_ESCAPE);
  });
  TrackPopupMenu(fileMenu(), TPM_RETURNCMD, cx - 5, cy - 5, 0, main->hwnd(), nullptr);
  EXPECT_LE(r.right, cx);
  EXPECT_LE(r.bottom, cy);
  EXPECT_GE(r.left, 0);
  EXPECT_GT(r.right - r.left, 20);
}

TEST_F(PopupMenuTest, RightButtonChoosesOnlyWithTpmRightButton) {
  auto rightClickFirst = [](Robot&, Window popup) {
    HMENU menu = reinterpret_cast<HMENU>(SendMessage(popup.hwnd(), MN_GETHMENU, 0, 0));
    RECT item{};
    GetMenuItemRect(GetWindow(popup.hwnd(), GW_OWNER), menu, 1, &item);
    const POINT p{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    internal::InjectMouseMove(p);
    internal::InjectMouseButton(true, true, p);
    internal::InjectMouseButton(true, false, p);
  };
  robot.onMenu(rightClickFirst);
  robot.onPopupMenuCancel();
  EXPECT_EQ(TrackPopupMenu(editMenu(), TPM_RETURNCMD, 100, 100, 0, main->hwnd(), nullptr), 0);
  robot.onMenu(rightClickFirst);
  EXPECT_EQ(TrackPopupMenu(editMenu(), TPM_RETURNCMD | TPM_RIGHTBUTTON, 100, 100, 0, main->hwnd(), nullptr),
            BOOL(kCopy));
}

TEST_F(PopupMenuTest, PopupWithNoHandlerFailsNamingItsItemsAndIsCancelled) {
  ::testing::TestPartResultArray results;
  BOOL chosen = 1;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    chosen = TrackPopupMenu(editMenu(), TPM_RETURNCMD, 100, 100, 0, main->hwnd(), nullptr);
  }
  ASSERT_EQ(results.size(), 1);
  const std::string message = results.GetTestPartResult(0).message();
  EXPECT_NE(message.find("\"&Paste\""), std::string::npos) << message;
  EXPECT_EQ(chosen, 0);
}

TEST_F(PopupMenuTest, MissingItemFailsNamingIt) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    robot.onPopupMenu({"&Delete"});
    TrackPopupMenu(editMenu(), TPM_RETURNCMD, 100, 100, 0, main->hwnd(), nullptr);
  }
  ASSERT_EQ(results.size(), 1);
  EXPECT_NE(std::string(results.GetTestPartResult(0).message()).find("\"&Delete\""), std::string::npos);
}

TEST_F(PopupMenuTest, BadArgumentsFail) {
  EXPECT_FALSE(TrackPopupMenu(reinterpret_cast<HMENU>(0x7777), 0, 0, 0, 0, main->hwnd(), nullptr));
  EXPECT_FALSE(TrackPopupMenu(editMenu(), 0, 0, 0, 0, reinterpret_cast<HWND>(0x7777), nullptr));
  EXPECT_FALSE(TrackPopupMenuEx(editMenu(), 0, 0, 0, nullptr, nullptr));
  GUITHREADINFO info{};
  EXPECT_FALSE(GetGUIThreadInfo(0, &info)) << "cbSize unset";
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetGUIThreadInfo(0, &info));
  EXPECT_FALSE(info.flags & GUI_INMENUMODE);
}

}  // namespace
}  // namespace halvane::test
