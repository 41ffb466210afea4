// MDI children: creation, activation order and messages, the next child,
// closing, the window menu and the keyboard.
#include <gtest/gtest.h>

#include "mdi_fixture.h"
#include "window_system_queries.h"

namespace halvane::test {
namespace {

using MdiActivationTest = MdiTest;

struct Activation {
  HWND to, losing, gaining;
  bool operator==(const Activation& o) const { return to == o.to && losing == o.losing && gaining == o.gaining; }
};

std::vector<Activation> Activations() {
  std::vector<Activation> list;
  for (const Message& m : MdiTest::childLog.filtered({WM_MDIACTIVATE}))
    list.push_back({m.hwnd, reinterpret_cast<HWND>(m.wParam), reinterpret_cast<HWND>(m.lParam)});
  return list;
}

TEST_F(MdiActivationTest, NewChildIsActivatedAndBothChildrenHearOfIt) {
  HWND a = newChild("A");
  HWND b = newChild("B");
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(GetParent(a), client);
  EXPECT_TRUE(GetWindowLong(a, GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_EQ(GetDlgCtrlID(a), int(kFirstChild));
  EXPECT_EQ(GetDlgCtrlID(b), int(kFirstChild + 1));
  // The child losing the activation hears first; both get (losing, gaining).
  const std::vector<Activation> expected = {{a, nullptr, a}, {a, a, b}, {b, a, b}};
  EXPECT_EQ(Activations(), expected);
  BOOL maximized = TRUE;
  EXPECT_EQ(active(&maximized), b);
  EXPECT_FALSE(maximized);
  EXPECT_EQ(GetFocus(), b);
  EXPECT_EQ(GetWindow(client, GW_CHILD), b) << "the active child is on top";
}

TEST_F(MdiActivationTest, HiddenChildBecomesActiveWhenShown) {
  HWND a = newChild("A");
  HWND hidden = newChild("Hidden", 0);
  EXPECT_EQ(active(), a);
  EXPECT_FALSE(IsWindowVisible(hidden));
  ShowWindow(hidden, SW_SHOW);
  EXPECT_EQ(active(), hidden);
  EXPECT_EQ(GetWindow(client, GW_CHILD), hidden);
}

TEST_F(MdiActivationTest, WindowMenuListsTheChildrenWithTheActiveOneChecked) {
  HWND a = newChild("Alpha");
  newChild("Beta");
  EXPECT_EQ(windowMenuItems(), (std::vector<std::string>{"&Cascade", "-", "&1 Alpha", "&2 Beta (checked)"}));
  // Choosing an item of the list activates its child.
  robot.chooseMenu({"&Window", "&1 Alpha"});
  EXPECT_EQ(active(), a);
  EXPECT_EQ(windowMenuItems(), (std::vector<std::string>{"&Cascade", "-", "&1 Alpha (checked)", "&2 Beta"}));
  SetWindowText(a, "Gamma");
  EXPECT_EQ(windowMenuItems()[2], "&1 Gamma (checked)");
}

TEST_F(MdiActivationTest, PastNineChildrenMoreWindowsChoosesFromADialog) {
  std::vector<HWND> children;
  for (int i = 1; i <= 10; ++i) children.push_back(newChild("Child " + std::to_string(i)));
  const auto items = windowMenuItems();
  ASSERT_EQ(items.size(), 12u);
  EXPECT_EQ(items[10], "&9 Child 9");
  EXPECT_EQ(items[11], "&More Windows...");
  std::vector<std::string> listed;
  robot.onDialog("Select Window", [&](Robot& r, Window dialog) {
    listed = dialog.child(100).listItems();
    r.select(dialog.child(100), "Child 3");
    r.snapshot(dialog, "select_window");
    r.click(dialog.child(IDOK));
  });
  robot.chooseMenu({"&Window", "&More Windows..."});
  EXPECT_EQ(listed.size(), 10u);
  EXPECT_EQ(active(), children[2]);
  robot.onDialog("Select Window", [](Robot& r, Window dialog) { r.click(dialog.child(IDCANCEL)); });
  SendMessage(frame, WM_COMMAND, kFirstChild + 9, 0);
  EXPECT_EQ(active(), children[2]) << "Cancel changes nothing";
}

TEST_F(MdiActivationTest, NextAndPreviousFollowTheZOrder) {
  HWND a = newChild("A");
  HWND b = newChild("B");
  HWND c = newChild("C");
  SendMessage(client, WM_MDINEXT, 0, 0);
  EXPECT_EQ(active(), b);
  SendMessage(client, WM_MDINEXT, 0, 0);
  EXPECT_EQ(active(), a);
  SendMessage(client, WM_MDINEXT, 0, 0);
  EXPECT_EQ(active(), c) << "round again";
  SendMessage(client, WM_MDINEXT, 0, 1);
  EXPECT_EQ(active(), a) << "previous: the bottom-most child";
}

TEST_F(MdiActivationTest, ClosingTheActiveChildActivatesTheOneBelowUntilNoneIsLeft) {
  HWND a = newChild("A");
  HWND b = newChild("B");
  HWND c = newChild("C");
  SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);  // z-order: A, C, B
  SendMessage(a, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(a));
  EXPECT_EQ(active(), c);
  EXPECT_EQ(GetDlgCtrlID(b), int(kFirstChild)) << "ids follow the list again";
  int closed = 0;
  while (HWND next = active()) {
    ASSERT_LT(closed, 5) << "closing never ends";
    SendMessage(next, WM_CLOSE, 0, 0);
    ++closed;
  }
  EXPECT_EQ(closed, 2);
  EXPECT_FALSE(IsWindow(b));
  EXPECT_EQ(windowMenuItems(), std::vector<std::string>{"&Cascade"});
}

TEST_F(MdiActivationTest, DestroyingAChildDirectlyAlsoActivatesTheNext) {
  HWND a = newChild("A");
  HWND b = newChild("B");
  SendMessage(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(b), 0);
  EXPECT_EQ(active(), a);
  DestroyWindow(a);
  EXPECT_EQ(active(), nullptr);
  EXPECT_EQ(SendMessage(client, WM_MDIDESTROY, WPARAM(0x7777), 0), 0) << "no such child";
}

TEST_F(MdiActivationTest, ControlF6AndControlF4GoThroughTranslateMdiSysAccel) {
  HWND a = newChild("A");
  HWND b = newChild("B");
  robot.press(VK_CONTROL);
  MSG next{b, WM_KEYDOWN, VK_F6, 0, 0, {}};
  EXPECT_TRUE(TranslateMDISysAccel(client, &next));
  EXPECT_EQ(active(), a);
  MSG close{a, WM_KEYDOWN, VK_F4, 0, 0, {}};
  EXPECT_TRUE(TranslateMDISysAccel(client, &close));
  EXPECT_FALSE(IsWindow(a));
  MSG other{b, WM_KEYDOWN, 'A', 0, 0, {}};
  EXPECT_FALSE(TranslateMDISysAccel(client, &other));
  robot.release(VK_CONTROL);
  MSG plain{b, WM_KEYDOWN, VK_F4, 0, 0, {}};
  EXPECT_FALSE(TranslateMDISysAccel(client, &plain)) << "F4 without Control";
  EXPECT_FALSE(TranslateMDISysAccel(reinterpret_cast<HWND>(0x7777), &plain));
  EXPECT_TRUE(IsWindow(b));
}

TEST_F(MdiActivationTest, ClickingAnInactiveChildActivatesIt) {
  HWND a = newChild("A", WS_VISIBLE, 0, 0, 200, 150);
  HWND b = newChild("B", WS_VISIBLE, 250, 0, 200, 150);
  ASSERT_EQ(active(), b);
  robot.click(Window(a));
  EXPECT_EQ(active(), a);
  EXPECT_EQ(GetFocus(), a);
}

TEST_F(MdiActivationTest, AltMinusOpensTheChildSystemMenuAndItsCommandGoesToTheChild) {
  HWND a = newChild("A");
  std::vector<std::string> items;
  robot.onMenu([&](Robot& r, Window) {
    items = r.openMenuItems();
    r.key(VK_END);  // Next
    r.key(VK_UP);   // over the separator to Close
    r.key(VK_RETURN);
  });
  robot.keys({VK_MENU, VK_OEM_MINUS});
  robot.pumpUntilIdle();
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items.back(), "Nex&t\tCtrl+F6");
  EXPECT_FALSE(IsWindow(a)) << "Close went to the child, not to the frame";
  EXPECT_TRUE(IsWindow(frame));
}

TEST_F(MdiActivationTest, ChildSystemMenuHasNextAndItsCommandsActOnTheChild) {
  HWND a = newChild("A");
  HWND b = newChild("B");
  HMENU menu = GetSystemMenu(b, FALSE);
  char text[64] = {};
  GetMenuString(menu, SC_CLOSE, text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Close\tCtrl+F4");
  ASSERT_NE(GetMenuState(menu, SC_NEXTWINDOW, MF_BYCOMMAND), UINT(-1));
  SendMessage(b, WM_SYSCOMMAND, SC_NEXTWINDOW, 0);
  EXPECT_EQ(active(), a);
  // The frame's own system menu keeps Alt+F4.
  GetMenuString(GetSystemMenu(frame, FALSE), SC_CLOSE, text, sizeof(text), MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Close\tAlt+F4");
}

}  // namespace
}  // namespace halvane::test
