// The fixture of the cell-control tests: a fresh window system, a frame
// holding a grid that records what the controls tell it, and helpers to
// reach cells and their parts with the robot.
#pragma once

#include <afxwin.h>

#include <HLGrid.h>

#include <string>
#include <utility>
#include <vector>

#include "BitmapBtnOwner.h"
#include "mfc_test.h"

namespace cells_test {

using Cell = std::pair<ROWCOL, ROWCOL>;

// A grid that records the toggles its name cells ask for, the button
// notifications and the cells the user changed.
class HostGrid : public HLGrid, public CBitmapBtnOwner {
 public:
  void ToggleRowExpansion(ROWCOL nRow) override { toggled.push_back(nRow); }
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override {
    buttons.emplace_back(nRow, nCol);
    HLGrid::OnClickedButtonRowCol(nRow, nCol);
  }
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override {
    modified.emplace_back(nRow, nCol);
    HLGrid::OnModifyCell(nRow, nCol);
  }

  std::vector<ROWCOL> toggled;
  std::vector<Cell> buttons;
  std::vector<Cell> modified;
};

// A grid that is no CBitmapBtnOwner.
class PlainGrid : public HLGrid {
 public:
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override {
    buttons.emplace_back(nRow, nCol);
    HLGrid::OnClickedButtonRowCol(nRow, nCol);
  }
  std::vector<Cell> buttons;
};

class CellTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts the grid (already constructed) into the frame and initialises it
  // with rows x cols cells.
  void Attach(CGXGridWnd& grid, ROWCOL rows, ROWCOL cols, int width = 440, int height = 250);
  halvane::test::Window GridWindow(CGXGridWnd& grid) const { return halvane::test::Window(grid.GetSafeHwnd()); }
  halvane::test::Window Frame() const { return halvane::test::Window(frame.GetSafeHwnd()); }
  // The cell's rectangle as its control draws it (without the grid lines).
  static CRect CellRect(CGXGridCore& grid, ROWCOL row, ROWCOL col);
  static POINT Centre(const CRect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
  void Click(CGXGridWnd& grid, POINT point) { robot.click(GridWindow(grid), point); }
  // A click on the part of a cell where its text goes.
  void ClickText(CGXGridWnd& grid, ROWCOL row, ROWCOL col);
  // Presses, moves and releases the left button at points of the grid.
  void Press(CGXGridWnd& grid, POINT point);
  void MoveTo(CGXGridWnd& grid, POINT point);
  void Release(CGXGridWnd& grid, POINT point);

  CWinApp app{"Cell Control Tests"};
  CWnd frame;
};

// A cell drawn by its grid into a bitmap as large as the grid's client
// area, on a device context that prints when asked; its pixels read back.
class DrawnCell {
 public:
  DrawnCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col, BOOL printing = FALSE);
  ~DrawnCell();
  DrawnCell(const DrawnCell&) = delete;
  DrawnCell& operator=(const DrawnCell&) = delete;
  COLORREF At(int x, int y) { return dc_.GetPixel(x, y); }
  // How many pixels of the rectangle have the colour.
  int Count(const CRect& rect, COLORREF colour);

 private:
  CDC dc_;
  CBitmap bitmap_;
  CBitmap* old_ = nullptr;
};

// The texts of a string array.
std::vector<std::string> Texts(const CStringArray& values);

}  // namespace cells_test
