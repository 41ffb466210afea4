// Where the button children of edit-like cells sit.
#pragma once

#include <afxwin.h>

namespace gx {

// A button at the cell's right edge, full height less the grid line.
CRect RightButtonRect(const CRect& rectCell, int nWidth);
// The button width for a cell: nWidth, or the cell's height up to 18.
int ButtonWidthFor(const CRect& rectCell, int nWidth);

}  // namespace gx
