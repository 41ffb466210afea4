// CGXGridCore: the grid's logic, mixed into a window class (CGXGridWnd)
// that forwards its messages to the Do* entry points. Cells are addressed
// by row and column; row 0 is the header row, column 0 the row headers.
#pragma once

#include <map>
#include <memory>

#include "gx/gxcontrol.h"
#include "gx/gxparam.h"

namespace gx {
struct GridData;
struct GridView;
}  // namespace gx

class CFile;
class CGXSortInfoArray;
struct CPrintInfo;

class CGXGridCore {
 public:
  explicit CGXGridCore(CWnd* pGridWnd);
  virtual ~CGXGridCore();
  CGXGridCore(const CGXGridCore&) = delete;
  CGXGridCore& operator=(const CGXGridCore&) = delete;

  CWnd* GridWnd() const { return m_pGridWnd; }
  CGXGridParam* GetParam() { return m_pParam.get(); }

  // Set-up: OnGridInitialUpdate runs once when the grid is first shown or
  // initialised; derived grids build their columns there.
  virtual void OnGridInitialUpdate();
  BOOL IsInitialized() const { return m_bInitialized; }

  // Rows and columns (the counts exclude the header row and column).
  virtual ROWCOL GetRowCount();
  virtual ROWCOL GetColCount();
  BOOL SetRowCount(ROWCOL nRows, UINT flags = GX_UPDATENOW);
  BOOL SetColCount(ROWCOL nCols, UINT flags = GX_UPDATENOW);
  // New rows before nRow (nRow = count + 1 appends). The row operations
  // are virtual so that a grid can act on its model first (the row drag
  // of the headers calls MoveRows).
  virtual BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags = GX_UPDATENOW);
  virtual BOOL InsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags = GX_UPDATENOW);
  virtual BOOL RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags = GX_UPDATENOW);
  virtual BOOL RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags = GX_UPDATENOW);
  // Moves rows nFromRow..nToRow so that they start at nDestRow (a row
  // number counted after the block is taken out).
  virtual BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW);
  virtual BOOL MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags = GX_UPDATENOW);

  // The store. A browser grid overrides these to read and write its model.
  // Styles of rows and columns as a whole: (nRow, GX_INVALID) is the style
  // of row nRow, (GX_INVALID, nCol) that of column nCol, (GX_INVALID,
  // GX_INVALID) the table's. nType is kept for derived stores (0: cells).
  virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy, int nType = 0);
  virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt = gxOverride,
                                int nType = 0);
  virtual BOOL StoreRowCount(ROWCOL nRows);
  virtual BOOL StoreColCount(ROWCOL nCols);
  virtual BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount);
  virtual BOOL StoreInsertCols(ROWCOL nCol, ROWCOL nCount);
  virtual BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow);
  virtual BOOL StoreRemoveCols(ROWCOL nFromCol, ROWCOL nToCol);
  virtual BOOL StoreMoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow);
  virtual BOOL StoreMoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol);
  // Puts rows nTop.. into a new order in one pass: row nTop + i becomes
  // the row that was at nTop + order[i]. SortRows calls it. This default
  // orders the grid's own store; a grid whose StoreMoveRows also moves rows
  // of a model overrides it too (the browser grids do, through single-row
  // moves).
  virtual BOOL StoreReorderRows(ROWCOL nTop, const CRowColArray& order);

  // Values and styles. A range of rows, columns or the table sets the
  // style of those rows, columns or the table (cells inherit it).
  BOOL SetValueRange(const CGXRange& range, const CString& s, GXModifyType mt = gxOverride, int nType = 0,
                     UINT flags = GX_UPDATENOW);
  BOOL SetValueRange(const CGXRange& range, LPCTSTR psz, GXModifyType mt = gxOverride, int nType = 0,
                     UINT flags = GX_UPDATENOW);
  BOOL SetValueRange(const CGXRange& range, long n, GXModifyType mt = gxOverride, int nType = 0,
                     UINT flags = GX_UPDATENOW);
  BOOL SetValueRange(const CGXRange& range, int n, GXModifyType mt = gxOverride, int nType = 0,
                     UINT flags = GX_UPDATENOW);
  BOOL SetValueRange(const CGXRange& range, DWORD n, GXModifyType mt = gxOverride, int nType = 0,
                     UINT flags = GX_UPDATENOW);
  BOOL SetValueRange(const CGXRange& range, double d, GXModifyType mt = gxOverride, int nType = 0,
                     UINT flags = GX_UPDATENOW);
  // The cell's composed value (header cells: their number or letter).
  virtual CString GetValueRowCol(ROWCOL nRow, ROWCOL nCol);
  BOOL SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt = gxOverride, int nType = 0,
                     UINT flags = GX_UPDATENOW);
  BOOL SetStyleRange(const CGXRange& range, const CGXStyle* pStyle, GXModifyType mt = gxOverride, int nType = 0,
                     UINT flags = GX_UPDATENOW);
  // Cell over row over column over table over the standard style (and the
  // header styles for row 0 and column 0).
  virtual void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard = TRUE);
  CGXStyle LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol);
  CGXStyle& StandardStyle();
  CGXStyle& RowHeaderStyle();
  CGXStyle& ColHeaderStyle();
  // Stores a shown text through the cell's control (choice lists: the index).
  BOOL SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT flags = GX_UPDATENOW,
                            const CGXStyle* pOldStyle = nullptr);
  // The text the cell shows, through its control.
  virtual BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol);
  // Stores a value as the user would (read-only and validation aside) and
  // sends OnModifyCell.
  BOOL SetValueByUser(ROWCOL nRow, ROWCOL nCol, const CString& sValue);

  // Sizes in pixels; a width or height 0 hides the column or row.
  BOOL SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, UINT flags = GX_UPDATENOW);
  virtual int GetColWidth(ROWCOL nCol);
  BOOL SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, UINT flags = GX_UPDATENOW);
  virtual int GetRowHeight(ROWCOL nRow);
  void SetDefaultColWidth(int nWidth);
  int GetDefaultColWidth() const;
  void SetDefaultRowHeight(int nHeight);
  int GetDefaultRowHeight() const;
  BOOL IsColHidden(ROWCOL nCol) { return GetColWidth(nCol) == 0; }
  BOOL IsRowHidden(ROWCOL nRow) { return GetRowHeight(nRow) == 0; }
  // Widths (heights) that fit the texts of the range's cells, measured by
  // their controls' CalcSize; never narrower than nMinSize.
  BOOL ResizeColWidthsToFit(const CGXRange& range, int nMinSize = 8, UINT flags = GX_UPDATENOW);
  BOOL ResizeRowHeightsToFit(const CGXRange& range, int nMinSize = 8, UINT flags = GX_UPDATENOW);
  // Frozen rows and columns stay in view (the header row and column always do).
  BOOL SetFrozenRows(ROWCOL nFrozenRows, UINT flags = GX_UPDATENOW);
  BOOL SetFrozenCols(ROWCOL nFrozenCols, UINT flags = GX_UPDATENOW);
  ROWCOL GetFrozenRows() const;
  ROWCOL GetFrozenCols() const;

  // Updating.
  // Returns the previous state; while locked nothing is drawn.
  BOOL LockUpdate(BOOL bLock = TRUE);
  BOOL IsLockUpdate() const { return m_bLockUpdate; }
  void Redraw(UINT flags = GX_INVALIDATE, BOOL bCreateHint = FALSE);
  void RedrawRowCol(const CGXRange& range, UINT flags = GX_INVALIDATE);
  void RedrawRowCol(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_INVALIDATE);
  // A read-only grid refuses every edit by the user.
  void SetReadOnly(BOOL bReadOnly = TRUE);
  BOOL IsReadOnly() const { return m_bReadOnly; }
  // Whether the user may change the cell now (grid, cell style, control).
  BOOL IsCellEditable(ROWCOL nRow, ROWCOL nCol);
  // Drag auto-scroll: while a selection drag leaves the cells, the grid
  // scrolls (per direction enabled) after nFirstDelay ms, then every nRepeatDelay ms.
  void SetAutoScroll(BOOL bHorz, BOOL bVert, UINT nFirstDelay, UINT nRepeatDelay);
  // Paints the whole grid onto pDC (the window's client area).
  virtual void OnGridDraw(CDC* pDC);
  virtual void DrawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect);

  // Scrolling.
  ROWCOL GetTopRow() const;
  ROWCOL GetLeftCol() const;
  BOOL SetTopRow(ROWCOL nRow, UINT flags = GX_UPDATENOW);
  BOOL SetLeftCol(ROWCOL nCol, UINT flags = GX_UPDATENOW);
  ROWCOL GetLastVisibleRow();
  ROWCOL GetLastVisibleCol();
  BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW);
  void UpdateScrollbars();

  // Geometry in client coordinates.
  CRect GetGridRect() const;
  // The cell's rectangle; empty when it is scrolled away or hidden.
  CRect CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol);
  // Where the cell's control draws: the cell without its grid lines.
  CRect GetCellRect(ROWCOL nRow, ROWCOL nCol);
  static CRect CellRectInside(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol);
  // GX_NOHIT, GX_HEADERHIT, GX_CELLHIT, GX_VERTLINE, GX_HORZLINE.
  int HitTest(CPoint pt, ROWCOL* pRow = nullptr, ROWCOL* pCol = nullptr, CRect* pRect = nullptr);

  // The current cell.
  BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_SMART | GX_UPDATENOW);
  BOOL GetCurrentCell(ROWCOL* pRow, ROWCOL* pCol);
  BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) { return GetCurrentCell(&nRow, &nCol); }
  // With no arguments: whether there is a current cell.
  BOOL IsCurrentCell(ROWCOL nRow = GX_INVALID, ROWCOL nCol = GX_INVALID);
  // Moves by nCell cells (GX_UP...); FALSE when there is no cell to go to
  // (always with GX_ENDOFLIST in flags).
  virtual BOOL MoveCurrentCell(int direction, UINT nCell = 1, UINT flags = GX_UPDATENOW);
  // Stores (bStore) or drops the editor's text and leaves the cell.
  void ResetCurrentCell(BOOL bStore = TRUE);
  // Stores the active editor's text (validating it); FALSE when refused.
  BOOL TransferCurrentCell(BOOL bSaveAndValidate = TRUE, UINT flags = GX_UPDATENOW);
  BOOL IsActiveCurrentCell();
  // Opens the current cell's editor and gives it the focus.
  BOOL ActivateCurrentCell();
  CGXControl* GetCurrentCellControl();
  virtual CGXControl* GetControl(ROWCOL nRow, ROWCOL nCol);
  // The grid takes ownership; a control registered again under an id
  // replaces the old one (the current cell stays, its editor closes).
  void RegisterControl(WORD nID, CGXControl* pControl);
  CGXControl* GetRegisteredControl(WORD nID);
  // The warning shown when validation refuses a text (then cleared).
  void SetWarningText(LPCTSTR pszWarning) { m_sWarningText = pszWarning; }
  const CString& GetWarningText() const { return m_sWarningText; }

  // Selection.
  void SelectRange(const CGXRange& range, BOOL bSelect = TRUE, BOOL bUpdate = TRUE);
  void SetSelection(const CGXRange& range, BOOL bUpdate = TRUE);
  void ClearSelection(BOOL bUpdate = TRUE);
  BOOL GetInvertStateRowCol(ROWCOL nRow, ROWCOL nCol);
  // Row spans of the selection, merged and sorted; bRangeRowsOnly: only
  // whole-row selections count (ranges of rows, or cells spanning every
  // column from column 0). bCanUseCurrentCell: with nothing selected, the
  // current cell's row. Returns the number of spans.
  ROWCOL GetSelectedRows(CRowColArray& awRowStart, CRowColArray& awRowEnd, BOOL bRangeRowsOnly = FALSE,
                         BOOL bCanUseCurrentCell = TRUE);
  ROWCOL GetSelectedCols(CRowColArray& awColStart, CRowColArray& awColEnd, BOOL bRangeColsOnly = FALSE,
                         BOOL bCanUseCurrentCell = TRUE);

  // Clipboard (CF_TEXT: cells tab-separated, rows ended by CR LF) on the
  // selected range or the current cell; an open editor's text instead.
  BOOL CanCopy();
  BOOL CanPaste();
  BOOL Copy();
  BOOL Cut();
  BOOL Paste();
  // The range's shown texts in the clipboard's text form.
  BOOL CopyTextToFile(CFile& destFile, const CGXRange& range);
  // A stable sort of the range's rows by the keys of sortInfo (gxsort.h).
  virtual void SortRows(CGXRange sortRange, CGXSortInfoArray& sortInfo, UINT flags = GX_UPDATENOW);
  // Printing through the class library's print loop and preview
  // (GetParam()->GetProperties() says how; gxprint.h).
  virtual void OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnGridPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
  virtual void OnGridPrint(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnGridEndPrinting(CDC* pDC, CPrintInfo* pInfo);

  // Undo of value changes (see CGXGridParam::EnableUndo).
  BOOL CanUndo() const;
  BOOL CanRedo() const;
  BOOL Undo();
  BOOL Redo();

  // Notifications, each called once for the cell concerned. Handlers may
  // change or refill the grid.
  virtual void OnModifyCell(ROWCOL nRow, ROWCOL nCol);
  virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
  virtual BOOL OnCancelEditing(ROWCOL nRow, ROWCOL nCol);
  virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
  virtual BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol);
  virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol);
  // The editor's text changed (each keystroke). TRUE: the handler dealt
  // with the text (it may have refilled the grid and restored the editor).
  virtual BOOL OnTextChangedRowCol(ROWCOL nRow, ROWCOL nCol);
  virtual BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
  virtual BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
  virtual BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
  virtual void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol);
  // Keys on the grid before its own handling; TRUE when taken.
  virtual BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual BOOL OnGridKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  // The grid's key handling, for keys reaching the grid or its editor
  // (pSender) : navigation, Enter, Escape, Delete. TRUE when handled.
  virtual BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0);
  // FALSE keeps the current cell where it is.
  virtual BOOL OnLeftCell(ROWCOL nRow, ROWCOL nCol, ROWCOL nNewRow, ROWCOL nNewCol);
  virtual void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol);
  virtual void OnChangedSelection(const CGXRange* pRange, BOOL bIsDragging, BOOL bKey);

  // Message entry points (the grid window calls them).
  void DoPaint(CDC* pDC) { OnGridDraw(pDC); }
  void DoSize(UINT nType, int cx, int cy);
  void DoLButtonDown(UINT nFlags, CPoint pt);
  void DoLButtonUp(UINT nFlags, CPoint pt);
  void DoLButtonDblClk(UINT nFlags, CPoint pt);
  void DoRButtonDown(UINT nFlags, CPoint pt);
  void DoRButtonUp(UINT nFlags, CPoint pt);
  void DoMouseMove(UINT nFlags, CPoint pt);
  BOOL DoMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  void DoKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void DoKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  void DoChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  void DoVScroll(UINT nSBCode, UINT nPos);
  void DoHScroll(UINT nSBCode, UINT nPos);
  void DoTimer(UINT_PTR nIDEvent);
  void DoCancelMode();

 protected:
  // Call once the grid window exists; runs OnGridInitialUpdate.
  void InitializeCore();
  // A bar the program hid stays hidden whatever the grid's size (SB_HORZ,
  // SB_VERT or SB_BOTH).
  void SetScrollBarAllowed(UINT nBar, BOOL bAllowed);

  CWnd* m_pGridWnd;

 private:
  BOOL ApplyStyleToRange(const CGXRange& range, const CGXStyle* pStyle, GXModifyType mt, int nType);
  void AfterStructureChange(UINT flags);
  BOOL StoreEditorText(ROWCOL nRow, ROWCOL nCol, CGXControl* pControl);
  void ShowValidationWarning();
  BOOL MoveTo(ROWCOL nRow, ROWCOL nCol, UINT flags);
  BOOL StoreBeforeLeaving(ROWCOL nRow, ROWCOL nCol);
  // Stores and closes the current cell's editor; FALSE when the text was refused.
  BOOL EndEditing();
  BOOL NavigateKey(UINT nChar, BOOL bShift, BOOL bCtrl);
  void CellFromPointClamped(CPoint pt, ROWCOL& nRow, ROWCOL& nCol);
  void ExtendSelection(ROWCOL nRow, ROWCOL nCol, BOOL bDragging);
  void BeginHeaderSelection(ROWCOL nRow, ROWCOL nCol, UINT nFlags);
  BOOL BeginRowMove(ROWCOL nRow);
  void EndRowMove(CPoint pt);
  BOOL PressControl(ROWCOL nRow, ROWCOL nCol, const CRect& rect, UINT nFlags, CPoint pt, BOOL bDouble);
  void EndGesture();
  void UpdateNow(UINT flags);
  void RecordUndoStep(ROWCOL nRow, ROWCOL nCol, const CString& sOld, const CString& sNew);
  // After the user changed a cell (typing, paste, cut): the undo step and OnModifyCell.
  void AfterUserChange(ROWCOL nRow, ROWCOL nCol, const CString& sOld);
  BOOL ResizeToFit(const CGXRange& range, BOOL bRows, int nMinSize, UINT flags);

  std::unique_ptr<CGXGridParam> m_pParam;
  std::unique_ptr<gx::GridData> m_pData;
  std::unique_ptr<gx::GridView> m_pView;
  std::map<WORD, std::unique_ptr<CGXControl>> m_controls;
  CString m_sWarningText;
  BOOL m_bInitialized = FALSE;
  BOOL m_bLockUpdate = FALSE;
  BOOL m_bReadOnly = FALSE;
};
