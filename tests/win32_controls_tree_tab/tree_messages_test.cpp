// Tree-view messages: insertion order, relations, item attributes,
// deletion, expansion and selection with their notifications, sorting,
// geometry and invalid handles.
#include "tree_tab_fixture.h"

namespace tree_tab_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using TreeMessages = TreeTabTest;

constexpr DWORD kClassic = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;

TEST_F(TreeMessages, InsertPlacesItemsFirstLastAfterAndSorted) {
  HWND tree = Tree(kClassic);
  HTREEITEM b = Add(tree, TVI_ROOT, "b");
  Add(tree, TVI_ROOT, "d");
  Add(tree, TVI_ROOT, "a", TVI_FIRST);
  Add(tree, TVI_ROOT, "c", b);
  Add(tree, TVI_ROOT, "Bb", TVI_SORT);
  EXPECT_THAT(ChildTexts(tree, TVI_ROOT), ElementsAre("a", "b", "Bb", "c", "d"));
  EXPECT_EQ(TreeView_GetCount(tree), 5u);
  // An unknown parent refuses the insertion.
  EXPECT_EQ(Add(tree, reinterpret_cast<HTREEITEM>(0x7777), "x"), nullptr);
  EXPECT_EQ(SendMessage(tree, TVM_INSERTITEM, 0, 0), 0);
  EXPECT_EQ(TreeView_GetCount(tree), 5u);
}

TEST_F(TreeMessages, RelationsWalkTheTree) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  EXPECT_EQ(TreeView_GetRoot(tree), s.fruit);
  EXPECT_EQ(TreeView_GetChild(tree, s.fruit), s.apple);
  EXPECT_EQ(TreeView_GetChild(tree, TVI_ROOT), s.fruit);
  EXPECT_EQ(TreeView_GetNextSibling(tree, s.apple), s.banana);
  EXPECT_EQ(TreeView_GetPrevSibling(tree, s.banana), s.apple);
  EXPECT_EQ(TreeView_GetPrevSibling(tree, s.apple), nullptr);
  EXPECT_EQ(TreeView_GetNextSibling(tree, s.grain), nullptr);
  EXPECT_EQ(TreeView_GetParent(tree, s.plantain), s.banana);
  EXPECT_EQ(TreeView_GetParent(tree, s.fruit), nullptr);
  EXPECT_EQ(TreeView_GetChild(tree, s.grain), nullptr);
}

TEST_F(TreeMessages, ItemAttributesRoundTrip) {
  HWND tree = Tree(kClassic);
  HTREEITEM item = Add(tree, TVI_ROOT, "Label", TVI_LAST, 42);
  TVITEM set{};
  set.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_CHILDREN;
  set.hItem = item;
  set.pszText = const_cast<LPSTR>("Renamed");
  set.iImage = 3;
  set.iSelectedImage = 4;
  set.state = TVIS_BOLD | TVIS_SELECTED;
  set.stateMask = TVIS_BOLD | TVIS_SELECTED;
  set.cChildren = 1;
  ASSERT_TRUE(TreeView_SetItem(tree, &set));
  char buffer[4] = {};
  TVITEM get{};
  get.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_CHILDREN | TVIF_PARAM;
  get.hItem = item;
  get.pszText = buffer;
  get.cchTextMax = sizeof(buffer);
  get.stateMask = 0xFFFF;
  ASSERT_TRUE(TreeView_GetItem(tree, &get));
  EXPECT_STREQ(buffer, "Ren");  // cut to the buffer
  EXPECT_EQ(get.iImage, 3);
  EXPECT_EQ(get.iSelectedImage, 4);
  EXPECT_EQ(get.lParam, 42);
  EXPECT_EQ(get.cChildren, 1);
  // The selection state belongs to the control.
  EXPECT_EQ(get.state, static_cast<UINT>(TVIS_BOLD));
  EXPECT_EQ(TreeView_GetItemState(tree, item, TVIS_BOLD | TVIS_EXPANDED), static_cast<UINT>(TVIS_BOLD));
  EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
}

