// The bars of a test program's frame. Header-only, like mfc_test.h.
#pragma once

#include <afxext.h>

namespace halvane::test {

// A flat toolbar with tips and prompts docked along the top, from the
// TOOLBAR resource `nToolBarID`, and a status bar with `lpIndicators`.
inline bool CreateFrameBars(CFrameWnd& frame, CToolBar& toolBar, UINT nToolBarID, CStatusBar& statusBar,
                            const UINT* lpIndicators, int nCount) {
  if (!toolBar.CreateEx(&frame, TBSTYLE_FLAT,
                        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY) ||
      !toolBar.LoadToolBar(nToolBarID))
    return false;
  if (!statusBar.Create(&frame) || !statusBar.SetIndicators(lpIndicators, nCount)) return false;
  toolBar.EnableDocking(CBRS_ALIGN_ANY);
  frame.EnableDocking(CBRS_ALIGN_ANY);
  frame.DockControlBar(&toolBar);
  return true;
}

}  // namespace halvane::test
