// Bars and their frame: the frame's list of bars, its dock bars, showing
// and hiding bars (View > Toolbar, Status Bar), the key indicators, and
// the idle update that asks the frame about the bars' commands.
#include <memory>

#include "afxext.h"

namespace {

struct DockBarInfo {
  UINT nID;
  DWORD dwStyle;
};

// The order of the dock bars is their order in the frame's layout.
constexpr DockBarInfo kDockBars[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
};

CFrameWnd* FrameOf(CWnd* pWnd) {
  return pWnd != nullptr && pWnd->IsFrameWnd() ? static_cast<CFrameWnd*>(pWnd) : nullptr;
}

}  // namespace

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // A bar made in a frame is one of the frame's bars.
  m_pDockSite = FrameOf(GetParent());
  if (m_pDockSite != nullptr) m_pDockSite->AddControlBar(this);
  return 0;
}

void CControlBar::OnDestroy() {
  if (m_pDockBar != nullptr) m_pDockBar->RemoveControlBar(this);
  if (m_pDockSite != nullptr) m_pDockSite->RemoveControlBar(this);
  m_pDockSite = nullptr;
  CWnd::OnDestroy();
}

CFrameWnd* CControlBar::GetDockingFrame() const { return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame(); }

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  if (!(GetStyle() & WS_VISIBLE)) return 0;
  CFrameWnd* target = FrameOf(GetOwner());
  if (target == nullptr) target = GetParentFrame();
  if (target != nullptr) OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
  return 0;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateButtons(pTarget, bDisableIfNoHndler);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) { UpdatePanes(pTarget); }

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  UpdateControls(pTarget, bDisableIfNoHndler);
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
  m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
  for (const DockBarInfo& info : kDockBars) {
    if (!(m_dwDockStyle & info.dwStyle) || GetControlBar(info.nID) != nullptr) continue;
    auto dockBar = std::make_unique<CDockBar>();
    if (!dockBar->Create(this, info.dwStyle, info.nID)) continue;
    // The window owns it now.
    dockBar.release()->m_bAutoDelete = TRUE;
  }
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
  if (POSITION pos = m_listControlBars.Find(pBar)) m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
  for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
    auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    if (bar->m_hWnd != nullptr && static_cast<UINT>(bar->GetDlgCtrlID()) == nID) return bar;
  }
  return nullptr;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
  if (pBar == nullptr) return;
  CDockBar* dockBar = nullptr;
  if (nDockBarID != 0) {
    dockBar = dynamic_cast<CDockBar*>(GetControlBar(nDockBarID));
  } else {
    // The first side the bar allows that the frame has a dock bar for.
    for (const DockBarInfo& info : kDockBars) {
      if (!(pBar->m_dwDockStyle & info.dwStyle)) continue;
      dockBar = dynamic_cast<CDockBar*>(GetControlBar(info.nID));
      if (dockBar != nullptr) break;
    }
  }
  if (dockBar == nullptr) return;
  dockBar->DockControlBar(pBar, lpRect);
  RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
  if (pBar == nullptr || pBar->m_hWnd == nullptr) return;
  if (bDelay) {
    // The next layout shows or hides it.
    pBar->m_nStateFlags = bShow ? CControlBar::delayShow : CControlBar::delayHide;
    DelayRecalcLayout();
    return;
  }
  pBar->m_nStateFlags = CControlBar::delayNone;
  pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
  RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
  CControlBar* bar = GetControlBar(nID);
  if (bar == nullptr) return FALSE;
  ShowControlBar(bar, !bar->IsVisible(), FALSE);
  return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
  CControlBar* bar = GetControlBar(pCmdUI->m_nID);
  if (bar == nullptr) {
    pCmdUI->ContinueRouting();
    return;
  }
  pCmdUI->SetCheck(bar->IsVisible() ? 1 : 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
  int key = 0;
  switch (pCmdUI->m_nID) {
    case ID_INDICATOR_CAPS:
      key = VK_CAPITAL;
      break;
    case ID_INDICATOR_NUM:
      key = VK_NUMLOCK;
      break;
    case ID_INDICATOR_SCRL:
      key = VK_SCROLL;
      break;
    default:
      pCmdUI->ContinueRouting();
      return;
  }
  pCmdUI->Enable((::GetKeyState(key) & 1) != 0);
}
