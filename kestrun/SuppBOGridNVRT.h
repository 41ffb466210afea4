// The grid of the KBRX "Supported Business Objects" tab: one row per
// business object of the broker connector with its message set
// identifier, both typed in place, and an empty last row for a new entry.
// Each row holds its model record (item data of the name cell) and every
// edit goes into it at once.
#pragma once

#include "ConnectorGrid.h"

struct CMessageSetRecord;

class CSuppBOGridNVRT : public CConnectorGrid {
  DECLARE_DYNAMIC(CSuppBOGridNVRT)

 public:
  enum { COL_NAME = 1, COL_ID = 2 };
  static constexpr int kMaxNameLength = 80;
  static constexpr int kMaxIdLength = 255;

  CSuppBOGridNVRT();
  ~CSuppBOGridNVRT() override;

  void FillFromConnector();
  // Empties the grid and fills it again from the model.
  void Refill();
  void AddEmptyRow(ROWCOL nRow);
  void SortByColumn(ROWCOL nCol, BOOL bDescending);
  BOOL HasRowDeletion() const override { return TRUE; }
  void DeleteSelectedRows() override;
  CMessageSetRecord* GetRowRecord(ROWCOL nRow);

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;

 private:
  void SetRowStyles(ROWCOL nRow);
  // The rows that hold a name: all but an empty last row.
  ROWCOL NamedRowCount();
};
