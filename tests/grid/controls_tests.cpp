// Cell controls a program registers: mouse hooks of a static-based header
// control, button children, the end-of-editing query, text-changed calls,
// the style's own warning text, and undo of user edits.
#include "grid_fixture.h"

namespace gridtest {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr WORD kHeaderButton = 0xF006;
constexpr WORD kButtonEdit = 61632;

// A header cell that behaves as a push button: pressed while the mouse is
// down inside, a click when released inside.
class CPressHeader : public CGXStatic {
 public:
  explicit CPressHeader(CGXGridCore* pGrid) : CGXStatic(pGrid) {}
  BOOL pressed = FALSE;
  BOOL LButtonDown(UINT, CPoint, UINT) override {
    pressed = Grid()->GetParam()->CanPressHeader();
    return TRUE;
  }
  BOOL MouseMove(UINT, CPoint, UINT nHitState) override {
    pressed = (nHitState & GX_HITINCELL) != 0;
    return TRUE;
  }
  BOOL LButtonUp(UINT, CPoint, UINT nHitState) override {
    if (pressed && (nHitState & GX_HITINCELL) != 0) Grid()->OnClickedButtonRowCol(GetRow(), GetCol());
    pressed = FALSE;
    return TRUE;
  }
};

// An edit cell with a button child at its right.
class CButtonEdit : public CGXEditControl {
 public:
  CButtonEdit(CGXGridCore* pGrid, UINT nID) : CGXEditControl(pGrid, nID) {
    pButton = AddChild(std::make_unique<CGXButton>(this));
    pButton->SetText("...");
  }
  void OnInitChildren(ROWCOL, ROWCOL, const CRect& rect) override {
    pButton->SetRect(CRect(rect.right - 18, rect.top + 1, rect.right - 2, rect.bottom - 1));
  }
  CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override {
    CRect rect = CGXEditControl::GetTextRect(rectCell, nRow, nCol, style);
    rect.right -= 19;
    return rect;
  }
  int QueryEndEditing() override { return answer; }
  CGXChild* pButton;
  int answer = GX_ENDEDIT_STORE;
};

class CControlsGrid : public CRecordingGrid {
 public:
  CPressHeader* pHeader = nullptr;
  CButtonEdit* pButtonEdit = nullptr;
  int textChanges = 0;
  void OnGridInitialUpdate() override {
    pHeader = new CPressHeader(this);
    RegisterControl(kHeaderButton, pHeader);
    pButtonEdit = new CButtonEdit(this, 0x7FF1);
    RegisterControl(kButtonEdit, pButtonEdit);
  }
  BOOL OnTextChangedRowCol(ROWCOL, ROWCOL) override {
    ++textChanges;
    return TRUE;
  }
};

class ControlsTest : public GridTest {
 protected:
  void OpenControls(CControlsGrid& grid) {
    Open(grid, 3, 2);
    grid.SetStyleRange(CGXRange().SetRows(0), CGXStyle().SetControl(kHeaderButton));
    grid.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetControl(kButtonEdit));
  }
  POINT ButtonPoint(ROWCOL nRow, ROWCOL nCol) {
    const CRect rect = pGrid->CalcRectFromRowCol(nRow, nCol);
    return POINT{rect.right - 10, rect.top + rect.Height() / 2};
  }
};

TEST_F(ControlsTest, HeaderControlClicksOnlyWhenReleasedInside) {
  CControlsGrid grid;
  OpenControls(grid);
  robot.drag(GridWindow(), CellPoint(0, 1), CellPoint(2, 1));
  EXPECT_TRUE(grid.Calls("OnClickedButtonRowCol").empty());
  robot.click(GridWindow(), CellPoint(0, 1));
  EXPECT_EQ(grid.Calls("OnClickedButtonRowCol"), (std::vector<std::string>{"OnClickedButtonRowCol(0,1)"}));
  CRowColArray starts;
  CRowColArray ends;
  EXPECT_EQ(grid.GetSelectedCols(starts, ends, TRUE, FALSE), 0u) << "the control took the click";
  EXPECT_TRUE(grid.GetParam()->CanPressHeader());
}

