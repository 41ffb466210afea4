// Tree views driven with the mouse and the keyboard: clicks and their
// notification order, buttons, double clicks, the movement keys,
// type-ahead, check boxes and in-place label editing.
#include "internal/dlg_template_builder.h"
#include "tree_tab_fixture.h"

namespace tree_tab_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using TreeInput = TreeTabTest;

constexpr DWORD kClassic = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;

std::vector<UINT> Without(std::vector<UINT> codes, UINT code) {
  codes.erase(std::remove(codes.begin(), codes.end(), code), codes.end());
  return codes;
}

TEST_F(TreeInput, ClickSendsClickThenSelectsByMouse) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  TreeView_SelectItem(tree, s.fruit);
  ClearLog();
  Click(LabelPoint(tree, s.grain));
  EXPECT_EQ(GetFocus(), tree);
  EXPECT_EQ(TreeView_GetSelection(tree), s.grain);
  ASSERT_THAT(Codes(), ElementsAre(static_cast<UINT>(NM_SETFOCUS), static_cast<UINT>(NM_CLICK),
                                   static_cast<UINT>(TVN_SELCHANGING), static_cast<UINT>(TVN_SELCHANGED)));
  // NM_CLICK still sees the old selection, as Win32 parents expect.
  EXPECT_EQ(Log().notices[1].selectionThen, s.fruit);
  EXPECT_EQ(Log().notices[3].action, static_cast<UINT>(TVC_BYMOUSE));
  // A parent that handles NM_CLICK keeps the selection where it was.
  Log().answers[NM_CLICK] = 1;
  Click(LabelPoint(tree, s.vegetables));
  EXPECT_EQ(TreeView_GetSelection(tree), s.grain);
}

TEST_F(TreeInput, ClickOnTheButtonTogglesAndDoubleClickOnTheLabelToo) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  Click(ButtonPoint(tree, s.fruit));
  EXPECT_TRUE(TreeView_GetItemState(tree, s.fruit, TVIS_EXPANDED));
  EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
  // User actions notify every time, not only on the first expansion.
  Click(ButtonPoint(tree, s.fruit));
  EXPECT_FALSE(TreeView_GetItemState(tree, s.fruit, TVIS_EXPANDED));
  EXPECT_THAT(Without(Codes(), NM_SETFOCUS),
              ElementsAre(static_cast<UINT>(TVN_ITEMEXPANDING), static_cast<UINT>(TVN_ITEMEXPANDED),
                          static_cast<UINT>(TVN_ITEMEXPANDING), static_cast<UINT>(TVN_ITEMEXPANDED)));
  ClearLog();
  DoubleClick(LabelPoint(tree, s.vegetables));
  EXPECT_TRUE(TreeView_GetItemState(tree, s.vegetables, TVIS_EXPANDED));
  EXPECT_EQ(TreeView_GetSelection(tree), s.vegetables);
  EXPECT_THAT(Codes(), ::testing::Contains(static_cast<UINT>(NM_DBLCLK)));
  // Handling NM_DBLCLK stops the toggle.
  Log().answers[NM_DBLCLK] = 1;
  DoubleClick(LabelPoint(tree, s.vegetables));
  EXPECT_TRUE(TreeView_GetItemState(tree, s.vegetables, TVIS_EXPANDED));
}

TEST_F(TreeInput, RightClickSendsRightClickAndLeavesTheSelection) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  TreeView_SelectItem(tree, s.fruit);
  ClearLog();
  POINT pt = LabelPoint(tree, s.grain);
  win32::input::MouseMove(pt);
  win32::input::MouseButton(1, true, pt);
  win32::input::MouseButton(1, false, pt);
  Pump();
  EXPECT_THAT(Without(Codes(), NM_SETFOCUS), ElementsAre(static_cast<UINT>(NM_RCLICK)));
  EXPECT_EQ(TreeView_GetSelection(tree), s.fruit);
}

