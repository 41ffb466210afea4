// CBitmapBtnOwner: what a grid using CBitmapBtnEdit cells does when the
// button of such a cell is clicked. The attribute grid implements it, so
// the cell controls need not know that grid.
#pragma once

#include <gxall.h>

class CBitmapBtnOwner {
 public:
  virtual ~CBitmapBtnOwner() = default;

  // Expands or collapses the attribute shown in nRow by one level.
  virtual void ToggleRowExpansion(ROWCOL nRow) = 0;
};
