// List view items and columns: texts and subitems, callbacks, searching,
// sorting, deletion notifications and bad input.
#include "listview_fixture.h"

namespace listview_test {
namespace {

using ::testing::ElementsAre;
using ListViewItems = ListViewTest;

TEST_F(ListViewItems, ItemsAndSubitemsKeepTheirTexts) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Type", 80}, {"Size", 60}});
  EXPECT_EQ(AddRow(list, {"alpha", "file", "10"}, 11), 0);
  EXPECT_EQ(AddRow(list, {"beta", "folder"}, 22), 1);
  EXPECT_EQ(ListView_GetItemCount(list), 2);
  EXPECT_EQ(ItemText(list, 0, 2), "10");
  EXPECT_EQ(ItemText(list, 1, 1), "folder");
  EXPECT_EQ(ItemText(list, 1, 2), "") << "a subitem never set reads empty";

  char buffer[4] = {};
  EXPECT_EQ(ListView_GetItemText(list, 0, 1, buffer, sizeof(buffer)), 3) << "the text is cut to the buffer";
  EXPECT_STREQ(buffer, "fil");

  LVITEM item{};
  item.mask = LVIF_PARAM | LVIF_TEXT;
  item.iItem = 1;
  char text[16] = {};
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  ASSERT_TRUE(ListView_GetItem(list, &item));
  EXPECT_EQ(item.lParam, 22);
  EXPECT_STREQ(text, "beta");
}

TEST_F(ListViewItems, InsertingInTheMiddleShiftsTheRowsBelow) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 3);
  LVITEM item{};
  item.mask = LVIF_TEXT;
  item.iItem = 1;
  item.pszText = Str("new");
  ClearLog();
  EXPECT_EQ(ListView_InsertItem(list, &item), 1);
  EXPECT_EQ(ItemText(list, 1), "new");
  EXPECT_EQ(ItemText(list, 2), "Item 1");
  std::vector<Notice> inserted = Notices({LVN_INSERTITEM});
  ASSERT_EQ(inserted.size(), 1u);
  EXPECT_EQ(inserted[0].item, 1);
  item.iItem = 100;
  EXPECT_EQ(ListView_InsertItem(list, &item), 4) << "past the end appends";
  item.iSubItem = 1;
  EXPECT_EQ(ListView_InsertItem(list, &item), -1) << "an item is never inserted as a subitem";
}

TEST_F(ListViewItems, SortAscendingPlacesNewItemsByText) {
  HWND list = MakeList(LVS_REPORT | LVS_SORTASCENDING, {{"Name", 100}});
  for (const char* name : {"pear", "Apple", "fig", "banana"}) AddRow(list, {name});
  EXPECT_THAT(robot.listViewColumn(halvane::test::Window(list)), ElementsAre("Apple", "banana", "fig", "pear"));
}

int CALLBACK ByParamDescending(LPARAM a, LPARAM b, LPARAM sortParam) {
  EXPECT_EQ(sortParam, 42);
  return static_cast<int>(b - a);
}

TEST_F(ListViewItems, SortItemsOrdersByTheCallbackAndKeepsStates) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 50}});
  AddRow(list, {"one", "1"}, 1);
  AddRow(list, {"three", "3"}, 3);
  AddRow(list, {"two", "2"}, 2);
  SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_TRUE(ListView_SortItems(list, ByParamDescending, 42));
  EXPECT_THAT(robot.listViewColumn(halvane::test::Window(list)), ElementsAre("three", "two", "one"));
  EXPECT_THAT(robot.listViewColumn(halvane::test::Window(list), 1), ElementsAre("3", "2", "1"));
  EXPECT_THAT(Selected(list), ElementsAre(0)) << "the selection moves with its item";
  EXPECT_FALSE(ListView_SortItems(list, nullptr, 0));
}

