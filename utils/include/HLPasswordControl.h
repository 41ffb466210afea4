// HLPasswordControl: the masked cell of the product's property grids. The
// cell shows and edits one mask character per byte; the value stored in
// the grid stays the clear text the program reads and writes.
#pragma once

#include <gxall.h>

class AFX_EXT_CLASS HLPasswordControl : public CGXPasswordControl {
 public:
  HLPasswordControl(CGXGridCore* pGrid, UINT nID);

  // Makes a masked cell control and registers it with the grid under nID
  // (the grid owns it); cells whose style names nID are masked.
  static HLPasswordControl* PASCAL Register(CGXGridCore* pGrid, WORD nID = GX_IDS_CTRL_PASSWORD);
};
