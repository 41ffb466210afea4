#include "bars_fixture.h"

namespace bars_test {
namespace {

using Tooltips = BarsTest;

void MoveTo(POINT screen) {
  win32::input::MouseMove(screen);
  Pump();
}

HWND MakeTip(HWND owner, DWORD style = 0) {
  HWND tip = CreateWindowEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, 0, 0, 0, 0, owner, nullptr, nullptr, nullptr);
  EXPECT_NE(tip, nullptr);
  return tip;
}

TOOLINFO WindowTool(HWND owner, HWND control, const char* text) {
  TOOLINFO info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = const_cast<LPSTR>(text);
  return info;
}

TOOLINFO RectTool(HWND owner, UINT_PTR id, RECT rect, LPSTR text, UINT flags = TTF_SUBCLASS) {
  TOOLINFO info{};
  info.cbSize = sizeof(info);
  info.uFlags = flags;
  info.hwnd = owner;
  info.uId = id;
  info.rect = rect;
  info.lpszText = text;
  return info;
}

TEST_F(Tooltips, ShowsAfterTheInitialDelayAndHidesOnLeaving) {
  RecordingWindow parent("Tips");
  NotifyLog notices(parent);
  HWND button = Child(parent.hwnd(), "Button", "OK", BS_PUSHBUTTON, 1, {20, 20, 100, 44});
  HWND tip = MakeTip(parent.hwnd());
  TOOLINFO info = WindowTool(parent.hwnd(), button, "Accept the changes");
  ASSERT_TRUE(SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&info)));
  EXPECT_EQ(SendMessage(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), static_cast<LRESULT>(GetDoubleClickTime()));
  POINT over = ScreenPoint(button, 30, 10);
  MoveTo(over);
  robot.advance(GetDoubleClickTime() - 10);
  EXPECT_FALSE(IsWindowVisible(tip));
  robot.advance(10);
  ASSERT_TRUE(IsWindowVisible(tip));
  EXPECT_EQ(TextOf(tip), "Accept the changes");
  EXPECT_EQ(GetAncestor(tip, GA_PARENT), GetDesktopWindow());
  RECT r{};
  GetWindowRect(tip, &r);
  EXPECT_GT(r.top, over.y);
  EXPECT_GT(r.right - r.left, 40);
  EXPECT_TRUE(SendMessage(tip, TTM_GETCURRENTTOOL, 0, 0));
  EXPECT_THAT(notices.codes, ::testing::ElementsAre(TTN_SHOW));
  // Moving within the tool keeps it; leaving hides it.
  MoveTo(ScreenPoint(button, 40, 12));
  EXPECT_TRUE(IsWindowVisible(tip));
  MoveTo(ScreenPoint(parent.hwnd(), 250, 150));
  EXPECT_FALSE(IsWindowVisible(tip));
  EXPECT_THAT(notices.codes, ::testing::ElementsAre(TTN_SHOW, TTN_POP));
  EXPECT_FALSE(SendMessage(tip, TTM_GETCURRENTTOOL, 0, 0));
}

