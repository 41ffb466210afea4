// A dialog with a report list view (three columns, an image list, some
// selected rows), rendered for people to look at.
#include <filesystem>

#include "image_strip.h"
#include "internal/dlg_template_builder.h"
#include "listview_fixture.h"

namespace listview_test {
namespace {

using halvane::test::Window;
using win32::internal::DialogTemplateBuilder;
using ListViewSnapshot = ListViewTest;

constexpr WORD kListId = 1001;

INT_PTR CALLBACK SnapshotDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

void Fill(HWND list) {
  const char* columns[] = {"Name", "Type", "Size"};
  const int widths[] = {120, 90, 60};
  for (int c = 0; c < 3; ++c) {
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = Str(columns[c]);
    column.cx = widths[c];
    column.fmt = c == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    ListView_InsertColumn(list, c, &column);
  }
  ListView_SetImageList(list, halvane::test::MakeFileIcons(), LVSIL_SMALL);
  struct Row {
    const char* name;
    const char* type;
    const char* size;
    int image;
  };
  using halvane::test::kClosedFolderIcon;
  using halvane::test::kPageIcon;
  const Row rows[] = {
      {"Connectors", "Folder", "", kClosedFolderIcon},        {"Templates", "Folder", "", kClosedFolderIcon},
      {"Customer.bo", "Business object", "12 KB", kPageIcon}, {"Order.bo", "Business object", "8 KB", kPageIcon},
      {"Invoice.bo", "Business object", "15 KB", kPageIcon},  {"readme.txt", "Text", "1 KB", kPageIcon}};
  int index = 0;
  for (const Row& row : rows) {
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = Str(row.name);
    item.iImage = row.image;
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, index, 1, Str(row.type));
    ListView_SetItemText(list, index, 2, Str(row.size));
    ++index;
  }
}

TEST_F(ListViewSnapshot, ReportViewInADialog) {
  // Rectangles in dialog units: left, top, right, bottom.
  DialogTemplateBuilder dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME, 0, RECT{0, 0, 200, 130},
                               "Open", {8, "MS Sans Serif"});
  dialog.Item(WS_CHILD | WS_VISIBLE, 0, RECT{7, 7, 100, 15}, 0xFFFF, "Static", "&Objects:")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE,
            RECT{7, 18, 193, 102}, kListId, WC_LISTVIEW, "")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, RECT{89, 109, 139, 123}, IDOK, "Button", "OK")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, RECT{143, 109, 193, 123}, IDCANCEL, "Button", "Cancel");
  HWND dlg = CreateDialogIndirectParam(nullptr, dialog.Get(), parent_, SnapshotDialogProc, 0);
  ASSERT_NE(dlg, nullptr);
  HWND list = GetDlgItem(dlg, kListId);
  ASSERT_NE(list, nullptr);
  Fill(list);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  ShowWindow(dlg, SW_SHOW);
  robot.clickListViewItem(Window(list), 2);
  robot.clickListViewItem(Window(list), 4, {VK_CONTROL});
  ASSERT_EQ(robot.listViewSelection(Window(list)), (std::vector<int>{2, 4}));
  UpdateWindow(dlg);
  robot.snapshot(Window(dlg), "listview_report_dialog");

  // The selection shows in the highlight colour across the row; other rows
  // keep the window colour.
  HDC dc = GetDC(list);
  RECT selected = ItemRect(list, 2, LVIR_BOUNDS);
  RECT plain = ItemRect(list, 1, LVIR_BOUNDS);
  EXPECT_EQ(GetPixel(dc, 200, (selected.top + selected.bottom) / 2), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(GetPixel(dc, 200, (plain.top + plain.bottom) / 2), GetSysColor(COLOR_WINDOW));
  // The focused row carries the dotted focus rectangle on its edge.
  RECT focused = ItemRect(list, 4, LVIR_BOUNDS);
  COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_NE(GetPixel(dc, 10, focused.top), highlight);
  EXPECT_EQ(GetPixel(dc, 11, focused.top), highlight);
  ReleaseDC(list, dc);

  // Without the focus the selection stays visible in the button face colour.
  SetFocus(GetDlgItem(dlg, IDOK));
  UpdateWindow(dlg);
  dc = GetDC(list);
  EXPECT_EQ(GetPixel(dc, 200, (selected.top + selected.bottom) / 2), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(list, dc);
  robot.snapshot(Window(dlg), "listview_report_dialog_unfocused");
  DestroyWindow(dlg);
}

}  // namespace
}  // namespace listview_test