TEST_F(ListViewItems, FindItemByParamOrText) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRow(list, {"Report"}, 5);
  AddRow(list, {"readme"}, 6);
  AddRow(list, {"Result"}, 7);
  LVFINDINFO find{};
  find.flags = LVFI_PARAM;
  find.lParam = 6;
  EXPECT_EQ(SendMessage(list, LVM_FINDITEM, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 1);
  find.flags = LVFI_STRING;
  find.psz = "RESULT";
  EXPECT_EQ(SendMessage(list, LVM_FINDITEM, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 2);
  find.psz = "Re";
  EXPECT_EQ(SendMessage(list, LVM_FINDITEM, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), -1)
      << "without LVFI_PARTIAL the whole text must match";
  find.flags = LVFI_STRING | LVFI_PARTIAL;
  EXPECT_EQ(SendMessage(list, LVM_FINDITEM, 0, reinterpret_cast<LPARAM>(&find)), 1) << "the search starts after wParam";
  EXPECT_EQ(SendMessage(list, LVM_FINDITEM, 2, reinterpret_cast<LPARAM>(&find)), -1);
  find.flags |= LVFI_WRAP;
  EXPECT_EQ(SendMessage(list, LVM_FINDITEM, 2, reinterpret_cast<LPARAM>(&find)), 0);
}

TEST_F(ListViewItems, GetNextItemByState) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 5);
  SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
  SetState(list, 3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);
  EXPECT_EQ(ListView_GetNextItem(list, 1, LVNI_SELECTED), 3);
  EXPECT_EQ(ListView_GetNextItem(list, 3, LVNI_SELECTED), -1);
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 3);
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_ALL), 0);
  EXPECT_EQ(ListView_GetNextItem(list, 2, LVNI_ALL), 3);
  EXPECT_EQ(ListView_GetNextItem(list, 3, LVNI_SELECTED | LVNI_ABOVE), 1);
  EXPECT_EQ(ListView_GetSelectedCount(list), 2u);
}

TEST_F(ListViewItems, SetItemStateNotifiesAndMovesTheFocus) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 3);
  SetState(list, 0, LVIS_FOCUSED, LVIS_FOCUSED);
  ClearLog();
  SetState(list, 2, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  EXPECT_THAT(Notices({LVN_ITEMCHANGING, LVN_ITEMCHANGED}),
              ElementsAre(Change(LVN_ITEMCHANGING, 0, LVIS_FOCUSED, 0), Change(LVN_ITEMCHANGED, 0, LVIS_FOCUSED, 0),
                          Change(LVN_ITEMCHANGING, 2, 0, LVIS_FOCUSED | LVIS_SELECTED),
                          Change(LVN_ITEMCHANGED, 2, 0, LVIS_FOCUSED | LVIS_SELECTED)));
  EXPECT_EQ(Notices()[0].changed, static_cast<UINT>(LVIF_STATE));
  ClearLog();
  SetState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_TRUE(Notices().empty()) << "no change, no notification";
  SetState(list, -1, 0, LVIS_SELECTED);
  EXPECT_TRUE(Selected(list).empty()) << "item -1 stands for every item";
}

TEST_F(ListViewItems, ARefusedChangeKeepsTheOldState) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 2);
  Log().answerCode = LVN_ITEMCHANGING;
  Log().answer = TRUE;
  SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(State(list, 1), 0u);
  EXPECT_TRUE(Notices({LVN_ITEMCHANGED}).empty());
}

TEST_F(ListViewItems, SingleSelectionKeepsOneSelectedItem) {
  HWND list = MakeList(LVS_REPORT | LVS_SINGLESEL, {{"Name", 100}});
  AddRows(list, 3);
  SetState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
  SetState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_THAT(Selected(list), ElementsAre(2));
}

TEST_F(ListViewItems, DeletingSendsDeleteNotifications) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 3);
  ClearLog();
  EXPECT_TRUE(ListView_DeleteItem(list, 1));
  ASSERT_EQ(Notices().size(), 1u);
  EXPECT_EQ(Notices()[0].code, static_cast<UINT>(LVN_DELETEITEM));
  EXPECT_EQ(Notices()[0].item, 1);
  EXPECT_EQ(ItemText(list, 1), "Item 2");
  EXPECT_FALSE(ListView_DeleteItem(list, 7));
  ClearLog();
  EXPECT_TRUE(ListView_DeleteAllItems(list));
  EXPECT_THAT(Codes(), ElementsAre(LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM));
  EXPECT_EQ(ListView_GetItemCount(list), 0);
}

