// The program under test: a "Tools" dialog as a product would build it.
// Its upper grid (a "GXWND" custom control subclassed by CToolsGrid) edits
// tools in four columns: a name, a kind picked from a list, an enabled
// check box and a grey read-only id. "Remove" deletes the selected rows.
// The lower grid browses the dialog's vector of records and edits them.
#pragma once

#include <gxall.h>

#include <string>
#include <vector>

#include "resource.h"

namespace gridprogram {

enum ToolColumn : ROWCOL { kNameCol = 1, kKindCol = 2, kEnabledCol = 3, kIdCol = 4 };

// The kinds' choice list; a kind cell stores the chosen index.
inline constexpr const char* kKinds = "Service\nAgent\nBridge\n";
inline constexpr const char* kNameNeeded = "A tool needs a name.";

// A grid that records every notification it overrides as "Name(row,col)"
// (row moves as "MoveRows(from-to,dest)"), in the order they came.
class CToolsGrid : public CGXGridWnd {
 public:
  std::vector<std::string> log;

  BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnCancelEditing(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnLeftCell(ROWCOL nRow, ROWCOL nCol, ROWCOL nNewRow, ROWCOL nNewCol) override;
  void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) override;
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;
  BOOL RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags = GX_UPDATENOW) override;

  // The log since the last call, then an empty log.
  std::vector<std::string> TakeLog();
  // The values of one row, cells joined by '|'.
  std::string RowText(ROWCOL nRow);

 protected:
  void OnGridInitialUpdate() override;

 private:
  void Note(const char* name, ROWCOL nRow, ROWCOL nCol);
};

struct ToolRecord {
  std::string name;
  std::string host;
  bool enabled = false;
};

// Browses the records: name and enabled are editable, the host is not.
class CRecordsGrid : public CGXRecordBrowserWnd<ToolRecord> {
 public:
  explicit CRecordsGrid(std::vector<ToolRecord>& records);

 protected:
  void OnGridInitialUpdate() override;
};

class CToolsDialog : public CDialog {
 public:
  explicit CToolsDialog(std::vector<ToolRecord>& records);

  CToolsGrid m_wndTools;
  CRecordsGrid m_wndRecords;
  // The tools' rows as OK saw them (RowText of each).
  std::vector<std::string> m_savedTools;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnRemove();
  DECLARE_MESSAGE_MAP()
};

}  // namespace gridprogram
