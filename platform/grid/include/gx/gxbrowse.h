// Browser grids: the cells of rows 1.. come from a model, not from the
// grid's store. The row count is the model's (OnGetRecordCount); a cell's
// value is loaded through OnLoadCellStyle each time the grid needs it and
// a changed value goes back through OnFlushCellValue. Formatting (column
// styles, controls, colours) still lives in the grid's store. Row moves
// and removes reach the model through StoreMoveRows and StoreRemoveRows;
// an override moves or removes its records, then calls the base.
//
// CGXRecordBrowserWnd<Record> browses a std::vector<Record> through one
// getter and one setter per column: edits change the records themselves.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "gx/gxwnd.h"

class CGXBrowserWnd : public CGXGridWnd {
  DECLARE_DYNAMIC(CGXBrowserWnd)

 public:
  CGXBrowserWnd() = default;

  // Records in the model (rows 1..count).
  virtual long OnGetRecordCount();
  // Fills style with the value (and anything else) of a data cell;
  // pszExistingValue is the value stored in the grid, if any.
  virtual BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistingValue);
  // Writes a changed value to the model; FALSE refuses it.
  virtual BOOL OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszChangedValue);
  // The model changed behind the grid's back: recount and repaint.
  void OnModelChanged(UINT flags = GX_UPDATENOW);

  ROWCOL GetRowCount() override;
  int GetRowHeight(ROWCOL nRow) override;
  BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy, int nType = 0) override;
  BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt = gxOverride,
                        int nType = 0) override;
  BOOL StoreRowCount(ROWCOL nRows) override;
  // Single-row moves through StoreMoveRows, so that an override that moves
  // records moves them too.
  BOOL StoreReorderRows(ROWCOL nTop, const CRowColArray& order) override;

 protected:
  // Whether (nRow, nCol) is a cell whose value the model holds.
  BOOL IsModelCell(ROWCOL nRow, ROWCOL nCol);
  // The grid's store keeps one row of formatting per record: overrides
  // that change the model call this first, while the count is the old one.
  void SyncStoreRowCount();
};

template <class Record>
class CGXRecordBrowserWnd : public CGXBrowserWnd {
 public:
  using Getter = std::function<CString(const Record&)>;
  // FALSE refuses the text (the cell keeps the record's value).
  using Setter = std::function<BOOL(Record&, const CString&)>;

  explicit CGXRecordBrowserWnd(std::vector<Record>& records) : m_records(records) {}

  // Columns 1.. in the order added.
  void AddColumn(LPCTSTR pszTitle, Getter get, Setter set = nullptr) {
    m_columns.push_back({pszTitle, std::move(get), std::move(set)});
  }
  ROWCOL GetColumnCount() const { return static_cast<ROWCOL>(m_columns.size()); }
  std::vector<Record>& GetRecords() { return m_records; }

  long OnGetRecordCount() override { return static_cast<long>(m_records.size()); }
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR) override {
    const Column* column = ColumnOf(nCol);
    if (!column || nRow < 1 || nRow > m_records.size()) return FALSE;
    style.SetValue(column->get(m_records[nRow - 1]));
    if (!column->set) style.SetReadOnly(TRUE);
    return TRUE;
  }
  BOOL OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszChangedValue) override {
    const Column* column = ColumnOf(nCol);
    if (!column || !column->set || nRow < 1 || nRow > m_records.size()) return FALSE;
    return column->set(m_records[nRow - 1], CString(pszChangedValue));
  }
  BOOL StoreMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow) override {
    SyncStoreRowCount();
    if (nFromRow < 1 || nToRow < nFromRow || nToRow > m_records.size()) return FALSE;
    std::vector<Record> block(std::make_move_iterator(m_records.begin() + (nFromRow - 1)),
                              std::make_move_iterator(m_records.begin() + nToRow));
    m_records.erase(m_records.begin() + (nFromRow - 1), m_records.begin() + nToRow);
    const size_t at = std::min<size_t>(nDestRow - 1, m_records.size());
    m_records.insert(m_records.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(block.begin()),
                     std::make_move_iterator(block.end()));
    return CGXBrowserWnd::StoreMoveRows(nFromRow, nToRow, nDestRow);
  }
  BOOL StoreReorderRows(ROWCOL nTop, const CRowColArray& order) override {
    SyncStoreRowCount();
    const size_t first = nTop - 1;
    if (nTop < 1 || first + static_cast<size_t>(order.GetSize()) > m_records.size()) return FALSE;
    std::vector<Record> moved;
    moved.reserve(static_cast<size_t>(order.GetSize()));
    for (INT_PTR i = 0; i < order.GetSize(); ++i) moved.push_back(std::move(m_records[first + order[i]]));
    std::move(moved.begin(), moved.end(), m_records.begin() + static_cast<std::ptrdiff_t>(first));
    return CGXGridWnd::StoreReorderRows(nTop, order);
  }
  BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow) override {
    SyncStoreRowCount();
    if (nFromRow < 1 || nToRow < nFromRow || nToRow > m_records.size()) return FALSE;
    m_records.erase(m_records.begin() + (nFromRow - 1), m_records.begin() + nToRow);
    return CGXBrowserWnd::StoreRemoveRows(nFromRow, nToRow);
  }
  BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount) override {
    SyncStoreRowCount();
    if (nRow < 1 || nRow > m_records.size() + 1) return FALSE;
    m_records.insert(m_records.begin() + (nRow - 1), nCount, Record{});
    return CGXBrowserWnd::StoreInsertRows(nRow, nCount);
  }

 protected:
  // Titles in the header row and the column count, once the window exists.
  void OnGridInitialUpdate() override {
    CGXBrowserWnd::OnGridInitialUpdate();
    SetColCount(GetColumnCount(), GX_INVALIDATE);
    for (ROWCOL col = 1; col <= GetColumnCount(); ++col) {
      SetValueRange(CGXRange(0, col), m_columns[col - 1].title, gxOverride, 0, GX_INVALIDATE);
    }
  }

 private:
  struct Column {
    CString title;
    Getter get;
    Setter set;
  };
  const Column* ColumnOf(ROWCOL nCol) const {
    return nCol >= 1 && nCol <= m_columns.size() ? &m_columns[nCol - 1] : nullptr;
  }

  std::vector<Record>& m_records;
  std::vector<Column> m_columns;
};
