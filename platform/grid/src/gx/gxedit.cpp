#include "gx/gxedit.h"

#include "celldraw.h"
#include "gx/gxcore.h"

GRID_IMPLEMENT_CONTROL(CGXEditControl, CEdit)

BEGIN_MESSAGE_MAP(CGXEditControl, CEdit)
  ON_WM_KEYDOWN()
  ON_WM_CHAR()
  ON_WM_GETDLGCODE()
  ON_WM_KILLFOCUS()
  ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

CGXEditControl::CGXEditControl(CGXGridCore* pGrid, UINT nID) : CGXControl(pGrid), m_nEditID(nID) {}

CGXEditControl::~CGXEditControl() {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) DestroyWindow();
}

void CGXEditControl::LoadText(const CString& sText) {
  if (m_hWnd == nullptr) return;
  m_bLoading = TRUE;
  SetWindowText(sText);
  m_bLoading = FALSE;
}

void CGXEditControl::Init(ROWCOL nRow, ROWCOL nCol) {
  const BOOL bOtherCell = nRow != m_nRow || nCol != m_nCol;
  if (bOtherCell && m_bActive) SetActive(FALSE);
  CGXControl::Init(nRow, nCol);
  if (m_bActive) LoadText(m_pGrid->GetValueRowCol(nRow, nCol));
}

CRect CGXEditControl::EditorRect() {
  const CRect rectCell = m_pGrid->GetCellRect(m_nRow, m_nCol);
  if (rectCell.IsRectEmpty()) return rectCell;
  CRect rect = GetTextRect(rectCell, m_nRow, m_nCol, BoundStyle());
  CRect rectInside = rectCell;
  rectInside.DeflateRect(2, 2);
  rect.IntersectRect(rect, rectInside);
  return rect;
}

void CGXEditControl::ShowEditor() {
  const CGXStyle& style = BoundStyle();
  const CRect rect = EditorRect();
  if (m_hWnd == nullptr) {
    const DWORD dwStyle = WS_CHILD | ES_AUTOHSCROLL | (style.GetWrapText() ? ES_MULTILINE | ES_AUTOVSCROLL : 0);
    if (!CEdit::Create(dwStyle, rect, GridWnd(), m_nEditID)) return;
  }
  LOGFONT lf{};
  style.GetFont().GetLogFont(lf, 96);
  m_font.DeleteObject();
  if (m_font.CreateFontIndirect(&lf)) SetFont(&m_font, FALSE);
  LimitText(style.GetMaxLength());
  MoveWindow(&rect, FALSE);
  ShowWindow(rect.IsRectEmpty() ? SW_HIDE : SW_SHOW);
}

void CGXEditControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle) {
  if (m_bActive && nRow == m_nRow && nCol == m_nCol) {
    DrawBackground(pDC, rect, style);
    DrawChildren(pDC, TRUE);
    return;
  }
  CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

BOOL CGXEditControl::IsActive() { return m_bActive; }

void CGXEditControl::SetActive(BOOL bActive) {
  if (bActive == m_bActive) return;
  m_bActive = bActive;
  if (!bActive) {
    Hide();
    return;
  }
  ShowEditor();
  LoadText(m_pGrid->GetValueRowCol(m_nRow, m_nCol));
  if (m_hWnd != nullptr) {
    SetFocus();
    SetCaretToEnd();
  }
}

BOOL CGXEditControl::GetModify() { return m_bModified; }
void CGXEditControl::SetModify(BOOL bModified) { m_bModified = bModified; }

void CGXEditControl::Hide() {
  if (m_hWnd == nullptr || !IsWindowVisible()) return;
  const BOOL bHadFocus = CWnd::GetFocus() == this;
  ShowWindow(SW_HIDE);
  if (bHadFocus && GridWnd()->GetSafeHwnd() != nullptr) GridWnd()->SetFocus();
}

void CGXEditControl::Refresh() {
  if (m_bActive) ShowEditor();
  InvalidateCell();
}

BOOL CGXEditControl::GetValue(CString& strResult) {
  if (m_bActive && m_hWnd != nullptr) {
    GetWindowText(strResult);
    return TRUE;
  }
  return CGXControl::GetValue(strResult);
}

void CGXEditControl::SetValue(LPCTSTR pszRawValue) { LoadText(pszRawValue); }

BOOL CGXEditControl::GetCurrentText(CString& strResult) { return GetValue(strResult); }

void CGXEditControl::SetCurrentText(const CString& str) {
  if (!m_bActive || m_hWnd == nullptr) return;
  SetWindowText(str);
  m_bModified = TRUE;
}

BOOL CGXEditControl::Store() {
  CString sValue;
  GetValue(sValue);
  return m_pGrid->SetValueByUser(m_nRow, m_nCol, sValue);
}

BOOL CGXEditControl::OnStartEditing() {
  m_bModified = FALSE;
  return TRUE;
}

void CGXEditControl::OnCancelEditing() {
  LoadText(m_pGrid->GetValueRowCol(m_nRow, m_nCol));
  m_bModified = FALSE;
}

BOOL CGXEditControl::OnGridKeyDown(UINT, UINT, UINT) { return FALSE; }

// Typing on the current cell opens the editor with the typed character.
BOOL CGXEditControl::OnGridChar(UINT nChar, UINT, UINT) {
  if (nChar < ' ' || m_bActive) return FALSE;
  if ((m_pGrid->GetParam()->GetActivateCellFlags() & GX_ACTIVATE_TYPING) == 0) return FALSE;
  if (!m_pGrid->ActivateCurrentCell() || !m_bActive || m_hWnd == nullptr) return FALSE;
  SetWindowText(CString(static_cast<TCHAR>(nChar)));
  SetCaretToEnd();
  return TRUE;
}

void CGXEditControl::GetSel(int& nStart, int& nEnd) const {
  nStart = nEnd = 0;
  if (m_hWnd != nullptr) CEdit::GetSel(nStart, nEnd);
}

void CGXEditControl::SetSel(int nStart, int nEnd, BOOL bNoScroll) {
  if (m_hWnd != nullptr) CEdit::SetSel(nStart, nEnd, bNoScroll);
}

void CGXEditControl::SetCaretToEnd() {
  if (m_hWnd == nullptr) return;
  const int nLen = GetWindowTextLength();
  CEdit::SetSel(nLen, nLen);
}

void CGXEditControl::ScrollCaret() {
  if (m_hWnd != nullptr) SendMessage(EM_SCROLLCARET);
}

BOOL CGXEditControl::HasSelectedText() const {
  int nStart = 0;
  int nEnd = 0;
  GetSel(nStart, nEnd);
  return nStart != nEnd;
}

void CGXEditControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (KeyPressed(WM_KEYDOWN, nChar, nRepCnt, nFlags)) return;
  if (m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags)) return;
  Default();
}

void CGXEditControl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (KeyPressed(WM_CHAR, nChar, nRepCnt, nFlags)) return;
  if (m_pGrid->ProcessKeys(this, WM_CHAR, nChar, nRepCnt, nFlags)) return;
  Default();
}

UINT CGXEditControl::OnGetDlgCode() { return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS; }

void CGXEditControl::OnChange() {
  if (m_bLoading || !m_bActive) return;
  m_bModified = TRUE;
  m_pGrid->OnTextChangedRowCol(m_nRow, m_nCol);
}

// Focus leaving the grid altogether stores the text, so that a dialog's OK
// reads what was typed.
void CGXEditControl::OnKillFocus(CWnd* pNewWnd) {
  Default();
  CWnd* pGridWnd = GridWnd();
  // No new focus: windows are going away or another program took over.
  if (!m_bActive || pGridWnd->GetSafeHwnd() == nullptr || pNewWnd == nullptr) return;
  if (pNewWnd->m_hWnd == pGridWnd->m_hWnd || pGridWnd->IsChild(pNewWnd)) return;
  m_pGrid->TransferCurrentCell(TRUE, GX_INVALIDATE);
}
