// Mouse handling: current cell, selection by dragging and by headers,
// pressing cell controls, resizing columns and rows, drag auto-scroll.
#include <algorithm>

#include "gridlayout.h"
#include "gridview.h"
#include "gx/gxcore.h"

using gx::Gesture;

namespace {

constexpr int kMinDraggedSize = 2;

BOOL Has(WORD nFlags, WORD nBit) { return (nFlags & nBit) != 0; }

}  // namespace

// The cell under a point, clamped into the table (for drags outside).
void CGXGridCore::CellFromPointClamped(CPoint pt, ROWCOL& nRow, ROWCOL& nCol) {
  const auto rows = gx::VisibleSpans(*this, TRUE);
  const auto cols = gx::VisibleSpans(*this, FALSE);
  nRow = rows.empty() ? 0 : rows.back().n;
  nCol = cols.empty() ? 0 : cols.back().n;
  if (const gx::Span* r = gx::SpanAt(rows, pt.y))
    nRow = r->n;
  else if (pt.y < 0 && !rows.empty())
    nRow = GetTopRow();
  if (const gx::Span* c = gx::SpanAt(cols, pt.x))
    nCol = c->n;
  else if (pt.x < 0 && !cols.empty())
    nCol = GetLeftCol();
  nRow = std::max<ROWCOL>(nRow, 1);
  nCol = std::max<ROWCOL>(nCol, 1);
}

BOOL CGXGridCore::EndEditing() {
  auto& v = *m_pView;
  CGXControl* pControl = GetCurrentCellControl();
  if (pControl == nullptr || !pControl->IsActive()) return TRUE;
  const ROWCOL nRow = v.nCurRow;
  const ROWCOL nCol = v.nCurCol;
  if (!StoreBeforeLeaving(nRow, nCol)) return FALSE;
  if (!IsCurrentCell(nRow, nCol)) return TRUE;
  CGXControl* pNow = GetCurrentCellControl();
  if (pNow == nullptr || !pNow->IsActive()) return TRUE;
  pNow->SetActive(FALSE);
  pNow->Hide();
  pNow->Init(nRow, nCol);
  RedrawRowCol(nRow, nCol, GX_INVALIDATE);
  if (m_pGridWnd->GetSafeHwnd() != nullptr) m_pGridWnd->SetFocus();
  if (v.TakeEditingStart(nRow, nCol)) OnEndEditing(nRow, nCol);
  return TRUE;
}

void CGXGridCore::ExtendSelection(ROWCOL nRow, ROWCOL nCol, BOOL bDragging) {
  auto& v = *m_pView;
  CGXRangeList* pList = m_pParam->GetRangeList();
  CGXRange range;
  switch (v.gesture) {
    case Gesture::SelectRows:
      range.SetRows(v.nAnchorRow, nRow);
      break;
    case Gesture::SelectCols:
      range.SetCols(v.nAnchorCol, nCol);
      break;
    default:
      range.SetCells(v.nAnchorRow, v.nAnchorCol, nRow, nCol);
      break;
  }
  CGXRange* pLast = pList->GetLastRange();
  if (pLast != nullptr && *pLast == range) return;
  if (pLast != nullptr) {
    RedrawRowCol(*pLast, GX_INVALIDATE);
    *pLast = range;
  } else {
    pList->AddTail(range);
  }
  RedrawRowCol(range, GX_INVALIDATE);
  OnChangedSelection(&range, bDragging, FALSE);
}

void CGXGridCore::BeginHeaderSelection(ROWCOL nRow, ROWCOL nCol, UINT nFlags) {
  auto& v = *m_pView;
  const WORD nAllow = m_pParam->GetAllowSelection();
  const BOOL bCtrl = (nFlags & MK_CONTROL) != 0 && Has(nAllow, GX_SELMULTIPLE);
  const BOOL bShift = (nFlags & MK_SHIFT) != 0 && Has(nAllow, GX_SELSHIFT);
  if (nRow == 0 && nCol == 0) {
    if (!Has(nAllow, GX_SELTABLE)) return;
    SetSelection(CGXRange().SetTable());
    return;
  }
  const BOOL bRows = nCol == 0;
  if (!Has(nAllow, bRows ? GX_SELROW : GX_SELCOL)) return;
  if (!EndEditing()) return;
  if (bRows && !bCtrl && !bShift && BeginRowMove(nRow)) return;
  if (!bCtrl && !bShift) ClearSelection();
  v.gesture = bRows ? Gesture::SelectRows : Gesture::SelectCols;
  if (!bShift || m_pParam->GetRangeList()->IsEmpty()) {
    v.nAnchorRow = nRow;
    v.nAnchorCol = nCol;
    m_pParam->GetRangeList()->AddTail(bRows ? CGXRange().SetRows(nRow) : CGXRange().SetCols(nCol));
  }
  ExtendSelection(nRow, nCol, FALSE);
  m_pParam->SetCanPressHeader(FALSE);
  m_pGridWnd->SetCapture();
}

