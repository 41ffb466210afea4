// What the bar-like common controls share: WM_NOTIFY sending and the
// placement of a bar along its parent's top or bottom edge (CCS_* styles).
#pragma once

#include "controls/controls_common.h"
#include "win32/commctrl.h"

namespace win32::controls {

// Fills `header` (from `hwnd`, its control id, `code`) and sends WM_NOTIFY
// to `target`, or to the parent when `target` is null. Answers the reply.
LRESULT SendNotify(HWND hwnd, UINT code, NMHDR& header, HWND target = nullptr);

// Moves and sizes a bar to `height` pixels along its parent's top or
// bottom edge, as its CCS_* style asks; `bottomByDefault` for status bars,
// which sit at the bottom unless told CCS_TOP.
void AlignBarToParent(HWND bar, int height, bool bottomByDefault);

// The client width of a window's parent (0 without one).
int ParentClientWidth(HWND hwnd);

}  // namespace win32::controls
