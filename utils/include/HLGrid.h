// HLGrid: the product's grid window, a grid-library window with the Utils
// grid helpers; dialogs attach it to their "GXWND" controls.
#pragma once

#include <mfc/export.h>

#include "HLGridBase.h"

class AFX_EXT_CLASS HLGrid : public HLGridBase<CGXGridWnd> {
  DECLARE_DYNCREATE(HLGrid)

 public:
  HLGrid();
  ~HLGrid() override;
};
