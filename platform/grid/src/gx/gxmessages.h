// The numbers of the grid's registered messages, set by GXInit (a window
// system made anew numbers them anew).
#pragma once

#include "gx/gxdefs.h"

namespace gx {

// Matches no message until GXInit runs.
inline UINT g_nCellRectMessage = 0xFFFFFFFFu;

}  // namespace gx
