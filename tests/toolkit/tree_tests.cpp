// The toolkit tree: columns with width ratios, items and traversal,
// expansion by mouse and keys with the owner filling children, multiple
// selection, hit tests, marking and deletion, driven through the robot.
#include <secall.h>

#include <string>

#include "toolkit_fixture.h"

namespace {

using halvane::test::Window;

class TreeTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ASSERT_TRUE(host.CreateHost("Tree host"));
    ASSERT_TRUE(tree.Create(WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                            CRect(0, 0, 300, 200), &host, 100));
    tree.ModifyTreeCtrlStyles(0, TVXS_MULTISEL | TVXS_COLUMNHEADER);
    tree.InsertColumn(0, "Name");
    tree.InsertColumn(1, "Description");
    robot.pumpUntilIdle();
  }
  void TearDown() override {
    host.onNotify = nullptr;  // it may refer to the test body's locals
    host.DestroyWindow();
    ToolkitTest::TearDown();
  }

  HTREEITEM Add(const char* text, HTREEITEM parent = TVI_ROOT, const char* second = "", LPARAM data = 0,
                bool children = false) {
    TVINSERTSTRUCT tvis{};
    tvis.hParent = parent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    tvis.item.pszText = const_cast<LPSTR>(text);
    tvis.item.lParam = data;
    tvis.item.cChildren = children ? 1 : 0;
    HTREEITEM item = tree.InsertItem(&tvis);
    tree.SetItemString(item, 1, second);
    return item;
  }
  POINT Centre(const RECT& rc) { return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }
  POINT LabelPoint(HTREEITEM item) {
    RECT rc{};
    EXPECT_TRUE(tree.GetItemRect(item, &rc, TRUE));
    return Centre(rc);
  }
  // The centre of the expand button: the indent column left of the label.
  POINT ButtonPoint(HTREEITEM item) {
    RECT rc{};
    EXPECT_TRUE(tree.GetItemRect(item, &rc, TRUE));
    return POINT{rc.left - tree.GetIndent() / 2 - 1, (rc.top + rc.bottom) / 2};
  }
  void Click(HTREEITEM item, UINT withKey = 0) {
    if (withKey) robot.press(withKey);
    robot.click(Window(tree.m_hWnd), LabelPoint(item));
    if (withKey) robot.release(withKey);
  }
  std::vector<std::string> SelectedTexts() {
    std::vector<std::string> texts;
    for (HTREEITEM item : tree.GetSelectedItems()) texts.push_back(std::string(tree.GetItemText(item)));
    return texts;
  }

  NotifyHost host;
  SECTreeCtrl tree;
};

TEST_F(TreeTest, ColumnsKeepTheirShareOfTheWidthAndItemsTheirTexts) {
  CRect client;
  tree.GetClientRect(&client);
  tree.SetColumnWidthRatio(0, 0.6);
  tree.SetColumnWidthRatio(1, 0.4, 3);
  EXPECT_EQ(tree.GetColumnWidth(0), static_cast<int>(0.6 * client.Width()));
  EXPECT_EQ(tree.GetColumnWidth(1), static_cast<int>(0.4 * client.Width()) + 3);
  tree.SetWindowPos(nullptr, 0, 0, 250, 150, SWP_NOZORDER | SWP_NOMOVE);
  tree.GetClientRect(&client);
  EXPECT_EQ(tree.GetColumnWidth(0), static_cast<int>(0.6 * client.Width())) << "the ratio follows a resize";
  EXPECT_EQ(tree.GetColumnHeading(1), CString("Description"));
  EXPECT_TRUE(Window(tree.GetHeaderCtrl()->m_hWnd).isVisible());

  HTREEITEM tables = Add("Tables", TVI_ROOT, "All tables", 7);
  HTREEITEM orders = Add("Orders", tables, "Order lines", 8);
  HTREEITEM parts = Add("Parts", tables, "Spare parts", 9);
  HTREEITEM views = Add("Views");
  EXPECT_EQ(tree.GetCount(), 4u);
  EXPECT_EQ(tree.GetRootItem(), tables);
  EXPECT_EQ(tree.GetNextSiblingItem(tables), views);
  EXPECT_EQ(tree.GetPrevSiblingItem(views), tables);
  EXPECT_EQ(tree.GetChildItem(tables), orders);
  EXPECT_EQ(tree.GetNextSiblingItem(orders), parts);
  EXPECT_EQ(tree.GetNextSiblingItem(parts), nullptr);
  EXPECT_EQ(tree.GetParentItem(parts), tables);
  EXPECT_EQ(tree.GetParentItem(tables), nullptr);
  EXPECT_EQ(tree.GetItemText(parts, 1), CString("Spare parts"));
  EXPECT_EQ(tree.GetItemData(orders), 8u);
  EXPECT_TRUE(tree.ItemHasChildren(tables));
  EXPECT_FALSE(tree.ItemHasChildren(views));
  // Children of a collapsed parent have no row until it opens.
  EXPECT_EQ(tree.GetNextVisibleItem(tables), views);
  EXPECT_FALSE(tree.GetItemRect(orders, CRect(), FALSE));
  EXPECT_TRUE(tree.Expand(tables, TVE_EXPAND));
  EXPECT_EQ(tree.GetNextVisibleItem(tables), orders);
}