// A press on the header of a selected block of whole rows starts moving
// the block (when row moves are enabled).
BOOL CGXGridCore::BeginRowMove(ROWCOL nRow) {
  auto& v = *m_pView;
  if (!m_pParam->IsEnableMoveRows()) return FALSE;
  CRowColArray starts;
  CRowColArray ends;
  const ROWCOL nSpans = GetSelectedRows(starts, ends, TRUE, FALSE);
  for (ROWCOL i = 0; i < nSpans; ++i) {
    const INT_PTR k = static_cast<INT_PTR>(i);
    if (nRow < starts[k] || nRow > ends[k]) continue;
    v.gesture = Gesture::MoveRows;
    v.nMoveFrom = starts[k];
    v.nMoveTo = ends[k];
    v.nAnchorRow = nRow;
    m_pParam->SetCanPressHeader(FALSE);
    m_pGridWnd->SetCapture();
    return TRUE;
  }
  return FALSE;
}

// Drops a moved block of rows before the row under the pointer (above the
// block) or after it (below); a release on the block itself selects the
// pressed row alone, as a plain click would.
void CGXGridCore::EndRowMove(CPoint pt) {
  auto& v = *m_pView;
  const ROWCOL nFrom = v.nMoveFrom;
  const ROWCOL nTo = v.nMoveTo;
  const ROWCOL nPressed = v.nAnchorRow;
  EndGesture();
  ROWCOL nTarget = 0;
  ROWCOL nCol = 0;
  CellFromPointClamped(pt, nTarget, nCol);
  if (nTarget >= nFrom && nTarget <= nTo) {
    SetSelection(CGXRange().SetRows(nPressed));
    return;
  }
  const ROWCOL nDest = nTarget < nFrom ? nTarget : nTarget - (nTo - nFrom);
  if (MoveRows(nFrom, nTo, nDest)) SetSelection(CGXRange().SetRows(nDest, nDest + (nTo - nFrom)));
}

// Offers a press to the cell's control; TRUE when it took the mouse.
BOOL CGXGridCore::PressControl(ROWCOL nRow, ROWCOL nCol, const CRect& rect, UINT nFlags, CPoint pt, BOOL bDouble) {
  auto& v = *m_pView;
  CGXControl* pControl = GetControl(nRow, nCol);
  if (pControl == nullptr) return FALSE;
  if (!IsCurrentCell(nRow, nCol) || !pControl->IsActive()) pControl->Init(nRow, nCol);
  pControl->OnInitChildren(nRow, nCol, CellRectInside(rect, nRow, nCol));
  const BOOL bTaken =
      bDouble ? pControl->LButtonDblClk(nFlags, pt) : pControl->LButtonDown(nFlags, pt, GX_HITSTART | GX_HITINCELL);
  if (!bTaken) return FALSE;
  v.gesture = Gesture::PressControl;
  v.pPressedControl = pControl;
  v.nAnchorRow = nRow;
  v.nAnchorCol = nCol;
  m_pGridWnd->SetCapture();
  return TRUE;
}

