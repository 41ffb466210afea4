#include <cstring>

#include "bars_fixture.h"

namespace bars_test {
namespace {

using StatusBar = BarsTest;

TEST_F(StatusBar, SitsAtTheBottomAndFollowsItsParent) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND bar = CreateStatusWindow(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "Ready", parent.hwnd(), 7);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetDlgCtrlID(bar), 7);
  RECT client = ClientRectOf(parent.hwnd());
  RECT r = RectInParent(bar);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, client.right);
  EXPECT_EQ(r.bottom, client.bottom);
  int height = r.bottom - r.top;
  EXPECT_GE(height, 18);
  EXPECT_LE(height, 30);
  SetWindowPos(parent.hwnd(), nullptr, 0, 0, 500, 350, SWP_NOMOVE | SWP_NOZORDER);
  client = ClientRectOf(parent.hwnd());
  SendMessage(bar, WM_SIZE, 0, 0);
  r = RectInParent(bar);
  EXPECT_EQ(r.right, client.right);
  EXPECT_EQ(r.bottom, client.bottom);
  EXPECT_EQ(r.bottom - r.top, height);
  EXPECT_EQ(TextOf(bar), "Ready");
  // A taller minimum takes effect with the next placement.
  SendMessage(bar, SB_SETMINHEIGHT, 40, 0);
  SendMessage(bar, WM_SIZE, 0, 0);
  EXPECT_EQ(RectInParent(bar).bottom - RectInParent(bar).top, 40 + 4);
}

TEST_F(StatusBar, TopAndUnalignedPlacements) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND top = CreateStatusWindow(WS_CHILD | WS_VISIBLE | CCS_TOP, "", parent.hwnd(), 1);
  EXPECT_EQ(RectInParent(top).top, 0);
  HWND fixed = Child(parent.hwnd(), STATUSCLASSNAME, "", CCS_NOPARENTALIGN | CCS_NORESIZE, 2, {20, 50, 220, 80});
  SendMessage(fixed, WM_SIZE, 0, 0);
  RECT r = RectInParent(fixed);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right, 220);
}

TEST_F(StatusBar, PartsReachTheirEdgesAndMinusOneTheRightSide) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND bar = CreateStatusWindow(WS_CHILD | WS_VISIBLE, "", parent.hwnd(), 1);
  int edges[] = {100, 180, -1};
  EXPECT_TRUE(SendMessage(bar, SB_SETPARTS, 3, Ptr(edges)));
  int back[4] = {};
  EXPECT_EQ(SendMessage(bar, SB_GETPARTS, 4, Ptr(back)), 3);
  EXPECT_EQ(back[1], 180);
  EXPECT_EQ(back[2], -1);
  EXPECT_EQ(SendMessage(bar, SB_GETPARTS, 0, 0), 3);
  int borders[3] = {};
  EXPECT_TRUE(SendMessage(bar, SB_GETBORDERS, 0, Ptr(borders)));
  RECT rc{};
  EXPECT_TRUE(SendMessage(bar, SB_GETRECT, 0, Ptr(&rc)));
  EXPECT_EQ(rc.left, borders[0]);
  EXPECT_EQ(rc.right, 100);
  EXPECT_EQ(rc.top, borders[1]);
  EXPECT_TRUE(SendMessage(bar, SB_GETRECT, 1, Ptr(&rc)));
  EXPECT_EQ(rc.left, 100 + borders[2]);
  EXPECT_EQ(rc.right, 180);
  EXPECT_TRUE(SendMessage(bar, SB_GETRECT, 2, Ptr(&rc)));
  EXPECT_EQ(rc.right, ClientRectOf(bar).right);
  EXPECT_FALSE(SendMessage(bar, SB_GETRECT, 3, Ptr(&rc)));
  EXPECT_FALSE(SendMessage(bar, SB_SETPARTS, 0, Ptr(edges)));
  EXPECT_FALSE(SendMessage(bar, SB_SETPARTS, 300, Ptr(edges)));
}

TEST_F(StatusBar, TextsKeepTheirDrawingTypes) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND bar = CreateStatusWindow(WS_CHILD | WS_VISIBLE, "", parent.hwnd(), 1);
  int edges[] = {100, 200, -1};
  SendMessage(bar, SB_SETPARTS, 3, Ptr(edges));
  EXPECT_TRUE(SendMessage(bar, SB_SETTEXT, 1 | SBT_NOBORDERS, Ptr("Server:")));
  EXPECT_TRUE(SendMessage(bar, SB_SETTEXT, 2 | SBT_POPOUT, Ptr("Disconnected")));
  EXPECT_FALSE(SendMessage(bar, SB_SETTEXT, 5, Ptr("nowhere")));
  char buffer[64] = {};
  LRESULT answer = SendMessage(bar, SB_GETTEXT, 1, Ptr(buffer));
  EXPECT_STREQ(buffer, "Server:");
  EXPECT_EQ(LOWORD(answer), 7);
  EXPECT_EQ(HIWORD(answer), SBT_NOBORDERS);
  answer = SendMessage(bar, SB_GETTEXTLENGTH, 2, 0);
  EXPECT_EQ(LOWORD(answer), std::strlen("Disconnected"));
  EXPECT_EQ(HIWORD(answer), SBT_POPOUT);
  SetWindowText(bar, "Ready");
  SendMessage(bar, SB_GETTEXT, 0, Ptr(buffer));
  EXPECT_STREQ(buffer, "Ready");
  // Shrinking the parts keeps the texts of those that stay.
  SendMessage(bar, SB_SETPARTS, 2, Ptr(edges));
  SendMessage(bar, SB_GETTEXT, 1, Ptr(buffer));
  EXPECT_STREQ(buffer, "Server:");
  EXPECT_EQ(SendMessage(bar, SB_GETTEXTLENGTH, 2, 0), 0);
}

