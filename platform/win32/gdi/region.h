// Rectangle-list regions: a set of disjoint rectangles, combined by sweeping
// the grid of their edges. Regions here stay small (clips, update areas).
#pragma once

#include <vector>

#include "win32/wintypes.h"

namespace win32::gdi::detail {

bool IsEmptyRect(const RECT& r);
RECT IntersectRects(const RECT& a, const RECT& b);
RECT NormalizedRect(const RECT& r);

class Region {
 public:
  Region() = default;
  explicit Region(const RECT& r);

  const std::vector<RECT>& Rects() const { return rects_; }
  bool Empty() const { return rects_.empty(); }
  RECT Box() const;
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Complexity() const;
  bool Contains(int x, int y) const;
  bool Intersects(const RECT& r) const;
  void Offset(int dx, int dy);
  bool operator==(const Region& other) const;

  // RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF of two regions.
  static Region Combine(const Region& a, const Region& b, int mode);

 private:
  std::vector<RECT> rects_;  // disjoint, in bands top to bottom, left to right
};

}  // namespace win32::gdi::detail
