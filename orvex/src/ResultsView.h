// The results pane: the docked bar at the bottom of the main frame in which
// validating, saving, importing, exporting and deleting write one line per
// step.
#pragma once

#include <HLResultsBar.h>

class CResultsView : public HLResultsBar {
  DECLARE_DYNAMIC(CResultsView)
};
