// CHLGridCommon: the base of the connector editor's grids, an HLGrid with
// the settings those grids share. Their rows mirror a model the grid does
// not own, so the grid keeps no undo of its own, moves no rows by dragging
// and sorts only when the program asks; column headers show titles.
#pragma once

#include <mfc/export.h>

#include "HLGrid.h"

class AFX_EXT_CLASS CHLGridCommon : public HLGrid {
  DECLARE_DYNCREATE(CHLGridCommon)

 public:
  CHLGridCommon();
  ~CHLGridCommon() override;
};
