// CConnectorGrid: what the grids of a connector window's tabs share on top
// of CHLGridCommon: their columns from a column table with push-button
// headers, the tab view and document they serve, the text of a cell while
// it is being edited, whole-row selections and sorting that keeps a
// trailing empty row last.
#pragma once

#include <HLGridCommon.h>

#include <vector>

#include "ColumnTables.h"

class CConnector;
class CKestrunDoc;
class CKestrunView;

class CConnectorGrid : public CHLGridCommon {
  DECLARE_DYNAMIC(CConnectorGrid)

 public:
  // The interior of the cells the user cannot edit.
  static constexpr COLORREF kReadOnlyColor = RGB(200, 200, 200);

  CConnectorGrid();
  ~CConnectorGrid() override;

  // The text in the cell's editor while that cell is being edited, else
  // the stored value.
  CString GetCellText(ROWCOL nRow, ROWCOL nCol);
  // Fills the grid's rows from the model.
  virtual void FillFromConnector() = 0;
  // Empties the grid and fills it again from the model.
  void Refill();
  // The item data of the row's cell in the column (a model record), or null.
  void* GetRowItem(ROWCOL nRow, ROWCOL nCol);
  // Whether the grid's rows can be deleted at all (the default: no).
  virtual BOOL HasRowDeletion() const { return FALSE; }
  // Deletes the selected rows; the default keeps them.
  virtual void DeleteSelectedRows();
  // Whether whole rows are selected (every column, the row header
  // included) and the grid holds more than one row: "Delete Row" and the
  // Delete key delete them then.
  BOOL CanDeleteRows();
  // Delete with whole rows selected deletes them, also when the key came
  // to a list box shown over the current cell.
  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0) override;
  // The rows of the selection, bottom first.
  std::vector<ROWCOL> SelectedRowsBottomUp();

 protected:
  // The table's first nPositions columns (all by default), their widths
  // and titles, and the header row drawn as push buttons (without the sort
  // marker on paper).
  void SetupColumns(UserPropColTable table, int nPositions = -1);
  // The tab view the grid is a child of, and its document and model.
  CKestrunView* GetView() const;
  CKestrunDoc* GetKestrunDoc() const;
  CConnector* GetConnector() const;
  void MarkModified();
  // Whether a header click on the column sorts it descending: only when it
  // was the column sorted last, in ascending order.
  BOOL NextSortDescending(ROWCOL nCol);
  // Sorts rows 1 to nLastRow by the column and remembers column and order.
  void SortRowsByColumn(ROWCOL nCol, BOOL bDescending, ROWCOL nLastRow);
  // Whether the changed cell's control is a text editor.
  BOOL IsTextEditCell(ROWCOL nRow, ROWCOL nCol);
  // Puts a text into the cell without a change notification of its own.
  void PutCellText(ROWCOL nRow, ROWCOL nCol, const CString& text);
  // A grey static cell the user cannot edit.
  static CGXStyle ReadOnlyCell();
};
