// The tree list: rows that follow inserting, expanding, collapsing and
// deleting; the handles; the user's clicks and keys on the boxes; and cell
// editing by a slow second click or a double-click.
#include <win32/winuser.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "EditInplace.h"
#include "TLBase.h"
#include "tree_list_fixture.h"
#include "velmora_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using namespace tree_list_test;

constexpr UINT kHostTemplate = 3001;
constexpr int kHostList = 3002;
constexpr const char* kHostTitle = "Tree List Host";

// A tree list that edits its second column and records what its hooks hear.
class CRecordingTree : public CTLBase {
 public:
  struct Update {
    HTREEITEM hItem;
    int nColumn;
    std::string text;
  };

  using CTLBase::DoInplaceEditing;
  void DoInplaceEditing(HTREEITEM hItem, int nColumn) override {
    edits.emplace_back(hItem, nColumn);
    CRect row;
    if (nColumn != 1 || !GetItemVisibleRect(hItem, &row)) return;
    const int nLeft = row.left + GetColumnWidth(0);
    auto* pEdit = new CEditInplace(this, hItem, nColumn);
    if (!pEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                       CRect(nLeft, row.top, nLeft + GetColumnWidth(1), row.bottom), this, kEditorId)) {
      delete pEdit;
      return;
    }
    pEdit->SetWindowText(reinterpret_cast<CItemDesc*>(hItem)->GetText(1));
    if (focusEditor) pEdit->SetFocus();
    pEdit->SetSel(0, -1);
  }
  BOOL UpdateItem(HTREEITEM hItem, int nColumn, CString strText) override {
    updates.push_back(Update{hItem, nColumn, strText.GetString()});
    return CTLBase::UpdateItem(hItem, nColumn, strText);
  }
  void OnDeleteItem(HTREEITEM hItem) override {
    deleted.push_back(hItem);
    CTLBase::OnDeleteItem(hItem);
  }
  void OnItemExpanded(HTREEITEM hItem) override { expanded.push_back(hItem); }

  HTREEITEM Add(HTREEITEM hParent, const char* pszText, LPARAM lParam = 0) {
    HTREEITEM hItem = AddItem(hParent, pszText, lParam);
    SetItem(hItem, 1, CString(pszText) + " value");
    return hItem;
  }

  bool focusEditor = true;
  std::vector<std::pair<HTREEITEM, int>> edits;
  std::vector<Update> updates;
  std::vector<HTREEITEM> deleted;
  std::vector<HTREEITEM> expanded;
};

class CTreeHost : public CDialog {
 public:
  CTreeHost() : CDialog(kHostTemplate) {}

  CRecordingTree tree;
  std::function<void(CRecordingTree&)> fill;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kHostList, tree);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    tree.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    tree.InsertColumn(1, "Value", LVCFMT_LEFT, 150);
    if (fill) fill(tree);
    return TRUE;
  }
};

// A (A1, A2 (A2a)), B, all collapsed.
struct Sample {
  HTREEITEM a = nullptr;
  HTREEITEM a1 = nullptr;
  HTREEITEM a2 = nullptr;
  HTREEITEM a2a = nullptr;
  HTREEITEM b = nullptr;
};

class TreeListTest : public VelmoraTest {
 protected:
  // Runs `body` while the host dialog with the sample tree is open.
  void Run(const std::function<void(Window list)>& body) {
    host.fill = [this](CRecordingTree& tree) {
      sample.a = tree.Add(TVI_ROOT, "A", 1);
      sample.a1 = tree.Add(sample.a, "A1", 11);
      sample.a2 = tree.Add(sample.a, "A2", 12);
      sample.a2a = tree.Add(sample.a2, "A2a", 121);
      sample.b = tree.Add(TVI_ROOT, "B", 2);
    };
    robot.onDialog(kHostTitle, [&](Robot& r, Window dialog) {
      body(dialog.child(kHostList));
      if (dialog.exists()) r.click(dialog.child(IDCANCEL));
    });
    host.DoModal();
  }
  std::vector<std::string> Rows(Window list) const { return robot.listViewColumn(list); }
  CRecordingTree& Tree() { return host.tree; }

  CTreeHost host;
  Sample sample;
};

// ---- Rows ---------------------------------------------------------------------