TEST_F(TreeTest, SecondColumnTextAndBoldLabelsAreDrawn) {
  HTREEITEM plain = Add("Plain", TVI_ROOT, "Second text");
  HTREEITEM bold = Add("Plain", TVI_ROOT);
  tree.SetItemBold(bold, TRUE);
  EXPECT_TRUE(tree.IsItemBold(bold));
  RECT cell{};
  ASSERT_TRUE(tree.GetItemCellRect(plain, 1, &cell));
  EXPECT_EQ(cell.left, tree.GetColumnWidth(0));
  EXPECT_TRUE(AnyPixel(tree, cell, ::GetSysColor(COLOR_WINDOWTEXT))) << "the second column shows its text";
  RECT empty{};
  ASSERT_TRUE(tree.GetItemCellRect(bold, 1, &empty));
  EXPECT_FALSE(AnyPixel(tree, empty, ::GetSysColor(COLOR_WINDOWTEXT)));
  RECT plainLabel{}, boldLabel{};
  tree.GetItemRect(plain, &plainLabel, TRUE);
  tree.GetItemRect(bold, &boldLabel, TRUE);
  EXPECT_GT(boldLabel.right - boldLabel.left, plainLabel.right - plainLabel.left) << "bold text is wider";
}

TEST_F(TreeTest, ClickOnTheButtonLetsTheOwnerFillTheChildren) {
  HTREEITEM source = Add("Source", TVI_ROOT, "", 0, true);
  HTREEITEM empty = Add("Empty", TVI_ROOT, "", 0, true);
  int expanding = 0;
  host.onNotify = [&](NMHDR* hdr) -> LRESULT {
    if (hdr->code != TVN_ITEMEXPANDING) return 0;
    auto* nm = reinterpret_cast<NMTREEVIEW*>(hdr);
    ++expanding;
    if (nm->action == TVE_EXPAND && nm->itemNew.hItem == source && !tree.GetChildItem(source)) {
      Add("First", source);
      Add("Second", source);
    }
    return 0;
  };
  robot.click(Window(tree.m_hWnd), ButtonPoint(source));
  EXPECT_EQ(expanding, 1);
  EXPECT_EQ(host.Count(TVN_ITEMEXPANDED), 1);
  EXPECT_TRUE(tree.GetItemState(source, TVIS_EXPANDED));
  EXPECT_EQ(tree.GetItemText(tree.GetNextVisibleItem(source)), CString("First"));
  EXPECT_EQ(tree.GetSelectedItem(), nullptr) << "the button does not select";

  robot.click(Window(tree.m_hWnd), ButtonPoint(source));
  EXPECT_FALSE(tree.GetItemState(source, TVIS_EXPANDED));
  EXPECT_EQ(tree.GetNextVisibleItem(source), empty);

  // A branch that turns out empty loses its button.
  robot.click(Window(tree.m_hWnd), ButtonPoint(empty));
  EXPECT_FALSE(tree.ItemHasChildren(empty));
  UINT flags = 0;
  tree.HitTest(ButtonPoint(empty), &flags);
  EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMINDENT));

  // Double click on a label toggles too.
  robot.doubleClick(Window(tree.m_hWnd), LabelPoint(source));
  EXPECT_TRUE(tree.GetItemState(source, TVIS_EXPANDED));
}

