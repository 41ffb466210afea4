// The grid's values and styles: storing, composing, the header texts and
// the read-only lock.
#include <algorithm>

#include "griddata.h"
#include "gridview.h"
#include "gx/gxcore.h"

namespace {

// "A".."Z", "AA".."AZ", ... for column headers.
CString ColumnLetters(ROWCOL nCol) {
  CString s;
  while (nCol > 0) {
    const ROWCOL n = (nCol - 1) % 26;
    s.Insert(0, static_cast<TCHAR>(_T('A') + n));
    nCol = (nCol - 1) / 26;
  }
  return s;
}

}  // namespace

BOOL CGXGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int) {
  const CGXStyle* pStored = m_pData->Find(nRow, nCol);
  if (pStored == nullptr || pStored->IsEmpty()) return FALSE;
  style.ChangeStyle(*pStored, mt);
  return TRUE;
}

BOOL CGXGridCore::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int) {
  CGXStyle* pStored = m_pData->Find(nRow, nCol);
  if (pStored == nullptr) return FALSE;
  if (pStyle == nullptr)
    pStored->Free();
  else
    pStored->ChangeStyle(*pStyle, mt);
  return TRUE;
}

void CGXGridCore::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard) {
  pStyle->Free();
  GetStyleRowCol(nRow, nCol, *pStyle, gxCopy);
  const BOOL bHeaderRow = nRow == 0;
  const BOOL bHeaderCol = nCol == 0;
  // Header cells take the style of their own header row or column only,
  // so a data column's look never reaches its title.
  if (!bHeaderCol || bHeaderRow) GetStyleRowCol(nRow, GX_INVALID, *pStyle, gxApplyNew);
  if (!bHeaderRow || bHeaderCol) GetStyleRowCol(GX_INVALID, nCol, *pStyle, gxApplyNew);
  if (!bHeaderRow && !bHeaderCol) GetStyleRowCol(GX_INVALID, GX_INVALID, *pStyle, gxApplyNew);
  if (bHeaderRow) pStyle->Inherit(m_pData->colHeaderStyle);
  if (bHeaderCol && !bHeaderRow) pStyle->Inherit(m_pData->rowHeaderStyle);
  if (!pStyle->GetIncludeValue() && (bHeaderRow || bHeaderCol)) {
    if (bHeaderRow && !bHeaderCol && m_pParam->IsNumberedColHeaders())
      pStyle->SetValue(ColumnLetters(nCol));
    else if (bHeaderCol && !bHeaderRow && m_pParam->IsNumberedRowHeaders())
      pStyle->SetValue(static_cast<DWORD>(nRow));
  }
  if (bApplyStandard) pStyle->Inherit(m_pData->standardStyle);
}

CGXStyle CGXGridCore::LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol) {
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  return style;
}

CGXStyle& CGXGridCore::StandardStyle() { return m_pData->standardStyle; }
CGXStyle& CGXGridCore::RowHeaderStyle() { return m_pData->rowHeaderStyle; }
CGXStyle& CGXGridCore::ColHeaderStyle() { return m_pData->colHeaderStyle; }

CString CGXGridCore::GetValueRowCol(ROWCOL nRow, ROWCOL nCol) {
  if (nRow > GetRowCount() || nCol > GetColCount()) return CString();
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style, FALSE);
  return style.GetValue();
}

BOOL CGXGridCore::IsCellEditable(ROWCOL nRow, ROWCOL nCol) {
  if (m_bReadOnly || nRow == 0 || nCol == 0 || nRow > GetRowCount() || nCol > GetColCount()) return FALSE;
  if ((m_pParam->GetActivateCellFlags() & GX_ACTIVATE_NOEDIT) != 0) return FALSE;
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  if (style.GetReadOnly() || !style.GetEnabled()) return FALSE;
  CGXControl* pControl = GetRegisteredControl(style.GetControl());
  return pControl != nullptr && !pControl->IsReadOnly();
}

