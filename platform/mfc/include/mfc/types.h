// CPoint, CSize and CRect: the window system's POINT, SIZE and RECT with
// the class library's members and operators. Each derives from its plain
// structure, so it passes wherever the API takes a POINT, SIZE or RECT.
#pragma once

#include <utility>

#include "windows.h"

class CSize;
class CRect;

class CPoint : public POINT {
 public:
  CPoint() noexcept : POINT{0, 0} {}
  CPoint(int initX, int initY) noexcept : POINT{initX, initY} {}
  CPoint(POINT initPt) noexcept : POINT(initPt) {}
  explicit CPoint(SIZE initSize) noexcept : POINT{initSize.cx, initSize.cy} {}
  // A packed coordinate pair as in mouse messages: x in the low word.
  explicit CPoint(LPARAM dwPoint) noexcept : POINT{GET_X_LPARAM(dwPoint), GET_Y_LPARAM(dwPoint)} {}

  void Offset(int xOffset, int yOffset) noexcept {
    x += xOffset;
    y += yOffset;
  }
  void Offset(POINT point) noexcept { Offset(point.x, point.y); }
  void Offset(SIZE size) noexcept { Offset(size.cx, size.cy); }
  void SetPoint(int X, int Y) noexcept {
    x = X;
    y = Y;
  }

  bool operator==(POINT point) const noexcept { return x == point.x && y == point.y; }
  bool operator!=(POINT point) const noexcept { return !(*this == point); }
  void operator+=(SIZE size) noexcept { Offset(size); }
  void operator-=(SIZE size) noexcept { Offset(-size.cx, -size.cy); }
  void operator+=(POINT point) noexcept { Offset(point); }
  void operator-=(POINT point) noexcept { Offset(-point.x, -point.y); }

  CPoint operator+(SIZE size) const noexcept { return {x + size.cx, y + size.cy}; }
  CPoint operator-(SIZE size) const noexcept { return {x - size.cx, y - size.cy}; }
  CPoint operator-() const noexcept { return {-x, -y}; }
  CPoint operator+(POINT point) const noexcept { return {x + point.x, y + point.y}; }
  // The difference of two points is the distance between them.
  CSize operator-(POINT point) const noexcept;
  CRect operator+(const RECT* lpRect) const noexcept;
  CRect operator-(const RECT* lpRect) const noexcept;
};

class CSize : public SIZE {
 public:
  CSize() noexcept : SIZE{0, 0} {}
  CSize(int initCX, int initCY) noexcept : SIZE{initCX, initCY} {}
  CSize(SIZE initSize) noexcept : SIZE(initSize) {}
  explicit CSize(POINT initPt) noexcept : SIZE{initPt.x, initPt.y} {}
  explicit CSize(DWORD dwSize) noexcept
      : SIZE{static_cast<SHORT>(LOWORD(dwSize)), static_cast<SHORT>(HIWORD(dwSize))} {}

  void SetSize(int CX, int CY) noexcept {
    cx = CX;
    cy = CY;
  }

  bool operator==(SIZE size) const noexcept { return cx == size.cx && cy == size.cy; }
  bool operator!=(SIZE size) const noexcept { return !(*this == size); }
  void operator+=(SIZE size) noexcept {
    cx += size.cx;
    cy += size.cy;
  }
  void operator-=(SIZE size) noexcept {
    cx -= size.cx;
    cy -= size.cy;
  }

  CSize operator+(SIZE size) const noexcept { return {cx + size.cx, cy + size.cy}; }
  CSize operator-(SIZE size) const noexcept { return {cx - size.cx, cy - size.cy}; }
  CSize operator-() const noexcept { return {-cx, -cy}; }
  CPoint operator+(POINT point) const noexcept { return {cx + point.x, cy + point.y}; }
  CPoint operator-(POINT point) const noexcept { return {cx - point.x, cy - point.y}; }
  CRect operator+(const RECT* lpRect) const noexcept;
  CRect operator-(const RECT* lpRect) const noexcept;
};

class CRect : public RECT {
 public:
  CRect() noexcept : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
  CRect(const RECT& srcRect) noexcept : RECT(srcRect) {}
  CRect(LPCRECT lpSrcRect) noexcept : RECT(lpSrcRect ? *lpSrcRect : RECT{0, 0, 0, 0}) {}
  CRect(POINT point, SIZE size) noexcept : RECT{point.x, point.y, point.x + size.cx, point.y + size.cy} {}
  CRect(POINT topLeft, POINT bottomRight) noexcept : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

