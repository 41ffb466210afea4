// The "Application Config Properties" tab of a connector window.
// Placeholder: its form only names the tab until the tab itself is built.
#pragma once

#include "KestrunView.h"

class CUserPropsView : public CKestrunView {
  DECLARE_DYNCREATE(CUserPropsView)

 protected:
  CUserPropsView();
};
