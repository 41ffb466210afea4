// Command UI of a popup menu about to be shown: each item asks the
// window's command handlers for its state.
#include <windows.h>

#include "mfc/menu.h"
#include "mfc/wnd.h"

void CWnd::UpdateMenuCommandUI(CMenu* pPopupMenu, BOOL bDisableIfNoHandler) {
  if (pPopupMenu == nullptr || pPopupMenu->m_hMenu == nullptr) return;
  CCmdUI state;
  state.m_pMenu = pPopupMenu;
  state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
    // Separators (0) and sub-menus (-1) have no command of their own.
    if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
    // System commands and the MDI window list have no handlers to find.
    state.DoUpdate(this, bDisableIfNoHandler && state.m_nID < 0xF000);
    // A handler may have added or removed items (the recent-file list).
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
  }
}

void CWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
  Default();
  if (!bSysMenu) UpdateMenuCommandUI(pPopupMenu, TRUE);
}
