#include "bars_fixture.h"

namespace bars_test {
namespace {

using Snapshots = BarsTest;

TEST_F(Snapshots, FrameWithEveryBar) {
  RecordingWindow frame("Bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {40, 40, 460, 300});
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  TBBUTTON buttons[7] = {};
  int images[] = {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE, 0, STD_CUT, STD_COPY, STD_PASTE};
  for (int i = 0; i < 7; ++i) {
    buttons[i].iBitmap = images[i];
    buttons[i].idCommand = i == 3 ? 0 : 100 + i;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = i == 3 ? TBSTYLE_SEP : i == 4 ? TBSTYLE_CHECK : TBSTYLE_BUTTON;
  }
  buttons[4].fsState |= TBSTATE_CHECKED;
  buttons[6].fsState = 0;  // disabled
  HWND toolbar = CreateToolbarEx(frame.hwnd(), WS_CHILD | WS_VISIBLE, 1, 15, HINST_COMMCTRL, IDB_STD_SMALL_COLOR,
                                 buttons, 7, 0, 0, 16, 15, sizeof(TBBUTTON));
  ASSERT_NE(toolbar, nullptr);
  HWND status = CreateStatusWindow(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "Ready", frame.hwnd(), 2);
  SendMessage(status, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  int edges[] = {200, 260, -1};
  SendMessage(status, SB_SETPARTS, 3, Ptr(edges));
  SendMessage(status, SB_SETTEXT, 1 | SBT_NOBORDERS, Ptr("Server:"));
  SendMessage(status, SB_SETTEXT, 2, Ptr("Disconnected"));
  HWND progress = Child(frame.hwnd(), PROGRESS_CLASS, "", 0, 3, {20, 60, 300, 78});
  SendMessage(progress, PBM_SETPOS, 40, 0);
  HWND edit = Child(frame.hwnd(), "Edit", "", ES_AUTOHSCROLL, 4, {20, 100, 100, 121}, WS_EX_CLIENTEDGE);
  SendMessage(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  HWND spin = Child(frame.hwnd(), UPDOWN_CLASS, "", UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 5,
                    {0, 0, 16, 0});
  SendMessage(spin, UDM_SETRANGE32, 1, 1023);
  SendMessage(spin, UDM_SETPOS32, 0, 512);
  Pump();
  robot.snapshot(frame, "frame_with_bars");
  EXPECT_EQ(TextOf(edit), "512");
  // The checked button shows the classic dither of highlight and face.
  RECT checked{};
  SendMessage(toolbar, TB_GETITEMRECT, 4, Ptr(&checked));
  HDC dc = GetDC(toolbar);
  COLORREF a = GetPixel(dc, checked.left + 3, checked.top + 3);
  COLORREF b = GetPixel(dc, checked.left + 4, checked.top + 3);
  ReleaseDC(toolbar, dc);
  EXPECT_NE(a, b);
  EXPECT_TRUE(a == GetSysColor(COLOR_BTNHIGHLIGHT) || b == GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(Snapshots, TooltipOverAButton) {
  RecordingWindow frame("Tips", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {40, 40, 300, 200});
  HWND button = Child(frame.hwnd(), "Button", "Save", BS_PUSHBUTTON, 1, {20, 20, 100, 44});
  HWND tip = CreateWindowEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP, 0, 0, 0, 0, frame.hwnd(), nullptr, nullptr, nullptr);
  SendMessage(tip, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  TOOLINFO info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = frame.hwnd();
  info.uId = reinterpret_cast<UINT_PTR>(button);
  info.lpszText = const_cast<LPSTR>("Save the document");
  SendMessage(tip, TTM_ADDTOOL, 0, Ptr(&info));
  win32::input::MouseMove(ScreenPoint(button, 30, 10));
  Pump();
  robot.advance(GetDoubleClickTime());
  ASSERT_TRUE(IsWindowVisible(tip));
  robot.snapshot(halvane::test::Window(tip), "tooltip");
}

}  // namespace
}  // namespace bars_test
