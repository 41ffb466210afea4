// CTabCtrl, CStatusBarCtrl, CToolTipCtrl and CToolBarCtrl over their
// controls: items and selection, parts and texts, tools, buttons and
// their states, and the commands a click sends.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "cmnctl_fixture.h"
#include "resource.h"

namespace {

using TabBarsTest = CmnCtlTest;
using halvane::test::Window;

std::string TabText(const CTabCtrl& tabs, int index) {
  char text[64] = {};
  TCITEM item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  return tabs.GetItem(index, &item) ? text : "";
}

// A parent that counts the commands and tab changes it is told of.
class CBarsParent : public CWnd {
 public:
  std::vector<UINT> commands;
  int selChanges = 0;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) commands.push_back(LOWORD(wParam));
    return CWnd::OnCommand(wParam, lParam);
  }
  void OnSelChange(NMHDR*, LRESULT* pResult) {
    ++selChanges;
    *pResult = 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarsParent, CWnd)
  ON_NOTIFY(TCN_SELCHANGE, 11, OnSelChange)
END_MESSAGE_MAP()

TEST_F(TabBarsTest, TabsInsertSelectAndMeasure) {
  CBarsParent parent;
  ASSERT_TRUE(CreateParent(parent, "Tabs"));
  CTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(WS_VISIBLE, CRect(0, 0, 300, 150), &parent, 11));
  EXPECT_EQ(tabs.InsertItem(0, "General"), 0);
  EXPECT_EQ(tabs.InsertItem(1, "Trace", 0), 1);
  EXPECT_EQ(tabs.InsertItem(TCIF_TEXT | TCIF_PARAM, 1, "Log", 0, 99), 1);
  EXPECT_EQ(tabs.GetItemCount(), 3);
  EXPECT_EQ(TabText(tabs, 1), "Log");
  TCITEM item{};
  item.mask = TCIF_PARAM;
  ASSERT_TRUE(tabs.GetItem(1, &item));
  EXPECT_EQ(item.lParam, 99);
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPSTR>("Logging");
  EXPECT_TRUE(tabs.SetItem(1, &item));
  EXPECT_EQ(TabText(tabs, 1), "Logging");
  EXPECT_EQ(tabs.GetRowCount(), 1);

  EXPECT_EQ(tabs.GetCurSel(), 0);
  robot.selectTab(Window(tabs.m_hWnd), "Trace");
  EXPECT_EQ(tabs.GetCurSel(), 2);
  EXPECT_EQ(parent.selChanges, 1) << "a click tells the parent";
  EXPECT_EQ(tabs.SetCurSel(0), 2);
  EXPECT_EQ(parent.selChanges, 1) << "SetCurSel does not";

  CRect first, second;
  ASSERT_TRUE(tabs.GetItemRect(0, &first));
  ASSERT_TRUE(tabs.GetItemRect(1, &second));
  EXPECT_EQ(second.left, first.right);
  TCHITTESTINFO hit{second.CenterPoint(), 0};
  EXPECT_EQ(tabs.HitTest(&hit), 1);
  EXPECT_NE(hit.flags & TCHT_ONITEM, 0u);
  CRect display(0, 0, 300, 150);
  tabs.AdjustRect(FALSE, &display);
  EXPECT_GE(display.top, first.bottom) << "the display area lies below the tabs";
  CRect window = display;
  tabs.AdjustRect(TRUE, &window);
  EXPECT_EQ(window, CRect(0, 0, 300, 150));

  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 1));
  EXPECT_EQ(tabs.SetImageList(&images), nullptr);
  EXPECT_EQ(tabs.GetImageList(), &images);
  tabs.SetImageList(nullptr);

  EXPECT_TRUE(tabs.DeleteItem(0));
  EXPECT_EQ(tabs.GetItemCount(), 2);
  EXPECT_TRUE(tabs.DeleteAllItems());
  EXPECT_EQ(tabs.GetItemCount(), 0);
  EXPECT_EQ(tabs.GetCurSel(), -1);
  parent.DestroyWindow();
}

