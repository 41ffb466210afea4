// The toolkit's MDI frames and document template. The main frame routes
// commands through its toolbar manager first and docks bars at a share of
// an edge; the child frame is the base of the documents' windows, often
// with a tab window as its only pane; the template is the one the
// toolkit's programs register.
#pragma once

#include <afxext.h>

class SECToolBarManager;

class SECMDIFrameWnd : public CMDIFrameWnd {
  DECLARE_DYNCREATE(SECMDIFrameWnd)

 public:
  SECMDIFrameWnd();
  ~SECMDIFrameWnd() override;

  // The manager stays the caller's; commands reach it before the frame.
  void SetControlBarManager(SECToolBarManager* pManager) { m_pControlBarManager = pManager; }
  SECToolBarManager* GetControlBarManager() const { return m_pControlBarManager; }

  // Docks the bar in a new row of nDockBarID; a toolkit bar takes
  // fPctLength of the edge and nThickness pixels across it.
  void DockControlBarEx(CControlBar* pBar, UINT nDockBarID = AFX_IDW_DOCKBAR_TOP, float fPctLength = 1.0f,
                        int nThickness = 150);

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

 protected:
  SECToolBarManager* m_pControlBarManager = nullptr;
};

class SECMDIChildWnd : public CMDIChildWnd {
  DECLARE_DYNCREATE(SECMDIChildWnd)

 public:
  SECMDIChildWnd();
  ~SECMDIChildWnd() override;
};

class SECMultiDocTemplate : public CMultiDocTemplate {
  DECLARE_DYNAMIC(SECMultiDocTemplate)

 public:
  SECMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
};
