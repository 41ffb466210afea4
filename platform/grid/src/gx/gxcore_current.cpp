// The current cell and its editor: moving, activating, storing, cancelling.
#include <algorithm>

#include "gridview.h"
#include "gx/gxcore.h"

BOOL CGXGridCore::IsCurrentCell(ROWCOL nRow, ROWCOL nCol) {
  const auto& v = *m_pView;
  if (v.nCurRow == GX_INVALID) return FALSE;
  return (nRow == GX_INVALID || nRow == v.nCurRow) && (nCol == GX_INVALID || nCol == v.nCurCol);
}

BOOL CGXGridCore::GetCurrentCell(ROWCOL* pRow, ROWCOL* pCol) {
  const auto& v = *m_pView;
  if (pRow) *pRow = v.nCurRow;
  if (pCol) *pCol = v.nCurCol;
  return v.nCurRow != GX_INVALID;
}

CGXControl* CGXGridCore::GetCurrentCellControl() {
  const auto& v = *m_pView;
  return v.nCurRow == GX_INVALID ? nullptr : GetControl(v.nCurRow, v.nCurCol);
}

BOOL CGXGridCore::IsActiveCurrentCell() {
  CGXControl* pControl = GetCurrentCellControl();
  return pControl != nullptr && pControl->IsActive();
}

