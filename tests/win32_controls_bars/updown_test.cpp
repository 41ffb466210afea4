#include "bars_fixture.h"

namespace bars_test {
namespace {

using UpDown = BarsTest;

struct DeltaSeen {
  int pos;
  int delta;
  int posAtNotify;  // UDM_GETPOS while the notification is handled
};

// A parent that records UDN_DELTAPOS and vetoes while `veto` is set.
struct SpinParent {
  RecordingWindow window{"Spin"};
  std::vector<DeltaSeen> deltas;
  bool veto = false;
  HWND spin = nullptr;

  SpinParent() {
    window.answer(WM_NOTIFY, [this](HWND, WPARAM, LPARAM lParam) -> LRESULT {
      auto* info = reinterpret_cast<NMUPDOWN*>(lParam);
      if (info->hdr.code != UDN_DELTAPOS) return 0;
      deltas.push_back({info->iPos, info->iDelta, LOWORD(SendMessage(spin, UDM_GETPOS, 0, 0))});
      return veto ? 1 : 0;
    });
  }
  std::vector<int> scrollCodes() const {
    std::vector<int> codes;
    for (const auto& m : window.filtered({WM_VSCROLL, WM_HSCROLL})) codes.push_back(LOWORD(m.wParam));
    return codes;
  }
};

TEST_F(UpDown, RangePackingPutsTheMinimumInTheHighWord) {
  RecordingWindow parent("Spin");
  HWND spin = Child(parent.hwnd(), UPDOWN_CLASS, "", 0, 1, {10, 10, 26, 40});
  EXPECT_EQ(SendMessage(spin, UDM_GETRANGE, 0, 0), MAKELRESULT(0, 100));
  SendMessage(spin, UDM_SETRANGE, 0, MAKELPARAM(1023, 1));
  LRESULT range = SendMessage(spin, UDM_GETRANGE, 0, 0);
  EXPECT_EQ(LOWORD(range), 1023);
  EXPECT_EQ(HIWORD(range), 1);
  int low = 0;
  int high = 0;
  SendMessage(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), Ptr(&high));
  EXPECT_EQ(low, 1);
  EXPECT_EQ(high, 1023);
  // Positions outside the range are clamped.
  SendMessage(spin, UDM_SETPOS, 0, MAKELPARAM(5000, 0));
  EXPECT_EQ(LOWORD(SendMessage(spin, UDM_GETPOS, 0, 0)), 1023);
  EXPECT_EQ(SendMessage(spin, UDM_SETPOS32, 0, -4), 1023);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 1);
}

TEST_F(UpDown, DeltaPosComesBeforeTheChangeAndCanVeto) {
  SpinParent parent;
  HWND spin = parent.spin = Child(parent.window.hwnd(), UPDOWN_CLASS, "", 0, 1, {10, 10, 26, 40});
  SendMessage(spin, UDM_SETRANGE, 0, MAKELPARAM(99, 0));
  SendMessage(spin, UDM_SETPOS, 0, 5);
  Click(ScreenPoint(spin, 8, 4));  // up arrow
  ASSERT_EQ(parent.deltas.size(), 1u);
  EXPECT_EQ(parent.deltas[0].pos, 5);
  EXPECT_EQ(parent.deltas[0].delta, 1);
  EXPECT_EQ(parent.deltas[0].posAtNotify, 5);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 6);
  EXPECT_THAT(parent.scrollCodes(), ::testing::ElementsAre(SB_THUMBPOSITION, SB_ENDSCROLL));
  EXPECT_THAT(parent.window.names({WM_NOTIFY, WM_VSCROLL}),
              ::testing::ElementsAre("WM_NOTIFY", "WM_VSCROLL", "WM_VSCROLL"));
  parent.veto = true;
  Click(ScreenPoint(spin, 8, 26));  // down arrow
  EXPECT_EQ(parent.deltas.back().delta, -1);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 6);
}

