// Snapshots of a dialog with a tree view (three levels, lines and buttons,
// an expanded branch and a selection) and of one with a tab control of
// three tabs.
#include <string>

#include "internal/dlg_template_builder.h"
#include "robot.h"
#include "tree_tab_fixture.h"

namespace tree_tab_test {
namespace {

using win32::internal::DialogTemplateBuilder;
using Snapshots = TreeTabTest;

constexpr WORD kTreeId = 1059;
constexpr WORD kTabId = 1060;

INT_PTR CALLBACK QuietDialog(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

HWND ShowDialog(const DialogTemplateBuilder& dialog, HWND owner) {
  HWND hwnd = CreateDialogIndirect(nullptr, dialog.Get(), owner, QuietDialog);
  EXPECT_NE(hwnd, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  return hwnd;
}

void ExpectSnapshot(HWND dialog, const char* name) {
  UpdateWindow(dialog);
  Pump();
  halvane::test::Snapshot(dialog, name);
}

TEST_F(Snapshots, DialogWithATreeOfThreeLevels) {
  DialogTemplateBuilder dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, RECT{0, 0, 200, 150},
                               "Select Source", {8, "MS Sans Serif"});
  dialog.Item(WS_CHILD | WS_VISIBLE, 0, RECT{7, 7, 193, 15}, 0xFFFF, "Static", "Objects:")
      .Item(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                TVS_SHOWSELALWAYS,
            WS_EX_CLIENTEDGE, RECT{7, 18, 193, 124}, kTreeId, WC_TREEVIEW, "")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, RECT{88, 129, 138, 143}, IDOK, "Button", "OK")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, RECT{143, 129, 193, 143}, IDCANCEL, "Button", "Cancel");
  HWND hwnd = ShowDialog(dialog, parent_);
  HWND tree = GetDlgItem(hwnd, kTreeId);
  ASSERT_NE(tree, nullptr);
  SampleTree s = BuildSample(tree);
  TreeView_SetItemState(tree, s.banana, TVIS_BOLD, TVIS_BOLD);
  TreeView_Expand(tree, s.fruit, TVE_EXPAND);
  TreeView_Expand(tree, s.banana, TVE_EXPAND);
  SetFocus(tree);
  TreeView_SelectItem(tree, s.plantain);
  ExpectSnapshot(hwnd, "tree_view_dialog");
  EXPECT_EQ(TreeView_GetSelection(tree), s.plantain);
}

TEST_F(Snapshots, DialogWithATabControlOfThreeTabs) {
  DialogTemplateBuilder dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, RECT{0, 0, 220, 140},
                               "Connector Properties", {8, "MS Sans Serif"});
  dialog.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | TCS_TABS, 0, RECT{7, 7, 213, 112}, kTabId, WC_TABCONTROL, "")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, RECT{20, 35, 170, 45}, 1001, "Button",
            "Trace to file")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, RECT{108, 119, 158, 133}, IDOK, "Button", "OK")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, RECT{163, 119, 213, 133}, IDCANCEL, "Button", "Cancel");
  HWND hwnd = ShowDialog(dialog, parent_);
  HWND tabs = GetDlgItem(hwnd, kTabId);
  ASSERT_NE(tabs, nullptr);
  int index = 0;
  for (const char* label : {"General", "Trace", "Data Handler"}) {
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(label);
    TabCtrl_InsertItem(tabs, index++, &item);
  }
  TabCtrl_SetCurSel(tabs, 1);
  // The page sits in the display area, above the tab control.
  SetWindowPos(GetDlgItem(hwnd, 1001), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ExpectSnapshot(hwnd, "tab_control_dialog");
  EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
}

}  // namespace
}  // namespace tree_tab_test
