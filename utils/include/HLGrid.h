// HLGrid: the product's grid window, a grid-library window with the Utils
// grid helpers; dialogs attach it to their "GXWND" controls.
#pragma once

#include "HLGridBase.h"

class HLGrid : public HLGridBase<CGXGridWnd> {
  DECLARE_DYNCREATE(HLGrid)

 public:
  HLGrid();
  ~HLGrid() override;
};