TEST_F(TreeMessages, CallbackTextsAndChildrenComeFromTheParent) {
  HWND tree = Tree(kClassic);
  Log().callbackTexts[7] = "From parent";
  Log().callbackChildren = 1;
  TVINSERTSTRUCT tvis{};
  tvis.hParent = TVI_ROOT;
  tvis.hInsertAfter = TVI_LAST;
  tvis.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
  tvis.item.pszText = LPSTR_TEXTCALLBACK;
  tvis.item.lParam = 7;
  tvis.item.cChildren = I_CHILDRENCALLBACK;
  HTREEITEM item = TreeView_InsertItem(tree, &tvis);
  EXPECT_EQ(TextOf(tree, item), "From parent");
  // The parent says it has children: the item can expand (and is asked).
  EXPECT_TRUE(TreeView_Expand(tree, item, TVE_EXPAND));
  EXPECT_TRUE(TreeView_GetItemState(tree, item, TVIS_EXPANDED));
}

TEST_F(TreeMessages, DeleteSendsDeleteItemChildrenFirstAndInvalidatesHandles) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  ASSERT_TRUE(TreeView_DeleteItem(tree, s.banana));
  std::vector<HTREEITEM> deleted;
  for (const Notice& n : Log().notices) {
    EXPECT_EQ(n.code, static_cast<UINT>(TVN_DELETEITEM));
    deleted.push_back(n.oldItem);
  }
  EXPECT_THAT(deleted, ElementsAre(s.cavendish, s.plantain, s.banana));
  EXPECT_THAT(ChildTexts(tree, s.fruit), ElementsAre("Apple", "Cherry"));
  EXPECT_EQ(TextOf(tree, s.plantain), "<invalid>");
  EXPECT_FALSE(TreeView_DeleteItem(tree, s.banana));
  EXPECT_EQ(TreeView_GetCount(tree), 6u);
  ClearLog();
  ASSERT_TRUE(TreeView_DeleteAllItems(tree));
  EXPECT_EQ(Log().notices.size(), 6u);
  EXPECT_EQ(TreeView_GetCount(tree), 0u);
  EXPECT_EQ(TreeView_GetRoot(tree), nullptr);
}

TEST_F(TreeMessages, DeletingTheSelectionMovesItToTheNextSibling) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  ASSERT_TRUE(TreeView_SelectItem(tree, s.apple));
  ClearLog();
  ASSERT_TRUE(TreeView_DeleteItem(tree, s.apple));
  EXPECT_EQ(TreeView_GetSelection(tree), s.banana);
  EXPECT_THAT(Codes(), ElementsAre(static_cast<UINT>(TVN_SELCHANGING), static_cast<UINT>(TVN_SELCHANGED),
                                   static_cast<UINT>(TVN_DELETEITEM)));
  // The last child gone, its parent takes the selection.
  TreeView_SelectItem(tree, s.leek);
  TreeView_DeleteItem(tree, s.leek);
  EXPECT_EQ(TreeView_GetSelection(tree), s.vegetables);
}

TEST_F(TreeMessages, ParentMayDeleteItemsFromInsideTheDeleteNotification) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  Log().onNotify = [&](const NMHDR& header) {
    if (header.code == TVN_DELETEITEM) TreeView_DeleteItem(tree, s.grain);
  };
  EXPECT_TRUE(TreeView_DeleteItem(tree, s.leek));
  Log().onNotify = nullptr;
  EXPECT_THAT(ChildTexts(tree, TVI_ROOT), ElementsAre("Fruit", "Vegetables"));
  EXPECT_EQ(TreeView_GetCount(tree), 7u);
}

