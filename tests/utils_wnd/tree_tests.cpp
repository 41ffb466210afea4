// HLTreeCtrl: takes a dialog placeholder's place, keeps its columns at
// their shares of the width, finds children by text.
#include <HLTreeCtrl.h>

#include "utils_wnd_fixture.h"

namespace {

using halvane::test::Window;
using TreeTest = UtilsWndTest;

constexpr UINT IDC_BEFORE = 1001;
constexpr UINT IDC_TREE = 1059;
constexpr UINT IDC_AFTER = 1002;

HWND AddChild(CWnd& parent, const char* cls, UINT id, const CRect& rect) {
  return ::CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect.left, rect.top, rect.Width(),
                          rect.Height(), parent.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                          nullptr, nullptr);
}

TEST_F(TreeTest, TheTreeTakesThePlaceholdersPlaceIdAndTurn) {
  CWnd page;
  ASSERT_TRUE(CreateTopLevel(page, "Step 3"));
  AddChild(page, "BUTTON", IDC_BEFORE, CRect(5, 5, 60, 25));
  HWND placeholder = AddChild(page, "STATIC", IDC_TREE, CRect(10, 30, 310, 230));
  AddChild(page, "BUTTON", IDC_AFTER, CRect(5, 240, 60, 260));

  HLTreeCtrl tree;
  EXPECT_FALSE(tree.ReplaceControl(&page, 4242)) << "no such control";
  ASSERT_TRUE(tree.ReplaceControl(&page, IDC_TREE));
  EXPECT_FALSE(::IsWindow(placeholder));
  EXPECT_EQ(::GetDlgItem(page.GetSafeHwnd(), IDC_TREE), tree.GetSafeHwnd());
  CRect rect;
  tree.GetWindowRect(rect);
  page.ScreenToClient(rect);
  EXPECT_EQ(rect, CRect(10, 30, 310, 230));
  EXPECT_EQ(::GetWindow(::GetDlgItem(page.GetSafeHwnd(), IDC_BEFORE), GW_HWNDNEXT), tree.GetSafeHwnd());
  EXPECT_EQ(::GetWindow(tree.GetSafeHwnd(), GW_HWNDNEXT), ::GetDlgItem(page.GetSafeHwnd(), IDC_AFTER));
  EXPECT_NE(tree.GetTreeCtrlStyles() & TVXS_COLUMNHEADER, 0u);
  EXPECT_FALSE(tree.ReplaceControl(&page, IDC_AFTER)) << "one window per object";
  tree.DestroyWindow();
  page.DestroyWindow();
}

TEST_F(TreeTest, ColumnsKeepTheirSharesAndChildrenAreFoundByText) {
  CWnd page;
  ASSERT_TRUE(CreateTopLevel(page, "Step 3"));
  AddChild(page, "STATIC", IDC_TREE, CRect(0, 0, 300, 200));
  HLTreeCtrl tree;
  ASSERT_TRUE(tree.ReplaceControl(&page, IDC_TREE));
  EXPECT_EQ(tree.AddColumn("Name", 0.6), 0);
  EXPECT_EQ(tree.AddColumn("Description", 0.4, 3), 1);
  EXPECT_EQ(tree.GetColumnHeading(1), "Description");

  tree.MoveWindow(0, 0, 400, 200);
  CRect client;
  tree.GetClientRect(client);
  EXPECT_EQ(tree.GetColumnWidth(0), static_cast<int>(client.Width() * 0.6));
  EXPECT_EQ(tree.GetColumnWidth(1), static_cast<int>(client.Width() * 0.4) + 3);

  HTREEITEM tables = tree.InsertItem("Tables");
  HTREEITEM orders = tree.InsertItem("Orders", tables);
  tree.SetItemString(orders, 1, "Open orders");
  tree.InsertItem("Customers", tables);
  EXPECT_EQ(tree.FindChildItem(TVI_ROOT, "tables"), tables);
  EXPECT_EQ(tree.FindChildItem(tables, "ORDERS"), orders);
  EXPECT_EQ(tree.FindChildItem(tables, "open orders", 1), orders);
  EXPECT_EQ(tree.FindChildItem(tables, "Views"), nullptr);
  EXPECT_EQ(tree.FindChildItem(orders, "Orders"), nullptr);
  tree.DestroyWindow();
  page.DestroyWindow();
}

}  // namespace
