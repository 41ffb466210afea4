// HLGrid: its run-time class, so product grids can be made dynamically.
#include "HLGrid.h"

IMPLEMENT_DYNCREATE(HLGrid, CGXGridWnd)

HLGrid::HLGrid() = default;
HLGrid::~HLGrid() = default;