TEST_F(TreeMessages, ProgrammaticExpandNotifiesUntilExpandedOnce) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  EXPECT_THAT(VisibleTexts(tree), ElementsAre("Fruit", "Vegetables", "Grain"));
  ASSERT_TRUE(TreeView_Expand(tree, s.fruit, TVE_EXPAND));
  EXPECT_THAT(Codes(), ElementsAre(static_cast<UINT>(TVN_ITEMEXPANDING), static_cast<UINT>(TVN_ITEMEXPANDED)));
  EXPECT_EQ(Log().notices[0].action, static_cast<UINT>(TVE_EXPAND));
  EXPECT_EQ(Log().notices[0].newItem, s.fruit);
  EXPECT_THAT(VisibleTexts(tree), ElementsAre("Fruit", "Apple", "Banana", "Cherry", "Vegetables", "Grain"));
  EXPECT_TRUE(TreeView_GetItemState(tree, s.fruit, TVIS_EXPANDEDONCE));
  ClearLog();
  ASSERT_TRUE(TreeView_Expand(tree, s.fruit, TVE_COLLAPSE));
  ASSERT_TRUE(TreeView_Expand(tree, s.fruit, TVE_TOGGLE));
  EXPECT_THAT(Codes(), IsEmpty());
  // A collapse with reset drops the children and the expanded-once mark.
  ASSERT_TRUE(TreeView_Expand(tree, s.banana, TVE_COLLAPSE | TVE_COLLAPSERESET));
  EXPECT_EQ(TreeView_GetChild(tree, s.banana), nullptr);
  EXPECT_FALSE(TreeView_GetItemState(tree, s.banana, TVIS_EXPANDEDONCE));
  // Items without children do not expand.
  EXPECT_FALSE(TreeView_Expand(tree, s.grain, TVE_EXPAND));
  EXPECT_FALSE(TreeView_Expand(tree, s.fruit, 0));
}

TEST_F(TreeMessages, ParentCanRefuseAnExpansion) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  Log().answers[TVN_ITEMEXPANDING] = TRUE;
  EXPECT_FALSE(TreeView_Expand(tree, s.fruit, TVE_EXPAND));
  EXPECT_FALSE(TreeView_GetItemState(tree, s.fruit, TVIS_EXPANDED));
  EXPECT_THAT(Codes(), ElementsAre(static_cast<UINT>(TVN_ITEMEXPANDING)));
}

TEST_F(TreeMessages, SelectionNotifiesOldAndNewAndExpandsTheWayThere) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  ASSERT_TRUE(TreeView_SelectItem(tree, s.apple));
  ClearLog();
  ASSERT_TRUE(TreeView_SelectItem(tree, s.plantain));
  EXPECT_TRUE(TreeView_GetItemState(tree, s.banana, TVIS_EXPANDED));
  ASSERT_THAT(Codes(), ElementsAre(static_cast<UINT>(TVN_SELCHANGING), static_cast<UINT>(TVN_ITEMEXPANDING),
                                   static_cast<UINT>(TVN_ITEMEXPANDED), static_cast<UINT>(TVN_SELCHANGED)));
  const Notice& changing = Log().notices.front();
  EXPECT_EQ(changing.oldItem, s.apple);
  EXPECT_EQ(changing.newItem, s.plantain);
  EXPECT_EQ(changing.action, static_cast<UINT>(TVC_UNKNOWN));
  EXPECT_EQ(changing.selectionThen, s.apple);
  const Notice& changed = Log().notices.back();
  EXPECT_EQ(changed.selectionThen, s.plantain);
  EXPECT_TRUE(changed.newState & TVIS_SELECTED);
  EXPECT_TRUE(TreeView_GetItemState(tree, s.plantain, TVIS_SELECTED));
  EXPECT_FALSE(TreeView_GetItemState(tree, s.apple, TVIS_SELECTED));
  // Selecting the selection again says nothing.
  ClearLog();
  EXPECT_TRUE(TreeView_SelectItem(tree, s.plantain));
  EXPECT_THAT(Codes(), IsEmpty());
}

