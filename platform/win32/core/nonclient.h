// The classic non-client area: size, hit testing and painting.
#pragma once

#include "core/state.h"

namespace win32::core {

// The client rectangle for a window rectangle (same coordinates).
RECT ClientFromWindowRect(HWND hwnd, const RECT& windowRect);
LRESULT NcHitTest(HWND hwnd, POINT screen);
void PaintNonClient(HWND hwnd);

}  // namespace win32::core
