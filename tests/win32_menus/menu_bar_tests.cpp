// The menu bar in the non-client area: its place, hit testing, item
// rectangles, and how a frame with an open menu looks.
#include <gtest/gtest.h>

#include "menu_fixture.h"

namespace halvane::test {
namespace {

using MenuBarTest = MenuTest;

TEST_F(MenuBarTest, TheBarTakesOneMenuRowBetweenCaptionAndClient) {
  RECT withMenu{}, window{};
  GetClientRect(main->hwnd(), &withMenu);
  GetWindowRect(main->hwnd(), &window);
  SetMenu(main->hwnd(), nullptr);
  RECT without{};
  GetClientRect(main->hwnd(), &without);
  EXPECT_EQ(without.bottom - withMenu.bottom, GetSystemMetrics(SM_CYMENU));
  SetMenu(main->hwnd(), menu_);
  RECT file{}, edit{};
  ASSERT_TRUE(GetMenuItemRect(main->hwnd(), menu_, 0, &file));
  ASSERT_TRUE(GetMenuItemRect(main->hwnd(), menu_, 1, &edit));
  EXPECT_EQ(file.bottom - file.top, GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(file.right, edit.left);
  EXPECT_GT(file.left, window.left);
  POINT clientTop{0, 0};
  ClientToScreen(main->hwnd(), &clientTop);
  EXPECT_LE(file.bottom, clientTop.y);
  const POINT centre{(edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2};
  EXPECT_EQ(SendMessage(main->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTMENU);
  EXPECT_EQ(MenuItemFromPoint(main->hwnd(), menu_, centre), 1);
  EXPECT_EQ(MenuItemFromPoint(main->hwnd(), menu_, POINT{window.right - 10, centre.y}), -1);
}

TEST_F(MenuBarTest, ItemsThatDoNotFitWrapToAnotherRow) {
  AppendMenu(menu_, MF_STRING, 998, "&Window");
  DrawMenuBar(main->hwnd());
  RECT oneRow{};
  GetClientRect(main->hwnd(), &oneRow);
  RECT window{};
  GetWindowRect(main->hwnd(), &window);
  MoveWindow(main->hwnd(), window.left, window.top, 120, window.bottom - window.top, TRUE);
  RECT file{}, view{};
  ASSERT_TRUE(GetMenuItemRect(main->hwnd(), menu_, 0, &file));
  ASSERT_TRUE(GetMenuItemRect(main->hwnd(), menu_, 3, &view));
  EXPECT_EQ(view.top, file.bottom) << "Window goes to the second row";
  EXPECT_EQ(view.left, file.left);
  RECT twoRows{};
  GetClientRect(main->hwnd(), &twoRows);
  EXPECT_EQ(oneRow.bottom - twoRows.bottom, GetSystemMetrics(SM_CYMENU));
  POINT clientTop{0, 0};
  ClientToScreen(main->hwnd(), &clientTop);
  EXPECT_LE(view.bottom, clientTop.y);
  const POINT centre{(view.left + view.right) / 2, (view.top + view.bottom) / 2};
  EXPECT_EQ(SendMessage(main->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTMENU);
  robot.snapshot(main->window(), "wrapped_bar");
  robot.chooseMenu({"&Window"});
  EXPECT_EQ(commands(), std::vector<UINT>{998});
}

TEST_F(MenuBarTest, RightJustifiedItemsGoToTheRightEnd) {
  AppendMenu(menu_, MF_STRING | MF_RIGHTJUSTIFY, 999, "&Help");
  DrawMenuBar(main->hwnd());
  RECT help{}, client{};
  ASSERT_TRUE(GetMenuItemRect(main->hwnd(), menu_, 3, &help));
  GetClientRect(main->hwnd(), &client);
  POINT right{client.right, 0};
  ClientToScreen(main->hwnd(), &right);
  EXPECT_EQ(help.right, right.x);
  // A bar item without a popup is a command of its own.
  robot.chooseMenu({"&Help"});
  EXPECT_EQ(commands(), std::vector<UINT>{999});
}

TEST_F(MenuBarTest, DestroyingTheWindowDestroysItsMenus) {
  HMENU system = GetSystemMenu(main->hwnd(), FALSE);
  HMENU file = fileMenu();
  main.reset();
  EXPECT_FALSE(IsMenu(menu_));
  EXPECT_FALSE(IsMenu(file));
  EXPECT_FALSE(IsMenu(system));
}

TEST_F(MenuBarTest, InvalidHandlesFail) {
  RECT r{};
  EXPECT_FALSE(GetMenuItemRect(main->hwnd(), reinterpret_cast<HMENU>(0x7777), 0, &r));
  EXPECT_FALSE(GetMenuItemRect(main->hwnd(), menu_, 0, nullptr));
  EXPECT_FALSE(GetMenuItemRect(main->hwnd(), menu_, 9, &r));
  EXPECT_FALSE(DrawMenuBar(reinterpret_cast<HWND>(0x7777)));
  EXPECT_EQ(MenuItemFromPoint(nullptr, menu_, POINT{0, 0}), -1);
  EXPECT_FALSE(EndMenu()) << "no menu loop runs";
}

TEST_F(MenuBarTest, SnapshotOfAFrameWithItsFileMenuOpen) {
  MoveWindow(main->hwnd(), 40, 40, 360, 260, TRUE);
  robot.onMenu([&](Robot& r, Window) {
    r.key(VK_DOWN);
    r.key(VK_DOWN);
  });
  robot.onMenu([&](Robot& r, Window popup) {
    // The open popup is drawn into the frame's picture as the screen shows it.
    RECT pr{}, wr{};
    GetWindowRect(popup.hwnd(), &pr);
    GetWindowRect(main->hwnd(), &wr);
    EXPECT_GT(pr.top, wr.top);
    r.snapshot(main->window(), "frame_file_menu_open", true);
    r.key(VK_UP);     // Open, which has no cascade
    r.key(VK_RIGHT);  // so Right moves on to Edit, with its grey and checked items
  });
  robot.onMenu([&](Robot& r, Window popup) {
    r.snapshot(main->window(), "frame_edit_menu_open", true);
    // The popup is as wide as its items, not a window's minimum width.
    RECT pr{};
    GetWindowRect(popup.hwnd(), &pr);
    EXPECT_LT(pr.right - pr.left, GetSystemMetrics(SM_CXMINTRACK));
    r.key(VK_DOWN);
  });
  halvane::test::HandlerRegistration last = robot.onMenu([&](Robot& r, Window popup) {
    // The checked Copy is drawn in the highlight colours when selected.
    r.snapshot(popup, "edit_menu_copy_selected");
    r.key(VK_ESCAPE);
    r.key(VK_ESCAPE);
  });
  robot.keys({VK_MENU, 'F'});
  EXPECT_EQ(last.calls(), 1) << "every menu of the walk opened";
}

}  // namespace
}  // namespace halvane::test