TEST_F(Tooltips, AutoPopAndClicksHideUntilAnotherTool) {
  RecordingWindow parent("Tips");
  HWND tip = MakeTip(parent.hwnd());
  SendMessage(tip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 100);
  EXPECT_EQ(SendMessage(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 1000);
  EXPECT_EQ(SendMessage(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0), 20);
  TOOLINFO a = RectTool(parent.hwnd(), 1, {10, 10, 60, 40}, const_cast<LPSTR>("First"));
  TOOLINFO b = RectTool(parent.hwnd(), 2, {100, 10, 160, 40}, const_cast<LPSTR>("Second"));
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&a));
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&b));
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  MoveTo(ScreenPoint(parent.hwnd(), 20, 20));
  robot.advance(100);
  ASSERT_TRUE(IsWindowVisible(tip));
  robot.advance(1000);
  EXPECT_FALSE(IsWindowVisible(tip));
  // Resting on after the auto-pop brings no second tip.
  MoveTo(ScreenPoint(parent.hwnd(), 22, 22));
  robot.advance(300);
  EXPECT_FALSE(IsWindowVisible(tip));
  // The next tool shows; a click hides it for good.
  MoveTo(ScreenPoint(parent.hwnd(), 120, 20));
  robot.advance(100);
  ASSERT_TRUE(IsWindowVisible(tip));
  EXPECT_EQ(TextOf(tip), "Second");
  Click(ScreenPoint(parent.hwnd(), 120, 20));
  EXPECT_FALSE(IsWindowVisible(tip));
  robot.advance(500);
  EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(Tooltips, MovingToAnotherToolWhileShownUsesTheReshowDelay) {
  RecordingWindow parent("Tips");
  HWND tip = MakeTip(parent.hwnd());
  SendMessage(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 400);
  SendMessage(tip, TTM_SETDELAYTIME, TTDT_RESHOW, 50);
  TOOLINFO a = RectTool(parent.hwnd(), 1, {10, 10, 60, 40}, const_cast<LPSTR>("First"));
  TOOLINFO b = RectTool(parent.hwnd(), 2, {60, 10, 120, 40}, const_cast<LPSTR>("Second"));
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&a));
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&b));
  MoveTo(ScreenPoint(parent.hwnd(), 20, 20));
  robot.advance(400);
  ASSERT_TRUE(IsWindowVisible(tip));
  MoveTo(ScreenPoint(parent.hwnd(), 80, 20));
  EXPECT_FALSE(IsWindowVisible(tip));
  robot.advance(50);
  EXPECT_TRUE(IsWindowVisible(tip));
  EXPECT_EQ(TextOf(tip), "Second");
  SendMessage(tip, TTM_POP, 0, 0);
  EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(Tooltips, CallbackTextComesFromTheToolWindow) {
  RecordingWindow parent("Tips");
  NotifyLog notices(parent);
  int asked = 0;
  notices.reply = [&](const NMHDR& header) -> LRESULT {
    if (header.code != TTN_GETDISPINFO) return 0;
    auto& info = const_cast<NMTTDISPINFO&>(reinterpret_cast<const NMTTDISPINFO&>(header));
    ++asked;
    EXPECT_EQ(info.hdr.idFrom, 42u);
    EXPECT_EQ(info.lParam, 99);
    lstrcpyn(info.szText, "Asked for", sizeof(info.szText));
    if (asked == 2) info.uFlags |= TTF_DI_SETITEM;
    return 0;
  };
  HWND tip = MakeTip(parent.hwnd());
  // This tool's window relays its own mouse messages.
  TOOLINFO info = RectTool(parent.hwnd(), 42, {0, 0, 200, 200}, LPSTR_TEXTCALLBACK, 0);
  info.lParam = 99;
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&info));
  auto relay = [&](UINT message, int x, int y) {
    MSG msg{parent.hwnd(), message, 0, MAKELPARAM(x, y), 0, {}};
    SendMessage(tip, TTM_RELAYEVENT, 0, Ptr(&msg));
  };
  for (int round = 0; round < 3; ++round) {
    relay(WM_MOUSEMOVE, 50, 50);
    robot.advance(GetDoubleClickTime());
    ASSERT_TRUE(IsWindowVisible(tip)) << round;
    EXPECT_EQ(TextOf(tip), "Asked for");
    relay(WM_MOUSEMOVE, 300, 300);
    EXPECT_FALSE(IsWindowVisible(tip));
  }
  // The second answer asked to keep its text: the third showing did not ask.
  EXPECT_EQ(asked, 2);
  char buffer[80] = {};
  info.lpszText = buffer;
  SendMessage(tip, TTM_GETTEXT, sizeof(buffer), Ptr(&info));
  EXPECT_STREQ(buffer, "Asked for");
}