TEST_F(TabBarsTest, StatusBarPartsTextsAndSimpleMode) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Status"));
  CStatusBarCtrl status;
  ASSERT_TRUE(status.Create(WS_VISIBLE | CCS_BOTTOM, CRect(0, 0, 0, 0), &parent, 12));
  int widths[3] = {100, 200, -1};
  EXPECT_TRUE(status.SetParts(3, widths));
  int back[3] = {};
  EXPECT_EQ(status.GetParts(3, back), 3);
  EXPECT_EQ(back[1], 200);
  EXPECT_EQ(status.GetParts(0, nullptr), 3);

  EXPECT_TRUE(status.SetText("Ready", 0, 0));
  EXPECT_TRUE(status.SetText("Line 4", 1, SBT_POPOUT));
  EXPECT_FALSE(status.SetText("nowhere", 5, 0));
  int type = 0;
  EXPECT_EQ(std::string(status.GetText(1, &type)), "Line 4");
  EXPECT_EQ(type, SBT_POPOUT);
  EXPECT_EQ(status.GetTextLength(0), 5);
  char buffer[16];
  EXPECT_EQ(status.GetText(buffer, 0), 5);
  EXPECT_EQ(std::string(buffer), "Ready");
  const std::string longText(600, 'z');
  status.SetText(longText.c_str(), 2, 0);
  EXPECT_EQ(std::string(status.GetText(2)), longText);
  status.SetText(reinterpret_cast<LPCTSTR>(static_cast<INT_PTR>(1234)), 2, SBT_OWNERDRAW);
  EXPECT_TRUE(status.GetText(2, &type).IsEmpty()) << "an owner-drawn part has no text";
  EXPECT_EQ(type, SBT_OWNERDRAW);

  int horz = -1, vert = -1, spacing = -1;
  EXPECT_TRUE(status.GetBorders(horz, vert, spacing));
  EXPECT_GE(vert, 0);
  EXPECT_GE(spacing, 0);
  CRect part;
  ASSERT_TRUE(status.GetRect(1, &part));
  EXPECT_EQ(part.right, 200);
  EXPECT_FALSE(status.GetRect(3, &part));

  EXPECT_FALSE(status.IsSimple());
  status.SetSimple();
  EXPECT_TRUE(status.IsSimple());
  status.SetText("Simple", SB_SIMPLEID, 0);
  EXPECT_EQ(std::string(status.GetText(SB_SIMPLEID)), "Simple");
  EXPECT_EQ(std::string(status.GetText(0)), "Ready") << "the parts keep their texts";
  status.SetSimple(FALSE);
  EXPECT_FALSE(status.IsSimple());

  CRect before;
  status.GetWindowRect(&before);
  status.SetMinHeight(60);
  status.SendMessage(WM_SIZE);
  CRect after;
  status.GetWindowRect(&after);
  EXPECT_GE(after.Height(), 60);
  EXPECT_GT(after.Height(), before.Height());
  parent.DestroyWindow();
}

TEST_F(TabBarsTest, StatusBarIconIsDrawnInItsPart) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Status"));
  CStatusBarCtrl status;
  ASSERT_TRUE(status.Create(WS_VISIBLE | CCS_BOTTOM, CRect(0, 0, 0, 0), &parent, 12));
  int widths[2] = {120, -1};
  status.SetParts(2, widths);
  status.SetText("Text", 1, 0);
  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 1));
  CBitmap red;
  MakeStrip(red, 16, 16, {RGB(255, 0, 0)});
  images.Add(&red, static_cast<CBitmap*>(nullptr));
  HICON icon = images.ExtractIcon(0);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(status.GetIcon(1), nullptr);
  EXPECT_TRUE(status.SetIcon(1, icon));
  EXPECT_EQ(status.GetIcon(1), icon);
  EXPECT_FALSE(status.SetIcon(4, icon));
  EXPECT_TRUE(status.SetIcon(-1, icon)) << "-1: the simple-mode part";
  EXPECT_EQ(status.GetIcon(-1), icon);

  CRect part;
  status.GetRect(1, &part);
  Canvas canvas(status);
  const CPoint inIcon(part.left + 8, part.CenterPoint().y);
  EXPECT_EQ(canvas.at(inIcon.x, inIcon.y), RGB(255, 0, 0));
  EXPECT_NE(canvas.at(20, part.CenterPoint().y), RGB(255, 0, 0)) << "the first part has none";
  status.SetIcon(1, nullptr);
  status.SetIcon(-1, nullptr);
  DestroyIcon(icon);
  parent.DestroyWindow();
}

