// CDC: lines, shapes, blocks of pixels and text.
#include "mfc/dc.h"

CPoint CDC::GetCurrentPosition() const {
  CPoint point;
  if (m_hAttribDC) ::GetCurrentPositionEx(m_hAttribDC, &point);
  return point;
}

// The current position is kept on both DCs, as text and lines may be
// measured on one and drawn on the other.
CPoint CDC::MoveTo(int x, int y) {
  CPoint previous;
  if (m_hDC && m_hDC != m_hAttribDC) ::MoveToEx(m_hDC, x, y, &previous);
  if (m_hAttribDC) ::MoveToEx(m_hAttribDC, x, y, &previous);
  return previous;
}

BOOL CDC::LineTo(int x, int y) {
  if (m_hAttribDC && m_hAttribDC != m_hDC) ::MoveToEx(m_hAttribDC, x, y, nullptr);
  return m_hDC ? ::LineTo(m_hDC, x, y) : FALSE;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
  return m_hDC && lpPoints ? ::Polyline(m_hDC, lpPoints, nCount) : FALSE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount) {
  return m_hDC && lpPoints ? ::Polygon(m_hDC, lpPoints, nCount) : FALSE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return m_hDC ? ::Rectangle(m_hDC, x1, y1, x2, y2) : FALSE; }

BOOL CDC::Rectangle(LPCRECT lpRect) {
  return lpRect ? Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  return m_hDC ? ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3) : FALSE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return m_hDC ? ::Ellipse(m_hDC, x1, y1, x2, y2) : FALSE; }

BOOL CDC::Ellipse(LPCRECT lpRect) {
  return lpRect ? Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
  return m_hDC && pRgn && pBrush ? ::FillRgn(m_hDC, *pRgn, *pBrush) : FALSE;
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight) {
  return m_hDC && pRgn && pBrush ? ::FrameRgn(m_hDC, *pRgn, *pBrush, nWidth, nHeight) : FALSE;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  if (m_hDC && lpRect && pBrush) ::FillRect(m_hDC, lpRect, *pBrush);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
  if (m_hDC && lpRect && pBrush) ::FrameRect(m_hDC, lpRect, *pBrush);
}

void CDC::InvertRect(LPCRECT lpRect) {
  if (m_hDC && lpRect) ::InvertRect(m_hDC, lpRect);
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
  if (m_hDC && lpRect) ::DrawFocusRect(m_hDC, lpRect);
}

// As the class library has always done it: an opaque ExtTextOut with no
// text fills with the background colour, which is then set to the colour.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  if (!m_hDC || !lpRect) return;
  ::SetBkColor(m_hDC, clr);
  ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  const CRect rect(x, y, x + cx, y + cy);
  FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  if (lpRect) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
  }
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
  FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
  return m_hDC && lpRect ? ::DrawEdge(m_hDC, lpRect, nEdge, nFlags) : FALSE;
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
  return m_hDC && lpRect ? ::DrawFrameControl(m_hDC, lpRect, nType, nState) : FALSE;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return m_hDC && hIcon ? ::DrawIcon(m_hDC, x, y, hIcon) : FALSE; }

COLORREF CDC::GetPixel(int x, int y) const { return m_hDC ? ::GetPixel(m_hDC, x, y) : CLR_INVALID; }

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) {
  return m_hDC ? ::SetPixel(m_hDC, x, y, crColor) : CLR_INVALID;
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const {
  return m_hAttribDC ? ::GetNearestColor(m_hAttribDC, crColor) : CLR_INVALID;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
  return m_hDC ? ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop) : FALSE;
}

// A null source is allowed for operations that use no source.
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
  if (!m_hDC) return FALSE;
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
  if (!m_hDC) return FALSE;
  return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth, nSrcHeight,
                      dwRop);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
  return m_hDC && lpszString ? ::TextOut(m_hDC, x, y, lpszString, nCount) : FALSE;
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths) {
  return m_hDC ? ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths) : FALSE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths) {
  return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  return m_hDC && lpszString && lpRect ? ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat) : 0;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
  return DrawText(str, str.GetLength(), lpRect, nFormat);
}

namespace {

CSize TextExtentOn(HDC hDC, LPCTSTR lpszString, int nCount) {
  CSize size;
  if (hDC && lpszString) ::GetTextExtentPoint32(hDC, lpszString, nCount, &size);
  return size;
}

}  // namespace

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const { return TextExtentOn(m_hAttribDC, lpszString, nCount); }

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const { return TextExtentOn(m_hDC, lpszString, nCount); }

CSize CDC::GetOutputTextExtent(const CString& str) const { return GetOutputTextExtent(str, str.GetLength()); }

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
  return m_hAttribDC && lpMetrics ? ::GetTextMetrics(m_hAttribDC, lpMetrics) : FALSE;
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const {
  return m_hDC && lpMetrics ? ::GetTextMetrics(m_hDC, lpMetrics) : FALSE;
}

int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const {
  return m_hAttribDC ? ::GetTextFace(m_hAttribDC, nCount, lpszFacename) : 0;
}

int CDC::GetTextFace(CString& rString) const {
  char face[LF_FACESIZE] = {};
  const int length = GetTextFace(LF_FACESIZE, face);
  rString = face;
  return length;
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const {
  return m_hAttribDC && lpBuffer ? ::GetCharWidth(m_hAttribDC, nFirstChar, nLastChar, lpBuffer) : FALSE;
}
