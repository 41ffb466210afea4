#include "gx/page_layout.h"

#include <cstddef>

namespace gx {

std::vector<PageSpan> SplitIntoPages(const std::vector<int>& sizes, int room) {
  std::vector<PageSpan> spans;
  if (sizes.size() < 2) return spans;
  const int header = sizes[0];
  const int last = static_cast<int>(sizes.size()) - 1;
  PageSpan span{1, 1};
  int used = header;
  for (int item = 1; item <= last; ++item) {
    const int size = sizes[static_cast<std::size_t>(item)] > 0 ? sizes[static_cast<std::size_t>(item)] : 0;
    if (item > span.first && used + size > room) {
      spans.push_back({span.first, item - 1});
      span.first = item;
      used = header;
    }
    used += size;
  }
  spans.push_back({span.first, last});
  return spans;
}

std::vector<PageCell> LayoutPages(const std::vector<int>& rowHeights, const std::vector<int>& colWidths, int pageHeight,
                                  int pageWidth) {
  std::vector<PageSpan> rows = SplitIntoPages(rowHeights, pageHeight);
  std::vector<PageSpan> cols = SplitIntoPages(colWidths, pageWidth);
  // A grid of headers only still prints one page.
  if (rows.empty()) rows.push_back({1, 0});
  if (cols.empty()) cols.push_back({1, 0});
  std::vector<PageCell> pages;
  for (const PageSpan& colSpan : cols) {
    for (const PageSpan& rowSpan : rows) pages.push_back({rowSpan, colSpan});
  }
  return pages;
}

}  // namespace gx