TEST_F(ControlsTest, ButtonChildClickReachesTheGridForItsCell) {
  CControlsGrid grid;
  OpenControls(grid);
  robot.click(GridWindow(), ButtonPoint(2, 2));
  EXPECT_EQ(grid.Calls("OnClickedButtonRowCol"), (std::vector<std::string>{"OnClickedButtonRowCol(2,2)"}));
  EXPECT_TRUE(grid.IsCurrentCell(2, 2));
  robot.drag(GridWindow(), ButtonPoint(2, 2), CellPoint(2, 1));
  EXPECT_EQ(grid.Calls("OnClickedButtonRowCol").size(), 1u) << "released outside the button";
}

TEST_F(ControlsTest, EditorTextChangesAreReportedAndEndQueryDecides) {
  CControlsGrid grid;
  OpenControls(grid);
  ClickCell(1, 2);
  robot.type("ab");
  EXPECT_EQ(grid.textChanges, 2);
  grid.pButtonEdit->answer = GX_ENDEDIT_REFUSE;
  robot.key(VK_TAB);
  EXPECT_TRUE(grid.IsCurrentCell(1, 2)) << "refused: the editor stays";
  EXPECT_TRUE(Editor());
  grid.pButtonEdit->answer = GX_ENDEDIT_DONE;
  robot.key(VK_TAB);
  EXPECT_TRUE(grid.IsCurrentCell(2, 1));
  EXPECT_TRUE(grid.GetValueRowCol(1, 2).IsEmpty()) << "done by itself: nothing stored";
  EXPECT_TRUE(grid.Calls("OnModifyCell").empty());
}

TEST_F(ControlsTest, StyleWarningTextIsShownWhenTheControlRefuses) {
  class CRefusingEdit : public CGXEditControl {
   public:
    using CGXEditControl::CGXEditControl;
    BOOL OnValidate() override {
      CString s;
      GetCurrentText(s);
      return atoi(s) <= 100;
    }
  };
  CRecordingGrid grid;
  Open(grid, 2, 1);
  grid.RegisterControl(1234, new CRefusingEdit(&grid, 0x7FF2));
  grid.SetStyleRange(CGXRange().SetCols(1),
                     CGXStyle().SetControl(1234).SetUserAttribute(GX_IDS_UA_VALID_MSG, "Too big"));
  ClickCell(1, 1);
  robot.type("150");
  std::vector<std::string> shown;
  robot.onDialog("Grid Tests", [&](Robot& r, Window box) {
    shown = r.texts(box);
    r.key(VK_RETURN);
  });
  robot.key(VK_DOWN);
  EXPECT_NE(std::find(shown.begin(), shown.end(), "Too big"), shown.end());
  EXPECT_TRUE(grid.IsCurrentCell(1, 1));
  robot.keys({VK_CONTROL, 'A'});
  ::SetWindowText(Editor().hwnd(), "99");
  robot.key(VK_DOWN);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "99");
}

// Sorting on a header click refills every row from inside the click.
class CSortingGrid : public CControlsGrid {
 public:
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override {
    CControlsGrid::OnClickedButtonRowCol(nRow, nCol);
    const ROWCOL nRows = GetRowCount();
    SetRowCount(0);
    SetRowCount(nRows);
    for (ROWCOL r = 1; r <= nRows; ++r) SetValueRange(CGXRange(r, 1), static_cast<long>(nRows - r));
  }
};

TEST_F(ControlsTest, RefillingFromAHeaderClickIsSafe) {
  CSortingGrid grid;
  OpenControls(grid);
  ClickCell(1, 1);
  robot.type("x");
  robot.click(GridWindow(), CellPoint(0, 1));
  robot.click(GridWindow(), CellPoint(0, 2));
  EXPECT_EQ(grid.Calls("OnClickedButtonRowCol").size(), 2u);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "2");
  EXPECT_FALSE(Editor());
}

