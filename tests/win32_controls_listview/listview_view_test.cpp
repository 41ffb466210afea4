// List view geometry: rows under the header, item rectangles and hit tests,
// scrolling, the first visible row, owner-drawn rows and the other views.
#include "listview_fixture.h"

namespace listview_test {
namespace {

using ::testing::ElementsAre;
using ListViewGeometry = ListViewTest;

int HeaderBottom(HWND list) {
  RECT rc{};
  GetWindowRect(ListView_GetHeader(list), &rc);
  return rc.bottom - rc.top;
}

TEST_F(ListViewGeometry, RowsStartUnderTheHeaderAndSpanTheColumns) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  AddRows(list, 3);
  int headerHeight = HeaderBottom(list);
  ASSERT_GT(headerHeight, 0);
  RECT first = ItemRect(list, 0, LVIR_BOUNDS);
  RECT second = ItemRect(list, 1, LVIR_BOUNDS);
  EXPECT_EQ(first.top, headerHeight);
  EXPECT_EQ(second.top, first.bottom);
  EXPECT_EQ(first.left, 0);
  EXPECT_EQ(first.right, 160);
  RECT label = ItemRect(list, 0, LVIR_LABEL);
  EXPECT_EQ(label.right, 100);
  RECT icon = ItemRect(list, 0, LVIR_ICON);
  EXPECT_EQ(icon.right, label.left) << "no small images: an empty icon";

  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
  ListView_SetImageList(list, images, LVSIL_SMALL);
  icon = ItemRect(list, 0, LVIR_ICON);
  EXPECT_EQ(icon.right - icon.left, 16);
  EXPECT_GE(ItemRect(list, 0, LVIR_BOUNDS).bottom - ItemRect(list, 0, LVIR_BOUNDS).top, 17);
  EXPECT_EQ(ItemRect(list, 0, LVIR_LABEL).left, icon.right);
}

TEST_F(ListViewGeometry, HitTestsNameTheRowAndCell) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  AddRows(list, 3);
  RECT row = ItemRect(list, 2, LVIR_BOUNDS);
  LVHITTESTINFO info{};
  info.pt = {20, (row.top + row.bottom) / 2};
  EXPECT_EQ(ListView_HitTest(list, &info), 2);
  EXPECT_EQ(info.flags, static_cast<UINT>(LVHT_ONITEMLABEL));
  info.pt.x = 130;
  EXPECT_EQ(ListView_HitTest(list, &info), -1) << "a subitem is not the item without full-row select";
  EXPECT_EQ(ListView_SubItemHitTest(list, &info), 2);
  EXPECT_EQ(info.iSubItem, 1);
  info.pt = {20, row.bottom + 50};
  EXPECT_EQ(ListView_HitTest(list, &info), -1);
  EXPECT_EQ(info.flags, static_cast<UINT>(LVHT_NOWHERE));
  info.pt = {20, -5};
  EXPECT_EQ(ListView_HitTest(list, &info), -1);
  EXPECT_EQ(info.flags, static_cast<UINT>(LVHT_ABOVE));
}

TEST_F(ListViewGeometry, EnsureVisibleScrollsTheLeastAndSetsTheTopIndex) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}}, 150);
  AddRows(list, 50);
  int page = ListView_GetCountPerPage(list);
  RECT client{};
  GetClientRect(list, &client);
  RECT row = ItemRect(list, 0, LVIR_BOUNDS);
  EXPECT_EQ(page, (client.bottom - HeaderBottom(list)) / (row.bottom - row.top));
  EXPECT_EQ(ListView_GetTopIndex(list), 0);
  EXPECT_TRUE(ListView_EnsureVisible(list, 20, FALSE));
  EXPECT_EQ(ListView_GetTopIndex(list), 20 - page + 1);
  EXPECT_TRUE(ListView_EnsureVisible(list, 20 - page + 2, FALSE));
  EXPECT_EQ(ListView_GetTopIndex(list), 20 - page + 1) << "a visible row needs no scrolling";
  EXPECT_TRUE(ListView_EnsureVisible(list, 3, FALSE));
  EXPECT_EQ(ListView_GetTopIndex(list), 3);
  EXPECT_EQ(ItemRect(list, 3, LVIR_BOUNDS).top, HeaderBottom(list));
  EXPECT_TRUE(ListView_EnsureVisible(list, 49, FALSE));
  EXPECT_EQ(ListView_GetTopIndex(list), 50 - page);
}

