// CGXStatic: a cell showing its text, never edited.
#pragma once

#include "gx/gxcontrol.h"

class CGXStatic : public CGXControl {
  GRID_DECLARE_CONTROL(CGXStatic)

 public:
  explicit CGXStatic(CGXGridCore* pGrid) : CGXControl(pGrid) {}

  BOOL IsReadOnly() override { return TRUE; }
  void SetActive(BOOL) override {}
};

// Header cells: raised 3-D face, text centred.
class CGXHeader : public CGXStatic {
  GRID_DECLARE_CONTROL(CGXHeader)

 public:
  explicit CGXHeader(CGXGridCore* pGrid) : CGXStatic(pGrid) {}
  void DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style) override;
};