// The "cell text check" of the product's grids: on every keystroke keep
// only digits, refill the grid and restore the editor with its selection.
class CDigitsGrid : public CRecordingGrid {
 public:
  BOOL OnTextChangedRowCol(ROWCOL nRow, ROWCOL nCol) override {
    auto* pEdit = dynamic_cast<CGXEditControl*>(GetCurrentCellControl());
    if (pEdit == nullptr || inCheck) return FALSE;
    inCheck = TRUE;
    CString text;
    pEdit->GetCurrentText(text);
    CString digits;
    for (int i = 0; i < text.GetLength(); ++i) {
      if (text[i] >= '0' && text[i] <= '9') digits += text[i];
    }
    SetRowCount(0);
    SetRowCount(2);
    SetValueRange(CGXRange(nRow, nCol), digits);
    SetCurrentCell(nRow, nCol);
    ActivateCurrentCell();
    pEdit = dynamic_cast<CGXEditControl*>(GetCurrentCellControl());
    pEdit->SetCaretToEnd();
    pEdit->ScrollCaret();
    inCheck = FALSE;
    return TRUE;
  }
  BOOL inCheck = FALSE;
};

TEST_F(ControlsTest, RefillingFromTheTextCheckWhileTypingIsSafe) {
  CDigitsGrid grid;
  Open(grid, 2, 2);
  ClickCell(1, 2);
  robot.type("1a2");
  ASSERT_TRUE(Editor());
  EXPECT_EQ(Editor().text(), "12");
  robot.key(VK_RETURN);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 2)), "12");
}

// A grid that swaps the control of the edited column when a value changes
// (as a grid switching a cell between plain and masked editing does).
class CSwappingGrid : public CRecordingGrid {
 public:
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override {
    CRecordingGrid::OnModifyCell(nRow, nCol);
    RegisterControl(4321, new CGXEditControl(this, 0x7FF3 + ++swaps));
  }
  int swaps = 0;
};

TEST_F(ControlsTest, ReplacingTheEditedControlFromANotificationIsSafe) {
  CSwappingGrid grid;
  Open(grid, 3, 1);
  grid.RegisterControl(4321, new CGXEditControl(&grid, 0x7FF3));
  grid.SetStyleRange(CGXRange().SetCols(1), CGXStyle().SetControl(4321));
  ClickCell(1, 1);
  robot.type("a");
  robot.key(VK_DOWN);
  robot.type("b");
  robot.key(VK_RETURN);
  EXPECT_EQ(grid.swaps, 2);
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "a");
  EXPECT_EQ(std::string(grid.GetValueRowCol(2, 1)), "b");
  EXPECT_TRUE(grid.IsCurrentCell(3, 1));
}

TEST_F(ControlsTest, UndoAndRedoOfUserEdits) {
  CRecordingGrid grid;
  Open(grid, 2, 1);
  ClickCell(1, 1);
  robot.type("one");
  robot.key(VK_RETURN);
  robot.key(VK_UP);
  robot.type("two");
  robot.key(VK_RETURN);
  ASSERT_TRUE(grid.CanUndo());
  EXPECT_TRUE(grid.Undo());
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "one");
  EXPECT_TRUE(grid.Undo());
  EXPECT_TRUE(grid.GetValueRowCol(1, 1).IsEmpty());
  EXPECT_FALSE(grid.Undo());
  EXPECT_TRUE(grid.Redo());
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "one");
  grid.GetParam()->SetUndoLimit(1);
  grid.SetValueByUser(1, 1, "three");
  grid.SetValueByUser(1, 1, "four");
  EXPECT_TRUE(grid.Undo());
  EXPECT_EQ(std::string(grid.GetValueRowCol(1, 1)), "three");
  EXPECT_FALSE(grid.Undo()) << "only the last step is kept";
  grid.GetParam()->EnableUndo(FALSE);
  grid.SetValueByUser(1, 1, "five");
  EXPECT_FALSE(grid.CanUndo());
}