TEST_F(TreeTest, KeysMoveOpenAndCloseBranches) {
  HTREEITEM root = Add("Root", TVI_ROOT, "", 0, true);
  HTREEITEM other = Add("Other");
  host.onNotify = [&](NMHDR* hdr) -> LRESULT {
    if (hdr->code == TVN_ITEMEXPANDING && !tree.GetChildItem(root)) {
      Add("Leaf one", root);
      Add("Leaf two", root);
    }
    return 0;
  };
  Click(root);
  EXPECT_EQ(tree.GetSelectedItem(), root);
  robot.key(VK_RIGHT);
  EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED)) << "Right opens the branch";
  robot.key(VK_RIGHT);
  EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), CString("Leaf one")) << "then moves to its first child";
  robot.key(VK_DOWN);
  EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), CString("Leaf two"));
  robot.key(VK_DOWN);
  EXPECT_EQ(tree.GetSelectedItem(), other);
  robot.key(VK_UP);
  robot.key(VK_LEFT);
  EXPECT_EQ(tree.GetSelectedItem(), root) << "Left goes to the parent";
  robot.key(VK_LEFT);
  EXPECT_FALSE(tree.GetItemState(root, TVIS_EXPANDED)) << "then closes it";
  EXPECT_GE(host.Count(TVN_SELCHANGED), 4);
  EXPECT_GE(host.Count(TVN_KEYDOWN), 6);
  robot.key(VK_END);
  EXPECT_EQ(tree.GetSelectedItem(), other);
  EXPECT_EQ(tree.GetSelectedCount(), 1u);
}

TEST_F(TreeTest, TypedLettersFindTheNextItemByItsText) {
  for (const char* text : {"Beta", "Alpha", "Bravo", "Charlie", "Bob"}) Add(text);
  tree.SetFocus();
  robot.type("b");
  EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), CString("Beta"));
  robot.type("r");
  EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), CString("Bravo")) << "letters typed quickly form a prefix";
  robot.advance(1500);
  robot.type("b");
  EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), CString("Bob")) << "after a pause a letter starts again";
  robot.advance(1500);
  robot.type("B");
  EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), CString("Beta")) << "the search wraps, any case";
  robot.advance(1500);
  robot.type("z");
  EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), CString("Beta")) << "no match moves nothing";
}

TEST_F(TreeTest, CtrlAndShiftExtendTheSelection) {
  std::vector<HTREEITEM> items;
  for (const char* text : {"a", "b", "c", "d", "e"}) items.push_back(Add(text));
  Click(items[0]);
  Click(items[2], VK_CONTROL);
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"a", "c"}));
  Click(items[4], VK_SHIFT);
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"c", "d", "e"})) << "Shift extends from the last click";
  Click(items[3], VK_CONTROL);
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"c", "e"})) << "Ctrl takes one out again";
  EXPECT_EQ(tree.GetFocusItem(), items[3]);
  EXPECT_EQ(tree.GetFirstSelectedItem(), items[2]);
  EXPECT_EQ(tree.GetNextSelectedItem(items[2]), items[4]);
  robot.keys({VK_SHIFT, VK_UP});
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"c", "d"}));
  Click(items[1]);
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"b"})) << "a plain click selects one";

  tree.ModifyTreeCtrlStyles(TVXS_MULTISEL, 0);
  Click(items[3], VK_CONTROL);
  EXPECT_EQ(SelectedTexts(), (std::vector<std::string>{"d"})) << "without the style the tree selects one";
}

