// The "Attributes" tab of a definition window.
// Placeholder until the attributes view with its attribute grid lands: a plain grid window with no rows.
#pragma once

#include <HLGrid.h>

#include "OrvexView.h"

class CBusObjAttrsView : public COrvexView {
  DECLARE_DYNCREATE(CBusObjAttrsView)

 public:
  CBusObjAttrsView();
  ~CBusObjAttrsView() override;

 protected:
  void OnInitialUpdate() override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()

 private:
  HLGrid m_wndAttrGrid;
};
