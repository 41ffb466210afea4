// The grid of the KBRX "Supported Business Objects" tab: one row per
// business object of the broker connector with its message set
// identifier, both typed in place, and an empty last row for a new entry.
// Each row holds its model record (item data of the name cell) and every
// edit goes into it at once.
#pragma once

#include "SuppBOGridBase.h"

struct CMessageSetRecord;

class CSuppBOGridNVRT : public CSuppBOGridBase {
  DECLARE_DYNAMIC(CSuppBOGridNVRT)

 public:
  enum { COL_ID = 2 };
  static constexpr int kMaxNameLength = 80;
  static constexpr int kMaxIdLength = 255;

  CSuppBOGridNVRT();
  ~CSuppBOGridNVRT() override;

  void FillFromConnector() override;
  CMessageSetRecord* GetRowRecord(ROWCOL nRow);

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void SetRowStyles(ROWCOL nRow) override;
  void RemoveRowRecord(CConnector& connector, ROWCOL nRow) override;
};
