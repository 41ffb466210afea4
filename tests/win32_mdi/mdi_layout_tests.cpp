// Maximised children in the frame's bar and title, minimised children at
// the bottom, tile and cascade rectangles, and the look of a cascade.
#include <gtest/gtest.h>

#include "mdi_fixture.h"
#include "window_system_queries.h"

namespace halvane::test {
namespace {

using MdiLayoutTest = MdiTest;

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void ClickAt(Robot& robot, POINT screen) {
  internal::InjectMouseMove(screen);
  internal::InjectMouseButton(false, true, screen);
  internal::InjectMouseButton(false, false, screen);
  robot.pumpUntilIdle();
}

TEST_F(MdiLayoutTest, MaximisedChildPutsItsButtonsIntoTheFrameBarAndItsTitleIntoTheFrame) {
  HWND a = newChild("A");
  HWND b = newChild("B");
  HMENU bar = GetMenu(frame);
  SendMessage(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(b), 0);
  BOOL maximized = FALSE;
  EXPECT_EQ(active(&maximized), b);
  EXPECT_TRUE(maximized);
  EXPECT_EQ(frameTitle(), "Frame - [B]");
  ASSERT_EQ(GetMenuItemCount(bar), 6);
  EXPECT_EQ(GetSubMenu(bar, 0), GetSystemMenu(b, FALSE));
  EXPECT_EQ(GetMenuItemID(bar, 3), UINT(SC_MINIMIZE));
  EXPECT_EQ(GetMenuItemID(bar, 4), UINT(SC_RESTORE));
  EXPECT_EQ(GetMenuItemID(bar, 5), UINT(SC_CLOSE));
  // The child's client area is the whole MDI client.
  RECT inner{}, area{};
  GetClientRect(b, &inner);
  GetClientRect(client, &area);
  EXPECT_EQ(inner.right, area.right);
  EXPECT_EQ(inner.bottom, area.bottom);
  robot.snapshot(Window(frame), "maximized_child");
  // The maximised state goes with the activation.
  SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
  EXPECT_TRUE(IsZoomed(a));
  EXPECT_FALSE(IsZoomed(b));
  EXPECT_EQ(frameTitle(), "Frame - [A]");
  EXPECT_EQ(GetSubMenu(bar, 0), GetSystemMenu(a, FALSE));
  // The restore button in the bar restores the child.
  RECT restore{};
  ASSERT_TRUE(GetMenuItemRect(frame, bar, 4, &restore));
  ClickAt(robot, Centre(restore));
  EXPECT_FALSE(IsZoomed(a));
  EXPECT_EQ(frameTitle(), "Frame");
  EXPECT_EQ(GetMenuItemCount(bar), 2);
}

TEST_F(MdiLayoutTest, ChildMadeWhileAnotherIsMaximisedTakesOverTheMaximisedState) {
  HWND a = newChild("A");
  SendMessage(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
  HWND b = newChild("B");
  EXPECT_TRUE(IsZoomed(b));
  EXPECT_FALSE(IsZoomed(a));
  EXPECT_EQ(frameTitle(), "Frame - [B]");
  EXPECT_EQ(GetMenuItemCount(GetMenu(frame)), 6) << "one set of buttons";
  EXPECT_EQ(GetSubMenu(GetMenu(frame), 0), GetSystemMenu(b, FALSE));
}

TEST_F(MdiLayoutTest, CloseButtonInTheBarClosesTheMaximisedChildAndTheNextOneStaysMaximised) {
  HWND a = newChild("A");
  HWND b = newChild("B");
  SendMessage(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(b), 0);
  HMENU bar = GetMenu(frame);
  RECT close{};
  ASSERT_TRUE(GetMenuItemRect(frame, bar, 5, &close));
  ClickAt(robot, Centre(close));
  EXPECT_FALSE(IsWindow(b));
  EXPECT_EQ(active(), a);
  EXPECT_TRUE(IsZoomed(a));
  EXPECT_EQ(frameTitle(), "Frame - [A]");
  SendMessage(a, WM_CLOSE, 0, 0);
  EXPECT_EQ(frameTitle(), "Frame");
  EXPECT_EQ(GetMenuItemCount(bar), 2);
}

TEST_F(MdiLayoutTest, MinimisedChildGoesToTheBottomAndADoubleClickRestoresIt) {
  HWND a = newChild("A", WS_VISIBLE, 30, 30, 250, 180);
  SendMessage(a, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(IsIconic(a));
  RECT icon = childRect(a), area{};
  GetClientRect(client, &area);
  EXPECT_EQ(icon.left, 0);
  EXPECT_EQ(icon.bottom, area.bottom);
  RECT screen{};
  GetWindowRect(a, &screen);
  const POINT caption{screen.left + 40, screen.top + 8};
  ASSERT_EQ(SendMessage(a, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
  internal::InjectMouseMove(caption);
  for (int i = 0; i < 2; ++i) {
    internal::InjectMouseButton(false, true, caption);
    internal::InjectMouseButton(false, false, caption);
  }
  robot.pumpUntilIdle();
  EXPECT_FALSE(IsIconic(a));
  EXPECT_EQ(childRect(a).left, 30);
  EXPECT_EQ(childRect(a).right - childRect(a).left, 250);
}

TEST_F(MdiLayoutTest, TileSharesTheClientAreaInColumnsOrRows) {
  HWND children[] = {newChild("A"), newChild("B"), newChild("C")};
  RECT area{};
  GetClientRect(client, &area);
  SendMessage(client, WM_MDITILE, MDITILE_VERTICAL, 0);
  const int width = area.right / 3;
  std::vector<LONG> lefts;
  for (HWND c : children) {
    const RECT r = childRect(c);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.bottom, area.bottom);
    lefts.push_back(r.left);
  }
  // The active child (C) takes the first column.
  EXPECT_EQ(lefts, (std::vector<LONG>{2 * width, width, 0}));
  SendMessage(client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
  const int height = area.bottom / 3;
  for (int i = 0; i < 3; ++i) {
    const RECT r = childRect(children[i]);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, area.right);
    EXPECT_EQ(r.top, (2 - i) * height);
  }
}

TEST_F(MdiLayoutTest, CascadeStepsByACaptionWithTheActiveChildOnTop) {
  HWND a = newChild("First");
  HWND b = newChild("Second");
  HWND c = newChild("Third");
  SendMessage(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(c), 0);
  SendMessage(client, WM_MDICASCADE, 0, 0);
  EXPECT_FALSE(IsZoomed(c)) << "cascading restores the maximised child";
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  RECT area{};
  GetClientRect(client, &area);
  int i = 0;
  for (HWND child : {a, b, c}) {
    const RECT r = childRect(child);
    EXPECT_EQ(r.left, i * step);
    EXPECT_EQ(r.top, i * step);
    EXPECT_EQ(r.right - r.left, area.right - 2 * step);
    ++i;
  }
  EXPECT_EQ(GetWindow(client, GW_CHILD), c);
  EXPECT_EQ(active(), c);
  MoveWindow(frame, 20, 20, 600, 450, TRUE);
  robot.snapshot(Window(frame), "cascaded_children");
}

}  // namespace
}  // namespace halvane::test
