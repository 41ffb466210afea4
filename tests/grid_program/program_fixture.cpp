#include "program_fixture.h"

#include "robot_grid.h"

namespace gridprogram {

using halvane::test::Window;

void ProgramTest::SetUp() {
  MfcTest::SetUp();
  ASSERT_TRUE(GXInit());
  dialog = std::make_unique<CToolsDialog>(records);
  ASSERT_TRUE(dialog->Create(IDD_TOOLS, nullptr));
  robot.pumpUntilIdle();
  ASSERT_TRUE(Tools().IsInitialized());
  Tools().TakeLog();
}

void ProgramTest::TearDown() {
  if (dialog && dialog->GetSafeHwnd() != nullptr) dialog->DestroyWindow();
  robot.pumpUntilIdle();
  dialog.reset();
  MfcTest::TearDown();
}

Window ProgramTest::DialogWindow() const { return Window(dialog->GetSafeHwnd()); }
Window ProgramTest::ToolsWindow() const { return DialogWindow().child(IDC_TOOLS_GRID); }
Window ProgramTest::RecordsWindow() const { return DialogWindow().child(IDC_RECORDS_GRID); }

Window ProgramTest::Editor() const {
  for (const Window& child : ToolsWindow().children()) {
    if (child.className() == "Edit" && child.isVisible()) return child;
  }
  return Window();
}

Window ProgramTest::KindCombo() const {
  const Window combo = ToolsWindow().childByClass("ComboBox");
  return combo.isVisible() ? combo : Window();
}

POINT ProgramTest::CellPoint(Window grid, ROWCOL nRow, ROWCOL nCol) const {
  return halvane::test::GridCellPoint(grid, nRow, nCol);
}

void ProgramTest::ClickCell(ROWCOL nRow, ROWCOL nCol) {
  halvane::test::ClickGridCell(robot, ToolsWindow(), nRow, nCol);
}

void ProgramTest::ClickCheckBox(CGXGridWnd& grid, ROWCOL nRow, ROWCOL nCol) {
  auto* pBox = dynamic_cast<CGXCheckBox*>(grid.GetControl(nRow, nCol));
  ASSERT_NE(pBox, nullptr) << "no check box at " << nRow << "," << nCol;
  const CRect box = pBox->GetBoxRect(grid.GetCellRect(nRow, nCol), grid.LookupStyleRowCol(nRow, nCol));
  robot.click(Window(grid.GetSafeHwnd()), POINT{box.CenterPoint().x, box.CenterPoint().y});
}

void ProgramTest::DragCells(ROWCOL nFromRow, ROWCOL nFromCol, ROWCOL nToRow, ROWCOL nToCol) {
  robot.drag(ToolsWindow(), CellPoint(ToolsWindow(), nFromRow, nFromCol), CellPoint(ToolsWindow(), nToRow, nToCol));
}

std::string ProgramTest::Current() {
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  if (!Tools().GetCurrentCell(nRow, nCol)) return "none";
  return std::to_string(nRow) + "," + std::to_string(nCol);
}

void ProgramTest::Pause() { robot.advance(GetDoubleClickTime() + 1); }

}  // namespace gridprogram
