#include "gdi/region.h"

#include <algorithm>

#include "win32/wingdi.h"

namespace win32::gdi::detail {

bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT IntersectRects(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  return IsEmptyRect(r) ? RECT{} : r;
}

RECT NormalizedRect(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

Region::Region(const RECT& r) {
  if (!IsEmptyRect(r)) rects_.push_back(r);
}

RECT Region::Box() const {
  if (rects_.empty()) return RECT{};
  RECT box = rects_.front();
  for (const RECT& r : rects_) {
    box.left = std::min(box.left, r.left);
    box.top = std::min(box.top, r.top);
    box.right = std::max(box.right, r.right);
    box.bottom = std::max(box.bottom, r.bottom);
  }
  return box;
}

int Region::Complexity() const {
  if (rects_.empty()) return NULLREGION;
  return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::Contains(int x, int y) const {
  return std::any_of(rects_.begin(), rects_.end(),
                     [&](const RECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; });
}

bool Region::Intersects(const RECT& rect) const {
  return std::any_of(rects_.begin(), rects_.end(),
                     [&](const RECT& r) { return !IsEmptyRect(IntersectRects(r, rect)); });
}

void Region::Offset(int dx, int dy) {
  for (RECT& r : rects_) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  }
}

bool Region::operator==(const Region& other) const {
  if (rects_.size() != other.rects_.size()) return false;
  for (size_t i = 0; i < rects_.size(); ++i) {
    const RECT &a = rects_[i], &b = other.rects_[i];
    if (a.left != b.left || a.top != b.top || a.right != b.right || a.bottom != b.bottom) return false;
  }
  return true;
}

namespace {

bool Apply(int mode, bool inA, bool inB) {
  switch (mode) {
    case RGN_AND:
      return inA && inB;
    case RGN_OR:
      return inA || inB;
    case RGN_XOR:
      return inA != inB;
    case RGN_DIFF:
      return inA && !inB;
    default:
      return inA;
  }
}

std::vector<LONG> Edges(const Region& a, const Region& b, bool vertical) {
  std::vector<LONG> edges;
  for (const Region* rgn : {&a, &b}) {
    for (const RECT& r : rgn->Rects()) {
      edges.push_back(vertical ? r.top : r.left);
      edges.push_back(vertical ? r.bottom : r.right);
    }
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  return edges;
}

// The x-intervals of one band [y0, y1) that belong to the result.
std::vector<RECT> Band(const Region& a, const Region& b, int mode, const std::vector<LONG>& xs, LONG y0, LONG y1) {
  std::vector<RECT> band;
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    if (!Apply(mode, a.Contains(xs[i], y0), b.Contains(xs[i], y0))) continue;
    if (!band.empty() && band.back().right == xs[i])
      band.back().right = xs[i + 1];
    else
      band.push_back(RECT{xs[i], y0, xs[i + 1], y1});
  }
  return band;
}

bool SameColumns(const std::vector<RECT>& a, const std::vector<RECT>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const RECT& l, const RECT& r) {
           return l.left == r.left && l.right == r.right;
         });
}

}  // namespace

Region Region::Combine(const Region& a, const Region& b, int mode) {
  const std::vector<LONG> xs = Edges(a, b, false);
  const std::vector<LONG> ys = Edges(a, b, true);
  Region result;
  std::vector<RECT> previous;
  size_t previousStart = 0;
  for (size_t j = 0; j + 1 < ys.size(); ++j) {
    std::vector<RECT> band = Band(a, b, mode, xs, ys[j], ys[j + 1]);
    // A band identical in columns to the one above it extends it downwards.
    if (!band.empty() && SameColumns(band, previous) && previous.front().bottom == ys[j]) {
      for (size_t k = 0; k < band.size(); ++k) result.rects_[previousStart + k].bottom = ys[j + 1];
      for (RECT& r : previous) r.bottom = ys[j + 1];
      continue;
    }
    previousStart = result.rects_.size();
    result.rects_.insert(result.rects_.end(), band.begin(), band.end());
    previous = std::move(band);
  }
  return result;
}

}  // namespace win32::gdi::detail
