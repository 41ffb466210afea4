// The property grid's tests: a frame holding a CPropGrid with the default
// columns, and properties of every kind the grid shows.
#pragma once

#include <string>

#include "PropGrid.h"
#include "wizard_fixture.h"

namespace wizardtest {

// Rows of SampleProperties().
enum SampleRow : ROWCOL {
  kHostRow = 1,  // plain text
  kPasswordRow,  // secret
  kFolderRow,    // type 9
  kFileRow,      // type 10
  kTablesRow,    // several values typed into a list
  kViewsRow,     // several of the allowed values
  kModeRow,      // one of the allowed values
  kEnabledRow,   // Boolean
  kSampleRows = kEnabledRow
};

// One property of each kind, with its default values.
AgentPropArray SampleProperties();

class PropGridTest : public WizardTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  halvane::test::Window gridWindow() const { return halvane::test::Window(grid.GetSafeHwnd()); }
  std::string cell(ROWCOL row, ROWCOL col) { return std::string(grid.GetValueRowCol(row, col)); }
  WORD control(ROWCOL row) { return grid.LookupStyleRowCol(row, CPropGrid::kValueCol).GetControl(); }
  // A click on the cell after the double-click time, so that two clicks
  // never make a double click.
  void clickCell(ROWCOL row, ROWCOL col);
  // Types into the row's value cell in place of its text and presses
  // Enter, which stores it.
  void typeInto(ROWCOL row, const std::string& text);
  ROWCOL currentRow();
  ROWCOL currentCol();

  CWnd frame;
  CPropGrid grid;
};

}  // namespace wizardtest