TEST_F(Tooltips, InactiveTooltipsAndEmptyTextsShowNothing) {
  RecordingWindow parent("Tips");
  HWND tip = MakeTip(parent.hwnd());
  TOOLINFO info = RectTool(parent.hwnd(), 1, {0, 0, 200, 200}, const_cast<LPSTR>("Text"));
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&info));
  SendMessage(tip, TTM_ACTIVATE, FALSE, 0);
  MoveTo(ScreenPoint(parent.hwnd(), 50, 50));
  robot.advance(2000);
  EXPECT_FALSE(IsWindowVisible(tip));
  SendMessage(tip, TTM_ACTIVATE, TRUE, 0);
  info.lpszText = const_cast<LPSTR>("");
  SendMessage(tip, TTM_UPDATETIPTEXT, 0, Ptr(&info));
  MoveTo(ScreenPoint(parent.hwnd(), 250, 250));
  MoveTo(ScreenPoint(parent.hwnd(), 50, 50));
  robot.advance(2000);
  EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(Tooltips, InactiveWindowsShowTipsOnlyWhenAlwaysTip) {
  RecordingWindow parent("Tips", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 200, 200});
  HWND normal = MakeTip(parent.hwnd());
  HWND always = MakeTip(parent.hwnd(), TTS_ALWAYSTIP);
  TOOLINFO left = RectTool(parent.hwnd(), 1, {0, 0, 80, 100}, const_cast<LPSTR>("Left"));
  TOOLINFO right = RectTool(parent.hwnd(), 2, {80, 0, 160, 100}, const_cast<LPSTR>("Right"));
  SendMessage(normal, TTM_ADDTOOL, 0, Ptr(&left));
  SendMessage(always, TTM_ADDTOOL, 0, Ptr(&right));
  RecordingWindow other("Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {300, 300, 500, 500});
  SetActiveWindow(other.hwnd());
  ASSERT_NE(GetActiveWindow(), parent.hwnd());
  MoveTo(ScreenPoint(parent.hwnd(), 20, 20));
  robot.advance(GetDoubleClickTime());
  EXPECT_FALSE(IsWindowVisible(normal));
  MoveTo(ScreenPoint(parent.hwnd(), 100, 20));
  robot.advance(GetDoubleClickTime());
  EXPECT_TRUE(IsWindowVisible(always));
  EXPECT_EQ(TextOf(always), "Right");
}

TEST_F(Tooltips, ToolsCanBeListedChangedAndRemoved) {
  RecordingWindow parent("Tips");
  HWND button = Child(parent.hwnd(), "Button", "OK", BS_PUSHBUTTON, 1, {20, 20, 100, 44});
  HWND tip = MakeTip(parent.hwnd());
  TOOLINFO byWindow = WindowTool(parent.hwnd(), button, "Window tool");
  TOOLINFO byRect = RectTool(parent.hwnd(), 5, {150, 10, 200, 40}, const_cast<LPSTR>("Rect tool"));
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&byWindow));
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&byRect));
  TOOLINFO found{};
  found.cbSize = sizeof(found);
  EXPECT_TRUE(SendMessage(tip, TTM_ENUMTOOLS, 1, Ptr(&found)));
  EXPECT_EQ(found.uId, 5u);
  EXPECT_EQ(found.rect.left, 150);
  EXPECT_FALSE(SendMessage(tip, TTM_ENUMTOOLS, 2, Ptr(&found)));
  byRect.lpszText = const_cast<LPSTR>("Renamed");
  SendMessage(tip, TTM_UPDATETIPTEXT, 0, Ptr(&byRect));
  char buffer[80] = {};
  byRect.lpszText = buffer;
  SendMessage(tip, TTM_GETTEXT, sizeof(buffer), Ptr(&byRect));
  EXPECT_STREQ(buffer, "Renamed");
  SendMessage(tip, TTM_DELTOOL, 0, Ptr(&byWindow));
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  // The button is no longer watched: resting on it shows nothing, and
  // it keeps working.
  MoveTo(ScreenPoint(button, 10, 10));
  robot.advance(2000);
  EXPECT_FALSE(IsWindowVisible(tip));
  EXPECT_EQ(GetWindowLongPtr(button, GWLP_WNDPROC), GetClassLongPtr(button, GCLP_WNDPROC));
}

TEST_F(Tooltips, BadToolsAndDestroyedWindowsFail) {
  RecordingWindow parent("Tips");
  HWND button = Child(parent.hwnd(), "Button", "OK", BS_PUSHBUTTON, 1, {20, 20, 100, 44});
  HWND tip = MakeTip(parent.hwnd());
  EXPECT_FALSE(SendMessage(tip, TTM_ADDTOOL, 0, 0));
  TOOLINFO bad = WindowTool(parent.hwnd(), button, "x");
  bad.cbSize = 8;
  EXPECT_FALSE(SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&bad)));
  TOOLINFO gone = WindowTool(parent.hwnd(), reinterpret_cast<HWND>(0x7777), "x");
  EXPECT_FALSE(SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&gone)));
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
  TOOLINFO good = WindowTool(parent.hwnd(), button, "x");
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&good));
  // The watched window dies first, then the tooltip: neither crashes.
  DestroyWindow(button);
  MoveTo(ScreenPoint(parent.hwnd(), 30, 30));
  robot.advance(1000);
  EXPECT_FALSE(IsWindowVisible(tip));
  DestroyWindow(tip);
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
  // A tooltip dies with its owner.
  HWND owned = MakeTip(parent.hwnd());
  DestroyWindow(parent.hwnd());
  EXPECT_FALSE(IsWindow(owned));
}

}  // namespace
}  // namespace bars_test
