// The "Supported Business Objects" tab (QVS) of a connector window.
// Placeholder: its form only names the tab until the tab itself is built.
#pragma once

#include "KestrunView.h"

class CSuppBOView : public CKestrunView {
  DECLARE_DYNCREATE(CSuppBOView)

 protected:
  CSuppBOView();
};
