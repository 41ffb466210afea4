// A window's icon in the form the window manager's _NET_WM_ICON takes.
#pragma once

#include <vector>

#include "win32/wintypes.h"

namespace win32::x11 {

// Width, height, then ARGB pixels (one per long, as the property's format
// 32 wants them); empty when the icon cannot be read.
std::vector<unsigned long> NetWmIconData(HICON icon);

}  // namespace win32::x11