TEST_F(TreeListTest, RowsFollowExpandingAndCollapsing) {
  Run([&](Window list) {
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"})) << "children of collapsed items have no rows";
    EXPECT_TRUE(Tree().Expand(sample.a, TVE_EXPAND));
    EXPECT_FALSE(Tree().Expand(sample.a, TVE_EXPAND)) << "already expanded";
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "B"}));
    EXPECT_EQ(robot.listViewItemText(list, 1, 1), "A1 value") << "rows come with all their texts";
    EXPECT_TRUE(Tree().Expand(sample.a2, TVE_TOGGLE));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "A2a", "B"}));

    // Collapsing and expanding again shows only the direct children.
    EXPECT_TRUE(Tree().Expand(sample.a, TVE_COLLAPSE));
    EXPECT_FALSE(Tree().Expand(sample.a, TVE_COLLAPSE));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(Tree().Expand(sample.a, TVE_TOGGLE));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "B"}));
    const auto* a2 = reinterpret_cast<CItemDesc*>(sample.a2);
    EXPECT_FALSE(a2->IsExpanded());
    EXPECT_TRUE(a2->IsShownOnce());
    EXPECT_TRUE(Tree().expanded.empty()) << "only the user's toggles are reported";
  });
}

TEST_F(TreeListTest, InsertingUnderACollapsedParentAddsNoRowUntilItIsExpanded) {
  Run([&](Window list) {
    HTREEITEM a3 = Tree().Add(sample.a, "A3");
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"}));
    Tree().Expand(sample.a, TVE_EXPAND);
    Tree().Expand(sample.a2, TVE_EXPAND);
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "A2a", "A3", "B"}));
    // Under an expanded parent the row follows the parent's visible rows.
    Tree().Add(sample.a2, "A2b");
    Tree().Add(TVI_ROOT, "C");
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "A2a", "A2b", "A3", "B", "C"}));
    EXPECT_EQ(reinterpret_cast<CItemDesc*>(a3)->GetDepth(), 2);
    EXPECT_TRUE(reinterpret_cast<CItemDesc*>(a3)->IsLastChild());
  });
}

TEST_F(TreeListTest, AnItemExpandedWhileHiddenShowsItsChildrenWithItsParent) {
  Run([&](Window list) {
    EXPECT_TRUE(Tree().Expand(sample.a2, TVE_EXPAND));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"}));
    Tree().Expand(sample.a, TVE_EXPAND);
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "A2a", "B"}));
    Tree().Expand(sample.a2, TVE_COLLAPSE);
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "B"})) << "the rows stay in step";
  });
}

TEST_F(TreeListTest, SetItemChangesTheItemAndItsCellWhenItHasARow) {
  Run([&](Window list) {
    EXPECT_TRUE(Tree().SetItem(sample.a1, 1, "hidden"));
    EXPECT_TRUE(Tree().SetItem(sample.b, 0, "B!"));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B!"}));
    Tree().Expand(sample.a, TVE_EXPAND);
    EXPECT_EQ(robot.listViewItemText(list, 1, 1), "hidden");
  });
}

// ---- Deleting -------------------------------------------------------------------

TEST_F(TreeListTest, DeletingReportsTheItemThenItsDescendantsAndRemovesTheirRows) {
  Run([&](Window list) {
    Tree().Expand(sample.a, TVE_EXPAND);
    Tree().Expand(sample.a2, TVE_EXPAND);
    EXPECT_TRUE(Tree().DeleteItem(sample.a));
    EXPECT_EQ(Tree().deleted, (std::vector<HTREEITEM>{sample.a, sample.a1, sample.a2, sample.a2a}));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"B"}));
    EXPECT_FALSE(Tree().IsItem(sample.a2a));
  });
}

TEST_F(TreeListTest, StaleAndForeignHandlesFailCleanly) {
  Run([&](Window list) {
    Tree().Expand(sample.a, TVE_EXPAND);
    ASSERT_TRUE(Tree().DeleteItem(sample.a1));
    Tree().deleted.clear();
    CItemDesc foreign(nullptr);
    for (HTREEITEM stale : {sample.a1, reinterpret_cast<HTREEITEM>(&foreign)}) {
      EXPECT_FALSE(Tree().DeleteItem(stale));
      EXPECT_FALSE(Tree().Expand(stale, TVE_TOGGLE));
      EXPECT_FALSE(Tree().SetItem(stale, 0, "x"));
      EXPECT_EQ(Tree().GetItemData(stale), 0u);
      TVINSERTSTRUCT insert{};
      insert.hParent = stale;
      EXPECT_EQ(Tree().InsertItem(&insert), nullptr);
      Tree().DeleteChildItemsOf(stale);
    }
    EXPECT_TRUE(Tree().deleted.empty());
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A2", "B"}));
  });
}

