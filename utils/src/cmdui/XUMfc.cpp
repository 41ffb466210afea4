// XUMfc::UpdateCmdUI: the command-UI pass over a menu that no frame opens.
#include "XUMfc.h"

void XUMfc::UpdateCmdUI(CMenu* pMenu, CWnd* pWnd, BOOL bDisableIfNoHandler) {
  if (pMenu == nullptr || pMenu->m_hMenu == nullptr || pWnd == nullptr) return;
  CCmdUI state;
  state.m_pMenu = pMenu;
  state.m_nIndexMax = pMenu->GetMenuItemCount();
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    const int position = static_cast<int>(state.m_nIndex);
    state.m_nID = pMenu->GetMenuItemID(position);
    if (state.m_nID == static_cast<UINT>(-1)) {
      // A sub-menu's items are updated in their own pass.
      UpdateCmdUI(pMenu->GetSubMenu(position), pWnd, bDisableIfNoHandler);
      continue;
    }
    if (state.m_nID == 0) continue;  // a separator
    state.DoUpdate(pWnd, bDisableIfNoHandler);
    // A handler may have added or removed items.
    state.m_nIndexMax = pMenu->GetMenuItemCount();
  }
}