// Owner-drawn controls that record what they are asked to paint.
class COwnerStatus : public CStatusBarCtrl {
 public:
  std::vector<ULONG_PTR> drawn;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { drawn.push_back(lpDrawItemStruct->itemData); }
};

class COwnerList : public CListCtrl {
 public:
  std::vector<UINT> drawn;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { drawn.push_back(lpDrawItemStruct->itemID); }
};

TEST_F(TabBarsTest, OwnerDrawnPartsAndRowsPaintInTheControl) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Owner"));
  COwnerStatus status;
  ASSERT_TRUE(status.Create(WS_VISIBLE | CCS_BOTTOM, CRect(0, 0, 0, 0), &parent, 12));
  status.SetText(reinterpret_cast<LPCTSTR>(static_cast<INT_PTR>(77)), 0, SBT_OWNERDRAW);
  COwnerList list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 200, 100), &parent, 5));
  list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
  list.InsertItem(0, "zero");
  list.InsertItem(1, "one");
  status.UpdateWindow();
  list.UpdateWindow();
  robot.pumpUntilIdle();
  ASSERT_FALSE(status.drawn.empty()) << "the parent handed WM_DRAWITEM back";
  EXPECT_EQ(status.drawn.back(), 77u);
  EXPECT_THAT(list.drawn, ::testing::IsSupersetOf({0u, 1u}));
  parent.DestroyWindow();
}

TEST_F(TabBarsTest, TooltipToolsTextsAndRelayedEvents) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Tips"));
  CButton button;
  ASSERT_TRUE(button.Create("Open", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 40), &parent, 21));
  CToolTipCtrl tips;
  ASSERT_TRUE(tips.Create(&parent));
  EXPECT_EQ(::GetWindow(tips.m_hWnd, GW_OWNER), parent.m_hWnd);
  EXPECT_TRUE(tips.AddTool(&button, "Opens a file"));
  const CRect area(100, 10, 200, 60);
  EXPECT_TRUE(tips.AddTool(&parent, IDS_TIP, &area, 7));
  EXPECT_FALSE(tips.AddTool(nullptr, "none"));
  EXPECT_EQ(tips.GetToolCount(), 2);

  CString text;
  tips.GetText(text, &button);
  EXPECT_EQ(std::string(text), "Opens a file");
  tips.GetText(text, &parent, 7);
  EXPECT_EQ(std::string(text), "Opens the file") << "loaded from the string table";
  tips.UpdateTipText(IDS_TIP_UPDATED, &parent, 7);
  tips.GetText(text, &parent, 7);
  EXPECT_EQ(std::string(text), "Opens the chosen file");
  const std::string longTip(400, 't');
  tips.UpdateTipText(longTip.c_str(), &button);
  tips.GetText(text, &button);
  EXPECT_EQ(std::string(text), longTip);

  tips.SetDelayTime(200);
  EXPECT_EQ(tips.GetDelayTime(TTDT_INITIAL), 200);
  tips.SetDelayTime(TTDT_AUTOPOP, 3000);
  EXPECT_EQ(tips.GetDelayTime(TTDT_AUTOPOP), 3000);
  EXPECT_EQ(tips.SetMaxTipWidth(150), -1);
  EXPECT_EQ(tips.GetMaxTipWidth(), 150);

  // A mouse move handed on over the rectangle tool shows its tip.
  tips.SetDelayTime(TTDT_INITIAL, 100);
  CPoint screen(150, 30);
  parent.ClientToScreen(&screen);
  SetCursorPos(screen.x, screen.y);
  MSG msg{parent.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(150, 30), 0, screen};
  tips.RelayEvent(&msg);
  robot.advance(100);
  EXPECT_TRUE(tips.IsWindowVisible());
  tips.Pop();
  EXPECT_FALSE(tips.IsWindowVisible());
  tips.Activate(FALSE);
  tips.RelayEvent(&msg);
  robot.advance(500);
  EXPECT_FALSE(tips.IsWindowVisible()) << "an inactive tooltip shows nothing";

  tips.DelTool(&button);
  tips.DelTool(&parent, 7);
  EXPECT_EQ(tips.GetToolCount(), 0);
  parent.DestroyWindow();
}

