// The grid of the QVS "Supported Business Objects" tab: one row per
// business object the connector supports, its name picked from the
// server's definitions that no other row holds, with the agent-support
// flag; while some definition is not listed yet, a last empty row offers
// them. Rows filled from the model keep its record as item data of their
// name cell; the model is brought in step with the rows when the tab
// applies or writes them.
#pragma once

#include "ConnectorGrid.h"

struct CQRSupportedBO;

class CSuppBOGrid : public CConnectorGrid {
  DECLARE_DYNAMIC(CSuppBOGrid)

 public:
  enum { COL_NAME = 1, COL_AGENT = 2 };

  CSuppBOGrid();
  ~CSuppBOGrid() override;

  void FillFromConnector();
  // Empties the grid and fills it again from the model.
  void Refill();
  // The names of the server's definitions that no row holds, each
  // followed by "\n", become the rows' choices; answers their number.
  int RefreshFreeNames();
  void SetRowChoices();
  bool IsNameInGrid(const CString& name);
  void AddEmptyRow(ROWCOL nRow);
  void SortByColumn(ROWCOL nCol, BOOL bDescending);
  BOOL HasRowDeletion() const override { return TRUE; }
  void DeleteSelectedRows() override;
  // Whether the name cell's list is open (the user is still choosing).
  BOOL IsChoosing() const;
  // The rows that hold a name, as (name, agent support), in row order.
  void GetRows(CStringArray& names, CDWordArray& agentSupport);
  const CString& GetFreeNames() const { return m_strFreeNames; }

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;

 private:
  void SetRowStyles(ROWCOL nRow);
  // The rows that hold a name: all, or all but an empty last row.
  ROWCOL NamedRowCount();

  CString m_strFreeNames;
  CGXComboBoxWnd* m_pNameList = nullptr;  // the grid's
};
