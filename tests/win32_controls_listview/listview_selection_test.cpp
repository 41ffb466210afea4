// Selecting rows with the mouse and the keyboard, and the notifications
// that go with it, in order.
#include "listview_fixture.h"

namespace listview_test {
namespace {

using halvane::test::Window;
using ::testing::ElementsAre;
using ListViewSelection = ListViewTest;

constexpr UINT kSelFocus = LVIS_SELECTED | LVIS_FOCUSED;

TEST_F(ListViewSelection, ClickSelectsTheRowAloneThenReportsTheClick) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  AddRows(list, 4);
  robot.clickListViewItem(Window(list), 1);
  ClearLog();
  robot.clickListViewItem(Window(list), 2);
  EXPECT_THAT(Selected(list), ElementsAre(2));
  EXPECT_THAT(Codes(), ElementsAre(LVN_ITEMCHANGING, LVN_ITEMCHANGED, LVN_ITEMCHANGING, LVN_ITEMCHANGED, NM_CLICK));
  std::vector<Notice> notices = Notices();
  EXPECT_THAT(notices[1], Change(LVN_ITEMCHANGED, 1, kSelFocus, 0));
  EXPECT_THAT(notices[3], Change(LVN_ITEMCHANGED, 2, 0, kSelFocus));
  EXPECT_EQ(notices[4].item, 2);
  EXPECT_EQ(GetFocus(), list);
}

TEST_F(ListViewSelection, FocusChangesAreNotified) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 2);
  ClearLog();
  robot.clickListViewItem(Window(list), 0);
  EXPECT_EQ(Codes().front(), static_cast<UINT>(NM_SETFOCUS));
  ClearLog();
  SetFocus(parent_);
  EXPECT_THAT(Codes(), ElementsAre(NM_KILLFOCUS));
}

TEST_F(ListViewSelection, CtrlClickTogglesAndShiftClickSelectsARange) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 6);
  robot.clickListViewItem(Window(list), 1);
  robot.clickListViewItem(Window(list), 3, {VK_CONTROL});
  EXPECT_THAT(Selected(list), ElementsAre(1, 3));
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 3);
  robot.clickListViewItem(Window(list), 1, {VK_CONTROL});
  EXPECT_THAT(Selected(list), ElementsAre(3));
  robot.clickListViewItem(Window(list), 5, {VK_SHIFT});
  EXPECT_THAT(Selected(list), ElementsAre(1, 2, 3, 4, 5)) << "the range starts at the last plain or Ctrl click";
  robot.clickListViewItem(Window(list), 4);
  EXPECT_THAT(Selected(list), ElementsAre(4));
}

TEST_F(ListViewSelection, SingleSelectionIgnoresModifiers) {
  HWND list = MakeList(LVS_REPORT | LVS_SINGLESEL, {{"Name", 100}});
  AddRows(list, 4);
  robot.clickListViewItem(Window(list), 0);
  robot.clickListViewItem(Window(list), 2, {VK_CONTROL});
  EXPECT_THAT(Selected(list), ElementsAre(2));
  robot.clickListViewItem(Window(list), 3, {VK_SHIFT});
  EXPECT_THAT(Selected(list), ElementsAre(3));
  robot.keys({VK_CONTROL, 'A'});
  EXPECT_THAT(Selected(list), ElementsAre(3));
}

TEST_F(ListViewSelection, ClickOnEmptySpaceClearsTheSelection) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  AddRows(list, 2);
  robot.clickListViewItem(Window(list), 0);
  ClearLog();
  robot.click(Window(list), {50, 150});
  EXPECT_TRUE(Selected(list).empty());
  std::vector<Notice> clicks = Notices({NM_CLICK});
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].item, -1);
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 0) << "the focus stays";
}

TEST_F(ListViewSelection, SubitemColumnsSelectOnlyWithFullRowSelect) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  AddRows(list, 2);
  POINT inSize{130, LabelPoint(list, 1).y};
  robot.click(Window(list), inSize);
  EXPECT_TRUE(Selected(list).empty());
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  robot.advance(1000);  // not a double click
  ClearLog();
  robot.click(Window(list), inSize);
  EXPECT_THAT(Selected(list), ElementsAre(1));
  std::vector<Notice> clicks = Notices({NM_CLICK});
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].subItem, 1);
}

TEST_F(ListViewSelection, DoubleClickAndRightClick) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 3);
  robot.doubleClickListViewItem(Window(list), 1);
  std::vector<Notice> clicks = Notices({NM_CLICK, NM_DBLCLK, LVN_ITEMACTIVATE});
  ASSERT_EQ(clicks.size(), 3u);
  EXPECT_EQ(clicks[0].code, static_cast<UINT>(NM_CLICK));
  EXPECT_EQ(clicks[1].code, static_cast<UINT>(NM_DBLCLK));
  EXPECT_EQ(clicks[1].item, 1);
  EXPECT_EQ(clicks[2].code, static_cast<UINT>(LVN_ITEMACTIVATE));
  ClearLog();
  robot.rightClick(Window(list), LabelPoint(list, 2));
  EXPECT_THAT(Selected(list), ElementsAre(2));
  std::vector<Notice> right = Notices({NM_RCLICK, WM_CONTEXTMENU});
  ASSERT_EQ(right.size(), 2u);
  EXPECT_EQ(right[0].code, static_cast<UINT>(NM_RCLICK));
  EXPECT_EQ(right[0].item, 2);
  EXPECT_EQ(right[1].code, static_cast<UINT>(WM_CONTEXTMENU)) << "then the parent is asked for a menu";
  EXPECT_EQ(right[1].from, list);
}