TEST_F(TreeMessages, ParentCanVetoASelectionChange) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  TreeView_SelectItem(tree, s.fruit);
  Log().answers[TVN_SELCHANGING] = TRUE;
  ClearLog();
  EXPECT_FALSE(TreeView_SelectItem(tree, s.grain));
  EXPECT_EQ(TreeView_GetSelection(tree), s.fruit);
  EXPECT_THAT(Codes(), ElementsAre(static_cast<UINT>(TVN_SELCHANGING)));
}

TEST_F(TreeMessages, CollapsingMovesAHiddenSelectionToTheCollapsedItem) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  TreeView_SelectItem(tree, s.cavendish);
  TreeView_Expand(tree, s.fruit, TVE_COLLAPSE);
  EXPECT_EQ(TreeView_GetSelection(tree), s.fruit);
}

TEST_F(TreeMessages, VisibleRelationsFollowExpansion) {
  HWND tree = Tree(kClassic, 200, 200);
  SampleTree s = BuildSample(tree);
  TreeView_Expand(tree, s.fruit, TVE_EXPAND);
  EXPECT_EQ(TreeView_GetFirstVisible(tree), s.fruit);
  EXPECT_EQ(TreeView_GetNextVisible(tree, s.apple), s.banana);
  EXPECT_EQ(TreeView_GetNextVisible(tree, s.cherry), s.vegetables);
  EXPECT_EQ(TreeView_GetPrevVisible(tree, s.vegetables), s.cherry);
  EXPECT_EQ(TreeView_GetLastVisible(tree), s.grain);
  // Hidden items have no visible neighbours.
  EXPECT_EQ(TreeView_GetNextVisible(tree, s.cavendish), nullptr);
  // The visible count is what fits in the client area.
  RECT client{};
  GetClientRect(tree, &client);
  int height = TreeView_GetItemHeight(tree);
  ASSERT_GT(height, 0);
  EXPECT_EQ(TreeView_GetVisibleCount(tree), static_cast<UINT>(client.bottom / height));
}

TEST_F(TreeMessages, SortChildrenByTextAndByCallback) {
  HWND tree = Tree(kClassic);
  HTREEITEM top = Add(tree, TVI_ROOT, "top");
  Add(tree, top, "pear", TVI_LAST, 3);
  HTREEITEM apple = Add(tree, top, "Apple", TVI_LAST, 1);
  Add(tree, top, "fig", TVI_LAST, 2);
  Add(tree, apple, "z");
  Add(tree, apple, "y");
  ASSERT_TRUE(TreeView_SortChildren(tree, top, FALSE));
  EXPECT_THAT(ChildTexts(tree, top), ElementsAre("Apple", "fig", "pear"));
  EXPECT_THAT(ChildTexts(tree, apple), ElementsAre("z", "y"));
  ASSERT_TRUE(TreeView_SortChildren(tree, top, TRUE));
  EXPECT_THAT(ChildTexts(tree, apple), ElementsAre("y", "z"));
  // By item data, largest first.
  TVSORTCB sort{};
  sort.hParent = top;
  sort.lpfnCompare = [](LPARAM a, LPARAM b, LPARAM) -> int { return static_cast<int>(b - a); };
  ASSERT_TRUE(TreeView_SortChildrenCB(tree, &sort, FALSE));
  EXPECT_THAT(ChildTexts(tree, top), ElementsAre("pear", "fig", "Apple"));
  EXPECT_FALSE(TreeView_SortChildren(tree, reinterpret_cast<HTREEITEM>(0x999), FALSE));
}