void CGXGridCore::DoLButtonDown(UINT nFlags, CPoint pt) {
  auto& v = *m_pView;
  // The focus comes to the grid (or stays with its open editor).
  CWnd* pFocus = CWnd::GetFocus();
  if (pFocus == nullptr || (pFocus->m_hWnd != m_pGridWnd->m_hWnd && !m_pGridWnd->IsChild(pFocus)))
    m_pGridWnd->SetFocus();
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  CRect rect;
  const int nHit = HitTest(pt, &nRow, &nCol, &rect);
  v.ptDown = pt;
  v.nDownRow = nRow;
  v.nDownCol = nCol;
  if (nHit == GX_NOHIT) return;
  if (nHit == GX_VERTLINE || nHit == GX_HORZLINE) {
    v.gesture = nHit == GX_VERTLINE ? Gesture::ResizeCol : Gesture::ResizeRow;
    v.nResizeIndex = nHit == GX_VERTLINE ? nCol : nRow;
    v.nResizeStart = nHit == GX_VERTLINE ? GetColWidth(nCol) : GetRowHeight(nRow);
    m_pGridWnd->SetCapture();
    return;
  }
  const WORD nActivate = m_pParam->GetActivateCellFlags();
  if (nHit == GX_HEADERHIT) {
    if (PressControl(nRow, nCol, rect, nFlags, pt, FALSE)) return;
    if (Has(nActivate, GX_ACTIVATE_HEADERSELECT)) BeginHeaderSelection(nRow, nCol, nFlags);
    return;
  }
  const BOOL bWasCurrent = IsCurrentCell(nRow, nCol);
  if (!bWasCurrent) {
    if (!Has(nActivate, GX_ACTIVATE_SETCURRENT) || !SetCurrentCell(nRow, nCol)) return;
    if (!IsCurrentCell(nRow, nCol)) return;
  }
  const WORD nAllow = m_pParam->GetAllowSelection();
  if ((nFlags & MK_SHIFT) != 0 && Has(nAllow, GX_SELSHIFT) && !m_pParam->GetRangeList()->IsEmpty()) {
    v.gesture = Gesture::SelectCells;
    ExtendSelection(nRow, nCol, FALSE);
    m_pGridWnd->SetCapture();
    return;
  }
  if ((nFlags & MK_CONTROL) == 0 || !Has(nAllow, GX_SELMULTIPLE)) ClearSelection();
  if (PressControl(nRow, nCol, rect, nFlags, pt, FALSE)) return;
  // A cell that opens no editor (read-only) lets the press start a selection.
  if (bWasCurrent && Has(nActivate, GX_ACTIVATE_CLICKINTEXT) && !IsActiveCurrentCell() && ActivateCurrentCell()) return;
  if (Has(nAllow, GX_SELCELL)) {
    v.gesture = Gesture::SelectCells;
    v.nAnchorRow = nRow;
    v.nAnchorCol = nCol;
    m_pGridWnd->SetCapture();
  }
}

void CGXGridCore::DoMouseMove(UINT nFlags, CPoint pt) {
  auto& v = *m_pView;
  v.ptLastMouse = pt;
  switch (v.gesture) {
    case Gesture::None:
      return;
    case Gesture::ResizeCol:
      SetColWidth(v.nResizeIndex, v.nResizeIndex, std::max(kMinDraggedSize, v.nResizeStart + pt.x - v.ptDown.x));
      return;
    case Gesture::ResizeRow:
      SetRowHeight(v.nResizeIndex, v.nResizeIndex, std::max(kMinDraggedSize, v.nResizeStart + pt.y - v.ptDown.y));
      return;
    case Gesture::PressControl: {
      // Drawing other cells of the same control moved its children.
      const CRect rect = CalcRectFromRowCol(v.nAnchorRow, v.nAnchorCol);
      v.pPressedControl->OnInitChildren(v.nAnchorRow, v.nAnchorCol, CellRectInside(rect, v.nAnchorRow, v.nAnchorCol));
      v.pPressedControl->MouseMove(nFlags, pt, GX_HITMOVE | (rect.PtInRect(pt) ? GX_HITINCELL : 0));
      return;
    }
    case Gesture::MoveRows:
      return;
    case Gesture::SelectCells:
    case Gesture::SelectRows:
    case Gesture::SelectCols:
      break;
  }
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  CellFromPointClamped(pt, nRow, nCol);
  if (v.gesture == Gesture::SelectCells && nRow == v.nAnchorRow && nCol == v.nAnchorCol &&
      m_pParam->GetRangeList()->IsEmpty())
    return;
  if (v.gesture == Gesture::SelectCells && m_pParam->GetRangeList()->IsEmpty())
    m_pParam->GetRangeList()->AddTail(CGXRange(v.nAnchorRow, v.nAnchorCol));
  ExtendSelection(nRow, nCol, TRUE);
  const BOOL bOutside = !GetGridRect().PtInRect(pt);
  if (bOutside && !v.bAutoScrollTimer && (v.bAutoScrollHorz || v.bAutoScrollVert)) {
    v.bAutoScrollTimer = TRUE;
    m_pGridWnd->SetTimer(gx::kAutoScrollTimer, std::max<UINT>(v.nAutoScrollFirst, 1), nullptr);
  }
}

