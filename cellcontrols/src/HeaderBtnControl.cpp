#include "HeaderBtnControl.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CHeaderBtnControl, CGXStatic)

namespace {

// Ten-pixel characters on the screen; on another device as large as the
// cells' fonts are there (sized by the device's resolution).
constexpr int kFontHeight = -10;
constexpr int kScreenDpi = 96;
constexpr LPCTSTR kFontFace = _T("MS Sans Serif");

// The sort marker's corners, from the marker area's right edge.
constexpr int kMarkerLeft = 5;
constexpr int kMarkerRight = 14;
constexpr int kMarkerApex = 10;
constexpr int kMarkerInset = 5;

UINT TitleFormat(const CGXStyle& style) {
  UINT nFormat = DT_NOPREFIX;
  const DWORD horz = style.GetHorizontalAlignment();
  nFormat |= horz == DT_CENTER ? DT_CENTER : horz == DT_RIGHT ? DT_RIGHT : DT_LEFT;
  const DWORD vert = style.GetVerticalAlignment();
  nFormat |= vert == DT_VCENTER ? DT_VCENTER : vert == DT_BOTTOM ? DT_BOTTOM : DT_TOP;
  return nFormat | (style.GetWrapText() ? DT_WORDBREAK : DT_SINGLELINE);
}

void Line(CDC* pDC, CPoint from, CPoint to) {
  pDC->MoveTo(from);
  pDC->LineTo(to);
}

}  // namespace

CHeaderBtnControl::CHeaderBtnControl(CGXGridCore* pGrid, BOOL bSortMarkerOnPaper)
    : CGXStatic(pGrid), m_bSortMarkerOnPaper(bSortMarkerOnPaper) {}

BOOL CHeaderBtnControl::ShowsPressed(ROWCOL nRow, ROWCOL nCol) {
  return m_bPressed && nRow == GetRow() && nCol == GetCol() && Grid()->GetParam()->CanPressHeader();
}

void CHeaderBtnControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*) {
  if (rect.Width() <= 1 || rect.Height() <= 1) return;
  const BOOL bPressed = ShowsPressed(nRow, nCol);
  DrawBackground(pDC, rect, style);
  DrawFrame(pDC, rect, bPressed);
  const CRect rectText = GetTextRect(rect, nRow, nCol, style);
  CString sTitle;
  GetControlText(sTitle, nRow, nCol, style.GetValue(), style);
  CRect rectTitle = rectText;
  rectTitle.right -= kTextMarginRight;
  DrawTitle(pDC, rectTitle, sTitle, style);
  const BOOL bMarker = nCol != 0 && nCol == Grid()->GetParam()->GetSortCol();
  if (!bMarker || (pDC->IsPrinting() && !m_bSortMarkerOnPaper)) return;
  CRect rectMarker = rectText;
  rectMarker.right -= kMarkerMarginRight;
  if (bPressed) rectMarker.OffsetRect(1, 1);
  DrawSortMarker(pDC, rectMarker);
}

