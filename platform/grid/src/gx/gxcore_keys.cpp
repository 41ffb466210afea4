// Keyboard handling of the grid and of its editors.
#include "gridview.h"
#include "gx/gxcore.h"
#include "gx/gxedit.h"

namespace {

BOOL KeyDown(int nVirtKey) { return (::GetKeyState(nVirtKey) & 0x8000) != 0; }

}  // namespace

void CGXGridCore::DoKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (OnGridKeyDown(nChar, nRepCnt, nFlags)) return;
  CGXControl* pControl = GetCurrentCellControl();
  if (pControl != nullptr && pControl->OnGridKeyDown(nChar, nRepCnt, nFlags)) return;
  ProcessKeys(m_pGridWnd, WM_KEYDOWN, nChar, nRepCnt, nFlags);
}

void CGXGridCore::DoKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (OnGridKeyUp(nChar, nRepCnt, nFlags)) return;
  if (CGXControl* pControl = GetCurrentCellControl()) pControl->OnGridKeyUp(nChar, nRepCnt, nFlags);
}

void CGXGridCore::DoChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (OnGridChar(nChar, nRepCnt, nFlags)) return;
  if (ProcessKeys(m_pGridWnd, WM_CHAR, nChar, nRepCnt, nFlags)) return;
  if (CGXControl* pControl = GetCurrentCellControl()) pControl->OnGridChar(nChar, nRepCnt, nFlags);
}

// Moves for a navigation key; FALSE when the key is not one.
BOOL CGXGridCore::NavigateKey(UINT nChar, BOOL bShift, BOOL bCtrl) {
  auto& v = *m_pView;
  const ROWCOL nRows = GetRowCount();
  const ROWCOL nCols = GetColCount();
  const BOOL bExtend = bShift && (m_pParam->GetAllowSelection() & GX_SELKEYBOARD) != 0;
  if (bExtend && IsCurrentCell() && m_pParam->GetRangeList()->IsEmpty()) {
    v.nAnchorRow = v.nCurRow;
    v.nAnchorCol = v.nCurCol;
  } else if (!bExtend && nChar != VK_TAB) {
    ClearSelection();
  }
  BOOL bMoved = FALSE;
  switch (nChar) {
    case VK_UP:
      bMoved = MoveCurrentCell(GX_UP);
      break;
    case VK_DOWN:
      bMoved = MoveCurrentCell(GX_DOWN, 1, v.nCurRow == nRows ? GX_UPDATENOW | GX_ENDOFLIST : GX_UPDATENOW);
      break;
    case VK_LEFT:
      bMoved = MoveCurrentCell(GX_LEFT);
      break;
    case VK_RIGHT:
      bMoved = MoveCurrentCell(GX_RIGHT);
      break;
    case VK_PRIOR:
      bMoved = MoveCurrentCell(GX_PGUP);
      break;
    case VK_NEXT:
      bMoved = MoveCurrentCell(GX_PGDOWN);
      break;
    case VK_HOME:
      bMoved = bCtrl ? SetCurrentCell(1, 1) : MoveCurrentCell(GX_MOSTLEFT);
      break;
    case VK_END:
      bMoved = bCtrl ? SetCurrentCell(nRows, nCols) : MoveCurrentCell(GX_MOSTRIGHT);
      break;
    case VK_TAB:
      if (!IsCurrentCell()) {
        bMoved = SetCurrentCell(1, 1);
      } else if (bShift) {
        bMoved = v.nCurCol > 1 ? MoveCurrentCell(GX_LEFT) : (v.nCurRow > 1 && SetCurrentCell(v.nCurRow - 1, nCols));
      } else if (v.nCurCol < nCols) {
        bMoved = MoveCurrentCell(GX_RIGHT);
      } else if (v.nCurRow < nRows) {
        bMoved = SetCurrentCell(v.nCurRow + 1, 1);
      } else {
        bMoved = MoveCurrentCell(GX_RIGHT, 1, GX_UPDATENOW | GX_ENDOFLIST);
      }
      return TRUE;
    default:
      return FALSE;
  }
  if (bMoved && bExtend) {
    v.gesture = gx::Gesture::SelectCells;
    if (m_pParam->GetRangeList()->IsEmpty()) m_pParam->GetRangeList()->AddTail(CGXRange(v.nAnchorRow, v.nAnchorCol));
    ExtendSelection(v.nCurRow, v.nCurCol, FALSE);
    v.gesture = gx::Gesture::None;
  }
  return TRUE;
}

BOOL CGXGridCore::ProcessKeys(CWnd*, UINT nMessage, UINT nChar, UINT, UINT) {
  const BOOL bActive = IsActiveCurrentCell();
  if (nMessage == WM_CHAR) {
    // Handled on key down; the characters must not reach an editor.
    return nChar == '\t' || nChar == '\r' || nChar == 0x1B || nChar == '\n';
  }
  if (nMessage != WM_KEYDOWN) return FALSE;
  const BOOL bShift = KeyDown(VK_SHIFT);
  const BOOL bCtrl = KeyDown(VK_CONTROL);
  switch (nChar) {
    case VK_ESCAPE: {
      if (!bActive) return FALSE;
      auto& v = *m_pView;
      const ROWCOL nRow = v.nCurRow;
      const ROWCOL nCol = v.nCurCol;
      if (!OnCancelEditing(nRow, nCol) || !IsCurrentCell(nRow, nCol)) return TRUE;
      CGXControl* pControl = GetCurrentCellControl();
      pControl->OnCancelEditing();
      pControl->SetActive(FALSE);
      pControl->Hide();
      pControl->Init(nRow, nCol);
      v.TakeEditingStart(nRow, nCol);
      RedrawRowCol(nRow, nCol, GX_INVALIDATE);
      m_pGridWnd->SetFocus();
      OnCanceledEditing(nRow, nCol);
      return TRUE;
    }
    case VK_RETURN: {
      if (!IsCurrentCell()) return FALSE;
      if (!EndEditing()) return TRUE;
      if (!IsCurrentCell()) return TRUE;
      const ROWCOL nRow = m_pView->nCurRow;
      MoveCurrentCell(GX_DOWN, 1, nRow >= GetRowCount() ? GX_UPDATENOW | GX_ENDOFLIST : GX_UPDATENOW);
      return TRUE;
    }
    case VK_F2:
      return ActivateCurrentCell();
    case 'C':
    case 'X':
    case 'V':
      // An open text editor copies and pastes its own text; a combo-box
      // window over its cell has none.
      if (!bCtrl || (bActive && dynamic_cast<CGXEditControl*>(GetCurrentCellControl()) != nullptr)) return FALSE;
      if (nChar == 'C')
        Copy();
      else if (nChar == 'X')
        Cut();
      else
        Paste();
      return TRUE;
    case VK_DELETE: {
      if (bActive || !IsCurrentCell()) return FALSE;
      const ROWCOL nRow = m_pView->nCurRow;
      const ROWCOL nCol = m_pView->nCurCol;
      if (IsCellEditable(nRow, nCol) && !GetValueRowCol(nRow, nCol).IsEmpty()) {
        SetValueByUser(nRow, nCol, CString());
        if (IsCurrentCell(nRow, nCol)) {
          if (CGXControl* pControl = GetCurrentCellControl()) pControl->Init(nRow, nCol);
        }
      }
      return TRUE;
    }
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
      // In an open editor these move the caret.
      if (bActive) return FALSE;
      return NavigateKey(nChar, bShift, bCtrl);
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
      return NavigateKey(nChar, bShift, bCtrl);
    default:
      return FALSE;
  }
}
