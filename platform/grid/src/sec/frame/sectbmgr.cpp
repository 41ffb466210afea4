#include "sec/sectbmgr.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(SECToolBarManager, CCmdTarget)

namespace {

// The side a dock bar holds, for EnableDocking.
DWORD SideOf(UINT nDockBarID) {
  switch (nDockBarID) {
    case AFX_IDW_DOCKBAR_LEFT:
      return CBRS_ALIGN_LEFT;
    case AFX_IDW_DOCKBAR_RIGHT:
      return CBRS_ALIGN_RIGHT;
    case AFX_IDW_DOCKBAR_BOTTOM:
      return CBRS_ALIGN_BOTTOM;
    default:
      return CBRS_ALIGN_TOP;
  }
}

}  // namespace

SECToolBarManager::SECToolBarManager(CFrameWnd* pOwner) : m_pOwner(pOwner) {}

SECToolBarManager::~SECToolBarManager() {
  // Bars still on screen leave the frame before their objects go.
  for (Bar& bar : m_bars)
    if (bar.pBar && ::IsWindow(bar.pBar->GetSafeHwnd())) bar.pBar->DestroyWindow();
}

BOOL SECToolBarManager::DefineDefaultToolBar(UINT nID, LPCTSTR lpszTitle, UINT nIDResource, DWORD dwAlignment,
                                             UINT nDockBarID, DWORD dwStyle) {
  if (!m_pOwner || !::IsWindow(m_pOwner->GetSafeHwnd()) || GetToolBar(nID)) return FALSE;
  auto bar = std::make_unique<CToolBar>();
  const DWORD barStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | (dwStyle & ~CBRS_ALIGN_ANY);
  if (!bar->CreateEx(m_pOwner, TBSTYLE_FLAT, barStyle, CRect(0, 0, 0, 0), nID) || !bar->LoadToolBar(nIDResource)) {
    if (::IsWindow(bar->GetSafeHwnd())) bar->DestroyWindow();
    return FALSE;
  }
  bar->SetWindowText(lpszTitle ? lpszTitle : "");
  bar->EnableDocking(dwAlignment);
  // The frame needs its dock bars before a bar can dock.
  if (!m_pOwner->GetControlBar(nDockBarID)) m_pOwner->EnableDocking(m_pOwner->m_dwDockStyle | SideOf(nDockBarID));
  DockBeside(*bar, nDockBarID);
  m_bars.push_back(Bar{nID, lpszTitle ? lpszTitle : "", nDockBarID, std::move(bar)});
  return TRUE;
}

void SECToolBarManager::DockBeside(CToolBar& bar, UINT nDockBarID) {
  // Toolbars on one edge share a row, each after the one before.
  auto previous = std::find_if(m_bars.rbegin(), m_bars.rend(), [&](const Bar& b) {
    return b.nDockBarID == nDockBarID && ::IsWindow(b.pBar->GetSafeHwnd()) && b.pBar->m_pDockBar;
  });
  if (previous == m_bars.rend()) {
    m_pOwner->DockControlBar(&bar, nDockBarID);
    return;
  }
  m_pOwner->RecalcLayout();
  CRect rc;
  previous->pBar->GetWindowRect(&rc);
  const bool across = nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
  rc.OffsetRect(across ? rc.Width() : 0, across ? 0 : rc.Height());
  m_pOwner->DockControlBar(&bar, nDockBarID, &rc);
}

CToolBar* SECToolBarManager::GetToolBar(UINT nID) const {
  auto it = std::find_if(m_bars.begin(), m_bars.end(), [&](const Bar& bar) { return bar.nID == nID; });
  return it == m_bars.end() ? nullptr : it->pBar.get();
}

CToolBar* SECToolBarManager::FindToolBar(LPCTSTR lpszTitle) const {
  auto it = std::find_if(m_bars.begin(), m_bars.end(),
                         [&](const Bar& bar) { return lpszTitle && bar.title.Compare(lpszTitle) == 0; });
  return it == m_bars.end() ? nullptr : it->pBar.get();
}

BOOL SECToolBarManager::ShowToolBar(UINT nID, BOOL bShow) {
  CToolBar* bar = GetToolBar(nID);
  if (!bar || !::IsWindow(bar->GetSafeHwnd())) return FALSE;
  m_pOwner->ShowControlBar(bar, bShow, FALSE);
  return TRUE;
}

BOOL SECToolBarManager::IsToolBarVisible(UINT nID) const {
  CToolBar* bar = GetToolBar(nID);
  return bar && ::IsWindow(bar->GetSafeHwnd()) && bar->IsVisible();
}

BOOL SECToolBarManager::SetToggleCommand(UINT nIDCommand, UINT nIDToolBar) {
  if (!GetToolBar(nIDToolBar)) return FALSE;
  m_toggles.erase(
      std::remove_if(m_toggles.begin(), m_toggles.end(), [&](const Toggle& t) { return t.nIDCommand == nIDCommand; }),
      m_toggles.end());
  m_toggles.push_back(Toggle{nIDCommand, nIDToolBar});
  return TRUE;
}

void SECToolBarManager::EnableToolTips(BOOL bEnable) {
  for (Bar& bar : m_bars) {
    DWORD style = bar.pBar->GetBarStyle();
    bar.pBar->SetBarStyle(bEnable ? (style | CBRS_TOOLTIPS) : (style & ~CBRS_TOOLTIPS));
  }
}

BOOL SECToolBarManager::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  auto it = std::find_if(m_toggles.begin(), m_toggles.end(), [&](const Toggle& t) { return t.nIDCommand == nID; });
  if (it == m_toggles.end() || !GetToolBar(it->nIDToolBar))
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  if (pHandlerInfo) {  // asked only who handles it
    pHandlerInfo->pTarget = this;
    pHandlerInfo->pEntry = nullptr;
    return TRUE;
  }
  const BOOL visible = IsToolBarVisible(it->nIDToolBar);
  if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI)) {
    auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(visible ? 1 : 0);
    return TRUE;
  }
  if (nCode != CN_COMMAND) return FALSE;
  ShowToolBar(it->nIDToolBar, !visible);
  return TRUE;
}
