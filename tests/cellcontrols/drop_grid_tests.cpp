// The drop-down value-list cell: the pop-up grid it opens below the cell,
// typing a list into it, the ways it closes (the end of the list, another
// window taking the activation, leaving the cell, a second drop) and the
// value list collected each time and shown again on the next drop.
#include <gtest/gtest.h>

#include "DropGridCtrl.h"
#include "cell_fixture.h"

namespace cells_test {
namespace {

using halvane::test::Window;

constexpr WORD kDropID = 61471;

class DropGridTest : public CellTest {
 protected:
  void SetUp() override {
    CellTest::SetUp();
    Attach(grid, 3, 2);
    grid.SetColWidth(1, 2, 150);
    grid.RegisterControl(kDropID, new CDropGridCtrl(&grid, kDropID, 61472));
    grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(kDropID));
    grid.SetStyleRange(CGXRange(2, 1), CGXStyle().SetControl(kDropID));
    control = dynamic_cast<CDropGridCtrl*>(grid.GetControl(1, 1));
    ASSERT_NE(nullptr, control);
  }
  void ClickArrow(ROWCOL row) { Click(grid, Centre(control->GetArrowRect(CellRect(grid, row, 1)))); }
  CDropDownGridWnd* Popup() const { return control->GetDropDown(); }
  // The pop-up's rows, the empty last one included.
  std::vector<std::string> PopupRows() {
    std::vector<std::string> rows;
    for (ROWCOL row = 1; row <= Popup()->GetRowCount(); ++row) rows.emplace_back(Popup()->GetValueRowCol(row, 1));
    return rows;
  }
  // Types a value into the pop-up's current row and goes down with Enter.
  void TypeValue(const std::string& text) {
    robot.type(text);
    robot.key(VK_RETURN);
  }
  std::vector<std::string> ValueList() { return Texts(control->GetValueList()); }

  HostGrid grid;
  CDropGridCtrl* control = nullptr;
};

TEST_F(DropGridTest, TheArrowOpensABorderedPopupGridBelowTheCellWithTheFocus) {
  EXPECT_EQ(61472u, control->GetCallerValue());
  const CRect cell = grid.CalcRectFromRowCol(1, 1);
  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  const HWND popup = Popup()->GetSafeHwnd();
  ASSERT_TRUE(::IsWindowVisible(popup));
  const auto style = static_cast<DWORD>(::GetWindowLong(popup, GWL_STYLE));
  EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_BORDER), style & (WS_POPUP | WS_BORDER | WS_CHILD | WS_HSCROLL));
  EXPECT_EQ(0, ::GetWindowLong(popup, GWL_EXSTYLE));
  CRect expected = cell;
  grid.ClientToScreen(&expected);
  CRect placed;
  ::GetWindowRect(popup, &placed);
  EXPECT_EQ(CRect(expected.left - 1, expected.bottom, expected.left - 1 + 201, expected.bottom + 200), placed);
  EXPECT_EQ(frame.GetSafeHwnd(), ::GetWindow(popup, GW_OWNER)) << "owned by the grid's window";
  EXPECT_EQ(popup, ::GetActiveWindow());
  EXPECT_TRUE(::GetFocus() == popup || ::IsChild(popup, ::GetFocus()));
  // One empty row in one column of 100 pixels; the row headers are hidden.
  EXPECT_EQ(1u, Popup()->GetRowCount());
  EXPECT_EQ(1u, Popup()->GetColCount());
  EXPECT_EQ(0, Popup()->GetColWidth(0));
  EXPECT_EQ(100, Popup()->GetColWidth(1));
  EXPECT_TRUE(grid.IsActiveCurrentCell()) << "the cell's editor is open under its pop-up";
}

TEST_F(DropGridTest, ALongListScrollsUpAndDownOnly) {
  for (int i = 1; i <= 30; ++i) control->GetValueList().Add(("value " + std::to_string(i)).c_str());
  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  const auto style = static_cast<DWORD>(::GetWindowLong(Popup()->GetSafeHwnd(), GWL_STYLE));
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & WS_HSCROLL);
  EXPECT_TRUE(Popup()->IsCurrentCell(31, 1)) << "the empty last row is current, in view";
  EXPECT_GE(Popup()->GetLastVisibleRow(), 31u);
}

TEST_F(DropGridTest, TypedValuesAreCollectedWhenTheListEndsAndTheLastRowStaysEmpty) {
  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  robot.type("alpha");
  EXPECT_EQ(2u, Popup()->GetRowCount()) << "typing in the last row adds an empty row";
  EXPECT_EQ("alpha", robot.focused().text()) << "the typing goes on in the cell";
  robot.type("!");
  robot.key(VK_RETURN);
  TypeValue("beta");
  EXPECT_EQ((std::vector<std::string>{"alpha!", "beta", ""}), PopupRows());
  // Down from the empty last row: the end of the list.
  robot.key(VK_DOWN);
  EXPECT_EQ(nullptr, Popup());
  EXPECT_EQ((std::vector<std::string>{"alpha!", "beta"}), ValueList());
  EXPECT_TRUE(grid.IsActiveCurrentCell());
  EXPECT_EQ(grid.GetSafeHwnd(), ::GetParent(::GetFocus())) << "the focus is back in the cell's editor";
  EXPECT_TRUE(grid.modified.empty()) << "the list is no change of the cell";
}

