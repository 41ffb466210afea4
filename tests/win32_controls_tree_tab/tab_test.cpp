// Tab controls: items, the silent and the user's selection with its
// notifications and veto, keys, geometry, rows and the display area.

#include "robot.h"
#include "tree_tab_fixture.h"

namespace tree_tab_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TabTest : public TreeTabTest {
 protected:
  HWND Tabs(DWORD style, std::initializer_list<const char*> labels, int cx = 300) {
    HWND tabs = CreateWindowEx(0, WC_TABCONTROL, "", WS_CHILD | WS_VISIBLE | style, 10, 10, cx, 150, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(200)), nullptr, nullptr);
    EXPECT_NE(tabs, nullptr);
    int i = 0;
    for (const char* label : labels) {
      TCITEM item{};
      item.mask = TCIF_TEXT | TCIF_PARAM;
      item.pszText = const_cast<LPSTR>(label);
      item.lParam = 100 + i;
      EXPECT_EQ(TabCtrl_InsertItem(tabs, i, &item), i);
      ++i;
    }
    return tabs;
  }

  static std::string Label(HWND tabs, int index) {
    char buffer[256] = {};
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    if (!TabCtrl_GetItem(tabs, index, &item)) return "<invalid>";
    return buffer;
  }

  static POINT TabPoint(HWND tabs, int index) {
    RECT rc{};
    EXPECT_TRUE(TabCtrl_GetItemRect(tabs, index, &rc));
    return ScreenPoint(tabs, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  }
};

constexpr UINT kChanging = TCN_SELCHANGING;
constexpr UINT kChange = TCN_SELCHANGE;

TEST_F(TabTest, ItemsInsertReadChangeAndDelete) {
  HWND tabs = Tabs(TCS_TABS, {"General", "Trace"});
  TCITEM item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPSTR>("First");
  EXPECT_EQ(TabCtrl_InsertItem(tabs, 0, &item), 0);
  EXPECT_EQ(TabCtrl_InsertItem(tabs, 99, &item), 3);  // past the end: appended
  EXPECT_EQ(TabCtrl_GetItemCount(tabs), 4);
  EXPECT_EQ(Label(tabs, 1), "General");
  item.mask = TCIF_PARAM;
  ASSERT_TRUE(TabCtrl_GetItem(tabs, 2, &item));
  EXPECT_EQ(item.lParam, 101);
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = const_cast<LPSTR>("Renamed");
  item.iImage = 2;
  ASSERT_TRUE(TabCtrl_SetItem(tabs, 1, &item));
  EXPECT_EQ(Label(tabs, 1), "Renamed");
  ASSERT_TRUE(TabCtrl_DeleteItem(tabs, 0));
  EXPECT_EQ(Label(tabs, 0), "Renamed");
  EXPECT_FALSE(TabCtrl_DeleteItem(tabs, 7));
  EXPECT_EQ(Label(tabs, 9), "<invalid>");
  EXPECT_FALSE(SendMessage(tabs, TCM_GETITEM, 0, 0));
  EXPECT_EQ(SendMessage(tabs, TCM_INSERTITEM, 0, 0), -1);
  ASSERT_TRUE(TabCtrl_DeleteAllItems(tabs));
  EXPECT_EQ(TabCtrl_GetItemCount(tabs), 0);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), -1);
  DestroyWindow(tabs);
  EXPECT_EQ(TabCtrl_GetItemCount(tabs), 0);
}

TEST_F(TabTest, LongTextsAreCutToTheCallersBuffer) {
  std::string longText(300, 'x');
  HWND tabs = Tabs(TCS_TABS, {longText.c_str()});
  EXPECT_EQ(Label(tabs, 0), std::string(255, 'x'));
}

TEST_F(TabTest, SetCurSelIsSilentAndTracksInsertionsAndDeletions) {
  HWND tabs = Tabs(TCS_TABS, {"One", "Two", "Three"});
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
  ClearLog();
  EXPECT_EQ(TabCtrl_SetCurSel(tabs, 2), 0);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
  EXPECT_EQ(TabCtrl_GetCurFocus(tabs), 2);
  EXPECT_EQ(TabCtrl_SetCurSel(tabs, 5), -1);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
  EXPECT_THAT(Codes(), IsEmpty());
  TCITEM item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPSTR>("Zero");
  TabCtrl_InsertItem(tabs, 0, &item);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 3);
  TabCtrl_DeleteItem(tabs, 3);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), -1);
}