TEST_F(TreeMessages, ItemRectanglesIndentAndHitTests) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  TreeView_Expand(tree, s.fruit, TVE_EXPAND);
  ASSERT_TRUE(TreeView_SetIndent(tree, 20));
  EXPECT_EQ(TreeView_GetIndent(tree), 20u);
  TreeView_SetIndent(tree, 0);
  EXPECT_GT(TreeView_GetIndent(tree), 0u);
  TreeView_SetIndent(tree, 20);
  RECT fruitText{}, appleText{}, appleLine{};
  ASSERT_TRUE(TreeView_GetItemRect(tree, s.fruit, &fruitText, TRUE));
  ASSERT_TRUE(TreeView_GetItemRect(tree, s.apple, &appleText, TRUE));
  ASSERT_TRUE(TreeView_GetItemRect(tree, s.apple, &appleLine, FALSE));
  EXPECT_EQ(fruitText.left, 20);  // the root column with TVS_LINESATROOT
  EXPECT_EQ(appleText.left - fruitText.left, 20);
  EXPECT_EQ(appleText.top, fruitText.bottom);
  EXPECT_EQ(appleLine.left, 0);
  // Hidden items have no rectangle.
  RECT hidden{};
  EXPECT_FALSE(TreeView_GetItemRect(tree, s.cavendish, &hidden, TRUE));
  int y = (appleText.top + appleText.bottom) / 2;
  TVHITTESTINFO hit{};
  hit.pt = {appleText.left + 3, y};
  EXPECT_EQ(TreeView_HitTest(tree, &hit), s.apple);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMLABEL));
  hit.pt = {appleText.right + 5, y};
  TreeView_HitTest(tree, &hit);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMRIGHT));
  hit.pt = {5, y};
  TreeView_HitTest(tree, &hit);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMINDENT));
  int bananaY = y + TreeView_GetItemHeight(tree);
  hit.pt = {appleText.left - 10, bananaY};
  EXPECT_EQ(TreeView_HitTest(tree, &hit), s.banana);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMBUTTON));
  hit.pt = {10, 190};
  EXPECT_EQ(TreeView_HitTest(tree, &hit), nullptr);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_NOWHERE));
  hit.pt = {-5, -5};
  TreeView_HitTest(tree, &hit);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_TOLEFT | TVHT_ABOVE));
}

TEST_F(TreeMessages, LabelsFollowRenamingAndBoldText) {
  HWND tree = Tree(kClassic);
  HTREEITEM item = Add(tree, TVI_ROOT, "Name");
  RECT plain{};
  TreeView_GetItemRect(tree, item, &plain, TRUE);
  TreeView_SetItemState(tree, item, TVIS_BOLD, TVIS_BOLD);
  RECT bold{};
  TreeView_GetItemRect(tree, item, &bold, TRUE);
  EXPECT_GT(bold.right, plain.right);
  TVITEM tvi{};
  tvi.mask = TVIF_TEXT;
  tvi.hItem = item;
  tvi.pszText = const_cast<LPSTR>("A much longer name");
  TreeView_SetItem(tree, &tvi);
  RECT renamed{};
  TreeView_GetItemRect(tree, item, &renamed, TRUE);
  EXPECT_GT(renamed.right, bold.right);
  EXPECT_EQ(renamed.left, plain.left);
}

TEST_F(TreeMessages, EnsureVisibleExpandsAndScrolls) {
  HWND tree = Tree(kClassic | WS_VSCROLL, 200, 60);
  HTREEITEM last = nullptr;
  for (int i = 0; i < 20; ++i) last = Add(tree, TVI_ROOT, ("Item " + std::to_string(i)).c_str());
  HTREEITEM child = Add(tree, last, "Deep");
  ASSERT_TRUE(TreeView_EnsureVisible(tree, child));
  EXPECT_TRUE(TreeView_GetItemState(tree, last, TVIS_EXPANDED));
  RECT rc{};
  ASSERT_TRUE(TreeView_GetItemRect(tree, child, &rc, FALSE));
  RECT client{};
  GetClientRect(tree, &client);
  EXPECT_GE(rc.top, 0);
  EXPECT_LE(rc.bottom, client.bottom);
  EXPECT_NE(TreeView_GetFirstVisible(tree), TreeView_GetRoot(tree));
  EXPECT_TRUE(GetWindowLong(tree, GWL_STYLE) & WS_VSCROLL);
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(tree, SB_VERT, &info);
  EXPECT_GT(info.nPos, 0);
}

