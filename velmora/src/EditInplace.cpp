// The in-place editor of a tree-list cell.
#include "EditInplace.h"

#include <algorithm>

#include "TLBase.h"

IMPLEMENT_DYNAMIC(CEditInplace, CEdit)

BEGIN_MESSAGE_MAP(CEditInplace, CEdit)
  ON_WM_KILLFOCUS()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CEditInplace::CEditInplace(CTLBase* pOwner, HTREEITEM hItem, int nColumn)
    : m_hItem(hItem), m_pOwner(pOwner), m_nColumn(nColumn) {
  m_pOwner->m_pEditor = this;
}

CEditInplace::~CEditInplace() {
  if (m_pOwner->m_pEditor == this) m_pOwner->m_pEditor = nullptr;
}

void CEditInplace::PostNcDestroy() { delete this; }

void CEditInplace::End(BOOL bStore) {
  if (m_bEnding) return;
  m_bEnding = TRUE;
  if (bStore && !m_bCancel) {
    CString strText;
    GetWindowText(strText);
    m_pOwner->UpdateItem(m_hItem, m_nColumn, strText);
  }
  // The list takes the focus back from a keyboard end; its focus loss
  // here stores nothing more.
  if (::GetFocus() == m_hWnd) m_pOwner->SetFocus();
  DestroyWindow();
}

void CEditInplace::Cancel() {
  m_bCancel = TRUE;
  End(FALSE);
}

void CEditInplace::Abandon() {
  m_bCancel = TRUE;
  m_bEnding = TRUE;
}

BOOL CEditInplace::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd != m_hWnd || pMsg->message != WM_KEYDOWN) return CEdit::PreTranslateMessage(pMsg);
  const bool bControl = ::GetKeyState(VK_CONTROL) < 0;
  const bool bShift = ::GetKeyState(VK_SHIFT) < 0;
  switch (pMsg->wParam) {
    case VK_RETURN:
      // Stored here, once: the focus may already be elsewhere when the
      // window goes.
      End(TRUE);
      return TRUE;
    case VK_ESCAPE:
      Cancel();
      return TRUE;
    case VK_DELETE:
      if (bControl || bShift) break;
      DeleteForward();
      return TRUE;
    default:
      break;
  }
  return CEdit::PreTranslateMessage(pMsg);
}

void CEditInplace::DeleteForward() {
  int nStart = 0;
  int nEnd = 0;
  GetSel(nStart, nEnd);
  if (nStart == nEnd) SetSel(nStart, nStart + 1);
  Clear();
}

void CEditInplace::OnKillFocus(CWnd* pNewWnd) {
  CEdit::OnKillFocus(pNewWnd);
  End(TRUE);
}

int CEditInplace::CharAt(CPoint point) const { return LOWORD(static_cast<DWORD>(CharFromPos(point))); }

void CEditInplace::OnLButtonDown(UINT, CPoint point) {
  if (::GetFocus() != m_hWnd) SetFocus();
  // Focusing may have ended the editing elsewhere; then nothing is left.
  if (m_bEnding) return;
  m_nAnchor = CharAt(point);
  SetSel(m_nAnchor, m_nAnchor);
  SetCapture();
}

void CEditInplace::OnMouseMove(UINT nFlags, CPoint point) {
  if (m_nAnchor < 0 || !(nFlags & MK_LBUTTON)) return;
  CRect client;
  GetClientRect(&client);
  point.x = std::clamp(point.x, client.left, std::max(client.left, client.right - 1));
  CRect format;
  GetRect(&format);
  point.y = format.top;
  const int nChar = CharAt(point);
  SetSel(m_nAnchor, nChar);
}

void CEditInplace::OnLButtonUp(UINT, CPoint) {
  m_nAnchor = -1;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}
