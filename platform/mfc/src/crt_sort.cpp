#include "afxcrt.h"

#include <algorithm>
#include <numeric>
#include <vector>

void qsort_stable(void* base, size_t num, size_t width, int (*compare)(const void*, const void*)) {
  if (base == nullptr || compare == nullptr || num < 2 || width == 0) return;
  auto* bytes = static_cast<unsigned char*>(base);
  // Sorting indices leaves the elements in place while the comparator runs,
  // so it always sees whole, unmoved elements.
  std::vector<size_t> order(num);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return compare(bytes + a * width, bytes + b * width) < 0; });
  std::vector<unsigned char> sorted(num * width);
  for (size_t i = 0; i < num; ++i) std::copy_n(bytes + order[i] * width, width, sorted.data() + i * width);
  std::copy(sorted.begin(), sorted.end(), bytes);
}
