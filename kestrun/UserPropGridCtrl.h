// The grid of the "Application Config Properties" tab: one row per
// application property of the connector model (the row header holds the
// property), then an empty row where a new property is typed. Names and
// values are edited in place, the Encrypt box keeps a value encrypted (a
// masked cell) and clearing it asks for the value again. The properties
// stay the model's.
#pragma once

#include "ConnectorGrid.h"

class HvProperty;

class CUserPropGridCtrl : public CConnectorGrid {
  DECLARE_DYNAMIC(CUserPropGridCtrl)

 public:
  static constexpr int kMaxNameLength = 80;
  static constexpr int kMaxValueLength = 255;

  CUserPropGridCtrl();
  ~CUserPropGridCtrl() override;

  void FillFromConnector() override;
  void SetNewRowDefaults(ROWCOL nRow);
  BOOL HasRowDeletion() const override { return TRUE; }
  void DeleteSelectedRows() override;
  // The property a row stands for; null for the new row.
  HvProperty* GetRowProperty(ROWCOL nRow);
  // The grid row of a property; 0 when it has none.
  ROWCOL FindPropertyRow(const HvProperty* pProperty);
  // The last row that holds a property (the row above the new row).
  ROWCOL GetLastDataRow() { return GetRowCount() > 0 ? GetRowCount() - 1 : 0; }
  // The update method of a new property in the document's mode.
  CString NewUpdateMethod() const;

  BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol) override;

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;

 private:
  void SetDataRowStyles(ROWCOL nRow);
  // The value cell masked (encrypted) or plain.
  void SetValueCellMasked(ROWCOL nRow, BOOL bMasked);
  BOOL IsPasswordCell(ROWCOL nRow, ROWCOL nCol);
  // The user's change of a cell; FALSE when it was refused or ended early.
  BOOL HandleValueChanged(ROWCOL nRow, ROWCOL nCol);
  HvProperty* AddNewRowProperty(ROWCOL nRow);
  // Clearing the Encrypt box: the value typed again must match.
  void VerifyDecryption(ROWCOL nRow, HvProperty& property);

  // While a change of the user's is handled: the handler's own cell writes
  // come back as notifications and are ignored.
  bool m_bInValueChanged = false;
};