TEST_F(TreeListTest, DeletingChildrenGoesFromTheLastToTheFirst) {
  Run([&](Window list) {
    Tree().Expand(sample.a, TVE_EXPAND);
    Tree().DeleteChildItemsOf(sample.a);
    EXPECT_EQ(Tree().deleted, (std::vector<HTREEITEM>{sample.a2, sample.a2a, sample.a1}));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"}));
    Tree().RemoveAllItems();
    EXPECT_EQ(robot.listViewItemCount(list), 0);
  });
}

TEST_F(TreeListTest, ClosingTheWindowFreesTheItems) {
  Run([](Window) {});
  EXPECT_EQ(Tree().deleted.size(), 5u);
  EXPECT_FALSE(Tree().IsItem(sample.a));
}

// ---- Handles and selection --------------------------------------------------------

TEST_F(TreeListTest, QueriesAnswerForItemsAndRows) {
  Run([&](Window list) {
    EXPECT_EQ(Tree().GetItemData(sample.a2), 12u);
    EXPECT_EQ(Tree().GetParentItem(sample.a2a), sample.a2);
    EXPECT_EQ(Tree().GetParentItem(sample.a), nullptr);
    EXPECT_TRUE(Tree().IsRootItem(sample.b));
    EXPECT_FALSE(Tree().IsRootItem(sample.a1));
    int row = -1;
    EXPECT_FALSE(Tree().FindItem(sample.a1, row)) << "no row while A is collapsed";
    EXPECT_TRUE(Tree().FindItem(sample.b, row));
    EXPECT_EQ(row, 1);
    RECT rect{};
    EXPECT_TRUE(Tree().GetItemVisibleRect(sample.b, &rect));
    EXPECT_EQ(rect.top, RowRect(list, 1).top);
    EXPECT_EQ(Tree().GetItemAt(CPoint(TextPoint(list, 1, 1))), sample.b);
    EXPECT_EQ(Tree().GetItemAt(CPoint(5, RowRect(list, 1).bottom + 40)), nullptr);
    EXPECT_EQ(Tree().GetSelectedItem(), nullptr);
  });
}

TEST_F(TreeListTest, ScrollToExpandsTheAncestorsAndSelectsOnlyTheItem) {
  Run([&](Window list) {
    // Enough rows to scroll.
    for (int i = 0; i < 30; ++i) Tree().Add(TVI_ROOT, ("R" + std::to_string(i)).c_str());
    robot.click(list, TextPoint(list, 1, 1));
    RECT rect{};
    Tree().ScrollTo(sample.a2a);
    HTREEITEM selected[4] = {};
    ASSERT_EQ(Tree().GetSelItems(4, selected), 1);
    EXPECT_EQ(selected[0], sample.a2a);
    EXPECT_TRUE(Tree().GetItemVisibleRect(sample.a2a, &rect));
    EXPECT_EQ(Rows(list)[3], "A2a");
    // The last row is brought into view.
    HTREEITEM last = Tree().Add(TVI_ROOT, "Last");
    EXPECT_FALSE(Tree().GetItemVisibleRect(last, &rect)) << "below the visible page";
    Tree().ScrollTo(last);
    EXPECT_TRUE(Tree().GetItemVisibleRect(last, &rect));
    EXPECT_EQ(Tree().GetSelectedItem(), last);
  });
}

// ---- The user's expanding and collapsing ----------------------------------------------

TEST_F(TreeListTest, AClickOnABoxTogglesTheClickedItemNotTheSelectedOne) {
  Run([&](Window list) {
    robot.click(list, TextPoint(list, 1, 1));
    ASSERT_EQ(Tree().GetSelectedItem(), sample.b);
    robot.click(list, BoxPoint(list, 0, 1));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "B"}));
    EXPECT_EQ(Tree().expanded, std::vector<HTREEITEM>{sample.a});
    robot.click(list, BoxPoint(list, 2, 2));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "A2a", "B"}));
    robot.click(list, BoxPoint(list, 0, 1));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Tree().expanded, (std::vector<HTREEITEM>{sample.a, sample.a2, sample.a}));
  });
}

