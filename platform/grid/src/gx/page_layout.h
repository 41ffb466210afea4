// How a grid is cut into printed pages: runs of rows that fit a page's
// height and runs of columns that fit its width, the header row and the
// row-header column repeated on every page.
#pragma once

#include <vector>

namespace gx {

// Items first..last (inclusive) on one page.
struct PageSpan {
  int first = 0;
  int last = 0;
};

// Cuts items 1..sizes.size()-1 (sizes[0] is the repeated header) into runs
// that fit `room` together with the header. Hidden items (size 0) go with
// their neighbours; an item larger than the room gets a page of its own.
std::vector<PageSpan> SplitIntoPages(const std::vector<int>& sizes, int room);

struct PageCell {
  PageSpan rows;
  PageSpan cols;
};

// Pages down first, then across: page n (0-based) of the whole grid.
std::vector<PageCell> LayoutPages(const std::vector<int>& rowHeights, const std::vector<int>& colWidths, int pageHeight,
                                  int pageWidth);

}  // namespace gx