TEST_F(ListViewItems, AParentAnsweringDeleteAllGetsNoSingleDeletes) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 3);
  Log().answerCode = LVN_DELETEALLITEMS;
  Log().answer = TRUE;
  ClearLog();
  DestroyWindow(list);
  EXPECT_THAT(Codes(), ElementsAre(LVN_DELETEALLITEMS));
}

TEST_F(ListViewItems, CallbackTextsComeFromTheParent) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  Log().callbackTexts = {"name", "size"};
  LVITEM item{};
  item.mask = LVIF_TEXT;
  item.pszText = LPSTR_TEXTCALLBACK;
  ListView_InsertItem(list, &item);
  ListView_InsertItem(list, &item);
  ListView_SetItemText(list, 1, 1, LPSTR_TEXTCALLBACK);
  EXPECT_EQ(ItemText(list, 1, 0), "name 1");
  EXPECT_EQ(ItemText(list, 1, 1), "size 1");
  EXPECT_EQ(ItemText(list, 0, 1), "");
}

TEST_F(ListViewItems, CallbackImagesComeFromTheParent) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  LVITEM item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.pszText = Str("x");
  item.iImage = I_IMAGECALLBACK;
  item.iItem = 0;
  ListView_InsertItem(list, &item);
  LVITEM read{};
  read.mask = LVIF_IMAGE;
  ASSERT_TRUE(ListView_GetItem(list, &read));
  EXPECT_EQ(read.iImage, 100);
}

TEST_F(ListViewItems, AutoSizedColumnsFitCellsOrCaptions) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 40}, {"A much longer caption", 40}, {"Last", 40}});
  AddRow(list, {"A fairly long name", "x"});
  auto width = [&](const char* text) {
    return static_cast<int>(SendMessage(list, LVM_GETSTRINGWIDTH, 0, reinterpret_cast<LPARAM>(text)));
  };
  ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE);
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), width("x") + 12);
  ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE_USEHEADER);
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), width("A much longer caption") + 12);
  ListView_SetColumnWidth(list, 2, LVSCW_AUTOSIZE_USEHEADER);
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_EQ(ListView_GetColumnWidth(list, 0) + ListView_GetColumnWidth(list, 1) + ListView_GetColumnWidth(list, 2),
            client.right)
      << "the last column fills the client";
}

TEST_F(ListViewItems, SetItemChangesTextImageAndParam) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRow(list, {"old"}, 1);
  ClearLog();
  LVITEM item{};
  item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  item.pszText = Str("new");
  item.lParam = 9;
  item.iImage = 3;
  EXPECT_TRUE(ListView_SetItem(list, &item));
  EXPECT_THAT(Codes(), ElementsAre(LVN_ITEMCHANGING, LVN_ITEMCHANGED));
  EXPECT_EQ(Notices()[1].changed, static_cast<UINT>(LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE));
  LVITEM read{};
  read.mask = LVIF_PARAM | LVIF_IMAGE;
  ListView_GetItem(list, &read);
  EXPECT_EQ(read.lParam, 9);
  EXPECT_EQ(read.iImage, 3);
  EXPECT_EQ(ItemText(list, 0), "new");
}

