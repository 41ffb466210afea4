#include <cstdlib>
#include <string>

#include "controls_fixture.h"
#include "robot.h"

namespace controls_test {
namespace {

using ScrollBars = ControlsTest;
using Snapshots = ControlsTest;

TEST_F(ScrollBars, PositionsAreClampedToRangeAndPage) {
  HWND bar = Child("ScrollBar", "", SBS_VERT, 200, {10, 10, 27, 200});
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 200, 0};
  EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &info, TRUE), 91);
  EXPECT_EQ(SetScrollPos(bar, SB_CTL, -5, TRUE), 91);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
  int min = -1;
  int max = -1;
  EXPECT_TRUE(GetScrollRange(bar, SB_CTL, &min, &max));
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 100);
  info = {sizeof(info), SIF_PAGE, 0, 0, 500, 0, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  info.fMask = SIF_PAGE;
  GetScrollInfo(bar, SB_CTL, &info);
  EXPECT_EQ(info.nPage, 101u);
  EXPECT_EQ(SetScrollInfo(nullptr, SB_VERT, &info, TRUE), 0);
}

TEST_F(ScrollBars, ControlSendsCodesToItsParent) {
  HWND bar = Child("ScrollBar", "", SBS_VERT, 201, {10, 10, 27, 200});
  SetScrollRange(bar, SB_CTL, 0, 50, TRUE);
  Click(ScreenPoint(bar, 8, 4));    // up arrow
  Click(ScreenPoint(bar, 8, 186));  // down arrow
  Click(ScreenPoint(bar, 8, 120));  // page below the thumb
  std::vector<UINT> codes;
  for (const halvane::test::Message& m : Received().filtered({WM_VSCROLL})) {
    EXPECT_EQ(reinterpret_cast<HWND>(m.lParam), bar);
    codes.push_back(LOWORD(m.wParam));
  }
  EXPECT_THAT(codes,
              ::testing::ElementsAre(SB_LINEUP, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL));
  // The control never moves itself.
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
}

TEST_F(ScrollBars, WindowBarsHideWhenNothingScrolls) {
  SetScrollRange(parent_, SB_VERT, 0, 40, TRUE);
  EXPECT_TRUE(GetWindowLong(parent_, GWL_STYLE) & WS_VSCROLL);
  SetScrollRange(parent_, SB_VERT, 0, 0, TRUE);
  EXPECT_FALSE(GetWindowLong(parent_, GWL_STYLE) & WS_VSCROLL);
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  SetScrollInfo(parent_, SB_VERT, &info, TRUE);
  EXPECT_TRUE(GetWindowLong(parent_, GWL_STYLE) & WS_VSCROLL);
}

// A pixel of the window's vertical bar, in window coordinates: below the
// up arrow, in the shaft.
POINT VerticalBarPoint(HWND hwnd) {
  RECT window{}, client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  return POINT{origin.x - window.left + client.right + GetSystemMetrics(SM_CXVSCROLL) / 2,
               origin.y - window.top + client.bottom / 2};
}

TEST_F(ScrollBars, WindowBarsRepaintOnlyWhenTheyChange) {
  ShowWindow(parent_, SW_SHOW);
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 0, 0};
  SetScrollInfo(parent_, SB_VERT, &info, TRUE);
  const POINT at = VerticalBarPoint(parent_);
  constexpr COLORREF kMark = RGB(255, 0, 255);
  HDC dc = GetWindowDC(parent_);
  SetPixel(dc, at.x, at.y, kMark);
  ASSERT_EQ(GetPixel(dc, at.x, at.y), kMark);
  SetScrollInfo(parent_, SB_VERT, &info, TRUE);
  EXPECT_EQ(GetPixel(dc, at.x, at.y), kMark) << "the same values leave the bar as it is";
  info.nPos = 50;
  SetScrollInfo(parent_, SB_VERT, &info, TRUE);
  EXPECT_NE(GetPixel(dc, at.x, at.y), kMark) << "a new position repaints the bar";
  ReleaseDC(parent_, dc);
}

TEST_F(Snapshots, PanelOfEveryKind) {
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  std::vector<HWND> all;
  auto add = [&](const char* cls, const char* text, DWORD style, int id, RECT r) {
    HWND h = Child(cls, text, style, id, r);
    SendMessage(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    all.push_back(h);
    return h;
  };
  add("Button", "&Default", BS_DEFPUSHBUTTON | WS_TABSTOP, 1, {10, 10, 95, 33});
  HWND focused = add("Button", "&Focused", BS_PUSHBUTTON | WS_TABSTOP, 2, {105, 10, 190, 33});
  HWND off = add("Button", "Disabled", BS_PUSHBUTTON, 3, {200, 10, 285, 33});
  add("Button", "Options", BS_GROUPBOX, 4, {10, 42, 200, 165});
  HWND check = add("Button", "&Check box", BS_AUTOCHECKBOX, 5, {20, 60, 190, 78});
  HWND tri = add("Button", "Three state", BS_AUTO3STATE, 6, {20, 80, 190, 98});
  HWND radio = add("Button", "&Radio one", BS_AUTORADIOBUTTON | WS_GROUP, 7, {20, 100, 190, 118});
  add("Button", "Radio two", BS_AUTORADIOBUTTON, 8, {20, 120, 190, 138});
  HWND offCheck = add("Button", "Disabled box", BS_AUTOCHECKBOX, 9, {20, 140, 190, 158});
  add("Static", "A left label that wraps onto a second line.", SS_LEFT, 10, {210, 45, 330, 75});
  add("Static", "Centred", SS_CENTER | SS_SUNKEN, 11, {210, 80, 330, 98});
  add("Static", "", SS_ETCHEDHORZ, 12, {210, 105, 330, 107});
  add("Static", "", SS_BLACKFRAME, 13, {210, 112, 250, 140});
  add("Static", "", SS_GRAYRECT, 14, {260, 112, 300, 140});
  HWND icon = add("Static", "", SS_ICON, 15, {305, 112, 337, 144});
  HWND list = add("ListBox", "", LBS_STANDARD, 16, {340, 10, 460, 130});
  add("ScrollBar", "", SBS_HORZ, 17, {10, 180, 200, 197});
  for (int i = 0; i < 12; ++i) {
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(("Entry " + std::to_string(i)).c_str()));
  }
  SendMessage(list, LB_SETCURSEL, 3, 0);
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 100, 20, 30, 0};
  SetScrollInfo(all.back(), SB_CTL, &info, TRUE);
  SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
  SendMessage(tri, BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessage(radio, BM_SETCHECK, BST_CHECKED, 0);
  SendMessage(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIcon(nullptr, IDI_INFORMATION)), 0);
  EnableWindow(off, FALSE);
  EnableWindow(offCheck, FALSE);
  SetFocus(focused);
  Pump();
  halvane::test::Snapshot(parent_, "controls_panel");
}

}  // namespace
}  // namespace controls_test
