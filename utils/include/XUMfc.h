// XUMfc: class-library helpers the product's windows share.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS XUMfc {
 public:
  // Asks pWnd's ON_UPDATE_COMMAND_UI handlers for the state of every item of
  // pMenu and of its sub-menus, as a frame does for a popup it opens, so a
  // context menu shown with TrackPopupMenu has the same greying and checks.
  // An item without an update handler stays enabled only when pWnd has a
  // command handler for it (bDisableIfNoHandler).
  static void UpdateCmdUI(CMenu* pMenu, CWnd* pWnd, BOOL bDisableIfNoHandler = TRUE);
  // Brings a document's frame to the front, restored to its normal size
  // when it was minimized.
  static void ActivateRestored(CFrameWnd* pFrame);
};
