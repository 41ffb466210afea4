// CTreeCtrl: building a tree and walking its relations, expansion and
// selection by clicks and keys, item attributes, sorting and images.
#include <string>
#include <vector>

#include "cmnctl_fixture.h"

namespace {

using TreeCtrlTest = CmnCtlTest;
using halvane::test::Window;

std::vector<std::string> Children(const CTreeCtrl& tree, HTREEITEM parent) {
  std::vector<std::string> texts;
  for (HTREEITEM child = tree.GetChildItem(parent); child != nullptr; child = tree.GetNextSiblingItem(child))
    texts.emplace_back(tree.GetItemText(child));
  return texts;
}

struct Fruit {
  HTREEITEM root;
  HTREEITEM apple;
  HTREEITEM pear;
  HTREEITEM plum;
};

Fruit FillFruit(CTreeCtrl& tree) {
  Fruit f{};
  f.root = tree.InsertItem("Fruit");
  f.pear = tree.InsertItem("Pear", f.root);
  f.apple = tree.InsertItem("Apple", f.root, TVI_FIRST);
  f.plum = tree.InsertItem("Plum", 1, 2, f.root);
  tree.InsertItem("Vegetables");
  return f;
}

TEST_F(TreeCtrlTest, RelationsTextsDataAndState) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Tree"));
  CTreeCtrl tree;
  ASSERT_TRUE(
      tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, CRect(0, 0, 200, 200), &parent, 9));
  const Fruit f = FillFruit(tree);
  EXPECT_EQ(tree.GetCount(), 5u);
  EXPECT_EQ(tree.GetRootItem(), f.root);
  EXPECT_EQ(Children(tree, f.root), (std::vector<std::string>{"Apple", "Pear", "Plum"}));
  EXPECT_EQ(tree.GetParentItem(f.pear), f.root);
  EXPECT_EQ(tree.GetPrevSiblingItem(f.pear), f.apple);
  EXPECT_EQ(tree.GetNextItem(f.apple, TVGN_NEXT), f.pear);
  EXPECT_TRUE(tree.ItemHasChildren(f.root));
  EXPECT_FALSE(tree.ItemHasChildren(f.pear));
  EXPECT_EQ(std::string(tree.GetItemText(tree.GetNextSiblingItem(f.root))), "Vegetables");

  const std::string longName(700, 'n');
  EXPECT_TRUE(tree.SetItemText(f.pear, longName.c_str()));
  EXPECT_EQ(std::string(tree.GetItemText(f.pear)), longName);
  EXPECT_TRUE(tree.SetItemData(f.plum, 77));
  EXPECT_EQ(tree.GetItemData(f.plum), 77u);
  int image = 0, selected = 0;
  ASSERT_TRUE(tree.GetItemImage(f.plum, image, selected));
  EXPECT_EQ(image, 1);
  EXPECT_EQ(selected, 2);
  EXPECT_TRUE(tree.SetItemImage(f.plum, 3, 4));
  tree.GetItemImage(f.plum, image, selected);
  EXPECT_EQ(selected, 4);
  EXPECT_TRUE(tree.SetItemState(f.apple, TVIS_BOLD, TVIS_BOLD));
  EXPECT_EQ(tree.GetItemState(f.apple, TVIS_BOLD), static_cast<UINT>(TVIS_BOLD));

  TVITEM item{};
  item.mask = TVIF_HANDLE | TVIF_PARAM;
  item.hItem = f.plum;
  ASSERT_TRUE(tree.GetItem(&item));
  EXPECT_EQ(item.lParam, 77);

  EXPECT_TRUE(tree.DeleteItem(f.apple));
  EXPECT_EQ(tree.GetCount(), 4u);
  EXPECT_TRUE(tree.DeleteAllItems());
  EXPECT_EQ(tree.GetCount(), 0u);
  EXPECT_EQ(tree.GetRootItem(), nullptr);
  parent.DestroyWindow();
}

TEST_F(TreeCtrlTest, KeysExpandAndMoveTheSelection) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Tree"));
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, CRect(0, 0, 200, 200),
                          &parent, 9));
  const Fruit f = FillFruit(tree);
  robot.selectTreeItem(Window(tree.m_hWnd), {"Fruit"});
  EXPECT_EQ(tree.GetSelectedItem(), f.root);
  EXPECT_EQ(tree.GetNextVisibleItem(f.root), tree.GetNextSiblingItem(f.root)) << "collapsed";
  EXPECT_GE(tree.GetVisibleCount(), 2u);

  robot.key(VK_RIGHT);
  EXPECT_NE(tree.GetItemState(f.root, TVIS_EXPANDED) & TVIS_EXPANDED, 0u) << "right opens the branch";
  EXPECT_EQ(tree.GetNextVisibleItem(f.root), f.apple);
  robot.key(VK_DOWN);
  robot.key(VK_DOWN);
  EXPECT_EQ(tree.GetSelectedItem(), f.pear);
  robot.key(VK_LEFT);
  EXPECT_EQ(tree.GetSelectedItem(), f.root) << "left on a child goes to its parent";
  robot.key(VK_LEFT);
  EXPECT_EQ(tree.GetItemState(f.root, TVIS_EXPANDED) & TVIS_EXPANDED, 0u);

  EXPECT_TRUE(tree.Expand(f.root, TVE_EXPAND));
  EXPECT_TRUE(tree.SelectItem(f.plum));
  EXPECT_EQ(tree.GetSelectedItem(), f.plum);
  EXPECT_TRUE(tree.SelectDropTarget(f.pear));
  EXPECT_EQ(tree.GetDropHilightItem(), f.pear);
  EXPECT_TRUE(tree.SelectDropTarget(nullptr));
  EXPECT_EQ(tree.GetDropHilightItem(), nullptr);

  // Hit testing finds an item under the middle of its label.
  CRect label;
  ASSERT_TRUE(tree.GetItemRect(f.pear, &label, TRUE));
  UINT flags = 0;
  EXPECT_EQ(tree.HitTest(label.CenterPoint(), &flags), f.pear);
  EXPECT_NE(flags & TVHT_ONITEMLABEL, 0u);
  EXPECT_TRUE(tree.EnsureVisible(f.plum));
  parent.DestroyWindow();
}

