// The CRect members that are more than one line.
#include "mfc/types.h"

CRect CPoint::operator+(const RECT* lpRect) const noexcept { return CRect(lpRect) + *this; }
CRect CPoint::operator-(const RECT* lpRect) const noexcept { return CRect(lpRect) - *this; }
CRect CSize::operator+(const RECT* lpRect) const noexcept { return CRect(lpRect) + *this; }
CRect CSize::operator-(const RECT* lpRect) const noexcept { return CRect(lpRect) - *this; }

void CRect::SetRect(int x1, int y1, int x2, int y2) noexcept {
  left = x1;
  top = y1;
  right = x2;
  bottom = y2;
}

void CRect::SetRect(POINT topLeft, POINT bottomRight) noexcept {
  SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

BOOL CRect::EqualRect(LPCRECT lpRect) const noexcept {
  return lpRect && left == lpRect->left && top == lpRect->top && right == lpRect->right && bottom == lpRect->bottom;
}

void CRect::InflateRect(int l, int t, int r, int b) noexcept {
  left -= l;
  top -= t;
  right += r;
  bottom += b;
}

void CRect::InflateRect(LPCRECT lpRect) noexcept {
  if (lpRect) InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::DeflateRect(LPCRECT lpRect) noexcept {
  if (lpRect) DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::OffsetRect(int x, int y) noexcept {
  left += x;
  right += x;
  top += y;
  bottom += y;
}

void CRect::NormalizeRect() noexcept {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

void CRect::MoveToY(int y) noexcept {
  bottom = Height() + y;
  top = y;
}

void CRect::MoveToX(int x) noexcept {
  right = Width() + x;
  left = x;
}

void CRect::MoveToXY(int x, int y) noexcept {
  MoveToX(x);
  MoveToY(y);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept { return ::IntersectRect(this, lpRect1, lpRect2); }

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept { return ::UnionRect(this, lpRect1, lpRect2); }

BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) noexcept {
  return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
}

CRect CRect::operator+(POINT point) const noexcept {
  CRect rect(*this);
  rect.OffsetRect(point);
  return rect;
}

CRect CRect::operator-(POINT point) const noexcept { return *this + CPoint(-point.x, -point.y); }

CRect CRect::operator+(SIZE size) const noexcept { return *this + CPoint(size); }

CRect CRect::operator-(SIZE size) const noexcept { return *this - CPoint(size); }

CRect CRect::operator+(LPCRECT lpRect) const noexcept {
  CRect rect(*this);
  rect.InflateRect(lpRect);
  return rect;
}

CRect CRect::operator-(LPCRECT lpRect) const noexcept {
  CRect rect(*this);
  rect.DeflateRect(lpRect);
  return rect;
}

CRect CRect::operator&(const RECT& rect2) const noexcept {
  CRect rect;
  rect.IntersectRect(this, &rect2);
  return rect;
}

CRect CRect::operator|(const RECT& rect2) const noexcept {
  CRect rect;
  rect.UnionRect(this, &rect2);
  return rect;
}

CRect CRect::MulDiv(int nMultiplier, int nDivisor) const noexcept {
  return {::MulDiv(left, nMultiplier, nDivisor), ::MulDiv(top, nMultiplier, nDivisor),
          ::MulDiv(right, nMultiplier, nDivisor), ::MulDiv(bottom, nMultiplier, nDivisor)};
}