TEST_F(TreeTest, HitTestNamesThePartUnderThePoint) {
  // Two images: green (normal) and red (selected).
  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 2, 1));
  {
    CBitmap strip;
    ASSERT_TRUE(PaintHalves(strip, 32, 16, RGB(0, 160, 0), RGB(200, 0, 0)));
    ASSERT_EQ(images.Add(&strip, static_cast<CBitmap*>(nullptr)), 0);
  }
  EXPECT_EQ(tree.SetImageList(&images, TVSIL_NORMAL), nullptr);
  EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL)->GetSafeHandle(), images.GetSafeHandle());
  HTREEITEM parent = Add("Parent", TVI_ROOT, "Described");
  HTREEITEM child = Add("Child", parent);
  tree.SetItemImage(parent, 0, 1);
  tree.Expand(parent, TVE_EXPAND);
  RECT row{}, label{};
  ASSERT_TRUE(tree.GetItemRect(child, &row, FALSE));
  ASSERT_TRUE(tree.GetItemRect(child, &label, TRUE));
  UINT flags = 0;
  int column = -1;
  EXPECT_EQ(tree.HitTest(CPoint(LabelPoint(child)), &flags, &column), child);
  EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMLABEL));
  EXPECT_EQ(column, 0);
  EXPECT_EQ(tree.HitTest(CPoint(label.left - 8, label.top + 2), &flags), child);
  EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMICON));
  RECT parentIcon{};
  tree.GetItemRect(parent, &parentIcon, TRUE);
  EXPECT_EQ(PixelAt(tree, parentIcon.left - 10, (parentIcon.top + parentIcon.bottom) / 2), RGB(0, 160, 0));
  tree.SelectItem(parent);
  EXPECT_EQ(PixelAt(tree, parentIcon.left - 10, (parentIcon.top + parentIcon.bottom) / 2), RGB(200, 0, 0))
      << "the selected image";
  EXPECT_EQ(tree.HitTest(CPoint(2, label.top + 2), &flags), child);
  EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMINDENT));
  EXPECT_EQ(tree.HitTest(CPoint(tree.GetColumnWidth(0) + 5, label.top + 2), &flags, &column), child);
  EXPECT_EQ(column, 1);
  RECT parentLabel{};
  tree.GetItemRect(parent, &parentLabel, TRUE);
  EXPECT_EQ(tree.HitTest(CPoint(parentLabel.left - 16 - 3 - tree.GetIndent() / 2 - 1, parentLabel.top + 8), &flags),
            parent);
  EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMBUTTON));
  EXPECT_EQ(tree.HitTest(CPoint(10, row.bottom + 3 * tree.GetItemHeight()), &flags), nullptr);
  EXPECT_EQ(flags, static_cast<UINT>(TVHT_NOWHERE));
  TVHITTESTINFO info{};
  info.pt = LabelPoint(parent);
  EXPECT_EQ(tree.HitTest(&info), parent);
  tree.SetImageList(nullptr, TVSIL_NORMAL);
}

TEST_F(TreeTest, MarkMatchHighlightsMatchesAndBringsTheLastIntoView) {
  HTREEITEM parent = Add("Objects");
  HTREEITEM other = nullptr;
  for (int i = 0; i < 20; ++i) {
    std::string name = (i % 5 == 0 ? "Table" : "View") + std::to_string(i);
    HTREEITEM item = Add(name.c_str(), parent);
    if (i == 1) other = item;
  }
  HTREEITEM last = tree.MarkMatch(parent, "tab*");
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(tree.GetItemText(last), CString("Table15"));
  EXPECT_TRUE(tree.IsItemMatch(last));
  EXPECT_TRUE(tree.IsItemMarked(other));
  EXPECT_FALSE(tree.IsItemMatch(other));
  EXPECT_TRUE(tree.GetItemState(parent, TVIS_EXPANDED)) << "the match was brought into view";
  RECT label{};
  ASSERT_TRUE(tree.GetItemRect(last, &label, TRUE));
  CRect client;
  tree.GetClientRect(&client);
  EXPECT_LE(label.bottom, client.bottom);
  EXPECT_EQ(PixelAt(tree, label.left + 1, label.top + 1), ::GetSysColor(COLOR_INFOBK));
  robot.snapshot(Window(host.m_hWnd), "tree_marked_matches");
  EXPECT_EQ(tree.MarkMatch(parent, "nothing?"), nullptr);
  tree.ClearMarks();
  EXPECT_FALSE(tree.IsItemMarked(last));
}