TEST_F(StatusBar, SimpleModeShowsItsOwnText) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND bar = CreateStatusWindow(WS_CHILD | WS_VISIBLE, "Parts", parent.hwnd(), 1);
  NotifyLog notices(parent);
  EXPECT_TRUE(SendMessage(bar, SB_SETTEXT, SB_SIMPLEID, Ptr("Simple")));
  SendMessage(bar, SB_SIMPLE, TRUE, 0);
  SendMessage(bar, SB_SIMPLE, TRUE, 0);
  EXPECT_TRUE(SendMessage(bar, SB_ISSIMPLE, 0, 0));
  EXPECT_THAT(notices.codes, ::testing::ElementsAre(SBN_SIMPLEMODECHANGE));
  char buffer[64] = {};
  SendMessage(bar, SB_GETTEXT, SB_SIMPLEID, Ptr(buffer));
  EXPECT_STREQ(buffer, "Simple");
  SendMessage(bar, SB_GETTEXT, 0, Ptr(buffer));
  EXPECT_STREQ(buffer, "Parts");
  SendMessage(bar, SB_SIMPLE, FALSE, 0);
  EXPECT_FALSE(SendMessage(bar, SB_ISSIMPLE, 0, 0));
}

TEST_F(StatusBar, OwnerDrawnPartsAskTheParent) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  std::vector<DRAWITEMSTRUCT> drawn;
  parent.answer(WM_DRAWITEM, [&](HWND, WPARAM, LPARAM lParam) -> LRESULT {
    drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  });
  HWND bar = CreateStatusWindow(WS_CHILD | WS_VISIBLE, "", parent.hwnd(), 9);
  int edges[] = {100, -1};
  SendMessage(bar, SB_SETPARTS, 2, Ptr(edges));
  SendMessage(bar, SB_SETTEXT, 1 | SBT_OWNERDRAW, 0x1234);
  EXPECT_EQ(SendMessage(bar, SB_GETTEXT, 1, 0), 0x1234);
  UpdateWindow(parent.hwnd());
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].itemID, 1u);
  EXPECT_EQ(drawn[0].CtlID, 9u);
  EXPECT_EQ(drawn[0].itemData, 0x1234u);
  EXPECT_EQ(drawn[0].hwndItem, bar);
  EXPECT_GT(drawn[0].rcItem.left, 100);
}

TEST_F(StatusBar, GripAnswersBottomRight) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND gripped = CreateStatusWindow(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "", parent.hwnd(), 1);
  RECT r{};
  GetWindowRect(gripped, &r);
  EXPECT_EQ(SendMessage(gripped, WM_NCHITTEST, 0, MAKELPARAM(r.right - 3, r.bottom - 3)), HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessage(gripped, WM_NCHITTEST, 0, MAKELPARAM(r.left + 30, r.bottom - 3)), HTCLIENT);
  SetWindowLong(gripped, GWL_STYLE, GetWindowLong(gripped, GWL_STYLE) & ~SBARS_SIZEGRIP);
  EXPECT_EQ(SendMessage(gripped, WM_NCHITTEST, 0, MAKELPARAM(r.right - 3, r.bottom - 3)), HTCLIENT);
}

TEST_F(StatusBar, PartIconsAreKeptPerPart) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND bar = CreateStatusWindow(WS_CHILD | WS_VISIBLE, "", parent.hwnd(), 1);
  int edges[2] = {100, -1};
  SendMessage(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  HICON icon = LoadIcon(nullptr, IDI_INFORMATION);
  EXPECT_TRUE(SendMessage(bar, SB_SETICON, 1, reinterpret_cast<LPARAM>(icon)));
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessage(bar, SB_GETICON, 1, 0)), icon);
  EXPECT_EQ(SendMessage(bar, SB_GETICON, 0, 0), 0);
  EXPECT_FALSE(SendMessage(bar, SB_SETICON, 2, reinterpret_cast<LPARAM>(icon)));
  EXPECT_TRUE(SendMessage(bar, SB_SETICON, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(icon)));
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessage(bar, SB_GETICON, static_cast<WPARAM>(-1), 0)), icon);
  EXPECT_TRUE(SendMessage(bar, SB_SETICON, 1, 0));
  EXPECT_EQ(SendMessage(bar, SB_GETICON, 1, 0), 0);
}

TEST_F(StatusBar, BadInputAndDestroyedBarsFail) {
  RecordingWindow parent("Status", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 400, 300});
  HWND bar = CreateStatusWindow(WS_CHILD | WS_VISIBLE, "", parent.hwnd(), 1);
  EXPECT_FALSE(SendMessage(bar, SB_SETPARTS, 2, 0));
  EXPECT_FALSE(SendMessage(bar, SB_GETRECT, 0, 0));
  EXPECT_FALSE(SendMessage(bar, SB_GETBORDERS, 0, 0));
  EXPECT_EQ(SendMessage(bar, SB_GETTEXT, 40, 0), 0);
  DestroyWindow(bar);
  EXPECT_FALSE(SendMessage(bar, SB_SETTEXT, 0, Ptr("x")));
  EXPECT_EQ(CreateStatusWindow(WS_CHILD, "", reinterpret_cast<HWND>(0x7777), 1), nullptr);
  DrawStatusText(nullptr, nullptr, "x", 0);
}

}  // namespace
}  // namespace bars_test
