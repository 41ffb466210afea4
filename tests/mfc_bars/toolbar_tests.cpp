// CToolBar: buttons from a TOOLBAR resource, its strip in the parent's
// layout, clicks as commands, tips and status prompts from the commands'
// strings.
#include <string>

#include "bars_fixture.h"
#include "raw_input.h"

namespace {

using ToolBarTest = BarsTest;
using halvane::test::Window;

constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY;

CPoint Centre(const CToolBar& bar, int index) {
  CRect item;
  bar.GetItemRect(index, &item);
  return item.CenterPoint();
}

// The test buttons' bar across the top of `host`.
bool MakeBar(CToolBar& bar, CWnd& host) { return bar.Create(&host, kBarStyle) && bar.LoadToolBar(IDR_TOOLS); }

// A new host window titled `title` with that bar laid out in it.
bool HostBar(CHostWnd& host, CToolBar& bar, const char* title) {
  if (!host.CreateHost(title) || !MakeBar(bar, host)) return false;
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  return true;
}

// The tooltip's question as the toolbar's tooltip asks it.
std::string AskTip(CToolBar& bar, UINT nID, HWND tooltip = nullptr) {
  NMTTDISPINFO info{};
  info.hdr.hwndFrom = tooltip != nullptr ? tooltip : reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
  info.hdr.idFrom = nID;
  info.hdr.code = TTN_NEEDTEXT;
  info.lpszText = info.szText;
  bar.SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&info));
  return info.lpszText != nullptr ? info.lpszText : "";
}

TEST_F(ToolBarTest, LoadsButtonsAndImagesFromTheToolbarResource) {
  CHostWnd host;
  ASSERT_TRUE(host.CreateHost("Tools"));
  CToolBar bar;
  ASSERT_TRUE(bar.Create(&host, kBarStyle));
  EXPECT_EQ(bar.GetDlgCtrlID(), AFX_IDW_TOOLBAR);
  EXPECT_EQ(bar.GetBarStyle() & CBRS_ALIGN_ANY, static_cast<DWORD>(CBRS_ALIGN_TOP));
  EXPECT_FALSE(bar.GetStyle() & CBRS_ALIGN_TOP) << "bar styles are not window styles";
  ASSERT_TRUE(bar.LoadToolBar(IDR_TOOLS));
  EXPECT_FALSE(bar.LoadToolBar(999)) << "no such resource";

  ASSERT_EQ(bar.GetCount(), 4);
  EXPECT_EQ(bar.GetToolBarCtrl().GetButtonCount(), 4);
  EXPECT_EQ(CWnd::FromHandlePermanent(bar.m_hWnd), &bar) << "the control's wrapper leaves the bar the window's object";
  EXPECT_EQ(bar.GetItemID(0), static_cast<UINT>(ID_TOOL_CUT));
  EXPECT_EQ(bar.GetItemID(2), static_cast<UINT>(ID_SEPARATOR));
  EXPECT_EQ(bar.CommandToIndex(ID_TOOL_BOLD), 3);
  EXPECT_EQ(bar.CommandToIndex(ID_TOOL_ORPHAN), -1);

  UINT id = 0, style = 0;
  int image = -1;
  bar.GetButtonInfo(3, id, style, image);
  EXPECT_EQ(id, static_cast<UINT>(ID_TOOL_BOLD));
  EXPECT_EQ(image, 2) << "images are numbered over the buttons, separators skipped";
  EXPECT_EQ(style, static_cast<UINT>(TBBS_BUTTON));
  EXPECT_EQ(bar.GetButtonStyle(2), static_cast<UINT>(TBBS_SEPARATOR));

  // Buttons of 16x15 images are 23x22; a separator is narrow.
  CRect cut, separator;
  bar.GetItemRect(0, &cut);
  bar.GetItemRect(2, &separator);
  EXPECT_EQ(cut.Size(), CSize(23, 22));
  EXPECT_LT(separator.Width(), cut.Width());

  // A text goes under its image; the buttons grow for it, the others
  // stay without one.
  ASSERT_TRUE(bar.SetButtonText(0, "Cut it"));
  EXPECT_EQ(std::string(bar.GetButtonText(0)), "Cut it");
  EXPECT_EQ(std::string(bar.GetButtonText(1)), "");
  EXPECT_FALSE(bar.SetButtonText(2, "gap")) << "a separator has no text";
  CRect withText;
  bar.GetItemRect(0, &withText);
  EXPECT_GT(withText.Height(), cut.Height());
  EXPECT_EQ(bar.CommandToIndex(ID_TOOL_CUT), 0) << "the button is still itself";

  bar.SetButtonInfo(1, ID_TOOL_ORPHAN, TBBS_CHECKBOX, 0);
  EXPECT_EQ(bar.CommandToIndex(ID_TOOL_ORPHAN), 1);
  EXPECT_EQ(bar.GetButtonStyle(1), static_cast<UINT>(TBBS_CHECKBOX));
  host.DestroyWindow();
}

