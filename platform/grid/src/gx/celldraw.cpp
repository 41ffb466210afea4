#include "celldraw.h"

namespace gx {

SelectedFont::SelectedFont(CDC* pDC, const CGXFont& font) : m_pDC(pDC) {
  LOGFONT lf{};
  font.GetLogFont(lf, pDC->GetDeviceCaps(LOGPIXELSY));
  if (m_font.CreateFontIndirect(&lf)) m_pOld = pDC->SelectObject(&m_font);
}

SelectedFont::~SelectedFont() {
  if (m_pOld != nullptr) m_pDC->SelectObject(m_pOld);
}

UINT TextFormat(const CGXStyle& style) {
  UINT nFormat = DT_NOPREFIX;
  const DWORD h = style.GetHorizontalAlignment();
  nFormat |= h == DT_CENTER ? DT_CENTER : h == DT_RIGHT ? DT_RIGHT : DT_LEFT;
  if (style.GetWrapText()) return nFormat | DT_WORDBREAK;
  const DWORD v = style.GetVerticalAlignment();
  return nFormat | DT_SINGLELINE | (v == DT_VCENTER ? DT_VCENTER : v == DT_BOTTOM ? DT_BOTTOM : DT_TOP);
}

void DrawCellText(CDC* pDC, const CRect& rect, const CString& sText, const CGXStyle& style) {
  if (sText.IsEmpty() || rect.IsRectEmpty()) return;
  SelectedFont font(pDC, style.GetFont());
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(style.GetEnabled() ? style.GetTextColor() : ::GetSysColor(COLOR_GRAYTEXT));
  CRect rectText = rect;
  pDC->DrawText(sText, &rectText, TextFormat(style));
}

}  // namespace gx
