#include "gx/gxpasswd.h"

GRID_IMPLEMENT_CONTROL(CGXPasswordControl, CGXEditControl)

CGXPasswordControl::CGXPasswordControl(CGXGridCore* pGrid, UINT nID, TCHAR chPassword)
    : CGXEditControl(pGrid, nID), m_chPassword(chPassword) {}

CString CGXPasswordControl::Mask(LPCTSTR pszText) const {
  const int length = pszText ? static_cast<int>(_tcslen(pszText)) : 0;
  return CString(m_chPassword, length);
}

void CGXPasswordControl::ApplyMask() {
  if (m_hWnd && CEdit::GetPasswordChar() != m_chPassword) SetPasswordChar(m_chPassword);
}

BOOL CGXPasswordControl::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue,
                                        const CGXStyle& style) {
  strResult = Mask(pszRawValue ? pszRawValue : static_cast<LPCTSTR>(style.GetValue()));
  return TRUE;
}

void CGXPasswordControl::Init(ROWCOL nRow, ROWCOL nCol) {
  CGXEditControl::Init(nRow, nCol);
  ApplyMask();
}

void CGXPasswordControl::SetActive(BOOL bActive) {
  CGXEditControl::SetActive(bActive);
  ApplyMask();
}
