#include "gx/child_layout.h"

#include <algorithm>

namespace gx {
namespace {

int ButtonWidthFor(const CRect& rectCell, int nWidth) {
  return nWidth > 0 ? nWidth : std::clamp(static_cast<int>(rectCell.Height()) - 1, 1, 18);
}

}  // namespace

CRect RightButtonRect(const CRect& rectCell, int nWidth) {
  const int width = std::min(ButtonWidthFor(rectCell, nWidth), static_cast<int>(rectCell.Width()) - 1);
  return CRect(rectCell.right - 1 - width, rectCell.top, rectCell.right - 1, rectCell.bottom - 1);
}

}  // namespace gx