TEST_F(TreeMessages, TheScrollRangesFollowInsertsUnderExpandedBranchesAndEveryOtherChange) {
  HWND tree = Tree(kClassic | WS_VSCROLL, 200, 100);
  const auto range = [&](int bar) {
    SCROLLINFO info{sizeof(info), SIF_RANGE, 0, 0, 0, 0, 0};
    GetScrollInfo(tree, bar, &info);
    return info.nMax;
  };
  const auto labelRight = [&](HTREEITEM item) {
    RECT rc{};
    *reinterpret_cast<HTREEITEM*>(&rc) = item;
    SendMessage(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc));
    return rc.right;
  };
  HTREEITEM open = Add(tree, TVI_ROOT, "Open");
  HTREEITEM shut = Add(tree, TVI_ROOT, "Shut");
  Add(tree, open, "Child 0");
  TreeView_Expand(tree, open, TVE_EXPAND);
  for (int i = 1; i < 40; ++i) Add(tree, open, ("Child " + std::to_string(i)).c_str());
  for (int i = 0; i < 40; ++i) Add(tree, shut, ("Hidden " + std::to_string(i)).c_str());
  EXPECT_EQ(range(SB_VERT), 41) << "the open branch's children count, the closed one's do not";
  HTREEITEM wide = Add(tree, open, "A child with a label far wider than the tree");
  EXPECT_EQ(range(SB_VERT), 42);
  ASSERT_TRUE(TreeView_EnsureVisible(tree, wide));
  EXPECT_EQ(range(SB_HORZ) + 1, labelRight(wide));
  TVITEM item{};
  item.mask = TVIF_TEXT;
  item.hItem = wide;
  item.pszText = const_cast<char*>("Short");
  TreeView_SetItem(tree, &item);
  EXPECT_FALSE(GetWindowLong(tree, GWL_STYLE) & WS_HSCROLL) << "the widest row became narrow";
  TreeView_Expand(tree, shut, TVE_EXPAND);
  EXPECT_EQ(range(SB_VERT), 82);
  TreeView_DeleteItem(tree, open);
  EXPECT_EQ(range(SB_VERT), 40);
  SendMessage(tree, TVM_SETINDENT, 100, 0);
  EXPECT_TRUE(GetWindowLong(tree, GWL_STYLE) & WS_HSCROLL) << "a wider indent widens every row";
}