TEST_F(ListViewGeometry, ScrollMovesByWholeRowsAndPixels) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 300}, {"Size", 300}}, 150);
  AddRows(list, 40);
  RECT row = ItemRect(list, 0, LVIR_BOUNDS);
  int height = row.bottom - row.top;
  EXPECT_TRUE(SendMessage(list, LVM_SCROLL, 0, 3 * height + height / 2 + 1));
  EXPECT_EQ(ListView_GetTopIndex(list), 4) << "rounded to the nearest row";
  SendMessage(list, LVM_SCROLL, 0, -100 * height);
  EXPECT_EQ(ListView_GetTopIndex(list), 0);
  SendMessage(list, LVM_SCROLL, 50, 0);
  EXPECT_EQ(ItemRect(list, 0, LVIR_BOUNDS).left, -50);
  RECT header{};
  GetWindowRect(ListView_GetHeader(list), &header);
  RECT listRect{};
  GetClientRect(list, &listRect);
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  EXPECT_EQ(header.left - origin.x, -50) << "the header scrolls with the rows";
}

TEST_F(ListViewGeometry, ScrollBarsFollowTheContent) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}}, 150);
  AddRows(list, 3);
  EXPECT_FALSE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
  AddRows(list, 40);
  EXPECT_TRUE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(list, SB_VERT, &info);
  EXPECT_EQ(info.nMax, 42);
  EXPECT_EQ(static_cast<int>(info.nPage), ListView_GetCountPerPage(list));
  SendMessage(list, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessage(list, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(ListView_GetTopIndex(list), 1 + ListView_GetCountPerPage(list));
  GetScrollInfo(list, SB_VERT, &info);
  EXPECT_EQ(info.nPos, ListView_GetTopIndex(list));
  EXPECT_FALSE(GetWindowLong(list, GWL_STYLE) & WS_HSCROLL);
  ListView_SetColumnWidth(list, 0, 900);
  EXPECT_TRUE(GetWindowLong(list, GWL_STYLE) & WS_HSCROLL);
}

TEST_F(ListViewGeometry, OwnerDrawnRowsAskTheParent) {
  Log().rowHeight = 24;
  HWND list = MakeList(LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS, {{"Name", 100}, {"Size", 60}});
  EXPECT_GE(Log().measures, 1);
  AddRows(list, 3);
  SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
  RECT row = ItemRect(list, 0, LVIR_BOUNDS);
  EXPECT_EQ(row.bottom - row.top, 24);
  Log().draws.clear();
  UpdateWindow(parent_);
  ASSERT_EQ(Log().draws.size(), 3u);
  const DRAWITEMSTRUCT& second = Log().draws[1];
  EXPECT_EQ(second.CtlType, static_cast<UINT>(ODT_LISTVIEW));
  EXPECT_EQ(second.CtlID, 100u);
  EXPECT_EQ(second.itemID, 1u);
  EXPECT_EQ(second.itemData, 1u);
  EXPECT_EQ(second.hwndItem, list);
  EXPECT_TRUE(second.itemState & ODS_SELECTED);
  EXPECT_FALSE(Log().draws[0].itemState & ODS_SELECTED);
  EXPECT_TRUE(EqualRect(&second.rcItem, &(row = ItemRect(list, 1, LVIR_BOUNDS))));

  // A moved or resized list measures its rows again.
  Log().rowHeight = 30;
  SetWindowPos(list, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  row = ItemRect(list, 0, LVIR_BOUNDS);
  EXPECT_EQ(row.bottom - row.top, 30);
}

TEST_F(ListViewGeometry, RowsPaintInTheListsColours) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  AddRows(list, 3);
  SendMessage(list, LVM_SETBKCOLOR, 0, RGB(10, 20, 30));
  SendMessage(list, LVM_SETTEXTBKCOLOR, 0, RGB(40, 50, 60));
  UpdateWindow(parent_);
  HDC dc = GetDC(list);
  RECT row = ItemRect(list, 1, LVIR_BOUNDS);
  EXPECT_EQ(GetPixel(dc, 150, (row.top + row.bottom) / 2), RGB(40, 50, 60)) << "rows in the text background";
  EXPECT_EQ(GetPixel(dc, 300, (row.top + row.bottom) / 2), RGB(10, 20, 30)) << "beyond the columns the background";
  ReleaseDC(list, dc);
}

TEST_F(ListViewGeometry, OnlyTheReportViewShowsTheHeader) {
  HWND list = MakeList(LVS_LIST, {{"Name", 100}});
  AddRows(list, 2);
  EXPECT_FALSE(IsWindowVisible(ListView_GetHeader(list)));
  EXPECT_EQ(ItemRect(list, 0, LVIR_BOUNDS).top, 0) << "the rows start at the top";
  SetWindowLong(list, GWL_STYLE, (GetWindowLong(list, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_REPORT);
  EXPECT_TRUE(IsWindowVisible(ListView_GetHeader(list)));
  EXPECT_EQ(ItemRect(list, 0, LVIR_BOUNDS).top, HeaderBottom(list));
  HWND bare = MakeList(LVS_REPORT | LVS_NOCOLUMNHEADER, {{"Name", 100}});
  EXPECT_FALSE(IsWindowVisible(ListView_GetHeader(bare)));
}

}  // namespace
}  // namespace listview_test