TEST_F(TreeListTest, AClickBesideTheBoxOrOnAnItemWithoutChildrenOnlySelects) {
  Run([&](Window list) {
    robot.click(list, TextPoint(list, 0, 1));
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Tree().GetSelectedItem(), sample.a);
    robot.click(list, BoxPoint(list, 1, 1));
    EXPECT_EQ(Tree().GetSelectedItem(), sample.b);
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(Tree().expanded.empty());
  });
}

TEST_F(TreeListTest, KeysExpandAndCollapseTheFocusedItem) {
  Run([&](Window list) {
    robot.click(list, TextPoint(list, 0, 1));
    robot.key(VK_RIGHT);
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "B"}));
    robot.key(VK_RIGHT);
    EXPECT_EQ(Tree().expanded.size(), 1u) << "an expanded item stays so";
    robot.key(VK_DOWN);
    robot.key(VK_DOWN);
    robot.key(VK_ADD);
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "A2a", "B"}));
    robot.key(VK_SUBTRACT);
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "A1", "A2", "B"}));
    robot.key(VK_UP);
    robot.key(VK_UP);
    robot.key(VK_LEFT);
    EXPECT_EQ(Rows(list), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Tree().expanded, (std::vector<HTREEITEM>{sample.a, sample.a2, sample.a2, sample.a}));
  });
}

// ---- Cell editing ---------------------------------------------------------------------

TEST_F(TreeListTest, ASlowSecondClickEditsTheClickedCellAfterTheDelay) {
  Run([&](Window list) {
    robot.click(list, CellPoint(list, 1, 1));
    // Later than a double-click.
    robot.advance(::GetDoubleClickTime() + 1);
    EXPECT_TRUE(Tree().edits.empty()) << "the first click only selects";
    robot.click(list, CellPoint(list, 1, 1));
    robot.advance(CTLBase::kSlowClickDelay - 1);
    EXPECT_TRUE(Tree().edits.empty());
    robot.advance(1);
    ASSERT_EQ(Tree().edits.size(), 1u);
    EXPECT_EQ(Tree().edits[0], std::make_pair(sample.b, 1));
    ASSERT_TRUE(Editor(list));
    EXPECT_EQ(Editor(list).text(), "B value");
    EXPECT_EQ(robot.focused(), Editor(list));
  });
}

TEST_F(TreeListTest, AClickOnAnotherRowStartsNoEditing) {
  Run([&](Window list) {
    robot.click(list, CellPoint(list, 1, 1));
    robot.advance(::GetDoubleClickTime() + 1);
    robot.click(list, CellPoint(list, 0, 1));
    robot.advance(CTLBase::kSlowClickDelay * 2);
    EXPECT_TRUE(Tree().edits.empty());
  });
}

TEST_F(TreeListTest, ADoubleClickDuringTheSlowClickDelayOpensOneEditor) {
  Run([&](Window list) {
    robot.click(list, CellPoint(list, 0, 1));
    robot.advance(::GetDoubleClickTime() + 1);
    robot.click(list, CellPoint(list, 0, 1));
    robot.doubleClick(list, CellPoint(list, 0, 1));
    ASSERT_EQ(Tree().edits.size(), 1u);
    int editors = 0;
    for (Window child : list.children()) editors += child.id() == kEditorId;
    EXPECT_EQ(editors, 1);
    // Closed at once, the editor is not followed by the timer's.
    robot.key(VK_ESCAPE);
    robot.advance(CTLBase::kSlowClickDelay * 2);
    EXPECT_EQ(Tree().edits.size(), 1u);
    EXPECT_FALSE(Editor(list));
  });
}