TEST_F(ListViewItems, ColumnsLiveInTheHeader) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}, {"Size", 60}});
  HWND header = ListView_GetHeader(list);
  EXPECT_EQ(Header_GetItemCount(header), 2);
  LVCOLUMN column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.pszText = Str("Date");
  column.cx = 70;
  column.fmt = LVCFMT_RIGHT;
  EXPECT_EQ(ListView_InsertColumn(list, 1, &column), 1);
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), 70);
  EXPECT_EQ(ListView_GetColumnWidth(list, 2), 60);
  char text[16] = {};
  LVCOLUMN read{};
  read.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
  read.pszText = text;
  read.cchTextMax = sizeof(text);
  ASSERT_TRUE(SendMessage(list, LVM_GETCOLUMN, 1, reinterpret_cast<LPARAM>(&read)));
  EXPECT_STREQ(text, "Date");
  EXPECT_EQ(read.fmt, LVCFMT_RIGHT);
  EXPECT_EQ(read.iSubItem, 1);
  EXPECT_TRUE(ListView_SetColumnWidth(list, 0, 120));
  HDITEM hd{};
  hd.mask = HDI_WIDTH;
  Header_GetItem(header, 0, &hd);
  EXPECT_EQ(hd.cxy, 120);
  EXPECT_TRUE(SendMessage(list, LVM_DELETECOLUMN, 1, 0));
  EXPECT_EQ(Header_GetItemCount(header), 2);
  EXPECT_FALSE(SendMessage(list, LVM_DELETECOLUMN, 5, 0));
  EXPECT_EQ(ListView_GetColumnWidth(list, 5), 0);
}

TEST_F(ListViewItems, ExtendedStylesColoursAndImageLists) {
  HWND list = MakeList(LVS_REPORT | LVS_SHAREIMAGELISTS, {{"Name", 100}});
  EXPECT_EQ(ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT), 0u);
  SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
  EXPECT_EQ(ListView_GetExtendedListViewStyle(list), static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
  EXPECT_EQ(SendMessage(list, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));
  SendMessage(list, LVM_SETBKCOLOR, 0, RGB(1, 2, 3));
  SendMessage(list, LVM_SETTEXTCOLOR, 0, RGB(4, 5, 6));
  EXPECT_EQ(SendMessage(list, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(RGB(1, 2, 3)));
  EXPECT_EQ(SendMessage(list, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(RGB(4, 5, 6)));
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
  EXPECT_EQ(ListView_SetImageList(list, images, LVSIL_SMALL), nullptr);
  EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), images);
  EXPECT_EQ(ListView_GetImageList(list, LVSIL_NORMAL), nullptr);
  DestroyWindow(list);
  EXPECT_TRUE(ImageList_Destroy(images)) << "a shared image list outlives the list view";
}

TEST_F(ListViewItems, AListViewDestroysItsOwnImageLists) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
  ListView_SetImageList(list, images, LVSIL_SMALL);
  DestroyWindow(list);
  EXPECT_FALSE(ImageList_Destroy(images));
}

TEST_F(ListViewItems, BadInputAndDestroyedWindowsFail) {
  HWND list = MakeList(LVS_REPORT, {{"Name", 100}});
  AddRows(list, 2);
  EXPECT_EQ(SendMessage(list, LVM_INSERTITEM, 0, 0), -1);
  EXPECT_FALSE(SendMessage(list, LVM_GETITEM, 0, 0));
  EXPECT_FALSE(SendMessage(list, LVM_SETITEM, 0, 0));
  EXPECT_EQ(SendMessage(list, LVM_INSERTCOLUMN, 0, 0), -1);
  EXPECT_EQ(SendMessage(list, LVM_GETITEMTEXT, 5, 0), 0);
  EXPECT_EQ(SendMessage(list, LVM_FINDITEM, static_cast<WPARAM>(-1), 0), -1);
  EXPECT_EQ(SendMessage(list, LVM_HITTEST, 0, 0), -1);
  EXPECT_FALSE(SendMessage(list, LVM_GETITEMRECT, 0, 0));
  RECT rc{};
  EXPECT_FALSE(ListView_GetItemRect(list, 9, &rc, LVIR_BOUNDS));
  EXPECT_FALSE(ListView_GetItemRect(list, 0, &rc, 17));
  EXPECT_FALSE(ListView_EnsureVisible(list, 9, FALSE));
  EXPECT_EQ(ListView_GetItemState(list, 9, LVIS_SELECTED), 0u);
  DestroyWindow(list);
  EXPECT_EQ(ListView_GetItemCount(list), 0);
  EXPECT_EQ(ListView_GetHeader(list), nullptr);
  EXPECT_FALSE(ListView_DeleteAllItems(list));
  EXPECT_EQ(robot.listViewItemCount(halvane::test::Window(list)), 0);
}

}  // namespace
}  // namespace listview_test
