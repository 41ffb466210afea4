#include "DropDownGridWnd.h"

#include "DropGridCtrl.h"

BEGIN_MESSAGE_MAP(CDropDownGridWnd, HLGrid)
  ON_WM_ACTIVATE()
END_MESSAGE_MAP()

void CDropDownGridWnd::OnGridInitialUpdate() {
  HLGrid::OnGridInitialUpdate();
  SetRowCount(1);
  SetColCount(1);
  SetColWidth(0, 0, 0);
  SetColWidth(1, 1, kValueColWidth);
  // The list scrolls only up and down.
  ShowScrollBar(SB_HORZ, FALSE);
}

void CDropDownGridWnd::SetValues(const CStringArray& values) {
  const auto nValues = static_cast<ROWCOL>(values.GetSize());
  SetRowCount(nValues + 1, GX_INVALIDATE);
  for (ROWCOL nRow = 1; nRow <= nValues; ++nRow)
    SetValueRange(CGXRange(nRow, 1), values[static_cast<INT_PTR>(nRow - 1)], gxOverride, 0, GX_INVALIDATE);
  // Typing adds a value; the others are a click away.
  SetCurrentCell(nValues + 1, 1, GX_INVALIDATE);
}

void CDropDownGridWnd::GetValues(CStringArray& values) {
  values.RemoveAll();
  for (ROWCOL nRow = 1; nRow <= GetRowCount(); ++nRow) {
    const CString sValue = GetValueRowCol(nRow, 1);
    if (!sValue.IsEmpty()) values.Add(sValue);
  }
}

// Typing into the last row gives it an empty row below; the editor opens
// again where the typing goes on.
BOOL CDropDownGridWnd::OnTextChangedRowCol(ROWCOL nRow, ROWCOL nCol) {
  if (nRow != GetRowCount()) return HLGrid::OnTextChangedRowCol(nRow, nCol);
  InsertRows(nRow + 1, 1);
  if (SetCurrentCell(nRow, nCol) && ActivateCurrentCell()) {
    if (auto* pEdit = dynamic_cast<CGXEditControl*>(GetCurrentCellControl())) pEdit->SetCaretToEnd();
  }
  return TRUE;
}

BOOL CDropDownGridWnd::MoveCurrentCell(int direction, UINT nCell, UINT flags) {
  if ((flags & GX_ENDOFLIST) != 0) {
    PostToOwner(WM_DROPGRID_END);
    return FALSE;
  }
  return HLGrid::MoveCurrentCell(direction, nCell, flags);
}

void CDropDownGridWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  HLGrid::OnActivate(nState, pWndOther, bMinimized);
  if (nState != WA_INACTIVE) return;
  // A window of its own (a message box over it) keeps it open.
  const BOOL bOwnPopup = pWndOther != nullptr && ::GetWindow(pWndOther->GetSafeHwnd(), GW_OWNER) == m_hWnd;
  if (!bOwnPopup) PostToOwner(WM_DROPGRID_DEACTIVATED);
}

void CDropDownGridWnd::PostToOwner(UINT nMessage) {
  if (m_pOwner != nullptr && m_pOwner->GetSafeHwnd() != nullptr)
    m_pOwner->PostMessage(nMessage, reinterpret_cast<WPARAM>(m_hWnd), 0);
}
