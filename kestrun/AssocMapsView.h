// The "Associated Maps" tab of a connector window.
// Placeholder: its form only names the tab until the tab itself is built.
#pragma once

#include "KestrunView.h"

class CAssocMapsView : public CKestrunView {
  DECLARE_DYNCREATE(CAssocMapsView)

 protected:
  CAssocMapsView();
};