BOOL CGXGridCore::ApplyStyleToRange(const CGXRange& rangeIn, const CGXStyle* pStyle, GXModifyType mt, int nType) {
  if (!rangeIn.IsValid()) return FALSE;
  const ROWCOL nRows = GetRowCount();
  const ROWCOL nCols = GetColCount();
  if (rangeIn.IsTable()) return StoreStyleRowCol(GX_INVALID, GX_INVALID, pStyle, mt, nType);
  if (rangeIn.IsRows() || rangeIn.IsCols()) {
    BOOL bDone = FALSE;
    const BOOL bRows = rangeIn.IsRows();
    const ROWCOL nFirst = bRows ? rangeIn.top : rangeIn.left;
    const ROWCOL nLast = std::min(bRows ? rangeIn.bottom : rangeIn.right, bRows ? nRows : nCols);
    for (ROWCOL n = nFirst; n <= nLast; ++n)
      bDone |= bRows ? StoreStyleRowCol(n, GX_INVALID, pStyle, mt, nType)
                     : StoreStyleRowCol(GX_INVALID, n, pStyle, mt, nType);
    return bDone;
  }
  CGXRange range = rangeIn;
  range.ExpandRange(0, 0, nRows, nCols);
  if (!range.IsValid()) return FALSE;
  // A style that makes cells writable may always be applied.
  const BOOL bUnlocks = pStyle != nullptr && pStyle->GetIncludeReadOnly() && !pStyle->GetReadOnly() && mt != gxExclude;
  const BOOL bLocked = m_pParam->IsLockReadOnly() && !bUnlocks;
  BOOL bAll = TRUE;
  for (ROWCOL r = range.top; r <= range.bottom; ++r) {
    for (ROWCOL c = range.left; c <= range.right; ++c) {
      if (bLocked && r > 0 && c > 0 && LookupStyleRowCol(r, c).GetReadOnly()) {
        bAll = FALSE;
        continue;
      }
      bAll &= StoreStyleRowCol(r, c, pStyle, mt, nType);
    }
  }
  return bAll;
}

BOOL CGXGridCore::SetStyleRange(const CGXRange& range, const CGXStyle* pStyle, GXModifyType mt, int nType, UINT flags) {
  if (pStyle == nullptr && mt != gxRemove) return FALSE;
  const BOOL bDone = ApplyStyleToRange(range, pStyle, mt, nType);
  if (IsCurrentCell() && range.IsCellInRange(m_pView->nCurRow, m_pView->nCurCol)) {
    if (CGXControl* pControl = GetCurrentCellControl()) pControl->Refresh();
  }
  RedrawRowCol(range, flags);
  return bDone;
}

BOOL CGXGridCore::SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt, int nType, UINT flags) {
  return SetStyleRange(range, &style, mt, nType, flags);
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, const CString& s, GXModifyType mt, int nType, UINT flags) {
  return SetStyleRange(range, CGXStyle().SetValue(s), mt, nType, flags);
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, LPCTSTR psz, GXModifyType mt, int nType, UINT flags) {
  return SetValueRange(range, CString(psz), mt, nType, flags);
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, long n, GXModifyType mt, int nType, UINT flags) {
  return SetStyleRange(range, CGXStyle().SetValue(n), mt, nType, flags);
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, int n, GXModifyType mt, int nType, UINT flags) {
  return SetValueRange(range, static_cast<long>(n), mt, nType, flags);
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, DWORD n, GXModifyType mt, int nType, UINT flags) {
  return SetStyleRange(range, CGXStyle().SetValue(n), mt, nType, flags);
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, double d, GXModifyType mt, int nType, UINT flags) {
  return SetStyleRange(range, CGXStyle().SetValue(d), mt, nType, flags);
}

BOOL CGXGridCore::SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT flags,
                                       const CGXStyle* pOldStyle) {
  CGXControl* pControl = GetControl(nRow, nCol);
  return pControl != nullptr && pControl->SetControlText(nRow, nCol, str, flags, pOldStyle);
}

BOOL CGXGridCore::GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol) {
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  CGXControl* pControl = GetRegisteredControl(style.GetControl());
  if (pControl == nullptr) {
    strResult = style.GetValue();
    return TRUE;
  }
  return pControl->GetControlText(strResult, nRow, nCol, style.GetValue(), style);
}

BOOL CGXGridCore::SetValueByUser(ROWCOL nRow, ROWCOL nCol, const CString& sValue) {
  const CString sOld = GetValueRowCol(nRow, nCol);
  const BOOL bLocked = m_pParam->IsLockReadOnly();
  m_pParam->SetLockReadOnly(FALSE);
  const BOOL bStored = SetValueRange(CGXRange(nRow, nCol), sValue);
  m_pParam->SetLockReadOnly(bLocked);
  if (!bStored) return FALSE;
  AfterUserChange(nRow, nCol, sOld);
  return TRUE;
}

void CGXGridCore::AfterUserChange(ROWCOL nRow, ROWCOL nCol, const CString& sOld) {
  RecordUndoStep(nRow, nCol, sOld, GetValueRowCol(nRow, nCol));
  OnModifyCell(nRow, nCol);
}
