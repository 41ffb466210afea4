// The bars' side of the idle update: the target of their command UI.
#include "afxext.h"

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  if (!(GetStyle() & WS_VISIBLE)) return 0;
  CWnd* target = GetOwner();
  if (target != nullptr) OnUpdateCmdUI(reinterpret_cast<CFrameWnd*>(target), static_cast<BOOL>(wParam));
  return 0;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateButtons(reinterpret_cast<CWnd*>(pTarget), bDisableIfNoHndler);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) { UpdatePanes(reinterpret_cast<CWnd*>(pTarget)); }

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateControls(reinterpret_cast<CWnd*>(pTarget), bDisableIfNoHndler);
}