TEST_F(TreeInput, ArrowsHomeEndAndPagesMoveTheSelection) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  TreeView_Expand(tree, s.fruit, TVE_EXPAND);
  SetFocus(tree);
  Key(VK_DOWN);  // nothing selected: the first item
  EXPECT_EQ(TreeView_GetSelection(tree), s.fruit);
  Key(VK_DOWN);
  EXPECT_EQ(TreeView_GetSelection(tree), s.apple);
  EXPECT_EQ(Log().notices.back().code, static_cast<UINT>(TVN_SELCHANGED));
  EXPECT_EQ(Log().notices.back().action, static_cast<UINT>(TVC_BYKEYBOARD));
  Key(VK_END);
  EXPECT_EQ(TreeView_GetSelection(tree), s.grain);
  Key(VK_UP);
  EXPECT_EQ(TreeView_GetSelection(tree), s.vegetables);
  Key(VK_HOME);
  EXPECT_EQ(TreeView_GetSelection(tree), s.fruit);
  Key(VK_NEXT);
  EXPECT_EQ(TreeView_GetSelection(tree), s.grain);  // the page is longer than the tree
  Key(VK_PRIOR);
  EXPECT_EQ(TreeView_GetSelection(tree), s.fruit);
  // Every key goes to the parent first.
  EXPECT_THAT(Codes(), ::testing::Contains(static_cast<UINT>(TVN_KEYDOWN)));
}

TEST_F(TreeInput, ControlArrowsScrollWithoutMovingTheSelection) {
  HWND tree = Tree(kClassic | WS_VSCROLL, 200, 60);
  std::vector<HTREEITEM> rows;
  for (int i = 0; i < 20; ++i) rows.push_back(Add(tree, TVI_ROOT, ("Row " + std::to_string(i)).c_str()));
  TreeView_SelectItem(tree, rows[0]);
  SetFocus(tree);
  win32::input::KeyDown(VK_CONTROL);
  Key(VK_DOWN);
  Key(VK_DOWN);
  win32::input::KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(TreeView_GetFirstVisible(tree), rows[2]);
  EXPECT_EQ(TreeView_GetSelection(tree), rows[0]);
  // Moving the selection brings it back into view.
  Key(VK_DOWN);
  EXPECT_EQ(TreeView_GetSelection(tree), rows[1]);
  EXPECT_EQ(TreeView_GetFirstVisible(tree), rows[1]);
  // Losing the focus is reported too.
  ClearLog();
  SetFocus(parent_);
  EXPECT_THAT(Codes(), ElementsAre(static_cast<UINT>(NM_KILLFOCUS)));
}

TEST_F(TreeInput, LeftAndRightCollapseExpandAndWalkTheLevels) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  TreeView_SelectItem(tree, s.banana);  // expands Fruit on the way
  SetFocus(tree);
  Key(VK_RIGHT);
  EXPECT_TRUE(TreeView_GetItemState(tree, s.banana, TVIS_EXPANDED));
  Key(VK_RIGHT);
  EXPECT_EQ(TreeView_GetSelection(tree), s.cavendish);
  Key(VK_LEFT);
  EXPECT_EQ(TreeView_GetSelection(tree), s.banana);
  Key(VK_LEFT);
  EXPECT_FALSE(TreeView_GetItemState(tree, s.banana, TVIS_EXPANDED));
  Key(VK_LEFT);
  EXPECT_EQ(TreeView_GetSelection(tree), s.fruit);
  Key(VK_SUBTRACT);
  EXPECT_FALSE(TreeView_GetItemState(tree, s.fruit, TVIS_EXPANDED));
  Key(VK_ADD);
  EXPECT_TRUE(TreeView_GetItemState(tree, s.fruit, TVIS_EXPANDED));
  Key(VK_MULTIPLY);
  EXPECT_TRUE(TreeView_GetItemState(tree, s.banana, TVIS_EXPANDED));
  EXPECT_THAT(VisibleTexts(tree),
              ElementsAre("Fruit", "Apple", "Banana", "Cavendish", "Plantain", "Cherry", "Vegetables", "Grain"));
  ClearLog();
  Key(VK_RETURN);
  EXPECT_THAT(Codes(), ElementsAre(static_cast<UINT>(TVN_KEYDOWN), static_cast<UINT>(NM_RETURN)));
}