  int Width() const noexcept { return right - left; }
  int Height() const noexcept { return bottom - top; }
  CSize Size() const noexcept { return {Width(), Height()}; }
  // The corners are the rectangle's own storage, as callers pass
  // &rect.TopLeft() to functions that convert points in place.
  CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
  const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(&left); }
  const CPoint& BottomRight() const noexcept { return *reinterpret_cast<const CPoint*>(&right); }
  CPoint CenterPoint() const noexcept { return {(left + right) / 2, (top + bottom) / 2}; }
  void SwapLeftRight() noexcept { std::swap(left, right); }

  operator LPRECT() noexcept { return this; }
  operator LPCRECT() const noexcept { return this; }

  BOOL IsRectEmpty() const noexcept { return left >= right || top >= bottom; }
  BOOL IsRectNull() const noexcept { return left == 0 && right == 0 && top == 0 && bottom == 0; }
  BOOL PtInRect(POINT point) const noexcept {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }

  void SetRect(int x1, int y1, int x2, int y2) noexcept;
  void SetRect(POINT topLeft, POINT bottomRight) noexcept;
  void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
  void CopyRect(LPCRECT lpSrcRect) noexcept {
    if (lpSrcRect) *static_cast<RECT*>(this) = *lpSrcRect;
  }
  BOOL EqualRect(LPCRECT lpRect) const noexcept;

  void InflateRect(int x, int y) noexcept { InflateRect(x, y, x, y); }
  void InflateRect(SIZE size) noexcept { InflateRect(size.cx, size.cy); }
  void InflateRect(LPCRECT lpRect) noexcept;
  void InflateRect(int l, int t, int r, int b) noexcept;
  void DeflateRect(int x, int y) noexcept { InflateRect(-x, -y); }
  void DeflateRect(SIZE size) noexcept { InflateRect(-size.cx, -size.cy); }
  void DeflateRect(LPCRECT lpRect) noexcept;
  void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }

  void OffsetRect(int x, int y) noexcept;
  void OffsetRect(SIZE size) noexcept { OffsetRect(size.cx, size.cy); }
  void OffsetRect(POINT point) noexcept { OffsetRect(point.x, point.y); }
  void NormalizeRect() noexcept;

  void MoveToY(int y) noexcept;
  void MoveToX(int x) noexcept;
  void MoveToXY(int x, int y) noexcept;
  void MoveToXY(POINT point) noexcept { MoveToXY(point.x, point.y); }

  // Each returns nonzero when the result is not empty; an empty
  // intersection leaves the rectangle empty (all zero), as Win32 does.
  BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept;
  BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept;
  BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) noexcept;

  CRect& operator=(const RECT& srcRect) noexcept {
    CopyRect(&srcRect);
    return *this;
  }
  bool operator==(const RECT& rect) const noexcept { return EqualRect(&rect) != FALSE; }
  bool operator!=(const RECT& rect) const noexcept { return !(*this == rect); }
  void operator+=(POINT point) noexcept { OffsetRect(point); }
  void operator+=(SIZE size) noexcept { OffsetRect(size); }
  void operator+=(LPCRECT lpRect) noexcept { InflateRect(lpRect); }
  void operator-=(POINT point) noexcept { OffsetRect(-point.x, -point.y); }
  void operator-=(SIZE size) noexcept { OffsetRect(-size.cx, -size.cy); }
  void operator-=(LPCRECT lpRect) noexcept { DeflateRect(lpRect); }
  void operator&=(const RECT& rect) noexcept { IntersectRect(this, &rect); }
  void operator|=(const RECT& rect) noexcept { UnionRect(this, &rect); }

  CRect operator+(POINT point) const noexcept;
  CRect operator-(POINT point) const noexcept;
  CRect operator+(SIZE size) const noexcept;
  CRect operator-(SIZE size) const noexcept;
  CRect operator+(LPCRECT lpRect) const noexcept;
  CRect operator-(LPCRECT lpRect) const noexcept;
  CRect operator&(const RECT& rect2) const noexcept;
  CRect operator|(const RECT& rect2) const noexcept;
  // Scales every coordinate by nMultiplier / nDivisor with rounding.
  CRect MulDiv(int nMultiplier, int nDivisor) const noexcept;
};

inline CSize CPoint::operator-(POINT point) const noexcept { return {x - point.x, y - point.y}; }