TEST_F(TabTest, ClickSelectsWithChangingThenChange) {
  HWND tabs = Tabs(TCS_TABS, {"One", "Two", "Three"});
  ClearLog();
  Click(TabPoint(tabs, 1));
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
  EXPECT_EQ(GetFocus(), tabs);
  EXPECT_THAT(Codes(), ElementsAre(kChanging, kChange));
  // Clicking the selected tab again says nothing.
  ClearLog();
  Click(TabPoint(tabs, 1));
  EXPECT_THAT(Codes(), IsEmpty());
}

TEST_F(TabTest, ParentCanVetoTheChange) {
  HWND tabs = Tabs(TCS_TABS, {"One", "Two"});
  Log().answers[TCN_SELCHANGING] = TRUE;
  ClearLog();
  Click(TabPoint(tabs, 1));
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
  EXPECT_THAT(Codes(), ElementsAre(kChanging));
  // The parent sees the old selection while it decides.
  Log().answers.clear();
  int seen = -2;
  Log().onNotify = [&](const NMHDR& header) {
    if (header.code == TCN_SELCHANGING) seen = TabCtrl_GetCurSel(header.hwndFrom);
  };
  Click(TabPoint(tabs, 1));
  EXPECT_EQ(seen, 0);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
}

TEST_F(TabTest, ArrowsAndControlTabMoveTheSelection) {
  HWND tabs = Tabs(TCS_TABS, {"One", "Two", "Three"});
  SetFocus(tabs);
  ClearLog();
  Key(VK_RIGHT);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
  EXPECT_THAT(Codes(), ElementsAre(static_cast<UINT>(TCN_KEYDOWN), kChanging, kChange));
  Key(VK_RIGHT);
  Key(VK_RIGHT);  // stops at the last tab
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
  Key(VK_LEFT);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
  win32::input::KeyDown(VK_CONTROL);
  Key(VK_TAB);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
  Key(VK_TAB);  // wraps round
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
  win32::input::KeyDown(VK_SHIFT);
  Key(VK_TAB);
  win32::input::KeyUp(VK_SHIFT);
  win32::input::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
}

TEST_F(TabTest, SetCurFocusSelectsWithNotifications) {
  HWND tabs = Tabs(TCS_TABS, {"One", "Two"});
  ClearLog();
  TabCtrl_SetCurFocus(tabs, 1);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
  EXPECT_THAT(Codes(), ElementsAre(kChanging, kChange));
}

TEST_F(TabTest, GeometryHitTestsAndTheDisplayArea) {
  HWND tabs = Tabs(TCS_TABS, {"One", "Two", "A longer label"});
  RECT one{}, two{}, three{};
  ASSERT_TRUE(TabCtrl_GetItemRect(tabs, 0, &one));
  ASSERT_TRUE(TabCtrl_GetItemRect(tabs, 1, &two));
  ASSERT_TRUE(TabCtrl_GetItemRect(tabs, 2, &three));
  EXPECT_EQ(two.left, one.right);
  EXPECT_EQ(two.top, one.top);
  EXPECT_GT(three.right - three.left, two.right - two.left);
  EXPECT_FALSE(TabCtrl_GetItemRect(tabs, 3, &one));
  TCHITTESTINFO hit{};
  hit.pt = {(two.left + two.right) / 2, (two.top + two.bottom) / 2};
  EXPECT_EQ(TabCtrl_HitTest(tabs, &hit), 1);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TCHT_ONITEMLABEL));
  hit.pt = {290, 100};
  EXPECT_EQ(TabCtrl_HitTest(tabs, &hit), -1);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TCHT_NOWHERE));
  // The display area lies below the tabs, and the larger form undoes it.
  RECT area{0, 0, 300, 150};
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  EXPECT_GT(area.top, one.bottom);
  EXPECT_GT(area.left, 0);
  EXPECT_LT(area.right, 300);
  TabCtrl_AdjustRect(tabs, TRUE, &area);
  EXPECT_EQ(area.left, 0);
  EXPECT_EQ(area.top, 0);
  EXPECT_EQ(area.right, 300);
  EXPECT_EQ(area.bottom, 150);
}

TEST_F(TabTest, FixedWidthItemSizeAndPadding) {
  HWND tabs = Tabs(TCS_TABS | TCS_FIXEDWIDTH, {"a", "a much longer label"});
  TabCtrl_SetItemSize(tabs, 80, 24);
  RECT a{}, b{};
  TabCtrl_GetItemRect(tabs, 0, &a);
  TabCtrl_GetItemRect(tabs, 1, &b);
  EXPECT_EQ(a.right - a.left, 80);
  EXPECT_EQ(b.right - b.left, 80);
  EXPECT_EQ(a.bottom - a.top, 24);
  HWND padded = Tabs(TCS_TABS, {"Label"});
  RECT before{};
  TabCtrl_GetItemRect(padded, 0, &before);
  TabCtrl_SetPadding(padded, 20, 3);
  RECT after{};
  TabCtrl_GetItemRect(padded, 0, &after);
  EXPECT_EQ((after.right - after.left) - (before.right - before.left), 28);
}

