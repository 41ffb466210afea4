// Where the button children of edit-like cells sit.
#pragma once

#include <afxwin.h>

namespace gx {

// A button at the cell's right edge, full height less the grid line;
// nWidth 0: as wide as the cell is high, at most 18 pixels.
CRect RightButtonRect(const CRect& rectCell, int nWidth);

}  // namespace gx
