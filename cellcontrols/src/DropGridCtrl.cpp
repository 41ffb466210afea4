#include "DropGridCtrl.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CDropGridCtrl, CGXEditControl)

BEGIN_MESSAGE_MAP(CDropGridCtrl, CGXEditControl)
  ON_MESSAGE(WM_DROPGRID_END, OnDropGridEnd)
  ON_MESSAGE(WM_DROPGRID_DEACTIVATED, OnDropGridDeactivated)
  ON_MESSAGE(WM_DROPGRID_IGNORED, OnDropGridIgnored)
END_MESSAGE_MAP()

CDropGridCtrl::CDropGridCtrl(CGXGridCore* pGrid, UINT nID, UINT nCallerValue)
    : CGXEditControl(pGrid, nID),
      m_nCallerValue(nCallerValue),
      m_pArrow(AddChild(std::make_unique<CGXArrowButton>(this))) {}

CRect CDropGridCtrl::GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
  CRect text = CGXEditControl::GetTextRect(rectCell, nRow, nCol, style);
  text.right = std::max(text.left, text.right - kTextMargin);
  return text;
}

CRect CDropGridCtrl::GetArrowRect(const CRect& rectCell) const {
  if (rectCell.IsRectEmpty()) return CRect(0, 0, 0, 0);
  const int left = std::max(rectCell.right - kArrowWidth, rectCell.left + 1);
  const int top = rectCell.top + 1;
  const int bottom = std::min(top + kArrowMaxHeight, rectCell.bottom - 1);
  if (left >= rectCell.right || bottom <= top) return CRect(0, 0, 0, 0);
  return CRect(left, top, rectCell.right, bottom);
}

void CDropGridCtrl::OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
  CGXEditControl::OnInitChildren(nRow, nCol, rect);
  m_pArrow->SetRect(GetArrowRect(rect));
}

void CDropGridCtrl::OnClickedButton(CGXChild* pChild) {
  if (pChild != m_pArrow) {
    CGXEditControl::OnClickedButton(pChild);
    return;
  }
  EndDropDown();
  DropDown();
}

// The pop-up talks to this control's window, which exists once the cell's
// editor is open; the editor's own pending text is stored first, so that
// the focus moving to the pop-up leaves nothing to ask about.
void CDropGridCtrl::DropDown() {
  const ROWCOL nRow = GetRow();
  const ROWCOL nCol = GetCol();
  if (nRow == GX_INVALID || !Grid()->IsCurrentCell(nRow, nCol)) return;
  if (!IsActive() && !Grid()->ActivateCurrentCell()) return;
  if (!Grid()->IsCurrentCell(nRow, nCol) || !IsActive() || GetSafeHwnd() == nullptr) return;
  if (GetModify() && !Grid()->TransferCurrentCell()) return;
  CRect rectCell = Grid()->CalcRectFromRowCol(nRow, nCol);
  if (rectCell.IsRectEmpty()) return;
  GridWnd()->ClientToScreen(&rectCell);
  const CRect rectPopup(rectCell.left - 1, rectCell.bottom, rectCell.left - 1 + kPopupWidth,
                        rectCell.bottom + kPopupHeight);
  auto pDropDown = std::make_unique<CDropDownGridWnd>();
  pDropDown->SetOwnerControl(this);
  if (!pDropDown->Create(WS_POPUP | WS_BORDER | WS_VSCROLL, rectPopup, GridWnd(), 0)) return;
  m_pDropDown = std::move(pDropDown);
  m_pDropDown->Initialize();
  m_pDropDown->SetValues(m_valueList);
  m_pDropDown->ShowWindow(SW_SHOW);
  m_pDropDown->SetFocus();
  m_pDropDown->UpdateWindow();
}

BOOL CDropGridCtrl::IsAboutShownDropDown(WPARAM wParam) const {
  if (!m_pDropDown) return FALSE;
  return wParam == 0 || reinterpret_cast<HWND>(wParam) == m_pDropDown->GetSafeHwnd();
}

void CDropGridCtrl::CloseDropDown(BOOL bStorePending) {
  if (!m_pDropDown) return;
  if (bStorePending) m_pDropDown->TransferCurrentCell();
  m_pDropDown->GetValues(m_valueList);
  // Enter or the end of the list closed it: the typing goes on in the cell.
  const BOOL bHadFocus =
      CWnd::GetFocus() != nullptr && (CWnd::GetFocus() == m_pDropDown.get() || m_pDropDown->IsChild(CWnd::GetFocus()));
  std::unique_ptr<CDropDownGridWnd> pClosing = std::move(m_pDropDown);
  pClosing->DestroyWindow();
  if (bHadFocus && GridWnd()->GetSafeHwnd() != nullptr) GridWnd()->SetFocus();
}

void CDropGridCtrl::EndDropDown() {
  if (m_pDropDown && GetSafeHwnd() != nullptr) SendMessage(WM_DROPGRID_END, 0, 1);
}

LRESULT CDropGridCtrl::OnDropGridEnd(WPARAM wParam, LPARAM) {
  if (IsAboutShownDropDown(wParam)) CloseDropDown(TRUE);
  return 0;
}

LRESULT CDropGridCtrl::OnDropGridDeactivated(WPARAM wParam, LPARAM) {
  if (IsAboutShownDropDown(wParam)) CloseDropDown(FALSE);
  return 0;
}

LRESULT CDropGridCtrl::OnDropGridIgnored(WPARAM, LPARAM) { return 0; }

int CDropGridCtrl::QueryEndEditing() {
  if (!m_pDropDown) return CGXEditControl::QueryEndEditing();
  EndDropDown();
  return GX_ENDEDIT_DONE;
}

void CDropGridCtrl::Hide() {
  EndDropDown();
  CGXEditControl::Hide();
}