TEST_F(TreeInput, TypeAheadFindsByPrefixAndCyclesOnOneLetter) {
  HWND tree = Tree(kClassic);
  SetFocus(tree);
  win32::input::TypeText("xy");  // an empty tree has nothing to find
  Pump();
  win32::AdvanceClock(2000);
  HTREEITEM alpha = Add(tree, TVI_ROOT, "Alpha");
  HTREEITEM beta = Add(tree, TVI_ROOT, "Beta");
  HTREEITEM bravo = Add(tree, TVI_ROOT, "Bravo");
  SetFocus(tree);
  win32::input::TypeText("b");
  Pump();
  EXPECT_EQ(TreeView_GetSelection(tree), beta);
  win32::input::TypeText("b");
  Pump();
  EXPECT_EQ(TreeView_GetSelection(tree), bravo);
  win32::AdvanceClock(2000);
  win32::input::TypeText("al");
  Pump();
  EXPECT_EQ(TreeView_GetSelection(tree), alpha);
  // A parent that answers TVN_KEYDOWN keeps the key from the search.
  win32::AdvanceClock(2000);
  Log().answers[TVN_KEYDOWN] = 1;
  win32::input::TypeText("b");
  Pump();
  EXPECT_EQ(TreeView_GetSelection(tree), alpha);
}

TEST_F(TreeInput, CheckBoxesToggleByClickAndSpace) {
  HWND tree = Tree(kClassic | TVS_CHECKBOXES);
  HTREEITEM item = Add(tree, TVI_ROOT, "Option");
  EXPECT_EQ(TreeView_GetCheckState(tree, item), 0u);
  RECT label{};
  TreeView_GetItemRect(tree, item, &label, TRUE);
  TVHITTESTINFO hit{};
  hit.pt = {label.left - 8, (label.top + label.bottom) / 2};
  ASSERT_EQ(TreeView_HitTest(tree, &hit), item);
  ASSERT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMSTATEICON));
  Click(ScreenPoint(tree, hit.pt.x, hit.pt.y));
  EXPECT_EQ(TreeView_GetCheckState(tree, item), 1u);
  TreeView_SelectItem(tree, item);
  Key(VK_SPACE);
  EXPECT_EQ(TreeView_GetCheckState(tree, item), 0u);
  TreeView_SetCheckState(tree, item, TRUE);
  EXPECT_EQ(TreeView_GetCheckState(tree, item), 1u);
}

TEST_F(TreeInput, LabelEditKeepsTheTextOnlyWhenTheParentAccepts) {
  HWND tree = Tree(kClassic | TVS_EDITLABELS);
  SampleTree s = BuildSample(tree);
  HWND edit = TreeView_EditLabel(tree, s.grain);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(TreeView_GetEditControl(tree), edit);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(TreeView_GetSelection(tree), s.grain);
  EXPECT_EQ(LastOf(TVN_BEGINLABELEDIT).text, "Grain");
  win32::input::TypeText("Rice");
  Key(VK_RETURN);
  EXPECT_EQ(TreeView_GetEditControl(tree), nullptr);
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(LastOf(TVN_ENDLABELEDIT).newItem, s.grain);
  EXPECT_EQ(LastOf(TVN_ENDLABELEDIT).text, "Rice");
  EXPECT_EQ(TextOf(tree, s.grain), "Grain");  // not accepted
  Log().answers[TVN_ENDLABELEDIT] = TRUE;
  TreeView_EditLabel(tree, s.grain);
  win32::input::TypeText("Oats");
  Key(VK_RETURN);
  EXPECT_EQ(TextOf(tree, s.grain), "Oats");
  EXPECT_EQ(GetFocus(), tree);
}

