// The "Trace/Log Files" tab of a connector window.
// Placeholder: its form only names the tab until the tab itself is built.
#pragma once

#include "KestrunView.h"

class CLogTraceView : public CKestrunView {
  DECLARE_DYNCREATE(CLogTraceView)

 protected:
  CLogTraceView();
};