void CGXGridCore::DoTimer(UINT_PTR nIDEvent) {
  auto& v = *m_pView;
  if (nIDEvent != gx::kAutoScrollTimer) return;
  const CRect rectGrid = GetGridRect();
  const CPoint pt = v.ptLastMouse;
  const BOOL bSelecting =
      v.gesture == Gesture::SelectCells || v.gesture == Gesture::SelectRows || v.gesture == Gesture::SelectCols;
  if (!bSelecting || rectGrid.PtInRect(pt)) {
    m_pGridWnd->KillTimer(gx::kAutoScrollTimer);
    v.bAutoScrollTimer = FALSE;
    return;
  }
  if (v.bAutoScrollVert && pt.y >= rectGrid.bottom) SetTopRow(GetTopRow() + 1);
  if (v.bAutoScrollVert && pt.y < rectGrid.top) SetTopRow(GetTopRow() > 1 ? GetTopRow() - 1 : 1);
  if (v.bAutoScrollHorz && pt.x >= rectGrid.right) SetLeftCol(GetLeftCol() + 1);
  if (v.bAutoScrollHorz && pt.x < rectGrid.left) SetLeftCol(GetLeftCol() > 1 ? GetLeftCol() - 1 : 1);
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  CellFromPointClamped(pt, nRow, nCol);
  ExtendSelection(nRow, nCol, TRUE);
  m_pGridWnd->SetTimer(gx::kAutoScrollTimer, v.nAutoScrollRepeat, nullptr);
}

void CGXGridCore::EndGesture() {
  auto& v = *m_pView;
  if (v.bAutoScrollTimer) {
    m_pGridWnd->KillTimer(gx::kAutoScrollTimer);
    v.bAutoScrollTimer = FALSE;
  }
  const BOOL bHadGesture = v.gesture != Gesture::None;
  v.gesture = Gesture::None;
  v.pPressedControl = nullptr;
  m_pParam->SetCanPressHeader(TRUE);
  if (bHadGesture && CWnd::GetCapture() == m_pGridWnd) ::ReleaseCapture();
}

void CGXGridCore::DoLButtonUp(UINT nFlags, CPoint pt) {
  auto& v = *m_pView;
  if (v.gesture == Gesture::MoveRows) {
    EndRowMove(pt);
  } else if (v.gesture == Gesture::PressControl) {
    CGXControl* pControl = v.pPressedControl;
    const CRect rect = CalcRectFromRowCol(v.nAnchorRow, v.nAnchorCol);
    pControl->OnInitChildren(v.nAnchorRow, v.nAnchorCol, CellRectInside(rect, v.nAnchorRow, v.nAnchorCol));
    EndGesture();
    pControl->LButtonUp(nFlags, pt, rect.PtInRect(pt) ? GX_HITINCELL : 0);
  } else {
    EndGesture();
  }
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  if (HitTest(pt, &nRow, &nCol) != GX_NOHIT && nRow == v.nDownRow && nCol == v.nDownCol)
    OnLButtonClickedRowCol(nRow, nCol, nFlags, pt);
}

void CGXGridCore::DoLButtonDblClk(UINT nFlags, CPoint pt) {
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  CRect rect;
  const int nHit = HitTest(pt, &nRow, &nCol, &rect);
  if (nHit != GX_CELLHIT && nHit != GX_HEADERHIT) return;
  auto& v = *m_pView;
  v.nDownRow = nRow;
  v.nDownCol = nCol;
  if (!PressControl(nRow, nCol, rect, nFlags, pt, TRUE) && nHit == GX_CELLHIT && IsCurrentCell(nRow, nCol) &&
      (m_pParam->GetActivateCellFlags() & (GX_ACTIVATE_DBLCLICK | GX_ACTIVATE_CLICKINTEXT)) != 0)
    ActivateCurrentCell();
  OnLButtonDblClkRowCol(nRow, nCol, nFlags, pt);
}

void CGXGridCore::DoRButtonDown(UINT, CPoint pt) {
  auto& v = *m_pView;
  if (HitTest(pt, &v.nRightRow, &v.nRightCol) == GX_NOHIT) v.nRightRow = v.nRightCol = GX_INVALID;
}

void CGXGridCore::DoRButtonUp(UINT nFlags, CPoint pt) {
  auto& v = *m_pView;
  ROWCOL nRow = 0;
  ROWCOL nCol = 0;
  if (HitTest(pt, &nRow, &nCol) != GX_NOHIT && nRow == v.nRightRow && nCol == v.nRightCol)
    OnRButtonClickedRowCol(nRow, nCol, nFlags, pt);
  v.nRightRow = v.nRightCol = GX_INVALID;
}

void CGXGridCore::DoCancelMode() { EndGesture(); }