// Raised: the dark shadow around, the highlight on the top and left edges
// and the shadow on the bottom and right edges inside it. Pressed: only
// the dark shadow.
void CHeaderBtnControl::DrawFrame(CDC* pDC, const CRect& rect, BOOL bPressed) {
  const COLORREF dark = ::GetSysColor(COLOR_3DDKSHADOW);
  CRect rectOuter = rect;
  pDC->Draw3dRect(&rectOuter, dark, dark);
  if (bPressed) return;
  CRect rectInner(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
  pDC->Draw3dRect(&rectInner, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}

void CHeaderBtnControl::DrawTitle(CDC* pDC, const CRect& rectText, const CString& sText, const CGXStyle& style) {
  if (sText.IsEmpty() || rectText.IsRectEmpty()) return;
  const int nHeight = ::MulDiv(kFontHeight, pDC->GetDeviceCaps(LOGPIXELSY), kScreenDpi);
  if (m_font.GetSafeHandle() == nullptr || nHeight != m_nFontHeight) {
    m_font.DeleteObject();
    m_font.CreateFont(nHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFace);
    m_nFontHeight = nHeight;
  }
  CFont* pOldFont = pDC->SelectObject(&m_font);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(style.GetTextColor());
  CRect rect = rectText;
  pDC->DrawText(sText, &rect, TitleFormat(style));
  if (pOldFont != nullptr) pDC->SelectObject(pOldFont);
}

// A triangle of one-pixel lines: the outline in the shadow colour, the
// edge the light falls on in the highlight.
void CHeaderBtnControl::DrawSortMarker(CDC* pDC, CRect rectMarker) {
  const int x1 = rectMarker.right + kMarkerLeft;
  const int x2 = rectMarker.right + kMarkerRight;
  const int xApex = rectMarker.right + kMarkerApex;
  const BOOL bDown = Grid()->GetParam()->GetSortFlag();
  const int yBase = bDown ? rectMarker.top + kMarkerInset : rectMarker.bottom - kMarkerInset;
  const int yApex = bDown ? rectMarker.bottom - kMarkerInset : rectMarker.top + kMarkerInset;
  CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
  CPen penLight(PS_SOLID, 1, ::GetSysColor(COLOR_3DHILIGHT));
  CPen* pOldPen = pDC->SelectObject(&penShadow);
  Line(pDC, CPoint(xApex, yApex), CPoint(x1, yBase));
  if (bDown) Line(pDC, CPoint(x1, yBase), CPoint(x2, yBase));
  pDC->SelectObject(&penLight);
  Line(pDC, CPoint(x2, yBase), CPoint(xApex, yApex));
  if (!bDown) Line(pDC, CPoint(x1, yBase), CPoint(x2, yBase));
  pDC->SelectObject(pOldPen);
}

void CHeaderBtnControl::SetPressed(BOOL bPressed, UINT nRedrawFlags) {
  m_bPressed = bPressed;
  InvalidateCell();
  if ((nRedrawFlags & GX_UPDATENOW) != 0 && GridWnd()->GetSafeHwnd() != nullptr) GridWnd()->UpdateWindow();
}

// The cell shows raised again before the notification runs, so that a grid
// sorting and redrawing there draws it so.
void CHeaderBtnControl::Release(BOOL bClicked) {
  const ROWCOL nRow = GetRow();
  const ROWCOL nCol = GetCol();
  m_bCaptured = FALSE;
  m_bPressed = FALSE;
  Grid()->RedrawRowCol(nRow, nCol, GX_INVALIDATE);
  if (bClicked) Grid()->OnClickedButtonRowCol(nRow, nCol);
}

BOOL CHeaderBtnControl::LButtonDown(UINT, CPoint, UINT) {
  m_bCaptured = TRUE;
  SetPressed(TRUE, GX_INVALIDATE);
  return TRUE;
}

BOOL CHeaderBtnControl::LButtonDblClk(UINT nFlags, CPoint pt) { return LButtonDown(nFlags, pt, GX_HITSTART); }

BOOL CHeaderBtnControl::MouseMove(UINT, CPoint, UINT nHitState) {
  if (!m_bCaptured) return FALSE;
  const BOOL bInside = (nHitState & GX_HITINCELL) != 0;
  if (bInside != m_bPressed) SetPressed(bInside, GX_UPDATENOW);
  return TRUE;
}

BOOL CHeaderBtnControl::LButtonUp(UINT, CPoint, UINT nHitState) {
  if (!m_bCaptured) return FALSE;
  const BOOL bClicked = m_bPressed && (nHitState & GX_HITINCELL) != 0;
  Release(bClicked);
  return TRUE;
}

BOOL CHeaderBtnControl::OnGridKeyDown(UINT nChar, UINT, UINT) {
  if (nChar != VK_SPACE || GetRow() == GX_INVALID) return FALSE;
  if (!m_bPressed) SetPressed(TRUE, GX_INVALIDATE);
  return TRUE;
}

BOOL CHeaderBtnControl::OnGridKeyUp(UINT nChar, UINT, UINT) {
  if (nChar != VK_SPACE || !m_bPressed) return FALSE;
  Release(TRUE);
  return TRUE;
}