constexpr UINT kNew = 100;
constexpr UINT kOpen = 101;
constexpr UINT kBold = 102;

TEST_F(TabBarsTest, ToolbarButtonsStatesAndClicks) {
  CBarsParent parent;
  ASSERT_TRUE(CreateParent(parent, "Toolbar"));
  CToolBarCtrl bar;
  ASSERT_TRUE(bar.Create(WS_VISIBLE | CCS_TOP | TBSTYLE_TOOLTIPS, CRect(0, 0, 0, 0), &parent, 13));
  bar.SetBitmapSize(CSize(4, 4));
  EXPECT_EQ(bar.AddBitmap(2, IDB_STRIP), 0);
  CBitmap more;
  MakeStrip(more, 4, 4, {RGB(0, 0, 255)});
  EXPECT_EQ(bar.AddBitmap(1, &more), 2);
  EXPECT_EQ(bar.AddBitmap(1, static_cast<CBitmap*>(nullptr)), -1);
  TBBUTTON buttons[] = {
      {0, static_cast<int>(kNew), TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
      {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {}, 0, 0},
      {2, static_cast<int>(kBold), TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0},
  };
  EXPECT_TRUE(bar.AddButtons(3, buttons));
  TBBUTTON open{1, static_cast<int>(kOpen), TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0};
  EXPECT_TRUE(bar.InsertButton(1, &open));
  EXPECT_EQ(bar.GetButtonCount(), 4);
  EXPECT_EQ(bar.CommandToIndex(kBold), 3u);
  TBBUTTON read{};
  ASSERT_TRUE(bar.GetButton(1, &read));
  EXPECT_EQ(read.idCommand, static_cast<int>(kOpen));
  EXPECT_TRUE(bar.SetButtonSize(CSize(24, 22)));
  EXPECT_EQ(bar.GetButtonSize(), CSize(24, 22));
  bar.AutoSize();
  EXPECT_EQ(bar.GetRows(), 1);

  CRect openRect;
  ASSERT_TRUE(bar.GetItemRect(1, &openRect));
  robot.click(Window(bar.m_hWnd), openRect.CenterPoint());
  EXPECT_EQ(parent.commands, std::vector<UINT>{kOpen});
  CRect boldRect;
  bar.GetItemRect(3, &boldRect);
  robot.click(Window(bar.m_hWnd), boldRect.CenterPoint());
  EXPECT_TRUE(bar.IsButtonChecked(kBold)) << "a check button stays down";
  EXPECT_TRUE(bar.CheckButton(kBold, FALSE));
  EXPECT_FALSE(bar.IsButtonChecked(kBold));

  EXPECT_TRUE(bar.EnableButton(kOpen, FALSE));
  EXPECT_FALSE(bar.IsButtonEnabled(kOpen));
  robot.click(Window(bar.m_hWnd), openRect.CenterPoint());
  EXPECT_EQ(parent.commands.size(), 2u) << "a disabled button sends nothing";
  EXPECT_TRUE(bar.PressButton(kNew));
  EXPECT_TRUE(bar.IsButtonPressed(kNew));
  EXPECT_TRUE(bar.HideButton(kNew));
  EXPECT_TRUE(bar.IsButtonHidden(kNew));
  EXPECT_EQ(bar.GetState(kNew), TBSTATE_ENABLED | TBSTATE_PRESSED | TBSTATE_HIDDEN);
  EXPECT_TRUE(bar.SetState(kNew, TBSTATE_ENABLED));
  EXPECT_EQ(bar.GetState(kNew), TBSTATE_ENABLED);
  EXPECT_EQ(bar.GetState(999), -1);

  CToolTipCtrl* tips = bar.GetToolTips();
  ASSERT_NE(tips, nullptr) << "TBSTYLE_TOOLTIPS makes one";
  CToolTipCtrl own;
  ASSERT_TRUE(own.Create(&parent));
  bar.SetToolTips(&own);
  EXPECT_EQ(bar.GetToolTips(), &own);
  EXPECT_TRUE(bar.DeleteButton(0));
  EXPECT_EQ(bar.GetButtonCount(), 3);
  parent.DestroyWindow();
}

}  // namespace
