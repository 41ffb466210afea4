// The fixture of the grid tests: a modeless dialog whose "GXWND" custom
// control becomes a grid (a CGXGridWnd of the test's class), plus helpers
// to click cells and read the notifications a grid received.
#pragma once

#include <gxall.h>

#include <memory>
#include <string>
#include <vector>

#include "resource.h"
#include "mfc_test.h"

namespace gridtest {

// A grid that records its notifications as "Name(row,col)".
class CRecordingGrid : public CGXGridWnd {
 public:
  std::vector<std::string> log;
  BOOL refuseValidation = FALSE;
  CString warning;

  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override { Note("OnModifyCell", nRow, nCol); }
  BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnStartEditing", nRow, nCol);
    return TRUE;
  }
  BOOL OnCancelEditing(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnCancelEditing", nRow, nCol);
    return TRUE;
  }
  void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol) override { Note("OnCanceledEditing", nRow, nCol); }
  BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnEndEditing", nRow, nCol);
    return TRUE;
  }
  BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override {
    Note("OnValidateCell", nRow, nCol);
    if (refuseValidation) SetWarningText(warning);
    return !refuseValidation;
  }
  BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT, CPoint) override {
    Note("OnLButtonClickedRowCol", nRow, nCol);
    return TRUE;
  }
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override { Note("OnClickedButtonRowCol", nRow, nCol); }
  void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) override { Note("OnMovedCurrentCell", nRow, nCol); }

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

class GridTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes the dialog and attaches `grid` to its custom control (Initialize
  // runs OnGridInitialUpdate) with rows x cols cells.
  void Open(CGXGridWnd& grid, ROWCOL nRows, ROWCOL nCols);
  void Close();
  // Client-coordinate centre of a cell of the open grid.
  POINT CellPoint(ROWCOL nRow, ROWCOL nCol) const;
  void ClickCell(ROWCOL nRow, ROWCOL nCol);
  halvane::test::Window GridWindow() const;
  // The dialog's other control, to take the focus from the grid.
  halvane::test::Window OtherControl() const;
  // The grid's edit window when one is shown, else empty.
  halvane::test::Window Editor() const;

  CWinApp app{"Grid Tests"};
  std::unique_ptr<CDialog> dialog;
  CGXGridWnd* pGrid = nullptr;
};

}  // namespace gridtest
