// HLBrowserWnd: the product's browser grid: rows come from the program's
// own records through the grid library's browser calls (record count, cell
// load, value flush), with the Utils grid helpers.
#pragma once

#include <mfc/export.h>

#include "HLGridBase.h"

class AFX_EXT_CLASS HLBrowserWnd : public HLGridBase<CGXBrowserWnd> {
  DECLARE_DYNAMIC(HLBrowserWnd)

 public:
  HLBrowserWnd();
  ~HLBrowserWnd() override;
};
