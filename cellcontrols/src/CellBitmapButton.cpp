#include "CellBitmapButton.h"

CCellBitmapButton::CCellBitmapButton(CGXControl* pComposite, UINT nIDBitmap, UINT nIDPressed)
    : CGXButton(pComposite, nIDBitmap), m_nIDPressed(nIDPressed) {}

void CCellBitmapButton::Draw(CDC* pDC, BOOL bActive) {
  if (m_rect.IsRectEmpty()) return;
  const UINT nID = m_bPressed && m_nIDPressed != 0 ? m_nIDPressed : m_nIDBitmap;
  CBitmap bitmap;
  if (!bitmap.LoadBitmap(nID)) {
    // Without its picture the button still shows as one.
    CGXButton::Draw(pDC, bActive);
    return;
  }
  BITMAP bm{};
  bitmap.GetBitmap(&bm);
  CDC dcMem;
  dcMem.CreateCompatibleDC(pDC);
  CBitmap* pOld = dcMem.SelectObject(&bitmap);
  const int cx = std::min(bm.bmWidth, m_rect.Width());
  const int cy = std::min(bm.bmHeight, m_rect.Height());
  pDC->BitBlt(m_rect.left, m_rect.top, cx, cy, &dcMem, 0, 0, SRCCOPY);
  dcMem.SelectObject(pOld);
}