TEST_F(ListViewSelection, DraggingARowStartsADragInsteadOfAClick) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 3);
  POINT from = LabelPoint(list, 0);
  robot.drag(Window(list), from, {from.x + 30, from.y + 40});
  std::vector<Notice> drags = Notices({LVN_BEGINDRAG, NM_CLICK});
  ASSERT_EQ(drags.size(), 1u);
  EXPECT_EQ(drags[0].code, static_cast<UINT>(LVN_BEGINDRAG));
  EXPECT_EQ(drags[0].item, 0);
}

TEST_F(ListViewSelection, ArrowsHomeEndAndPagesMoveTheSelection) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}}, 120);
  AddRows(list, 30);
  int page = ListView_GetCountPerPage(list);
  ASSERT_GT(page, 2);
  robot.clickListViewItem(Window(list), 0);
  robot.key(VK_DOWN);
  robot.key(VK_DOWN);
  EXPECT_THAT(Selected(list), ElementsAre(2));
  robot.key(VK_UP);
  EXPECT_THAT(Selected(list), ElementsAre(1));
  robot.key(VK_NEXT);
  EXPECT_THAT(Selected(list), ElementsAre(page - 1)) << "Page Down goes to the bottom of the page first";
  robot.key(VK_NEXT);
  EXPECT_THAT(Selected(list), ElementsAre(2 * page - 2));
  EXPECT_EQ(ListView_GetTopIndex(list), page - 1) << "and scrolls it into view";
  robot.key(VK_END);
  EXPECT_THAT(Selected(list), ElementsAre(29));
  EXPECT_EQ(ListView_GetTopIndex(list), 30 - page);
  robot.key(VK_PRIOR);
  EXPECT_THAT(Selected(list), ElementsAre(30 - page));
  robot.key(VK_HOME);
  EXPECT_THAT(Selected(list), ElementsAre(0));
  EXPECT_EQ(ListView_GetTopIndex(list), 0);
  robot.key(VK_UP);
  EXPECT_THAT(Selected(list), ElementsAre(0)) << "the first row stays";
}

TEST_F(ListViewSelection, ShiftAndCtrlWithKeysExtendOrMoveTheFocusOnly) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 8);
  robot.clickListViewItem(Window(list), 2);
  robot.keys({VK_SHIFT, VK_DOWN});
  robot.keys({VK_SHIFT, VK_DOWN});
  EXPECT_THAT(Selected(list), ElementsAre(2, 3, 4));
  robot.keys({VK_CONTROL, VK_DOWN});
  robot.keys({VK_CONTROL, VK_DOWN});
  EXPECT_THAT(Selected(list), ElementsAre(2, 3, 4));
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 6);
  robot.keys({VK_CONTROL, VK_SPACE});
  EXPECT_THAT(Selected(list), ElementsAre(2, 3, 4, 6));
  robot.keys({VK_CONTROL, VK_SPACE});
  EXPECT_THAT(Selected(list), ElementsAre(2, 3, 4));
  robot.key(VK_SPACE);
  EXPECT_THAT(Selected(list), ElementsAre(2, 3, 4, 6));
  robot.keys({VK_CONTROL, 'A'});
  EXPECT_EQ(Selected(list).size(), 8u);
}

TEST_F(ListViewSelection, KeysAreReportedFirst) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 3);
  robot.clickListViewItem(Window(list), 0);
  ClearLog();
  robot.key(VK_DOWN);
  std::vector<UINT> codes = Codes();
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.front(), static_cast<UINT>(LVN_KEYDOWN));
  EXPECT_EQ(Notices().front().key, VK_DOWN);
  EXPECT_THAT(Notices({LVN_ITEMCHANGED}),
              ElementsAre(Change(LVN_ITEMCHANGED, 0, kSelFocus, 0), Change(LVN_ITEMCHANGED, 1, 0, kSelFocus)));
}

TEST_F(ListViewSelection, EnterIsReported) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 2);
  robot.clickListViewItem(Window(list), 0);
  ClearLog();
  robot.key(VK_RETURN);
  EXPECT_THAT(Codes(), ElementsAre(LVN_KEYDOWN, NM_RETURN));
}

TEST_F(ListViewSelection, TypingALetterJumpsToTheNextMatchingRow) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  for (const char* name : {"apple", "berry", "banana", "cherry"}) AddRow(list, {name});
  robot.clickListViewItem(Window(list), 0);
  robot.type("b");
  EXPECT_THAT(Selected(list), ElementsAre(1));
  robot.type("b");
  EXPECT_THAT(Selected(list), ElementsAre(2));
  robot.type("b");
  EXPECT_THAT(Selected(list), ElementsAre(1)) << "the search wraps";
}

TEST_F(ListViewSelection, RobotReadsRowsAndSelection) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  AddRow(list, {"first", "1 KB"});
  AddRow(list, {"second", "2 KB"});
  Window view(list);
  robot.clickListViewItem(view, "second");
  EXPECT_EQ(robot.listViewItemCount(view), 2);
  EXPECT_EQ(robot.listViewItemText(view, 1, 1), "2 KB");
  EXPECT_THAT(robot.listViewSelection(view), ElementsAre(1));
}

}  // namespace
}  // namespace listview_test
