// XUMfc::ActivateRestored: bringing back a document's frame that is open.
#include "XUMfc.h"

void XUMfc::ActivateRestored(CFrameWnd* pFrame) {
  if (pFrame == nullptr) return;
  pFrame->ActivateFrame(-1);
  if (!pFrame->IsIconic()) return;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  pFrame->GetWindowPlacement(&placement);
  placement.showCmd = SW_SHOWNORMAL;
  pFrame->SetWindowPlacement(&placement);
}