int CALLBACK ByLengthThenReverse(LPARAM lParam1, LPARAM lParam2, LPARAM) { return static_cast<int>(lParam2 - lParam1); }

TEST_F(TreeCtrlTest, SortChildrenByTextAndByCallback) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Tree"));
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_VISIBLE, CRect(0, 0, 200, 200), &parent, 9));
  HTREEITEM root = tree.InsertItem("Root");
  int order = 0;
  for (const char* name : {"delta", "alpha", "charlie", "bravo"})
    tree.SetItemData(tree.InsertItem(name, root), ++order);
  EXPECT_TRUE(tree.SortChildren(root));
  EXPECT_EQ(Children(tree, root), (std::vector<std::string>{"alpha", "bravo", "charlie", "delta"}));
  TVSORTCB sort{root, ByLengthThenReverse, 0};
  EXPECT_TRUE(tree.SortChildrenCB(&sort));
  EXPECT_EQ(Children(tree, root), (std::vector<std::string>{"bravo", "charlie", "alpha", "delta"}))
      << "by inserted order, last first";
  parent.DestroyWindow();
}

TEST_F(TreeCtrlTest, ItemOverlayIsDrawnOverItsImage) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Tree"));
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_VISIBLE, CRect(0, 0, 200, 200), &parent, 9));
  CImageList images;
  ASSERT_TRUE(MakeMaskedList(images, 16, {RGB(255, 0, 0), RGB(0, 0, 255)}));
  ASSERT_TRUE(images.SetOverlayImage(1, 2));
  tree.SetImageList(&images, TVSIL_NORMAL);
  HTREEITEM plain = tree.InsertItem("Plain", 0, 0);
  HTREEITEM marked = tree.InsertItem("Marked", 0, 0);
  EXPECT_TRUE(tree.SetItemState(marked, INDEXTOOVERLAYMASK(2), TVIS_OVERLAYMASK));

  CRect plainLabel, markedLabel;
  ASSERT_TRUE(tree.GetItemRect(plain, &plainLabel, TRUE));
  ASSERT_TRUE(tree.GetItemRect(marked, &markedLabel, TRUE));
  Canvas canvas(tree);
  // The image sits just left of the label.
  EXPECT_EQ(canvas.at(plainLabel.left - 8, plainLabel.CenterPoint().y), RGB(255, 0, 0));
  EXPECT_EQ(canvas.at(markedLabel.left - 8, markedLabel.CenterPoint().y), RGB(0, 0, 255));
  tree.SetImageList(nullptr, TVSIL_NORMAL);
  parent.DestroyWindow();
}

TEST_F(TreeCtrlTest, ChecksIndentImagesAndLabelEditing) {
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Tree"));
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_CHECKBOXES | TVS_EDITLABELS, CRect(0, 0, 200, 200), &parent, 9));
  HTREEITEM item = tree.InsertItem("Option");
  EXPECT_FALSE(tree.GetCheck(item));
  EXPECT_TRUE(tree.SetCheck(item));
  EXPECT_TRUE(tree.GetCheck(item));
  EXPECT_TRUE(tree.SetCheck(item, FALSE));
  EXPECT_FALSE(tree.GetCheck(item));

  tree.SetIndent(31);
  EXPECT_EQ(tree.GetIndent(), 31u);
  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 1));
  EXPECT_EQ(tree.SetImageList(&images, TVSIL_NORMAL), nullptr);
  EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), &images);
  EXPECT_EQ(tree.SetImageList(nullptr, TVSIL_NORMAL), &images);

  EXPECT_EQ(tree.GetEditControl(), nullptr);
  CEdit* edit = tree.EditLabel(item);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(tree.GetEditControl(), edit);
  edit->SetWindowText("Renamed");
  EXPECT_TRUE(tree.EndEditLabelNow(TRUE));
  EXPECT_EQ(std::string(tree.GetItemText(item)), "Option") << "a cancelled edit keeps the text";
  parent.DestroyWindow();
}

}  // namespace