TEST_F(DropGridTest, EmptyRowsAreLeftOutAndTheNextDropShowsTheListAgain) {
  ClickArrow(1);
  TypeValue("one");
  TypeValue("two");
  TypeValue("three");
  robot.key(VK_UP);
  robot.key(VK_UP);
  robot.key(VK_DELETE);  // "two" is emptied
  robot.key(VK_DOWN);
  robot.key(VK_DOWN);
  robot.key(VK_TAB);  // Tab off the last cell ends the list too
  EXPECT_EQ(nullptr, Popup());
  EXPECT_EQ((std::vector<std::string>{"one", "three"}), ValueList());

  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  EXPECT_EQ((std::vector<std::string>{"one", "three", ""}), PopupRows());
  EXPECT_TRUE(Popup()->IsCurrentCell(3, 1)) << "a new value goes below the others";
  robot.key(VK_DOWN);
  EXPECT_EQ(nullptr, Popup());
  EXPECT_EQ((std::vector<std::string>{"one", "three"}), ValueList());
}

TEST_F(DropGridTest, AListTheProgramFillsIsWhatThePopupShows) {
  control->GetValueList().Add("from");
  control->GetValueList().Add("program");
  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  EXPECT_EQ((std::vector<std::string>{"from", "program", ""}), PopupRows());
}

TEST_F(DropGridTest, DroppingTwiceInARowClosesTheFirstPopupWithItsValuesBeforeTheSecondOpens) {
  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  const HWND first = Popup()->GetSafeHwnd();
  robot.type("pending");
  ClickArrow(1);
  EXPECT_FALSE(::IsWindow(first));
  EXPECT_EQ(std::vector<std::string>{"pending"}, ValueList()) << "the first pop-up's pending edit was kept";
  ASSERT_NE(nullptr, Popup()) << "the second pop-up is open";
  EXPECT_TRUE(::IsWindowVisible(Popup()->GetSafeHwnd()));
  EXPECT_EQ((std::vector<std::string>{"pending", ""}), PopupRows());
}

TEST_F(DropGridTest, AnotherWindowTakingTheActivationClosesThePopup) {
  ClickArrow(1);
  TypeValue("kept");
  CWnd other;
  ASSERT_TRUE(
      other.CreateEx(0, nullptr, "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100, nullptr, nullptr));
  robot.click(Window(other.GetSafeHwnd()));
  EXPECT_EQ(nullptr, Popup());
  EXPECT_EQ(std::vector<std::string>{"kept"}, ValueList());
  other.DestroyWindow();
}

TEST_F(DropGridTest, AMessageBoxOwnedByThePopupKeepsItOpen) {
  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  robot.onMessageBox("Note", IDOK);
  Popup()->MessageBox("A box of the pop-up's own", "Note", MB_OK);
  robot.pumpUntilIdle();
  EXPECT_NE(nullptr, Popup());
}

TEST_F(DropGridTest, LeavingTheCellClosesThePopupAndTheEndQueryAnswersThatItIsDone) {
  ClickArrow(1);
  TypeValue("left");
  grid.SetCurrentCell(2, 2);
  robot.pumpUntilIdle();
  EXPECT_EQ(nullptr, Popup());
  EXPECT_EQ(std::vector<std::string>{"left"}, ValueList());

  grid.SetCurrentCell(1, 1);
  robot.pumpUntilIdle();
  EXPECT_EQ(GX_ENDEDIT_STORE, control->QueryEndEditing()) << "without a pop-up: the library's answer";
  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  robot.type("queried");
  EXPECT_EQ(GX_ENDEDIT_DONE, control->QueryEndEditing());
  EXPECT_EQ(nullptr, Popup());
  EXPECT_EQ((std::vector<std::string>{"left", "queried"}), ValueList());
}

TEST_F(DropGridTest, TheIgnoredMessageChangesNothingAndStaleNoticesAreDropped) {
  ClickArrow(1);
  ASSERT_NE(nullptr, Popup());
  EXPECT_EQ(0, control->SendMessage(WM_DROPGRID_IGNORED, 0, 0));
  robot.pumpUntilIdle();
  ASSERT_NE(nullptr, Popup());
  // A notice about a pop-up that is not the one shown is not about it.
  control->SendMessage(WM_DROPGRID_DEACTIVATED, reinterpret_cast<WPARAM>(frame.GetSafeHwnd()), 0);
  control->SendMessage(WM_DROPGRID_END, reinterpret_cast<WPARAM>(frame.GetSafeHwnd()), 0);
  EXPECT_NE(nullptr, Popup());
  control->SendMessage(WM_DROPGRID_DEACTIVATED, reinterpret_cast<WPARAM>(Popup()->GetSafeHwnd()), 0);
  EXPECT_EQ(nullptr, Popup());
}

TEST_F(DropGridTest, AReadOnlyCellDropsNothing) {
  grid.SetStyleRange(CGXRange(2, 1), CGXStyle().SetReadOnly(TRUE));
  ClickArrow(2);
  EXPECT_EQ(nullptr, Popup());
}

TEST_F(DropGridTest, AGridDestroyedWithItsPopupOpenTakesThePopupAlong) {
  frame.DestroyWindow();
  ASSERT_TRUE(
      frame.CreateEx(0, nullptr, "Cells", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 470, 300, nullptr, nullptr));
  auto owner = std::make_unique<HostGrid>();
  Attach(*owner, 2, 1, 200, 100);
  owner->RegisterControl(kDropID, new CDropGridCtrl(owner.get(), kDropID));
  owner->SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(kDropID));
  auto* dropControl = dynamic_cast<CDropGridCtrl*>(owner->GetControl(1, 1));
  ASSERT_NE(nullptr, dropControl);
  Click(*owner, Centre(dropControl->GetArrowRect(CellRect(*owner, 1, 1))));
  ASSERT_NE(nullptr, dropControl->GetDropDown());
  const HWND popup = dropControl->GetDropDown()->GetSafeHwnd();
  robot.type("gone");
  owner.reset();
  robot.pumpUntilIdle();
  EXPECT_FALSE(::IsWindow(popup));
}

}  // namespace
}  // namespace cells_test
