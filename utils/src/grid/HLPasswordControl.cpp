// HLPasswordControl: the grid library's masked edit under the product's id.
#include "HLPasswordControl.h"

HLPasswordControl::HLPasswordControl(CGXGridCore* pGrid, UINT nID) : CGXPasswordControl(pGrid, nID) {}

HLPasswordControl* PASCAL HLPasswordControl::Register(CGXGridCore* pGrid, WORD nID) {
  if (pGrid == nullptr) return nullptr;
  auto* control = new HLPasswordControl(pGrid, nID);
  pGrid->RegisterControl(nID, control);  // the grid owns its controls
  return control;
}