TEST_F(TabTest, MultiLineWrapsIntoRowsWithTheSelectionNextToTheArea) {
  HWND tabs = Tabs(TCS_TABS | TCS_MULTILINE, {"Connector", "Trace", "Data handler", "Resources", "Properties"}, 200);
  EXPECT_GE(TabCtrl_GetRowCount(tabs), 2);
  HWND single = Tabs(TCS_TABS, {"Connector", "Trace", "Data handler", "Resources", "Properties"}, 200);
  EXPECT_EQ(TabCtrl_GetRowCount(single), 1);
  RECT first{};
  TabCtrl_GetItemRect(tabs, 0, &first);
  RECT last{};
  TabCtrl_GetItemRect(tabs, 4, &last);
  EXPECT_GT(first.top, last.top) << "the selected first tab's row sits at the bottom";
  TabCtrl_SetCurSel(tabs, 4);
  TabCtrl_GetItemRect(tabs, 0, &first);
  TabCtrl_GetItemRect(tabs, 4, &last);
  EXPECT_LT(first.top, last.top);
}

TEST_F(TabTest, FontsButtonsAndTheClassName) {
  HWND tabs = Tabs(TCS_TABS, {"One", "Two"});
  char name[64] = {};
  GetClassName(tabs, name, sizeof(name));
  EXPECT_STREQ(name, "SysTabControl32");
  RECT small{};
  TabCtrl_GetItemRect(tabs, 0, &small);
  LOGFONT lf{};
  lf.lfHeight = -24;
  lstrcpyn(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
  HFONT big = CreateFontIndirect(&lf);
  SendMessage(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessage(tabs, WM_GETFONT, 0, 0)), big);
  RECT large{};
  TabCtrl_GetItemRect(tabs, 0, &large);
  EXPECT_GT(large.bottom - large.top, small.bottom - small.top);
  EXPECT_GT(large.right - large.left, small.right - small.left);
  DestroyWindow(tabs);
  DeleteObject(big);
  // Buttons stand apart from each other.
  HWND buttons = Tabs(TCS_BUTTONS, {"One", "Two"});
  RECT one{}, two{};
  TabCtrl_GetItemRect(buttons, 0, &one);
  TabCtrl_GetItemRect(buttons, 1, &two);
  EXPECT_GT(two.left, one.right);
  Click(TabPoint(buttons, 1));
  EXPECT_EQ(TabCtrl_GetCurSel(buttons), 1);
}

TEST_F(TabTest, ALineTooLongScrollsBehindArrows) {
  HWND tabs = Tabs(TCS_TABS, {"Connector", "Trace", "Data handler", "Resources", "Properties"}, 200);
  RECT client{};
  GetClientRect(tabs, &client);
  RECT first{};
  TabCtrl_GetItemRect(tabs, 0, &first);
  EXPECT_EQ(first.left, 2);
  // The arrows sit at the right end of the strip, in place of tabs.
  const int arrow = GetSystemMetrics(SM_CXVSCROLL);
  POINT right = ScreenPoint(tabs, client.right - arrow / 2, first.bottom - arrow / 2 - 2);
  TCHITTESTINFO hit{};
  hit.pt = {client.right - arrow / 2, (first.top + first.bottom) / 2};
  EXPECT_EQ(TabCtrl_HitTest(tabs, &hit), -1);
  ClearLog();
  Click(right);
  RECT moved{};
  TabCtrl_GetItemRect(tabs, 0, &moved);
  EXPECT_LT(moved.right, first.right);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
  EXPECT_THAT(Codes(), IsEmpty());
  // Moving the selection to the end brings the last tab into view.
  SetFocus(tabs);
  for (int i = 0; i < 4; ++i) Key(VK_RIGHT);
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 4);
  RECT last{};
  TabCtrl_GetItemRect(tabs, 4, &last);
  EXPECT_LE(last.right, client.right - 2 * arrow);
  EXPECT_GE(last.left, 0);
  UpdateWindow(parent_);
  halvane::test::Snapshot(parent_, "tab_control_scrolling");
  // Wide enough again, the strip stops scrolling and starts at the first tab.
  SetWindowPos(tabs, nullptr, 0, 0, 600, 150, SWP_NOMOVE | SWP_NOZORDER);
  TabCtrl_GetItemRect(tabs, 0, &first);
  EXPECT_EQ(first.left, 2);
}

}  // namespace
}  // namespace tree_tab_test
