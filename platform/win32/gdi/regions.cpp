// Region objects.
#include "gdi/canvas.h"

using namespace win32::gdi::detail;

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2) {
  return AddAs<HRGN>(Region(NormalizedRect(RECT{x1, y1, x2, y2})));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect) {
  return lprect ? CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom) : nullptr;
}

BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
  Region* region = Get<Region>(hrgn);
  if (!region) return FALSE;
  *region = Region(NormalizedRect(RECT{left, top, right, bottom}));
  return TRUE;
}

int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
  Region* dst = Get<Region>(hrgnDst);
  const Region* a = Get<Region>(hrgnSrc1);
  if (!dst || !a || iMode < RGN_AND || iMode > RGN_COPY) return ERROR;
  if (iMode == RGN_COPY) {
    *dst = *a;
    return dst->Complexity();
  }
  const Region* b = Get<Region>(hrgnSrc2);
  if (!b) return ERROR;
  *dst = Region::Combine(*a, *b, iMode);
  return dst->Complexity();
}

BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2) {
  const Region* a = Get<Region>(hrgn1);
  const Region* b = Get<Region>(hrgn2);
  if (!a || !b) return ERROR;
  return *a == *b;
}

BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
  const Region* region = Get<Region>(hrgn);
  return region && region->Contains(x, y);
}

BOOL WINAPI RectInRegion(HRGN hrgn, const RECT* lprect) {
  const Region* region = Get<Region>(hrgn);
  return region && lprect && region->Intersects(NormalizedRect(*lprect));
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc) {
  const Region* region = Get<Region>(hrgn);
  if (!region || !lprc) return ERROR;
  *lprc = region->Box();
  return region->Complexity();
}

int WINAPI OffsetRgn(HRGN hrgn, int x, int y) {
  Region* region = Get<Region>(hrgn);
  if (!region) return ERROR;
  region->Offset(x, y);
  return region->Complexity();
}

BOOL WINAPI FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr) {
  const Region* region = Get<Region>(hrgn);
  if (!region || !GetDc(hdc)) return FALSE;
  for (const RECT& r : region->Rects())
    if (!FillRect(hdc, &r, hbr)) return FALSE;
  return TRUE;
}

BOOL WINAPI FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h) {
  const Region* region = Get<Region>(hrgn);
  if (!region || !GetDc(hdc) || w <= 0 || h <= 0) return FALSE;
  // The frame is the region minus itself shrunk by w and h.
  Region inner = *region;
  for (int dx : {-w, w}) {
    Region moved = *region;
    moved.Offset(dx, 0);
    inner = Region::Combine(inner, moved, RGN_AND);
  }
  for (int dy : {-h, h}) {
    Region moved = *region;
    moved.Offset(0, dy);
    inner = Region::Combine(inner, moved, RGN_AND);
  }
  const Region frame = Region::Combine(*region, inner, RGN_DIFF);
  for (const RECT& r : frame.Rects())
    if (!FillRect(hdc, &r, hbr)) return FALSE;
  return TRUE;
}
