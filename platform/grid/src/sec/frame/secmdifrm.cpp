#include "sec/secmdifrm.h"

#include "sec/secctrlbar.h"
#include "sec/sectbmgr.h"

IMPLEMENT_DYNCREATE(SECMDIFrameWnd, CMDIFrameWnd)
IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)
IMPLEMENT_DYNAMIC(SECMultiDocTemplate, CMultiDocTemplate)

SECMDIFrameWnd::SECMDIFrameWnd() = default;
SECMDIFrameWnd::~SECMDIFrameWnd() = default;

void SECMDIFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, float fPctLength, int nThickness) {
  if (!pBar) return;
  if (auto* bar = dynamic_cast<SECControlBar*>(pBar)) bar->SetDockedSize(fPctLength, nThickness);
  DockControlBar(pBar, nDockBarID);
}

BOOL SECMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (m_pControlBarManager && m_pControlBarManager->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

SECMDIChildWnd::SECMDIChildWnd() = default;
SECMDIChildWnd::~SECMDIChildWnd() = default;

SECMultiDocTemplate::SECMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                         CRuntimeClass* pViewClass)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}