TEST_F(UpDown, ClampsAtTheEndsUnlessItWraps) {
  SpinParent parent;
  HWND spin = parent.spin = Child(parent.window.hwnd(), UPDOWN_CLASS, "", 0, 1, {10, 10, 26, 40});
  HWND wrap = Child(parent.window.hwnd(), UPDOWN_CLASS, "", UDS_WRAP, 2, {40, 10, 56, 40});
  for (HWND h : {spin, wrap}) {
    SendMessage(h, UDM_SETRANGE32, 1, 1023);
    SendMessage(h, UDM_SETPOS32, 0, 1023);
    Click(ScreenPoint(h, 8, 4));
  }
  // The parent still hears of the step at the end (to switch units, say).
  ASSERT_EQ(parent.deltas.size(), 2u);
  EXPECT_EQ(parent.deltas[0].pos, 1023);
  EXPECT_EQ(parent.deltas[0].delta, 1);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 1023);
  EXPECT_EQ(SendMessage(wrap, UDM_GETPOS32, 0, 0), 1);
  Click(ScreenPoint(wrap, 8, 26));
  EXPECT_EQ(SendMessage(wrap, UDM_GETPOS32, 0, 0), 1023);
}

TEST_F(UpDown, InvertedRangeCountsDownWithTheUpArrow) {
  SpinParent parent;
  HWND spin = parent.spin = Child(parent.window.hwnd(), UPDOWN_CLASS, "", 0, 1, {10, 10, 26, 40});
  SendMessage(spin, UDM_SETPOS32, 0, 50);  // classic default range 100..0
  Click(ScreenPoint(spin, 8, 4));
  EXPECT_EQ(parent.deltas.back().delta, -1);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 49);
}

TEST_F(UpDown, BuddyShowsThePositionAndIsReadBack) {
  RecordingWindow parent("Spin");
  HWND edit = Child(parent.hwnd(), "Edit", "", WS_BORDER, 1, {10, 10, 110, 32});
  HWND spin =
      Child(parent.hwnd(), UPDOWN_CLASS, "", UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 2, {0, 0, 16, 0});
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessage(spin, UDM_GETBUDDY, 0, 0)), edit);
  // The pair fills the edit's old rectangle: the arrows at its right.
  RECT e = RectInParent(edit);
  RECT s = RectInParent(spin);
  EXPECT_EQ(e.left, 10);
  EXPECT_EQ(s.right, 110);
  EXPECT_EQ(e.right, s.left);
  EXPECT_EQ(s.top, 10);
  EXPECT_EQ(s.bottom, 32);
  SendMessage(spin, UDM_SETRANGE32, 0, 100000);
  SendMessage(spin, UDM_SETPOS32, 0, 12345);
  EXPECT_EQ(TextOf(edit), "12,345");
  SetWindowText(edit, "77");
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 77);
  BOOL failed = FALSE;
  SetWindowText(edit, "seven");
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, Ptr(&failed)), 77);
  EXPECT_TRUE(failed);
  EXPECT_EQ(HIWORD(SendMessage(spin, UDM_GETPOS, 0, 0)), 1);
  EXPECT_EQ(SendMessage(spin, UDM_SETBASE, 16, 0), 10);
  SendMessage(spin, UDM_SETPOS32, 0, 255);
  EXPECT_EQ(TextOf(edit), "0x00FF");
  EXPECT_EQ(SendMessage(spin, UDM_SETBASE, 7, 0), 0);
}