// A control of a program's own, as the product registers its cell controls.
class CIndentedEdit : public CGXEditControl {
  GRID_DECLARE_CONTROL(CIndentedEdit)

 public:
  CIndentedEdit(CGXGridCore* pGrid, UINT nID) : CGXEditControl(pGrid, nID) {}
};
GRID_IMPLEMENT_CONTROL(CIndentedEdit, CGXEditControl)

class CMarkerHeader : public CGXHeader {
  GRID_DECLARE_CONTROL(CMarkerHeader)

 public:
  explicit CMarkerHeader(CGXGridCore* pGrid) : CGXHeader(pGrid) {}
};
GRID_IMPLEMENT_DYNCREATE_CONTROL(CMarkerHeader, CGXHeader)

TEST_F(ControlsTest, CellControlsTellTheirClassAndAreMadeByName) {
  CControlsGrid grid;
  OpenControls(grid);
  CGXControl* edit = grid.GetControl(1, 2);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->IsKindOf(RUNTIME_CLASS(CGXEditControl))) << "a class derived from the edit control";
  EXPECT_FALSE(edit->IsKindOf(RUNTIME_CLASS(CGXStatic)));
  EXPECT_TRUE(edit->IsKindOf(RUNTIME_CLASS(CGXControl)));
  CGXControl* header = grid.GetControl(0, 1);
  ASSERT_NE(header, nullptr);
  EXPECT_FALSE(header->IsKindOf(RUNTIME_CLASS(CGXEditControl)));
  EXPECT_TRUE(header->IsKindOf(RUNTIME_CLASS(CGXStatic)));
  CGXControl* password = grid.GetRegisteredControl(GX_IDS_CTRL_PASSWORD);
  ASSERT_NE(password, nullptr);
  EXPECT_TRUE(password->IsKindOf(RUNTIME_CLASS(CGXEditControl)));
  EXPECT_TRUE(password->IsKindOf(RUNTIME_CLASS(CGXPasswordControl)));

  CIndentedEdit indented(&grid, 0x7FF2);
  EXPECT_TRUE(indented.IsKindOf(RUNTIME_CLASS(CGXEditControl)));
  EXPECT_TRUE(indented.IsKindOf(RUNTIME_CLASS(CEdit))) << "still a window of its class";
  EXPECT_EQ(CRuntimeClass::FromName("CIndentedEdit"), RUNTIME_CLASS(CIndentedEdit));

  std::unique_ptr<CGXControl> made = GXCreateControl("CMarkerHeader", &grid);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->GetRuntimeClass(), RUNTIME_CLASS(CMarkerHeader));
  EXPECT_EQ(made->Grid(), &grid);
  EXPECT_NE(GXCreateControl("CGXCheckBox", &grid), nullptr);
  EXPECT_EQ(GXCreateControl("CIndentedEdit", &grid), nullptr) << "made only with its id";
  EXPECT_EQ(GXCreateControl("NoSuchControl", &grid), nullptr);
}

TEST_F(ControlsTest, APopUpGridIsAnOwnedPopUpWindow) {
  CControlsGrid grid;
  OpenControls(grid);
  CGXGridWnd popup;
  const CRect place(200, 150, 401, 350);
  ASSERT_TRUE(popup.Create(WS_POPUP | WS_BORDER | WS_VSCROLL, place, &grid, 0));
  const DWORD style = popup.GetStyle();
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CHILD);
  EXPECT_EQ(::GetWindow(popup.m_hWnd, GW_OWNER), ::GetAncestor(grid.m_hWnd, GA_ROOT))
      << "a child's top-level window owns";
  CRect rect;
  popup.GetWindowRect(&rect);
  EXPECT_EQ(rect, place) << "screen coordinates";
  popup.Initialize();
  popup.SetRowCount(3);
  popup.SetColCount(1);
  EXPECT_EQ(popup.GetRowCount(), 3u);
  popup.DestroyWindow();
}

}  // namespace
}  // namespace gridtest
