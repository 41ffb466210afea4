// CToolBar at run time: button states from the command UI, and the
// prompt of the button under the mouse for the owner's status bar.
#include "afxext.h"

void CToolCmdUI::Enable(BOOL bOn) {
  m_bEnableChanged = TRUE;
  auto* bar = static_cast<CToolBar*>(m_pOther);
  UINT style = bar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~static_cast<UINT>(TBBS_DISABLED);
  // A button greyed while held down comes up.
  if (!bOn) style = (style | TBBS_DISABLED) & ~static_cast<UINT>(TBBS_PRESSED);
  bar->SetButtonStyle(static_cast<int>(m_nIndex), style);
}

void CToolCmdUI::SetCheck(int nCheck) {
  auto* bar = static_cast<CToolBar*>(m_pOther);
  UINT style = bar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~static_cast<UINT>(TBBS_CHECKED | TBBS_INDETERMINATE);
  if (nCheck == 1) style |= TBBS_CHECKED;
  if (nCheck == 2) style |= TBBS_INDETERMINATE;
  bar->SetButtonStyle(static_cast<int>(m_nIndex), style | TBBS_CHECKBOX);
}

// Buttons show images only: a command's text has nowhere to go.
void CToolCmdUI::SetText(LPCTSTR) {}

void CToolBar::UpdateButtons(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  CToolCmdUI state;
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(ButtonCount());
  for (int i = 0; i < ButtonCount(); ++i) {
    TBBUTTON button{};
    if (!GetButton(i, button) || (button.fsStyle & TBSTYLE_SEP)) continue;
    state.m_nIndex = static_cast<UINT>(i);
    state.m_nID = static_cast<UINT>(button.idCommand);
    // The bar's own handlers come first.
    if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr)) continue;
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}

void CToolBar::OnFlyby(LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  UINT hit = 0;
  for (int i = 0; i < ButtonCount() && hit == 0; ++i) {
    CRect item;
    if (SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)) && item.PtInRect(point))
      hit = GetItemID(i);
  }
  if (hit == m_nFlybyID) return;
  m_nFlybyID = hit;
  SetFlybyMessage(hit);
  if (hit != 0) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
  }
}

void CToolBar::EndFlyby() {
  if (m_nFlybyID == 0) return;
  m_nFlybyID = 0;
  SetFlybyMessage(0);
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_dwStyle & CBRS_FLYBY) {
    if (message == WM_MOUSEMOVE) OnFlyby(lParam);
    if (message == WM_MOUSELEAVE) EndFlyby();
  }
  return CControlBar::WindowProc(message, wParam, lParam);
}