TEST_F(ToolBarTest, TakesItsStripOffTheTopAndAQueryMovesNothing) {
  CHostWnd host;
  ASSERT_TRUE(host.CreateHost("Layout"));
  CToolBar bar;
  ASSERT_TRUE(MakeBar(bar, host));
  CWnd pane;
  ASSERT_TRUE(pane.Create(nullptr, "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host, AFX_IDW_PANE_FIRST));

  CRect query;
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &query, nullptr, FALSE);
  CRect item;
  bar.GetItemRect(3, &item);
  // The buttons' row, its padding above and below, the border under the
  // bar and the bar's own top and bottom insets.
  CRect first;
  bar.GetItemRect(0, &first);
  const int height = item.bottom + first.top + 2 + 1 + 1;
  EXPECT_EQ(query.Height(), height);
  EXPECT_EQ(query.Width(), item.right + 2 + 2) << "unstretched: as wide as its buttons";
  EXPECT_EQ(RectInParent(bar).Height(), 0) << "a query moves nothing";

  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  CRect client;
  host.GetClientRect(&client);
  EXPECT_EQ(RectInParent(bar), CRect(0, 0, client.right, height));
  EXPECT_EQ(RectInParent(pane), CRect(0, height, client.right, client.bottom));
  // The borders are outside the client area, where the buttons start.
  CRect barClient;
  bar.GetClientRect(&barClient);
  EXPECT_EQ(barClient.Height(), height - 4);

  EXPECT_EQ(bar.GetBorders(), CRect(2, 1, 2, 1));
  bar.SetHeight(40);
  EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE).cy, 40);
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  EXPECT_EQ(RectInParent(pane).top, 40);

  bar.ShowWindow(SW_HIDE);
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  EXPECT_EQ(RectInParent(pane), client) << "a hidden bar takes no room";
  host.DestroyWindow();
}

TEST_F(ToolBarTest, AClickSendsTheCommandToTheOwnerAndAGreyButtonSendsNothing) {
  CHostWnd host;
  CToolBar bar;
  ASSERT_TRUE(HostBar(host, bar, "Clicks"));

  robot.click(Window(bar.m_hWnd), Centre(bar, 1));
  robot.click(Window(bar.m_hWnd), Centre(bar, 3));
  EXPECT_EQ(host.commands, (std::vector<UINT>{ID_TOOL_COPY, ID_TOOL_BOLD}));

  bar.SetButtonStyle(0, bar.GetButtonStyle(0) | TBBS_DISABLED);
  EXPECT_FALSE(bar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_CUT));
  robot.click(Window(bar.m_hWnd), Centre(bar, 0));
  EXPECT_EQ(host.commands.size(), 2u);
  host.DestroyWindow();
}

TEST_F(ToolBarTest, TipsAndPromptsComeFromTheCommandStrings) {
  CHostWnd host;
  CToolBar bar;
  ASSERT_TRUE(HostBar(host, bar, "Tips"));
  ASSERT_NE(bar.SendMessage(TB_GETTOOLTIPS), 0) << "CBRS_TOOLTIPS gives the control its tooltip";

  EXPECT_EQ(AskTip(bar, ID_TOOL_CUT), "Cut");
  EXPECT_EQ(AskTip(bar, ID_TOOL_BOLD), "") << "a string without a newline has no tip";
  EXPECT_EQ(AskTip(bar, ID_TOOL_ORPHAN), "");
  // Another tooltip's question with the same number is not the bar's.
  HWND other =
      ::CreateWindowEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP, 0, 0, 0, 0, host.m_hWnd, nullptr, nullptr, nullptr);
  EXPECT_EQ(AskTip(bar, ID_TOOL_CUT, other), "");
  ::DestroyWindow(other);

  // Flying over the buttons tells the owner which prompt to show; leaving
  // the bar brings back the idle message.
  auto moveTo = [this](const CWnd& wnd, CPoint point) {
    wnd.ClientToScreen(&point);
    win32::input::MouseMove(point);
    robot.pumpUntilIdle();
  };
  moveTo(bar, Centre(bar, 1));
  moveTo(bar, Centre(bar, 1) + CSize(1, 1));
  moveTo(bar, Centre(bar, 2));
  moveTo(bar, Centre(bar, 0));
  moveTo(host, CPoint(5, 200));
  EXPECT_EQ(host.messages, (std::vector<UINT>{ID_TOOL_COPY, AFX_IDS_IDLEMESSAGE, ID_TOOL_CUT, AFX_IDS_IDLEMESSAGE}));
  host.DestroyWindow();
}

}  // namespace
