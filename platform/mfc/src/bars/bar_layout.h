// Sizes the bars share when their frame lays them out.
#pragma once

#include "afxwin.h"

#include <algorithm>

namespace afx {

// A bar takes at most what is left; stretched bars ask for "everything".
constexpr LONG kStretchLength = 32767;

// `size` grown to the whole length of its side when the bar stretches.
inline CSize StretchedSize(CSize size, BOOL bStretch, BOOL bHorz) {
  if (bStretch) {
    LONG& length = bHorz ? size.cx : size.cy;
    length = std::max(length, kStretchLength);
  }
  return size;
}

}  // namespace afx
