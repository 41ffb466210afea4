// The fixture: the "Tools" dialog opened modeless over a fresh window
// system, with helpers that reach its grids' cells through the robot.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "clipboard_text.h"
#include "mfc_test.h"
#include "tools_dialog.h"

namespace gridprogram {

using Log = std::vector<std::string>;

class ProgramTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  CToolsGrid& Tools() { return dialog->m_wndTools; }
  CRecordsGrid& Records() { return dialog->m_wndRecords; }
  halvane::test::Window DialogWindow() const;
  halvane::test::Window ToolsWindow() const;
  halvane::test::Window RecordsWindow() const;
  // The edit window of the tools grid's open editor, else empty.
  halvane::test::Window Editor() const;
  // The combo box a kind cell shows while current, else empty.
  halvane::test::Window KindCombo() const;

  POINT CellPoint(halvane::test::Window grid, ROWCOL nRow, ROWCOL nCol) const;
  void ClickCell(ROWCOL nRow, ROWCOL nCol);
  // Clicks the check box itself (a click beside it only moves).
  void ClickCheckBox(CGXGridWnd& grid, ROWCOL nRow, ROWCOL nCol);
  void DragCells(ROWCOL nFromRow, ROWCOL nFromCol, ROWCOL nToRow, ROWCOL nToCol);
  // The tools grid's current cell as "row,col" ("none" without one).
  std::string Current();
  static std::string ClipboardText() { return halvane::test::ClipboardText(); }
  // The user waits before pressing again, so the next press is no double click.
  void Pause();

  CWinApp app{"Grid Program Tests"};
  std::vector<ToolRecord> records{{"Ledger", "alpha", true}, {"Relay", "beta", false}, {"Mailer", "gamma", true}};
  std::unique_ptr<CToolsDialog> dialog;
};

}  // namespace gridprogram