TEST_F(TreeListTest, EnterStoresTheTextOnce) {
  Run([&](Window list) {
    robot.doubleClick(list, CellPoint(list, 0, 1));
    ASSERT_TRUE(Editor(list));
    robot.type("new");
    robot.key(VK_RETURN);
    EXPECT_FALSE(Editor(list));
    ASSERT_EQ(Tree().updates.size(), 1u) << "the focus loss that follows stores nothing more";
    EXPECT_EQ(Tree().updates[0].hItem, sample.a);
    EXPECT_EQ(Tree().updates[0].nColumn, 1);
    EXPECT_EQ(Tree().updates[0].text, "new");
    EXPECT_EQ(robot.listViewItemText(list, 0, 1), "new");
    EXPECT_EQ(robot.focused(), list) << "the list has the focus back";
  });
}

TEST_F(TreeListTest, EnterStoresEvenAnEditorWithoutTheFocus) {
  Tree().focusEditor = false;
  Run([&](Window list) {
    robot.doubleClick(list, CellPoint(list, 0, 1));
    ASSERT_TRUE(Editor(list));
    ASSERT_NE(robot.focused(), Editor(list));
    CEditInplace* pEdit = Tree().GetEditor();
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetWindowText("kept");
    MSG msg{Editor(list).hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(pEdit->PreTranslateMessage(&msg));
    ASSERT_EQ(Tree().updates.size(), 1u);
    EXPECT_EQ(Tree().updates[0].text, "kept");
    EXPECT_EQ(Tree().GetEditor(), nullptr);
  });
}

TEST_F(TreeListTest, EscapeLeavesTheCellUnchanged) {
  Run([&](Window list) {
    robot.doubleClick(list, CellPoint(list, 0, 1));
    robot.type("dropped");
    robot.key(VK_ESCAPE);
    EXPECT_FALSE(Editor(list));
    EXPECT_TRUE(Tree().updates.empty());
    EXPECT_EQ(robot.listViewItemText(list, 0, 1), "A value");
    EXPECT_TRUE(::IsWindow(list.parent().hwnd())) << "Escape did not cancel the dialog";
  });
}

TEST_F(TreeListTest, ClickingElsewhereStoresTheText) {
  Run([&](Window list) {
    robot.doubleClick(list, CellPoint(list, 1, 1));
    robot.type("typed");
    robot.click(list, CellPoint(list, 0, 0));
    EXPECT_FALSE(Editor(list));
    ASSERT_EQ(Tree().updates.size(), 1u);
    EXPECT_EQ(Tree().updates[0].hItem, sample.b);
    EXPECT_EQ(robot.listViewItemText(list, 1, 1), "typed");
  });
}

TEST_F(TreeListTest, TheEditorsKeysAndMouseSelectAndDelete) {
  Run([&](Window list) {
    robot.doubleClick(list, CellPoint(list, 0, 1));
    Window editor = Editor(list);
    ASSERT_TRUE(editor);
    robot.key(VK_HOME);
    robot.key(VK_DELETE);
    EXPECT_EQ(editor.text(), " value") << "Delete takes the character after the caret";
    // A drag from the left edge to past the right selects everything.
    const RECT rect = editor.rect();
    const int height = rect.bottom - rect.top;
    robot.drag(editor, POINT{0, height / 2}, POINT{rect.right - rect.left + 20, height / 2});
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessage(editor.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u);
    robot.key(VK_DELETE);
    EXPECT_EQ(editor.text(), "");
    robot.key(VK_RETURN);
    ASSERT_EQ(Tree().updates.size(), 1u);
    EXPECT_EQ(Tree().updates[0].text, "");
  });
}

TEST_F(TreeListTest, DeletingTheEditedItemEndsTheEditorWithoutStoring) {
  Run([&](Window list) {
    robot.doubleClick(list, CellPoint(list, 1, 1));
    ASSERT_TRUE(Editor(list));
    robot.type("lost");
    EXPECT_TRUE(Tree().DeleteItem(sample.b));
    robot.pumpUntilIdle();
    EXPECT_FALSE(Editor(list));
    EXPECT_EQ(Tree().GetEditor(), nullptr);
    EXPECT_TRUE(Tree().updates.empty());
  });
}

TEST_F(TreeListTest, ClosingTheDialogWhileEditingStoresTheText) {
  Run([&](Window list) {
    robot.doubleClick(list, CellPoint(list, 0, 1));
    robot.type("closing");
  });
  ASSERT_EQ(Tree().updates.size(), 1u) << "Cancel took the focus first";
  EXPECT_EQ(Tree().updates[0].text, "closing");
  EXPECT_EQ(Tree().GetEditor(), nullptr);
}

}  // namespace
