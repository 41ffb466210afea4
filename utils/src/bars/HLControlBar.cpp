// HLControlBar: the gripper style and the command state of its buttons.
#include "HLControlBar.h"

#include <strings.h>

IMPLEMENT_DYNAMIC(HLControlBar, SECControlBar)

HLControlBar::HLControlBar() = default;
HLControlBar::~HLControlBar() = default;

void HLControlBar::SetHLStyle(DWORD dwStyle) {
  m_dwHLStyle = dwStyle;
  DWORD barStyle = GetBarStyle() & ~static_cast<DWORD>(CBRS_GRIPPER);
  if (dwStyle & HLCBS_GRIPPER) barStyle |= CBRS_GRIPPER;
  SetBarStyle(barStyle);
  // The non-client area, where the gripper is drawn, changes with it.
  if (GetSafeHwnd() != nullptr)
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void HLControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  CCmdTarget* target = pTarget;
  if (target == nullptr) target = GetOwner();
  if (target == nullptr) return;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    ::GetClassName(child, className, sizeof(className));
    if (strcasecmp(className, "Button") != 0) continue;
    CCmdUI state;
    state.m_pOther = CWnd::FromHandle(child);
    state.m_nID = static_cast<UINT>(::GetDlgCtrlID(child));
    state.DoUpdate(target, bDisableIfNoHndler);
  }
}
