// CSuppBOGridBase: what the "Supported Business Objects" grids of both
// modes share: rows keyed by the business object's name in the first
// column, an empty row for a new entry that stays last while sorting, the
// row's model record as item data of its name cell, header clicks that
// sort, and deletion of the selected rows with their records.
#pragma once

#include "ConnectorGrid.h"

class CSuppBOGridBase : public CConnectorGrid {
  DECLARE_DYNAMIC(CSuppBOGridBase)

 public:
  enum { COL_NAME = 1 };

  ~CSuppBOGridBase() override;

  void AddEmptyRow(ROWCOL nRow);
  void SortByColumn(ROWCOL nCol, BOOL bDescending);
  BOOL HasRowDeletion() const override { return TRUE; }
  // Each row removes its own record, so that two rows of one name never
  // leave a row pointing at a freed record.
  void DeleteSelectedRows() override;

 protected:
  CSuppBOGridBase();

  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
  // The controls of a row's cells.
  virtual void SetRowStyles(ROWCOL nRow) = 0;
  // Takes the row's record out of the model, before the row goes.
  virtual void RemoveRowRecord(CConnector& connector, ROWCOL nRow) = 0;
  // After a deletion; bLastNamed: the last row held a name before.
  virtual void OnRowsDeleted(BOOL bLastNamed);
  // The rows that hold a name: all, or all but an empty last row.
  ROWCOL NamedRowCount();
};
