#include "gx/gxbrowse.h"

IMPLEMENT_DYNAMIC(CGXBrowserWnd, CGXGridWnd)

long CGXBrowserWnd::OnGetRecordCount() { return 0; }

BOOL CGXBrowserWnd::OnLoadCellStyle(ROWCOL, ROWCOL, CGXStyle&, LPCTSTR) { return FALSE; }

BOOL CGXBrowserWnd::OnFlushCellValue(ROWCOL, ROWCOL, LPCTSTR) { return FALSE; }

ROWCOL CGXBrowserWnd::GetRowCount() {
  const long records = OnGetRecordCount();
  return records > 0 ? static_cast<ROWCOL>(records) : 0;
}

// Records the store has no row for yet (the model grew behind the grid's
// back, or nothing was stored since the grid opened) take the default height.
int CGXBrowserWnd::GetRowHeight(ROWCOL nRow) {
  if (nRow > CGXGridWnd::GetRowCount() && nRow <= GetRowCount()) return GetDefaultRowHeight();
  return CGXGridWnd::GetRowHeight(nRow);
}

BOOL CGXBrowserWnd::IsModelCell(ROWCOL nRow, ROWCOL nCol) {
  return nRow != GX_INVALID && nCol != GX_INVALID && nRow >= 1 && nCol >= 1 && nRow <= GetRowCount() &&
         nCol <= GetColCount();
}

BOOL CGXBrowserWnd::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) {
  const BOOL stored = CGXGridWnd::GetStyleRowCol(nRow, nCol, style, mt, nType);
  if (nType != 0 || !IsModelCell(nRow, nCol)) return stored;
  const CString existing = style.GetIncludeValue() ? style.GetValue() : CString();
  return OnLoadCellStyle(nRow, nCol, style, style.GetIncludeValue() ? static_cast<LPCTSTR>(existing) : nullptr) ||
         stored;
}

// A value goes to the model, never into the grid's store, so that the
// model stays the one place of the data; the rest of the style is kept.
BOOL CGXBrowserWnd::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) {
  if (nRow != GX_INVALID && nRow >= 1) SyncStoreRowCount();
  if (nType != 0 || !IsModelCell(nRow, nCol) || !pStyle || mt == gxRemove || mt == gxExclude ||
      !pStyle->GetIncludeValue()) {
    return CGXGridWnd::StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
  }
  if (!OnFlushCellValue(nRow, nCol, pStyle->GetValue())) return FALSE;
  CGXStyle rest(*pStyle);
  rest.SetIncludeValue(FALSE);
  if (rest.IsEmpty()) return TRUE;
  return CGXGridWnd::StoreStyleRowCol(nRow, nCol, &rest, mt == gxCopy ? gxOverride : mt, nType);
}

// The model decides how many rows there are.
BOOL CGXBrowserWnd::StoreRowCount(ROWCOL) {
  SyncStoreRowCount();
  return TRUE;
}

void CGXBrowserWnd::SyncStoreRowCount() { CGXGridWnd::StoreRowCount(GetRowCount()); }

void CGXBrowserWnd::OnModelChanged(UINT flags) {
  SyncStoreRowCount();
  UpdateScrollbars();
  Redraw(flags);
}