TEST_F(UpDown, NoThousandsAndLeftAlignment) {
  RecordingWindow parent("Spin");
  HWND edit = Child(parent.hwnd(), "Edit", "", 0, 1, {40, 10, 140, 32});
  HWND spin =
      Child(parent.hwnd(), UPDOWN_CLASS, "", UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ALIGNLEFT, 2, {0, 0, 18, 10});
  SendMessage(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  RECT s = RectInParent(spin);
  EXPECT_EQ(s.left, 40);
  EXPECT_EQ(s.right, 58);
  EXPECT_EQ(RectInParent(edit).left, 58);
  SendMessage(spin, UDM_SETRANGE32, 0, 5000);
  SendMessage(spin, UDM_SETPOS32, 0, 4321);
  EXPECT_EQ(TextOf(edit), "4321");
}

TEST_F(UpDown, ArrowKeysInTheBuddyStep) {
  SpinParent parent;
  HWND edit = Child(parent.window.hwnd(), "Edit", "", 0, 1, {10, 10, 110, 32});
  HWND spin = parent.spin = Child(parent.window.hwnd(), UPDOWN_CLASS, "",
                                  UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_ALIGNRIGHT, 2, {});
  SendMessage(spin, UDM_SETRANGE32, 0, 10);
  SetFocus(edit);
  robot.key(VK_UP);
  robot.key(VK_UP);
  robot.key(VK_DOWN);
  EXPECT_EQ(TextOf(edit), "1");
  EXPECT_EQ(parent.deltas.size(), 3u);
  // Other keys still reach the edit.
  robot.key(VK_END);
  robot.type("0");
  EXPECT_EQ(TextOf(edit), "10");
  DestroyWindow(spin);
  robot.key(VK_UP);
  EXPECT_EQ(TextOf(edit), "10");
}

TEST_F(UpDown, HeldArrowRepeatsOnTheClockAndAccelerates) {
  SpinParent parent;
  HWND spin = parent.spin = Child(parent.window.hwnd(), UPDOWN_CLASS, "", 0, 1, {10, 10, 26, 40});
  SendMessage(spin, UDM_SETRANGE32, 0, 10000);
  UDACCEL accels[] = {{0, 1}, {1, 10}};
  EXPECT_TRUE(SendMessage(spin, UDM_SETACCEL, 2, Ptr(accels)));
  POINT up = ScreenPoint(spin, 8, 4);
  Press(up);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 1);
  robot.advance(499);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 1);
  robot.advance(1);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 2);
  robot.advance(400);  // 900 ms held: steps of one
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 6);
  robot.advance(200);  // past a second: steps of ten
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 26);
  // Off the arrow it pauses; back on it goes on.
  win32::input::MouseMove(ScreenPoint(spin, 8, 60));
  Pump();
  robot.advance(300);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 26);
  win32::input::MouseMove(up);
  Pump();
  robot.advance(100);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 36);
  Release(up);
  robot.advance(1000);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 36);
  EXPECT_EQ(parent.scrollCodes().back(), SB_ENDSCROLL);
  UDACCEL back[3] = {};
  EXPECT_EQ(SendMessage(spin, UDM_GETACCEL, 3, Ptr(back)), 2);
  EXPECT_EQ(back[1].nInc, 10u);
}

TEST_F(UpDown, HorizontalArrowsSendHScroll) {
  SpinParent parent;
  HWND spin = parent.spin = Child(parent.window.hwnd(), UPDOWN_CLASS, "", UDS_HORZ, 1, {10, 10, 42, 26});
  SendMessage(spin, UDM_SETRANGE32, 0, 9);
  Click(ScreenPoint(spin, 24, 8));  // right arrow: up
  Click(ScreenPoint(spin, 24, 8));
  Click(ScreenPoint(spin, 4, 8));  // left arrow: down
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 1);
  EXPECT_EQ(parent.window.filtered({WM_HSCROLL}).size(), 6u);
  EXPECT_TRUE(parent.window.filtered({WM_VSCROLL}).empty());
}

TEST_F(UpDown, InvalidHandlesAndBadInputFail) {
  RecordingWindow parent("Spin");
  HWND spin = Child(parent.hwnd(), UPDOWN_CLASS, "", 0, 1, {10, 10, 26, 40});
  EXPECT_FALSE(SendMessage(spin, UDM_SETACCEL, 0, 0));
  EXPECT_FALSE(SendMessage(spin, UDM_SETACCEL, 1, 0));
  SendMessage(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(reinterpret_cast<HWND>(0x7777)), 0);
  EXPECT_EQ(SendMessage(spin, UDM_GETBUDDY, 0, 0), 0);
  DestroyWindow(spin);
  EXPECT_EQ(SendMessage(spin, UDM_GETPOS32, 0, 0), 0);
  EXPECT_EQ(CreateUpDownControl(WS_CHILD, 0, 0, 16, 20, reinterpret_cast<HWND>(0x7777), 3, nullptr, nullptr, 10, 0, 0),
            nullptr);
  HWND made = CreateUpDownControl(WS_CHILD | WS_VISIBLE, 0, 0, 16, 20, parent.hwnd(), 3, nullptr, nullptr, 10, 0, 4);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(SendMessage(made, UDM_GETRANGE, 0, 0), MAKELRESULT(10, 0));
  EXPECT_EQ(SendMessage(made, UDM_GETPOS32, 0, 0), 4);
}

}  // namespace
}  // namespace bars_test
