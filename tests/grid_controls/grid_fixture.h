// The fixture of the cell-control tests: a fresh window system, a frame
// window holding one grid that records the notifications it gets, and
// helpers to reach cells with the robot and to read the clipboard.
#pragma once

#include <afxwin.h>

#include <gxall.h>

#include <string>
#include <utility>
#include <vector>

#include "clipboard_text.h"
#include "mfc_test.h"

namespace grid_test {

using Cell = std::pair<ROWCOL, ROWCOL>;

// Records each notification with its cell.
class RecordingGrid : public CGXGridWnd {
 public:
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override {
    modified.emplace_back(nRow, nCol);
    CGXGridWnd::OnModifyCell(nRow, nCol);
  }
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override {
    buttons.emplace_back(nRow, nCol);
    CGXGridWnd::OnClickedButtonRowCol(nRow, nCol);
  }
  std::vector<Cell> modified;
  std::vector<Cell> buttons;
};

class GridTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts the grid (already constructed) into the frame and initialises it.
  void Attach(CGXGridWnd& grid, int width = 420, int height = 260);
  // The centre of a cell in grid client coordinates.
  POINT CellCentre(CGXGridCore& grid, ROWCOL row, ROWCOL col);
  // A point near the right edge of a cell (on its drop-down button).
  POINT CellButton(CGXGridCore& grid, ROWCOL row, ROWCOL col);
  void ClickCell(CGXGridWnd& grid, ROWCOL row, ROWCOL col);
  halvane::test::Window GridWindow(CGXGridWnd& grid) const { return halvane::test::Window(grid.GetSafeHwnd()); }
  // The visible pop-up list box (a drop-down cell's list), or an empty Window.
  halvane::test::Window PopupList() const;
  // The clipboard's CF_TEXT, or "<none>".
  static std::string ClipboardText() { return halvane::test::ClipboardText(); }
  static void SetClipboardText(const std::string& text) { halvane::test::SetClipboardText(text); }
  // Fills rows 1..n, columns 1..m with "r<row>c<col>".
  static void FillNumbered(CGXGridCore& grid, ROWCOL rows, ROWCOL cols);

  CWinApp app{"Grid Control Tests"};
  CWnd frame;
};

}  // namespace grid_test
