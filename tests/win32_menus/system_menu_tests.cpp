// The system menu: the window's own copy, greying Close (the caption button
// and Alt+F4 follow), the keyboard and the caption; and accelerators.
#include <gtest/gtest.h>

#include "menu_fixture.h"

namespace halvane::test {
namespace {

using SystemMenuTest = MenuTest;

std::vector<UINT> Ids(HMENU menu) {
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) ids.push_back(GetMenuItemID(menu, i));
  return ids;
}

TEST_F(SystemMenuTest, EachWindowHasItsOwnCopyWithTheClassicItems) {
  HMENU menu = GetSystemMenu(main->hwnd(), FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetSystemMenu(main->hwnd(), FALSE), menu) << "the same copy each time";
  EXPECT_EQ(Ids(menu), (std::vector<UINT>{SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE}));
  char text[64];
  GetMenuString(menu, SC_CLOSE, text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Close\tAlt+F4");
  // A fixed frame (a dialog, a message box) has Move and Close only, so
  // that position 1 is Close.
  RecordingWindow fixed("Fixed", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
  HMENU small = GetSystemMenu(fixed.hwnd(), FALSE);
  EXPECT_NE(small, menu);
  EXPECT_EQ(Ids(small), (std::vector<UINT>{SC_MOVE, SC_CLOSE}));
  EXPECT_EQ(GetSystemMenu(reinterpret_cast<HWND>(0x7777), FALSE), nullptr);
}

TEST_F(SystemMenuTest, GreyCloseGreysTheButtonAndStopsAltF4UntilReverted) {
  RecordingWindow fixed("Fixed", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, RECT{50, 50, 250, 150});
  EnableMenuItem(GetSystemMenu(fixed.hwnd(), FALSE), 1, MF_BYPOSITION | MF_GRAYED | MF_DISABLED);
  SetActiveWindow(fixed.hwnd());
  robot.pumpUntilIdle();
  robot.snapshot(fixed.window(), "close_greyed");
  robot.keys({VK_MENU, VK_F4});
  ASSERT_TRUE(IsWindow(fixed.hwnd())) << "Alt+F4 does nothing";
  // The caption's close button does nothing either.
  RECT wr{};
  GetWindowRect(fixed.hwnd(), &wr);
  const POINT close{wr.right - 10, wr.top + 10};
  ASSERT_EQ(SendMessage(fixed.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
  ClickScreen(close);
  ASSERT_TRUE(IsWindow(fixed.hwnd()));
  EXPECT_FALSE(fixed.contains(WM_CLOSE));
  // The reverted menu enables Close again.
  EXPECT_EQ(GetSystemMenu(fixed.hwnd(), TRUE), nullptr);
  EXPECT_FALSE(GetMenuState(GetSystemMenu(fixed.hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
  ClickScreen(close);
  EXPECT_TRUE(fixed.contains(WM_CLOSE));
  EXPECT_FALSE(IsWindow(fixed.hwnd()));
}

TEST_F(SystemMenuTest, AltSpaceOpensItAndChoosingSendsSysCommand) {
  std::vector<std::string> items;
  robot.onMenu([&](Robot& r, Window) {
    items = r.openMenuItems();
    r.key(VK_ESCAPE);
  });
  robot.keys({VK_MENU, VK_SPACE});
  EXPECT_EQ(items.size(), 7u);
  // The window's state greys what it does not allow.
  HMENU menu = GetSystemMenu(main->hwnd(), FALSE);
  EXPECT_TRUE(GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED);
  main->clear();
  robot.chooseSystemMenu("Ma&ximize");
  const auto sys = main->filtered({WM_SYSCOMMAND});
  ASSERT_FALSE(sys.empty());
  EXPECT_EQ(sys.back().wParam & 0xFFF0, WPARAM(SC_MAXIMIZE));
  EXPECT_TRUE(IsZoomed(main->hwnd()));
  EXPECT_FALSE(main->contains(WM_COMMAND));
  robot.chooseSystemMenu("&Restore");
  EXPECT_FALSE(IsZoomed(main->hwnd()));
  robot.chooseSystemMenu("&Close");
  EXPECT_FALSE(IsWindow(main->hwnd()));
}

TEST_F(SystemMenuTest, ClickingTheCaptionIconOpensTheSystemMenu) {
  RECT wr{};
  GetWindowRect(main->hwnd(), &wr);
  const POINT icon{wr.left + 8, wr.top + 10};
  ASSERT_EQ(SendMessage(main->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(icon.x, icon.y)), HTSYSMENU);
  std::vector<std::string> items;
  GUITHREADINFO info{};
  robot.onMenu([&](Robot& r, Window) {
    items = r.openMenuItems();
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(0, &info);
    r.key(VK_ESCAPE);
  });
  ClickScreen(icon);
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items.back(), "&Close\tAlt+F4");
  EXPECT_TRUE(info.flags & GUI_SYSTEMMENUMODE);
  EXPECT_EQ(info.hwndMenuOwner, main->hwnd());
  EXPECT_TRUE(commands().empty());
}

TEST_F(SystemMenuTest, NextWindowActivatesAnotherTopLevelWindow) {
  RecordingWindow other("Other");
  SetActiveWindow(main->hwnd());
  SendMessage(main->hwnd(), WM_SYSCOMMAND, SC_NEXTWINDOW, 0);
  EXPECT_EQ(GetActiveWindow(), other.hwnd());
}

TEST_F(SystemMenuTest, CaptionDoubleClickMaximisesAndRestores) {
  RECT wr{};
  GetWindowRect(main->hwnd(), &wr);
  const POINT caption{(wr.left + wr.right) / 2, wr.top + 10};
  ASSERT_EQ(SendMessage(main->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
  robot.doubleClick(main->window(), [&] {
    POINT p = caption;
    ScreenToClient(main->hwnd(), &p);
    return p;
  }());
  EXPECT_TRUE(IsZoomed(main->hwnd()));
}

TEST_F(SystemMenuTest, AcceleratorsUpdateTheMenuAndSkipGreyItems) {
  ACCEL table[] = {{FVIRTKEY | FCONTROL, 'N', kNew}, {FVIRTKEY | FCONTROL, 'U', kUndo}};
  HACCEL accel = CreateAcceleratorTable(table, 2);
  MSG msg{main->hwnd(), WM_KEYDOWN, 'N', 0, 0, {}};
  robot.press(VK_CONTROL);
  EXPECT_EQ(TranslateAccelerator(main->hwnd(), accel, &msg), 1);
  const auto sent = main->filtered({WM_INITMENU, WM_INITMENUPOPUP, WM_COMMAND});
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(reinterpret_cast<HMENU>(sent[0].wParam), menu_);
  EXPECT_EQ(reinterpret_cast<HMENU>(sent[1].wParam), fileMenu());
  EXPECT_EQ(sent[2].wParam, MAKEWPARAM(kNew, 1));
  EXPECT_FALSE(main->contains(WM_ENTERMENULOOP)) << "no menu loop";
  main->clear();
  msg.wParam = 'U';
  EXPECT_EQ(TranslateAccelerator(main->hwnd(), accel, &msg), 1);
  EXPECT_TRUE(commands().empty()) << "Undo is grey";
  robot.release(VK_CONTROL);
  DestroyAcceleratorTable(accel);
}

}  // namespace
}  // namespace halvane::test
