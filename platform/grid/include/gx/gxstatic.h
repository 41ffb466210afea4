// CGXStatic: a cell showing its text, never edited.
#pragma once

#include "gx/gxcontrol.h"

class CGXStatic : public CGXControl {
 public:
  explicit CGXStatic(CGXGridCore* pGrid) : CGXControl(pGrid) {}

  BOOL IsReadOnly() override { return TRUE; }
  void SetActive(BOOL) override {}
};

// Header cells: raised 3-D face, text centred.
class CGXHeader : public CGXStatic {
 public:
  explicit CGXHeader(CGXGridCore* pGrid) : CGXStatic(pGrid) {}
  void DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style) override;
};