TEST_F(TreeInput, LabelEditCancelsWithEscapeAndCanBeRefused) {
  HWND tree = Tree(kClassic | TVS_EDITLABELS);
  SampleTree s = BuildSample(tree);
  Log().answers[TVN_ENDLABELEDIT] = TRUE;
  TreeView_EditLabel(tree, s.grain);
  win32::input::TypeText("Gone");
  Key(VK_ESCAPE);
  EXPECT_EQ(LastOf(TVN_ENDLABELEDIT).text, "<null>");
  EXPECT_EQ(TextOf(tree, s.grain), "Grain");
  // TVM_ENDEDITLABELNOW keeps the text unless told to cancel.
  TreeView_EditLabel(tree, s.grain);
  SetWindowText(TreeView_GetEditControl(tree), "Barley");
  EXPECT_TRUE(TreeView_EndEditLabelNow(tree, FALSE));
  EXPECT_EQ(TextOf(tree, s.grain), "Barley");
  EXPECT_FALSE(TreeView_EndEditLabelNow(tree, FALSE));
  Log().answers[TVN_BEGINLABELEDIT] = TRUE;
  EXPECT_EQ(TreeView_EditLabel(tree, s.grain), nullptr);
}

TEST_F(TreeInput, DeletingTheEditedItemCancelsTheEdit) {
  HWND tree = Tree(kClassic | TVS_EDITLABELS);
  SampleTree s = BuildSample(tree);
  Log().answers[TVN_ENDLABELEDIT] = TRUE;
  HWND edit = TreeView_EditLabel(tree, s.plantain);
  ASSERT_NE(edit, nullptr);
  TreeView_DeleteItem(tree, s.banana);
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(TreeView_GetEditControl(tree), nullptr);
  EXPECT_EQ(LastOf(TVN_ENDLABELEDIT).text, "<null>");
  EXPECT_THAT(ChildTexts(tree, s.fruit), ElementsAre("Apple", "Cherry"));
}

