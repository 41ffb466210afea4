// The "Standard Properties" tab of a connector window.
// Placeholder: its form only names the tab until the tab itself is built.
#pragma once

#include "KestrunView.h"

class CStdPropsView : public CKestrunView {
  DECLARE_DYNCREATE(CStdPropsView)

 protected:
  CStdPropsView();
};
