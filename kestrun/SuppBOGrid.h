// The grid of the QVS "Supported Business Objects" tab: one row per
// business object the connector supports, its name picked from the
// server's definitions that no other row holds, with the agent-support
// flag; while some definition is not listed yet, a last empty row offers
// them. Rows filled from the model keep its record as item data of their
// name cell; the model is brought in step with the rows when the tab
// applies or writes them.
#pragma once

#include "SuppBOGridBase.h"

struct CQRSupportedBO;

class CSuppBOGrid : public CSuppBOGridBase {
  DECLARE_DYNAMIC(CSuppBOGrid)

 public:
  enum { COL_AGENT = 2 };

  CSuppBOGrid();
  ~CSuppBOGrid() override;

  void FillFromConnector() override;
  // The names of the server's definitions that no row holds, each
  // followed by "\n", become the rows' choices; answers their number.
  int RefreshFreeNames();
  void SetRowChoices();
  bool IsNameInGrid(const CString& name);
  // Whether the name cell's list is open (the user is still choosing).
  BOOL IsChoosing() const;
  // The rows that hold a name, as (name, agent support), in row order.
  void GetRows(CStringArray& names, CDWordArray& agentSupport);
  const CString& GetFreeNames() const { return m_strFreeNames; }

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void SetRowStyles(ROWCOL nRow) override;
  void RemoveRowRecord(CConnector& connector, ROWCOL nRow) override;
  // The names a deletion set free are offered again, in a new empty row
  // when the last row was a named one.
  void OnRowsDeleted(BOOL bLastNamed) override;

 private:
  CString m_strFreeNames;
  CGXComboBoxWnd* m_pNameList = nullptr;  // the grid's
};
