// The results bar of Kestrun's main frame: every save, validation and
// server step clears it and writes one line each. A line shows the bar
// again when it was hidden.
#pragma once

#include <HLResultsBar.h>

class CResultsView : public HLResultsBar {
  DECLARE_DYNAMIC(CResultsView)

 public:
  void AddLine(const char* text) override;
};
