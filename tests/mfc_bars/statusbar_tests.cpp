// CStatusBar: indicator panes from string resources sized to their texts,
// the stretching message pane and pane styles.
#include <cstring>
#include <string>

#include "bars_fixture.h"

namespace {

using StatusBarTest = BarsTest;

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_SERVER, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

int TextWidth(const CStatusBar& bar, const char* text) {
  CClientDC dc(const_cast<CStatusBar*>(&bar));
  CFont* font = bar.GetFont();
  if (font != nullptr)
    dc.SelectObject(font);
  else
    dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
  return dc.GetTextExtent(text, static_cast<int>(std::strlen(text))).cx;
}

TEST_F(StatusBarTest, IndicatorsTakeTheirStringsAndWidthsAndTheMessagePaneStretches) {
  CHostWnd host;
  ASSERT_TRUE(host.CreateHost("Status", 500, 300));
  CStatusBar bar;
  ASSERT_TRUE(bar.Create(&host));
  EXPECT_EQ(bar.GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
  ASSERT_TRUE(bar.SetIndicators(kIndicators, 4));
  host.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);

  EXPECT_EQ(bar.GetCount(), 4);
  EXPECT_EQ(bar.GetStatusBarCtrl().GetParts(0, nullptr), 4);
  EXPECT_EQ(std::string(bar.GetPaneText(1)), "Disconnected") << "the application's string";
  EXPECT_EQ(std::string(bar.GetPaneText(2)), "CAP") << "the class library's default";
  EXPECT_EQ(Shown(bar, 3), "NUM");
  EXPECT_EQ(bar.CommandToIndex(ID_INDICATOR_NUM), 3);
  EXPECT_EQ(bar.GetItemID(1), static_cast<UINT>(ID_INDICATOR_SERVER));

  UINT id = 0, style = 0;
  int width = 0;
  bar.GetPaneInfo(0, id, style, width);
  EXPECT_EQ(style, static_cast<UINT>(SBPS_STRETCH | SBPS_NOBORDERS)) << "the first separator is the message pane";
  bar.GetPaneInfo(1, id, style, width);
  EXPECT_EQ(width, TextWidth(bar, "Disconnected"));

  CRect server, caps, num, client;
  bar.GetItemRect(1, &server);
  bar.GetItemRect(2, &caps);
  bar.GetItemRect(3, &num);
  bar.GetClientRect(&client);
  EXPECT_GT(server.Width(), width) << "the pane holds its text and edges";
  EXPECT_EQ(caps.Width() - TextWidth(bar, "CAP"), server.Width() - width) << "same edges for every pane";
  const int grip = ::GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(num.right, client.right - std::min(static_cast<int>(client.Height()), grip))
      << "the message pane takes the rest, the grip keeps its corner";

  bar.SetPaneInfo(1, ID_INDICATOR_SERVER, SBPS_NOBORDERS, 100);
  CRect wider;
  bar.GetItemRect(1, &wider);
  EXPECT_EQ(wider.Width() - 100, server.Width() - width);
  CRect numAfter;
  bar.GetItemRect(3, &numAfter);
  EXPECT_EQ(numAfter.right, num.right) << "the stretching pane gave the room";
  host.DestroyWindow();
}

TEST_F(StatusBarTest, TheWindowTextIsTheMessagePaneAndAMissingStringFails) {
  CHostWnd host;
  ASSERT_TRUE(host.CreateHost("Messages"));
  CStatusBar bar;
  ASSERT_TRUE(bar.Create(&host));
  ASSERT_TRUE(bar.SetIndicators(kIndicators, 4));
  bar.SetWindowText("Opening Connector QVS ...");
  EXPECT_EQ(std::string(bar.GetPaneText(0)), "Opening Connector QVS ...");
  EXPECT_EQ(Shown(bar, 0), "Opening Connector QVS ...");
  CString text;
  bar.GetWindowText(text);
  EXPECT_EQ(std::string(text), "Opening Connector QVS ...");

  EXPECT_TRUE(bar.SetPaneText(1, "Server: orion"));
  EXPECT_EQ(Shown(bar, 1), "Server: orion");
  EXPECT_FALSE(bar.SetPaneText(4, "none"));

  const UINT missing[] = {ID_SEPARATOR, ID_TOOL_ORPHAN};
  EXPECT_FALSE(bar.SetIndicators(missing, 2)) << "no string for the indicator";
  host.DestroyWindow();
}

}  // namespace
