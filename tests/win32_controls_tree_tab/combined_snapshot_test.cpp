// One dialog with a toolbar, a tab control and, on its page, a tree view
// and a report list view sharing an image list: rendered for people to look
// at, with checks that the pieces sit where the dialog puts them.
#include <string>

#include "internal/dlg_template_builder.h"
#include "image_strip.h"
#include "robot.h"
#include "tree_tab_fixture.h"

namespace tree_tab_test {
namespace {

using win32::internal::DialogTemplateBuilder;
using CombinedSnapshot = TreeTabTest;

constexpr WORD kTabId = 1101;
constexpr WORD kTreeId = 1102;
constexpr WORD kListId = 1103;

INT_PTR CALLBACK QuietDialog(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

HTREEITEM AddNode(HWND tree, HTREEITEM parent, const char* text, bool folder) {
  TVINSERTSTRUCT tvis{};
  tvis.hParent = parent;
  tvis.hInsertAfter = TVI_LAST;
  tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tvis.item.pszText = const_cast<LPSTR>(text);
  tvis.item.iImage = folder ? halvane::test::kClosedFolderIcon : halvane::test::kPageIcon;
  tvis.item.iSelectedImage = folder ? halvane::test::kOpenFolderIcon : halvane::test::kPageIcon;
  return TreeView_InsertItem(tree, &tvis);
}

HTREEITEM FillTree(HWND tree, HIMAGELIST images) {
  EXPECT_EQ(TreeView_SetImageList(tree, images, TVSIL_NORMAL), nullptr);
  HTREEITEM repository = AddNode(tree, TVI_ROOT, "Repository", true);
  HTREEITEM objects = AddNode(tree, repository, "Business objects", true);
  for (const char* name : {"Customer", "Order", "Invoice"}) AddNode(tree, objects, name, false);
  AddNode(tree, repository, "Connectors", true);
  TreeView_Expand(tree, repository, TVE_EXPAND);
  TreeView_Expand(tree, objects, TVE_EXPAND);
  TreeView_SelectItem(tree, objects);
  return repository;
}

void FillList(HWND list, HIMAGELIST images) {
  const char* columns[] = {"Name", "Type"};
  const int widths[] = {90, 90};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPSTR>(columns[c]);
    column.cx = widths[c];
    ListView_InsertColumn(list, c, &column);
  }
  ListView_SetImageList(list, images, LVSIL_SMALL);
  const char* names[] = {"Customer", "Order", "Invoice"};
  for (int i = 0; i < 3; ++i) {
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = i;
    item.pszText = const_cast<LPSTR>(names[i]);
    item.iImage = halvane::test::kPageIcon;
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, i, 1, const_cast<LPSTR>("Business object"));
  }
  ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
}

HWND AddToolbar(HWND dialog) {
  TBBUTTON buttons[5] = {};
  const int images[] = {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE, 0, STD_DELETE};
  for (int i = 0; i < 5; ++i) {
    buttons[i].iBitmap = images[i];
    buttons[i].idCommand = i == 3 ? 0 : 200 + i;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = i == 3 ? TBSTYLE_SEP : TBSTYLE_BUTTON;
  }
  return CreateToolbarEx(dialog, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, 1100, 15, HINST_COMMCTRL, IDB_STD_SMALL_COLOR,
                         buttons, 5, 0, 0, 16, 15, sizeof(TBBUTTON));
}

RECT RectIn(HWND dialog, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST_F(CombinedSnapshot, DialogWithToolbarTabsTreeAndReportList) {
  InitCommonControls();
  DialogTemplateBuilder dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, RECT{0, 0, 300, 170},
                               "Repository Browser", {8, "MS Sans Serif"});
  // The tab control comes after its page's controls: below them in z-order.
  dialog
      .Item(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                TVS_SHOWSELALWAYS,
            WS_EX_CLIENTEDGE, RECT{14, 40, 112, 138}, kTreeId, WC_TREEVIEW, "")
      .Item(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE,
            RECT{116, 40, 286, 138}, kListId, WC_LISTVIEW, "")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, RECT{7, 22, 293, 144}, kTabId, WC_TABCONTROL, "")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, RECT{188, 150, 238, 164}, IDOK, "Button", "OK")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, RECT{243, 150, 293, 164}, IDCANCEL, "Button", "Cancel");
  HWND hwnd = CreateDialogIndirect(nullptr, dialog.Get(), parent_, QuietDialog);
  ASSERT_NE(hwnd, nullptr);
  HWND tabs = GetDlgItem(hwnd, kTabId), tree = GetDlgItem(hwnd, kTreeId), list = GetDlgItem(hwnd, kListId);
  ASSERT_TRUE(tabs && tree && list);
  HIMAGELIST images = halvane::test::MakeFileIcons();
  EXPECT_EQ(TabCtrl_SetImageList(tabs, images), nullptr);
  int index = 0;
  for (const char* label : {"Objects", "Connectors"}) {
    TCITEM item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<LPSTR>(label);
    item.iImage = index == 0 ? halvane::test::kOpenFolderIcon : halvane::test::kClosedFolderIcon;
    TabCtrl_InsertItem(tabs, index++, &item);
  }
  FillTree(tree, images);
  FillList(list, images);
  HWND toolbar = AddToolbar(hwnd);
  ASSERT_NE(toolbar, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  SetFocus(tree);
  UpdateWindow(hwnd);
  Pump();
  halvane::test::Snapshot(hwnd, "combined_controls_dialog");

  // The toolbar runs along the top above the tabs; the tree and the list
  // sit on the tab's page, side by side.
  const RECT bar = RectIn(hwnd, toolbar), tab = RectIn(hwnd, tabs);
  EXPECT_EQ(bar.top, 0);
  EXPECT_LE(bar.bottom, tab.top);
  RECT page = tab;
  TabCtrl_AdjustRect(tabs, FALSE, &page);
  EXPECT_TRUE(Inside(RectIn(hwnd, tree), page));
  EXPECT_TRUE(Inside(RectIn(hwnd, list), page));
  EXPECT_LE(RectIn(hwnd, tree).right, RectIn(hwnd, list).left);
  // The selected folder shows its open image, the first row of the list its
  // page image: both from the one shared list.
  RECT label{};
  HTREEITEM objects = TreeView_GetNextItem(tree, TreeView_GetRoot(tree), TVGN_CHILD);
  TreeView_GetItemRect(tree, objects, &label, TRUE);
  HDC dc = GetDC(tree);
  EXPECT_EQ(GetPixel(dc, label.left - 14, (label.top + label.bottom) / 2 + 3), RGB(255, 240, 170));
  ReleaseDC(tree, dc);
  DestroyWindow(hwnd);
  ImageList_Destroy(images);
}

}  // namespace
}  // namespace tree_tab_test
