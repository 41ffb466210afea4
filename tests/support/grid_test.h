// The fixture of the grid tests: the class-library fixture with the grid
// library started, a grid that records the notifications it gets, and
// helpers to reach cells. Header-only: test_support itself does not link
// the grid library.
#pragma once

#include <gxall.h>

#include <string>
#include <utility>
#include <vector>

#include "clipboard_text.h"
#include "mfc_test.h"
#include "robot_grid.h"

namespace halvane::test {

using GridCell = std::pair<ROWCOL, ROWCOL>;

// Records each notification as "Name(row,col)", the modified cells and the
// button clicks by cell; validation refuses while `refuseValidation` is set,
// with `warning` as the warning text.
class RecordingGrid : public CGXGridWnd {
 public:
  std::vector<std::string> log;
  std::vector<GridCell> modified;
  std::vector<GridCell> buttons;
  BOOL refuseValidation = FALSE;
  CString warning;

  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnModifyCell", nRow, nCol);
    modified.emplace_back(nRow, nCol);
    CGXGridWnd::OnModifyCell(nRow, nCol);
  }
  BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnStartEditing", nRow, nCol);
    return CGXGridWnd::OnStartEditing(nRow, nCol);
  }
  BOOL OnCancelEditing(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnCancelEditing", nRow, nCol);
    return CGXGridWnd::OnCancelEditing(nRow, nCol);
  }
  void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnCanceledEditing", nRow, nCol);
    CGXGridWnd::OnCanceledEditing(nRow, nCol);
  }
  BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnEndEditing", nRow, nCol);
    return CGXGridWnd::OnEndEditing(nRow, nCol);
  }
  BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnValidateCell", nRow, nCol);
    if (refuseValidation) SetWarningText(warning);
    return !refuseValidation;
  }
  BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override {
    Note("OnLButtonClickedRowCol", nRow, nCol);
    return CGXGridWnd::OnLButtonClickedRowCol(nRow, nCol, nFlags, pt);
  }
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnClickedButtonRowCol", nRow, nCol);
    buttons.emplace_back(nRow, nCol);
    CGXGridWnd::OnClickedButtonRowCol(nRow, nCol);
  }
  void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnMovedCurrentCell", nRow, nCol);
    CGXGridWnd::OnMovedCurrentCell(nRow, nCol);
  }

  void Note(const char* name, ROWCOL nRow, ROWCOL nCol) {
    log.push_back(std::string(name) + "(" + std::to_string(nRow) + "," + std::to_string(nCol) + ")");
  }
  // The entries named `name`.
  std::vector<std::string> Calls(const std::string& name) const {
    std::vector<std::string> out;
    for (const auto& e : log) {
      if (e.rfind(name + "(", 0) == 0) out.push_back(e);
    }
    return out;
  }
};

class GridTestBase : public MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    ASSERT_TRUE(GXInit());
  }

  static Window GridWindow(const CGXGridWnd& grid) { return Window(grid.GetSafeHwnd()); }
  // The centre of a cell in grid client coordinates (the cell must be in view).
  static POINT CellCentre(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
    const CRect rect = grid.CalcRectFromRowCol(row, col);
    EXPECT_FALSE(rect.IsRectEmpty()) << "cell " << row << "," << col << " is not in view";
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  // A point near the right edge of a cell (on its drop-down button).
  static POINT CellButton(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
    const CRect rect = grid.CalcRectFromRowCol(row, col);
    return {rect.right - 6, (rect.top + rect.bottom) / 2};
  }
  // Scrolls the cell into view and clicks it.
  void ClickCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col) { ClickGridCell(robot, GridWindow(grid), row, col); }
  // The grid's edit window when one is shown, else empty.
  static Window Editor(const CGXGridWnd& grid) {
    for (const Window& child : GridWindow(grid).children()) {
      if (child.className() == "Edit" && child.isVisible()) return child;
    }
    return Window();
  }
  // The visible pop-up list box (a drop-down cell's list), or an empty Window.
  Window PopupList() const {
    for (const Window& window : robot.topLevels()) {
      if (window.className() == "ListBox" && window.isVisible()) return window;
    }
    return {};
  }
  // Fills rows 1..n, columns 1..m with "r<row>c<col>".
  static void FillNumbered(CGXGridCore& grid, ROWCOL rows, ROWCOL cols) {
    grid.SetRowCount(rows);
    grid.SetColCount(cols);
    for (ROWCOL row = 1; row <= rows; ++row) {
      for (ROWCOL col = 1; col <= cols; ++col) {
        grid.SetValueRange(CGXRange(row, col), ("r" + std::to_string(row) + "c" + std::to_string(col)).c_str());
      }
    }
  }
};

}  // namespace halvane::test
