// HLControlBar: creation, the gripper style, the docked size and the
// command state of its buttons.
#include "HLControlBar.h"

#include <algorithm>
#include <strings.h>

IMPLEMENT_DYNAMIC(HLControlBar, CControlBar)

HLControlBar::HLControlBar() = default;
HLControlBar::~HLControlBar() = default;

BOOL HLControlBar::Create(LPCTSTR lpszTitle, CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr) return FALSE;
  LPCTSTR wndClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
  if (!CreateBar(wndClass, dwStyle, WS_CLIPCHILDREN, pParentWnd, nID)) return FALSE;
  SetWindowText(lpszTitle != nullptr ? lpszTitle : "");
  return TRUE;
}

void HLControlBar::SetHLStyle(DWORD dwStyle) {
  m_dwHLStyle = dwStyle;
  DWORD barStyle = GetBarStyle() & ~static_cast<DWORD>(CBRS_GRIPPER);
  if (dwStyle & HLCBS_GRIPPER) barStyle |= CBRS_GRIPPER;
  SetBarStyle(barStyle);
  // The non-client area, where the gripper is drawn, changes with it.
  if (GetSafeHwnd() != nullptr)
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void HLControlBar::SetDockedSize(double dFraction, int nThickness) {
  m_dFraction = std::clamp(dFraction, 0.0, 1.0);
  m_nThickness = std::max(0, nThickness);
}

CSize HLControlBar::CalcDynamicLayout(int, DWORD nMode) {
  CWnd* site = m_pDockSite != nullptr ? static_cast<CWnd*>(m_pDockSite) : GetParent();
  CRect client(0, 0, 0, 0);
  if (site != nullptr) site->GetClientRect(client);
  const bool horz = (nMode & LM_VERTDOCK) == 0 && ((nMode & (LM_HORZ | LM_HORZDOCK)) != 0 || IsHorizontal());
  if (horz) return CSize(static_cast<int>(client.Width() * m_dFraction), m_nThickness);
  return CSize(m_nThickness, static_cast<int>(client.Height() * m_dFraction));
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
