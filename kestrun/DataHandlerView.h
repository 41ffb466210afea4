// The "Data Handler" tab of a connector window.
// Placeholder: its form only names the tab until the tab itself is built.
#pragma once

#include "KestrunView.h"

class CDataHandlerView : public CKestrunView {
  DECLARE_DYNCREATE(CDataHandlerView)

 protected:
  CDataHandlerView();
};
