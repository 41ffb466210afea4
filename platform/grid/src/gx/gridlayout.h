// Where the rows and columns of a grid are on screen: header and frozen
// ones first, then the scrolled ones from the top row / left column.
#pragma once

#include <vector>

#include "gx/gxcore.h"

namespace gx {

struct Span {
  ROWCOL n;   // row or column number
  int start;  // first pixel
  int size;   // pixels, the grid line included
};

// The visible rows (bRows) or columns, in screen order; hidden ones left out.
std::vector<Span> VisibleSpans(CGXGridCore& core, BOOL bRows);
// The span holding pixel pos, or null.
const Span* SpanAt(const std::vector<Span>& spans, int pos);
const Span* FindSpan(const std::vector<Span>& spans, ROWCOL n);

}  // namespace gx