TEST_F(TreeTest, TheThumbReachesRowsPastTheMessagesSixteenBits) {
  HTREEITEM root = Add("root");
  std::vector<HTREEITEM> leaves;
  for (int i = 0; i < 70000; ++i) leaves.push_back(tree.InsertItem("leaf", root));
  ASSERT_TRUE(tree.Expand(root, TVE_EXPAND));
  tree.SetScrollPos(SB_VERT, 69990);
  tree.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(69990)));
  EXPECT_EQ(tree.GetFirstVisibleItem(), leaves[69989]) << "row 69990, the root being row 0";
}

TEST_F(TreeTest, DeletingAParentDeletesAndReportsItsChildren) {
  HTREEITEM parent = Add("Parent", TVI_ROOT, "", 1);
  HTREEITEM child = Add("Child", parent, "", 2);
  Add("Grandchild", child, "", 3);
  HTREEITEM keep = Add("Keep", TVI_ROOT, "", 4);
  tree.Expand(parent, TVE_EXPAND);
  tree.SelectItem(child);
  std::vector<LPARAM> deleted;
  host.onNotify = [&](NMHDR* hdr) -> LRESULT {
    if (hdr->code == TVN_DELETEITEM) deleted.push_back(reinterpret_cast<NMTREEVIEW*>(hdr)->itemOld.lParam);
    return 0;
  };
  EXPECT_TRUE(tree.DeleteItem(parent));
  EXPECT_EQ(deleted, (std::vector<LPARAM>{3, 2, 1}));
  EXPECT_EQ(tree.GetCount(), 1u);
  EXPECT_EQ(tree.GetRootItem(), keep);
  EXPECT_EQ(tree.GetSelectedItem(), nullptr);
  // Handles of deleted items answer nothing.
  EXPECT_FALSE(tree.DeleteItem(child));
  EXPECT_TRUE(tree.GetItemText(child).IsEmpty());
  EXPECT_FALSE(tree.SetItemString(child, 1, "x"));
  EXPECT_EQ(tree.GetChildItem(child), nullptr);
}

TEST_F(TreeTest, AnOwnerDeletingItemsFromItsNotificationsBreaksNothing) {
  HTREEITEM doomed = Add("Doomed", TVI_ROOT, "", 1, true);
  HTREEITEM target = Add("Target", TVI_ROOT, "", 2);
  Add("Child", target, "", 3);
  HTREEITEM last = Add("Last", TVI_ROOT, "", 4);
  int refused = 0;
  host.onNotify = [&](NMHDR* hdr) -> LRESULT {
    auto* nm = reinterpret_cast<NMTREEVIEW*>(hdr);
    if (hdr->code == TVN_ITEMEXPANDING && nm->itemNew.hItem == doomed) tree.DeleteItem(doomed);
    if (hdr->code == TVN_SELCHANGING && nm->itemNew.hItem == target) tree.DeleteItem(target);
    if (hdr->code == TVN_DELETEITEM) {
      // Reading is fine; changing the tree while it unwinds is refused.
      EXPECT_FALSE(tree.GetItemText(nm->itemOld.hItem).IsEmpty());
      refused += !tree.DeleteItem(last) + !tree.InsertItem("New", nm->itemOld.hItem) + !tree.DeleteAllItems();
    }
    return 0;
  };
  robot.click(Window(tree.m_hWnd), ButtonPoint(doomed));
  EXPECT_EQ(tree.GetRootItem(), target) << "deleted while it was about to open";
  Click(target);
  EXPECT_EQ(tree.GetCount(), 1u) << "deleted while it was about to be selected";
  EXPECT_EQ(tree.GetSelectedItem(), nullptr);
  EXPECT_EQ(refused, 3 * 3);
  EXPECT_EQ(tree.GetRootItem(), last);
  host.onNotify = nullptr;
}

}  // namespace
