// The "Supported Business Objects" tab (KBRX) of a connector window.
// Placeholder: its form only names the tab until the tab itself is built.
#pragma once

#include "KestrunView.h"

class CSuppBOViewNVRT : public CKestrunView {
  DECLARE_DYNCREATE(CSuppBOViewNVRT)

 protected:
  CSuppBOViewNVRT();
};