TEST_F(TreeMessages, ScrollBarsFollowTheContent) {
  HWND tree = Tree(kClassic, 120, 60);
  HTREEITEM wide = Add(tree, TVI_ROOT, "A label far too wide for this narrow tree view");
  EXPECT_TRUE(GetWindowLong(tree, GWL_STYLE) & WS_HSCROLL);
  EXPECT_FALSE(GetWindowLong(tree, GWL_STYLE) & WS_VSCROLL);
  RECT before{};
  TreeView_GetItemRect(tree, wide, &before, TRUE);
  SendMessage(tree, WM_HSCROLL, SB_LINEDOWN, 0);
  RECT after{};
  TreeView_GetItemRect(tree, wide, &after, TRUE);
  EXPECT_LT(after.left, before.left);
  std::vector<HTREEITEM> rows;
  for (int i = 0; i < 20; ++i) rows.push_back(Add(tree, TVI_ROOT, "Row"));
  EXPECT_TRUE(GetWindowLong(tree, GWL_STYLE) & WS_VSCROLL);
  SendMessage(tree, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(TreeView_GetFirstVisible(tree), rows[TreeView_GetVisibleCount(tree) - 1]);
  SendMessage(tree, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(TreeView_GetFirstVisible(tree), rows[20 - TreeView_GetVisibleCount(tree)]);
  SendMessage(tree, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA * 10), 0);
  EXPECT_EQ(TreeView_GetFirstVisible(tree), wide);
  // Emptied, the tree needs no bars at all.
  TreeView_DeleteAllItems(tree);
  EXPECT_FALSE(GetWindowLong(tree, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}

TEST_F(TreeMessages, ParentMayHandTheCallbackTextOverForGood) {
  HWND tree = Tree(kClassic);
  TVINSERTSTRUCT tvis{};
  tvis.hParent = TVI_ROOT;
  tvis.hInsertAfter = TVI_LAST;
  tvis.item.mask = TVIF_TEXT;
  tvis.item.pszText = LPSTR_TEXTCALLBACK;
  Log().callbackTexts[0] = "Kept";
  HTREEITEM item = TreeView_InsertItem(tree, &tvis);
  // Once the parent answers with TVIF_DI_SETITEM it is not asked again.
  Log().keepCallbackTexts = true;
  Log().textRequests = 0;
  EXPECT_EQ(TextOf(tree, item), "Kept");
  EXPECT_EQ(TextOf(tree, item), "Kept");
  EXPECT_EQ(Log().textRequests, 1);
}

TEST_F(TreeMessages, DropHighlightFirstVisibleAndItemHeight) {
  HWND tree = Tree(kClassic | WS_VSCROLL, 200, 60);
  SampleTree s = BuildSample(tree);
  ASSERT_TRUE(TreeView_SelectDropTarget(tree, s.grain));
  EXPECT_EQ(TreeView_GetDropHilight(tree), s.grain);
  EXPECT_TRUE(TreeView_GetItemState(tree, s.grain, TVIS_DROPHILITED));
  EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
  TreeView_SelectDropTarget(tree, nullptr);
  EXPECT_FALSE(TreeView_GetItemState(tree, s.grain, TVIS_DROPHILITED));
  ASSERT_TRUE(TreeView_SelectSetFirstVisible(tree, s.cherry));
  EXPECT_TRUE(TreeView_GetItemState(tree, s.fruit, TVIS_EXPANDED));
  EXPECT_EQ(TreeView_GetFirstVisible(tree), s.cherry);
  int old = TreeView_SetItemHeight(tree, 31);
  EXPECT_GT(old, 0);
  EXPECT_EQ(TreeView_GetItemHeight(tree), 30);  // kept even
  RECT rc{};
  TreeView_GetItemRect(tree, s.cherry, &rc, FALSE);
  EXPECT_EQ(rc.bottom - rc.top, 30);
  TreeView_SetItemHeight(tree, -1);
  EXPECT_EQ(TreeView_GetItemHeight(tree), old);
}

TEST_F(TreeMessages, InvalidHandlesFailQuietly) {
  HWND tree = Tree(kClassic);
  HTREEITEM bogus = reinterpret_cast<HTREEITEM>(0x4242);
  TVITEM tvi{};
  tvi.mask = TVIF_TEXT;
  tvi.hItem = bogus;
  EXPECT_FALSE(TreeView_GetItem(tree, &tvi));
  EXPECT_FALSE(TreeView_SetItem(tree, &tvi));
  EXPECT_FALSE(SendMessage(tree, TVM_GETITEM, 0, 0));
  EXPECT_FALSE(TreeView_Expand(tree, bogus, TVE_EXPAND));
  EXPECT_FALSE(TreeView_SelectItem(tree, bogus));
  EXPECT_FALSE(TreeView_EnsureVisible(tree, bogus));
  EXPECT_EQ(TreeView_GetNextSibling(tree, bogus), nullptr);
  EXPECT_EQ(TreeView_EditLabel(tree, bogus), nullptr);
  EXPECT_FALSE(SendMessage(tree, TVM_HITTEST, 0, 0));
  EXPECT_FALSE(SendMessage(tree, TVM_GETITEMRECT, 0, 0));
  // A destroyed tree answers nothing.
  DestroyWindow(tree);
  EXPECT_EQ(TreeView_GetCount(tree), 0u);
  EXPECT_EQ(Add(tree, TVI_ROOT, "x"), nullptr);
}

}  // namespace
}  // namespace tree_tab_test