void CGXGridCore::ShowValidationWarning() {
  if (m_sWarningText.IsEmpty()) return;
  const CString sWarning = m_sWarningText;
  m_sWarningText.Empty();
  m_pGridWnd->MessageBox(sWarning, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CGXGridCore::StoreEditorText(ROWCOL nRow, ROWCOL nCol, CGXControl* pControl) {
  auto& v = *m_pView;
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  v.bValidating = TRUE;
  const BOOL bValid = pControl->OnValidate() && OnValidateCell(nRow, nCol);
  if (!bValid) {
    if (m_sWarningText.IsEmpty()) m_sWarningText = style.GetUserAttribute(GX_IDS_UA_VALID_MSG);
    ShowValidationWarning();
    v.bValidating = FALSE;
    if (IsCurrentCell(nRow, nCol) && pControl->IsActive()) pControl->Refresh();
    return FALSE;
  }
  v.bValidating = FALSE;
  m_sWarningText.Empty();
  pControl->SetModify(FALSE);
  return pControl->Store();
}

BOOL CGXGridCore::TransferCurrentCell(BOOL bSaveAndValidate, UINT flags) {
  auto& v = *m_pView;
  CGXControl* pControl = GetCurrentCellControl();
  if (pControl == nullptr || !pControl->IsActive()) return TRUE;
  if (v.bValidating) return FALSE;
  const ROWCOL nRow = v.nCurRow;
  const ROWCOL nCol = v.nCurCol;
  if (!bSaveAndValidate || !pControl->GetModify()) return TRUE;
  const int nAnswer = pControl->QueryEndEditing();
  if (nAnswer == GX_ENDEDIT_REFUSE) return FALSE;
  if (nAnswer == GX_ENDEDIT_DONE) return TRUE;
  if (!StoreEditorText(nRow, nCol, pControl)) return FALSE;
  RedrawRowCol(nRow, nCol, flags);
  return TRUE;
}

void CGXGridCore::ResetCurrentCell(BOOL bStore) {
  auto& v = *m_pView;
  if (v.nCurRow == GX_INVALID) return;
  const ROWCOL nRow = v.nCurRow;
  const ROWCOL nCol = v.nCurCol;
  CGXControl* pControl = GetCurrentCellControl();
  const BOOL bWasActive = pControl != nullptr && pControl->IsActive();
  // Leaving for good: a refused text is dropped, the cell goes away anyway.
  if (bWasActive && bStore && pControl->GetModify() && pControl->QueryEndEditing() == GX_ENDEDIT_STORE) {
    if (pControl->OnValidate() && OnValidateCell(nRow, nCol)) pControl->Store();
    m_sWarningText.Empty();
  }
  if (v.nCurRow == GX_INVALID) return;  // a notification already reset the cell
  pControl = GetCurrentCellControl();
  v.nCurRow = v.nCurCol = GX_INVALID;
  if (pControl != nullptr) {
    pControl->SetActive(FALSE);
    pControl->Hide();
  }
  RedrawRowCol(nRow, nCol, GX_INVALIDATE);
}

BOOL CGXGridCore::ActivateCurrentCell() {
  auto& v = *m_pView;
  CGXControl* pControl = GetCurrentCellControl();
  if (pControl == nullptr || !IsCellEditable(v.nCurRow, v.nCurCol)) return FALSE;
  if (pControl->IsActive()) {
    pControl->Refresh();
    return TRUE;
  }
  // The control first: one that never opens an editor (a check box) says so
  // before the grid announces any editing.
  pControl->Init(v.nCurRow, v.nCurCol);
  if (!pControl->OnStartEditing()) return FALSE;
  if (!OnStartEditing(v.nCurRow, v.nCurCol)) return FALSE;
  if (!IsCurrentCell() || GetCurrentCellControl() != pControl) return FALSE;
  pControl->SetActive(TRUE);
  v.nEditingRow = v.nCurRow;
  v.nEditingCol = v.nCurCol;
  RedrawRowCol(v.nCurRow, v.nCurCol, GX_UPDATENOW);
  return pControl->IsActive();
}

BOOL CGXGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags) {
  if (nRow == 0 || nCol == 0 || nRow > GetRowCount() || nCol > GetColCount()) return FALSE;
  if (!LookupStyleRowCol(nRow, nCol).GetEnabled()) return FALSE;
  if (IsCurrentCell(nRow, nCol)) {
    ScrollCellInView(nRow, nCol, flags);
    return TRUE;
  }
  return MoveTo(nRow, nCol, flags);
}

// Stores the editor's text before its cell is left. FALSE keeps the cell:
// the text was refused, or the notification refilled the grid and opened
// the editor on this cell again (the program wants the editing to go on).
BOOL CGXGridCore::StoreBeforeLeaving(ROWCOL nRow, ROWCOL nCol) {
  const unsigned nGeneration = m_pView->nGeneration;
  if (!TransferCurrentCell(TRUE, GX_INVALIDATE)) return FALSE;
  return nGeneration == m_pView->nGeneration || !IsCurrentCell(nRow, nCol) || !IsActiveCurrentCell();
}

// Leaves the current cell (storing its editor's text, which may be refused)
// and makes (nRow, nCol) current. Notification handlers may refill the grid
// meanwhile: after each one the move checks what is left of it.
BOOL CGXGridCore::MoveTo(ROWCOL nRow, ROWCOL nCol, UINT flags) {
  auto& v = *m_pView;
  if (v.nCurRow != GX_INVALID) {
    const ROWCOL nOldRow = v.nCurRow;
    const ROWCOL nOldCol = v.nCurCol;
    CGXControl* pOld = GetCurrentCellControl();
    const BOOL bWasActive = pOld != nullptr && pOld->IsActive();
    if (bWasActive && !StoreBeforeLeaving(nOldRow, nOldCol)) return FALSE;
    if (!IsCurrentCell(nOldRow, nOldCol)) {
      if (v.nCurRow != GX_INVALID) return FALSE;
    } else {
      if (!OnLeftCell(nOldRow, nOldCol, nRow, nCol)) return FALSE;
      if (IsCurrentCell(nOldRow, nOldCol)) {
        // Fetched again: a handler may have registered other controls.
        CGXControl* pLeft = GetCurrentCellControl();
        v.nCurRow = v.nCurCol = GX_INVALID;
        if (pLeft != nullptr) {
          pLeft->SetActive(FALSE);
          pLeft->Hide();
        }
        RedrawRowCol(nOldRow, nOldCol, GX_INVALIDATE);
        if (v.TakeEditingStart(nOldRow, nOldCol) && bWasActive) OnEndEditing(nOldRow, nOldCol);
      }
    }
    if (nRow > GetRowCount() || nCol > GetColCount()) return FALSE;
  }
  v.nCurRow = nRow;
  v.nCurCol = nCol;
  if (CGXControl* pNew = GetControl(nRow, nCol)) pNew->Init(nRow, nCol);
  ScrollCellInView(nRow, nCol, GX_INVALIDATE);
  RedrawRowCol(nRow, nCol, GX_INVALIDATE);
  OnMovedCurrentCell(nRow, nCol);
  if ((flags & GX_UPDATENOW) != 0 && !m_bLockUpdate) m_pGridWnd->UpdateWindow();
  return TRUE;
}

BOOL CGXGridCore::MoveCurrentCell(int direction, UINT nCell, UINT flags) {
  auto& v = *m_pView;
  const ROWCOL nRows = GetRowCount();
  const ROWCOL nCols = GetColCount();
  if (nRows == 0 || nCols == 0 || (flags & GX_ENDOFLIST) != 0) return FALSE;
  ROWCOL nRow = v.nCurRow == GX_INVALID ? 1 : v.nCurRow;
  ROWCOL nCol = v.nCurCol == GX_INVALID ? 1 : v.nCurCol;
  const ROWCOL nPage = std::max<ROWCOL>(1, GetLastVisibleRow() > GetTopRow() ? GetLastVisibleRow() - GetTopRow() : 1);
  auto back = [](ROWCOL n, ROWCOL by) { return n > by ? n - by : 1; };
  // Skips hidden rows and columns in the direction of the move.
  auto nextVisible = [this](ROWCOL n, ROWCOL nMax, int step, BOOL bRows) {
    while (n >= 1 && n <= nMax && (bRows ? IsRowHidden(n) : IsColHidden(n))) n += static_cast<ROWCOL>(step);
    return n;
  };
  switch (direction) {
    case GX_UP:
      nRow = nextVisible(back(nRow, nCell), nRows, -1, TRUE);
      break;
    case GX_DOWN:
      nRow = nextVisible(std::min(nRow + nCell, nRows), nRows, 1, TRUE);
      break;
    case GX_LEFT:
      nCol = nextVisible(back(nCol, nCell), nCols, -1, FALSE);
      break;
    case GX_RIGHT:
      nCol = nextVisible(std::min(nCol + nCell, nCols), nCols, 1, FALSE);
      break;
    case GX_TOP:
      nRow = nextVisible(1, nRows, 1, TRUE);
      break;
    case GX_BOTTOM:
      nRow = nextVisible(nRows, nRows, -1, TRUE);
      break;
    case GX_MOSTLEFT:
      nCol = nextVisible(1, nCols, 1, FALSE);
      break;
    case GX_MOSTRIGHT:
      nCol = nextVisible(nCols, nCols, -1, FALSE);
      break;
    case GX_PGUP:
      nRow = nextVisible(back(nRow, nPage), nRows, -1, TRUE);
      break;
    case GX_PGDOWN:
      nRow = nextVisible(std::min(nRow + nPage, nRows), nRows, 1, TRUE);
      break;
    default:
      return FALSE;
  }
  if (nRow < 1 || nRow > nRows || nCol < 1 || nCol > nCols) return FALSE;
  if (IsCurrentCell(nRow, nCol)) return FALSE;
  return SetCurrentCell(nRow, nCol, flags & ~GX_ENDOFLIST);
}
