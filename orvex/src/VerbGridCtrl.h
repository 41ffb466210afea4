// The grid of the verbs on the "General" tab: a browser grid over the
// definition's verb array (row r is verb r - 1) with an empty last row
// where a new verb is typed. It sorts on header clicks, moves verbs by
// dragging rows, deletes rows (never the empty one) and copies, cuts and
// pastes verbs as the program's "CF_QROBJ" record or as text. Every change
// marks the definition modified.
#pragma once

#include <HLBrowserWnd.h>

#include <vector>

#include "DataManager.h"

class CVerbGridCtrl : public HLBrowserWnd {
  DECLARE_DYNAMIC(CVerbGridCtrl)

 public:
  static constexpr ROWCOL kColName = 1;
  static constexpr ROWCOL kColAppInfo = 2;
  static constexpr WORD kMaxNameLength = 80;
  static constexpr WORD kMaxAppInfoLength = 255;

  CVerbGridCtrl();
  ~CVerbGridCtrl() override;

  // Shows the verbs again; with bSort they are sorted by name first.
  void FillGrid(BOOL bSort);
  CQRBusObjDef* GetBODef() const { return m_pBODef; }
  ROWCOL GetEmptyRow() { return GetRowCount(); }

  // The commands the host view routes to the grid.
  void CopySelection();
  void CutSelection();
  void PasteSelection();
  void DeleteSelectedRows();
  void SelectAllRows();

  long OnGetRecordCount() override;
  BOOL OnLoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, LPCTSTR pszExistingValue) override;
  BOOL OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszChangedValue) override;

 protected:
  void OnGridInitialUpdate() override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;

 private:
  CBODefVerbArray* Verbs() const;
  void SortByColumn(ROWCOL nCol, BOOL bDescending);
  void CopyRows(BOOL bCut);
  void PasteRows(const CQRBusObjDef& source);
  void MarkModified();

  CView* m_pView = nullptr;
  CQRBusObjDef* m_pBODef = nullptr;
  // A commit added a verb: the grid recounts its rows after the store.
  BOOL m_bVerbAdded = FALSE;
};