// Dispatches through the dialog manager, as a modeless dialog's loop does.
void PumpDialog(HWND dialog) {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (IsDialogMessage(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

void DialogKey(HWND dialog, UINT vk) {
  win32::input::KeyDown(vk);
  win32::input::KeyUp(vk);
  PumpDialog(dialog);
}

TEST_F(TreeInput, InADialogArrowsMoveAndEnterEndsALabelEditNotTheDialog) {
  win32::internal::DialogTemplateBuilder layout(WS_POPUP | WS_CAPTION | DS_SETFONT, 0, RECT{0, 0, 160, 120}, "Tree",
                                                {8, "MS Sans Serif"});
  layout
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | kClassic | TVS_EDITLABELS, 0, RECT{5, 5, 155, 90}, 300, WC_TREEVIEW,
            "")
      .Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, RECT{100, 98, 150, 112}, IDOK, "Button", "OK");
  static int closed = 0;
  closed = 0;
  // The dialog is the tree's parent: it accepts every new label.
  HWND dialog = CreateDialogIndirect(
      nullptr, layout.Get(), parent_, [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> INT_PTR {
        if (msg == WM_COMMAND && LOWORD(wParam) == IDOK) ++closed;
        if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TVN_ENDLABELEDIT) {
          SetWindowLongPtr(hwnd, DWLP_MSGRESULT, TRUE);
          return TRUE;
        }
        return msg == WM_INITDIALOG ? TRUE : FALSE;
      });
  ASSERT_NE(dialog, nullptr);
  ShowWindow(dialog, SW_SHOW);
  HWND tree = GetDlgItem(dialog, 300);
  SampleTree s = BuildSample(tree);
  SetFocus(tree);
  DialogKey(dialog, VK_DOWN);
  DialogKey(dialog, VK_DOWN);
  EXPECT_EQ(TreeView_GetSelection(tree), s.vegetables);
  win32::input::KeyDown(VK_F2);
  win32::input::KeyUp(VK_F2);
  PumpDialog(dialog);
  ASSERT_NE(TreeView_GetEditControl(tree), nullptr);
  win32::input::TypeText("Greens");
  PumpDialog(dialog);
  DialogKey(dialog, VK_RETURN);
  EXPECT_EQ(TextOf(tree, s.vegetables), "Greens");
  EXPECT_EQ(closed, 0);
  // Without an edit, Enter is the dialog's.
  DialogKey(dialog, VK_RETURN);
  EXPECT_EQ(closed, 1);
  DestroyWindow(dialog);
}

TEST_F(TreeInput, SecondClickOnTheSelectionEditsAfterThePause) {
  HWND tree = Tree(kClassic | TVS_EDITLABELS);
  SampleTree s = BuildSample(tree);
  Click(LabelPoint(tree, s.grain));
  ASSERT_EQ(TreeView_GetSelection(tree), s.grain);
  win32::AdvanceClock(GetDoubleClickTime() + 10);
  Click(LabelPoint(tree, s.grain));
  EXPECT_EQ(TreeView_GetEditControl(tree), nullptr);
  win32::AdvanceClock(GetDoubleClickTime() + 10);
  Pump();
  HWND edit = TreeView_GetEditControl(tree);
  ASSERT_NE(edit, nullptr);
  // Clicking elsewhere in the tree ends the edit.
  Click(LabelPoint(tree, s.fruit));
  EXPECT_EQ(TreeView_GetEditControl(tree), nullptr);
  EXPECT_FALSE(IsWindow(edit));
}

TEST_F(TreeInput, ParentMayDestroyTheControlsFromTheirNotifications) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  HWND tabs =
      CreateWindowEx(0, WC_TABCONTROL, "", WS_CHILD | WS_VISIBLE, 220, 10, 150, 60, parent_, nullptr, nullptr, nullptr);
  for (const char* label : {"One", "Two"}) {
    TCITEM item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(label);
    TabCtrl_InsertItem(tabs, TabCtrl_GetItemCount(tabs), &item);
  }
  Log().onNotify = [](const NMHDR& header) {
    if (header.code == TVN_SELCHANGED || header.code == TCN_SELCHANGING) DestroyWindow(header.hwndFrom);
  };
  Click(LabelPoint(tree, s.grain));
  EXPECT_FALSE(IsWindow(tree));
  RECT two{};
  TabCtrl_GetItemRect(tabs, 1, &two);
  Click(ScreenPoint(tabs, (two.left + two.right) / 2, (two.top + two.bottom) / 2));
  EXPECT_FALSE(IsWindow(tabs));
  Log().onNotify = nullptr;
}

TEST_F(TreeInput, DraggingAnItemAsksTheParentToBeginADrag) {
  HWND tree = Tree(kClassic);
  SampleTree s = BuildSample(tree);
  POINT from = LabelPoint(tree, s.grain);
  Press(from);
  win32::input::MouseMove(POINT{from.x + 20, from.y - 20});
  Pump();
  Release(POINT{from.x + 20, from.y - 20});
  ASSERT_THAT(Codes(), ::testing::Contains(static_cast<UINT>(TVN_BEGINDRAG)));
  EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
  HWND still = Tree(kClassic | TVS_DISABLEDRAGDROP);
  SampleTree t = BuildSample(still);
  ClearLog();
  from = LabelPoint(still, t.grain);
  Press(from);
  win32::input::MouseMove(POINT{from.x + 20, from.y - 20});
  Pump();
  Release(POINT{from.x + 20, from.y - 20});
  EXPECT_THAT(Codes(), ::testing::Not(::testing::Contains(static_cast<UINT>(TVN_BEGINDRAG))));
}

}  // namespace
}  // namespace tree_tab_test
