// CDC: mapping modes, coordinate conversion and clipping.
#include "mfc/dc.h"

namespace {

// Runs an origin or extent call on the output DC and, when it differs, on
// the attribute DC; answers what the attribute DC had before.
template <class Result, class Call>
Result OnBoth(HDC output, HDC attrib, Call call) {
  Result previous{};
  if (output && output != attrib) call(output, &previous);
  if (attrib) call(attrib, &previous);
  return previous;
}

}  // namespace

int CDC::GetMapMode() const { return m_hAttribDC ? ::GetMapMode(m_hAttribDC) : 0; }

int CDC::SetMapMode(int nMapMode) {
  int previous = 0;
  if (m_hDC && m_hDC != m_hAttribDC) previous = ::SetMapMode(m_hDC, nMapMode);
  if (m_hAttribDC) previous = ::SetMapMode(m_hAttribDC, nMapMode);
  return previous;
}

CPoint CDC::GetViewportOrg() const {
  CPoint point;
  if (m_hAttribDC) ::GetViewportOrgEx(m_hAttribDC, &point);
  return point;
}

CPoint CDC::SetViewportOrg(int x, int y) {
  return OnBoth<CPoint>(m_hDC, m_hAttribDC, [x, y](HDC dc, CPoint* old) { ::SetViewportOrgEx(dc, x, y, old); });
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  return OnBoth<CPoint>(m_hDC, m_hAttribDC,
                        [nWidth, nHeight](HDC dc, CPoint* old) { ::OffsetViewportOrgEx(dc, nWidth, nHeight, old); });
}

CSize CDC::GetViewportExt() const {
  CSize size;
  if (m_hAttribDC) ::GetViewportExtEx(m_hAttribDC, &size);
  return size;
}

CSize CDC::SetViewportExt(int cx, int cy) {
  return OnBoth<CSize>(m_hDC, m_hAttribDC, [cx, cy](HDC dc, CSize* old) { ::SetViewportExtEx(dc, cx, cy, old); });
}

CPoint CDC::GetWindowOrg() const {
  CPoint point;
  if (m_hAttribDC) ::GetWindowOrgEx(m_hAttribDC, &point);
  return point;
}

CPoint CDC::SetWindowOrg(int x, int y) {
  return OnBoth<CPoint>(m_hDC, m_hAttribDC, [x, y](HDC dc, CPoint* old) { ::SetWindowOrgEx(dc, x, y, old); });
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  return OnBoth<CPoint>(m_hDC, m_hAttribDC,
                        [nWidth, nHeight](HDC dc, CPoint* old) { ::OffsetWindowOrgEx(dc, nWidth, nHeight, old); });
}

CSize CDC::GetWindowExt() const {
  CSize size;
  if (m_hAttribDC) ::GetWindowExtEx(m_hAttribDC, &size);
  return size;
}

CSize CDC::SetWindowExt(int cx, int cy) {
  return OnBoth<CSize>(m_hDC, m_hAttribDC, [cx, cy](HDC dc, CSize* old) { ::SetWindowExtEx(dc, cx, cy, old); });
}

template <class Convert>
void CDC::ConvertPoints(Convert convert, LPPOINT lpPoints, int nCount) const {
  if (m_hAttribDC && lpPoints && nCount > 0) convert(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { ConvertPoints(::LPtoDP, lpPoints, nCount); }

void CDC::LPtoDP(LPRECT lpRect) const { ConvertPoints(::LPtoDP, reinterpret_cast<LPPOINT>(lpRect), 2); }

// A size converts as the distance between two converted points.
void CDC::LPtoDP(LPSIZE lpSize) const {
  if (!lpSize) return;
  POINT points[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
  ConvertPoints(::LPtoDP, points, 2);
  *lpSize = SIZE{points[1].x - points[0].x, points[1].y - points[0].y};
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ConvertPoints(::DPtoLP, lpPoints, nCount); }

void CDC::DPtoLP(LPRECT lpRect) const { ConvertPoints(::DPtoLP, reinterpret_cast<LPPOINT>(lpRect), 2); }

void CDC::DPtoLP(LPSIZE lpSize) const {
  if (!lpSize) return;
  POINT points[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
  ConvertPoints(::DPtoLP, points, 2);
  *lpSize = SIZE{points[1].x - points[0].x, points[1].y - points[0].y};
}

int CDC::GetClipBox(LPRECT lpRect) const { return m_hDC && lpRect ? ::GetClipBox(m_hDC, lpRect) : ERROR; }

// A null region removes the clipping region.
int CDC::SelectClipRgn(CRgn* pRgn) {
  return m_hDC ? ::SelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(*pRgn) : nullptr) : ERROR;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
  return m_hDC ? ::ExtSelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(*pRgn) : nullptr, nMode) : ERROR;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  return m_hDC ? ::IntersectClipRect(m_hDC, x1, y1, x2, y2) : ERROR;
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
  return lpRect ? IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : ERROR;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
  return m_hDC ? ::ExcludeClipRect(m_hDC, x1, y1, x2, y2) : ERROR;
}

int CDC::ExcludeClipRect(LPCRECT lpRect) {
  return lpRect ? ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : ERROR;
}

int CDC::OffsetClipRgn(int x, int y) { return m_hDC ? ::OffsetClipRgn(m_hDC, x, y) : ERROR; }

BOOL CDC::PtVisible(int x, int y) const { return m_hDC ? ::PtVisible(m_hDC, x, y) : FALSE; }

BOOL CDC::RectVisible(LPCRECT lpRect) const { return m_hDC && lpRect ? ::RectVisible(m_hDC, lpRect) : FALSE; }
