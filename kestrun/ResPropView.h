// The "Resources" tab of a connector window.
// Placeholder: its form only names the tab until the tab itself is built.
#pragma once

#include "KestrunView.h"

class CResPropView : public CKestrunView {
  DECLARE_DYNCREATE(CResPropView)

 protected:
  CResPropView();
};
