// CMDIFrameWnd: the main frame of a multiple-document program, around the
// window system's MDI client; CMDIChildWnd: a document's frame inside it.
#pragma once

#include "mfc/frame.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIFrameWnd)

 public:
  CMDIFrameWnd();

  HWND m_hWndMDIClient = nullptr;

  // Makes the MDI client; its window menu is pWindowMenu (or the frame
  // menu's item before last, the usual "Window").
  virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
  virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

  CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
  void MDIActivate(CWnd* pWndActivate);
  void MDINext();
  void MDIPrev();
  void MDIMaximize(CWnd* pWnd);
  void MDIRestore(CWnd* pWnd);
  void MDICascade(int nType = 0);
  void MDITile(int nType = MDITILE_HORIZONTAL);
  void MDIIconArrange();
  CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

  CFrameWnd* GetActiveFrame() override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  // The menu of the active child's template, else the frame's own.
  virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
  HACCEL GetDefaultAccelerator() override;

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  CDocument* GetActiveDocument() override;

 protected:
  DECLARE_MESSAGE_MAP()

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg BOOL OnMDIWindowCmd(UINT nID);
  afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
  afx_msg void OnWindowNew();
};

class CMDIChildWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIChildWnd)

 public:
  CMDIChildWnd();

  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                      DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                      CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

  CMDIFrameWnd* GetMDIFrame() const;
  void MDIDestroy();
  void MDIActivate();
  void MDIMaximize();
  void MDIRestore();

  void ActivateFrame(int nCmdShow = -1) override;
  BOOL DestroyWindow() override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  // Puts the template's menu (or the frame's own) into the MDI frame.
  virtual void OnUpdateFrameMenu(BOOL bActivating, CWnd* pActivateWnd, HMENU hMenuAlt);
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  HMENU m_hMenuShared = nullptr;  // the template's menu for the frame

 protected:
  DECLARE_MESSAGE_MAP()

  afx_msg LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);
  afx_msg void OnSize(UINT nType, int cx, int cy);
};
