// A small MDI program written the way a program of the class library is:
// an application, its main frame, a note document with a drawing view and
// a form view, and a modal dialog. The tests drive it through the robot.
#pragma once

#include <afxext.h>

#include <functional>
#include <string>
#include <vector>

#include "resource.h"

// The targets that saw ID_ROUTE_PROBE, in the order they saw it.
std::vector<std::string>& RouteLog();

class CNoteDoc : public CDocument {
  DECLARE_DYNCREATE(CNoteDoc)

 public:
  CString m_text;
  int m_stamps = 0;
  BOOL m_bTouched = FALSE;
  int m_newCalls = 0;

  BOOL OnNewDocument() override;
  void Serialize(CArchive& ar) override;
  void DeleteContents() override;

 protected:
  afx_msg void OnNoteTouch();
  afx_msg void OnUpdateNoteTouch(CCmdUI* pCmdUI);
  afx_msg BOOL OnRouteProbe(UINT nID);
  DECLARE_MESSAGE_MAP()
};

class CNoteView : public CView {
  DECLARE_DYNCREATE(CNoteView)

 public:
  int m_initialUpdates = 0;
  int m_updates = 0;
  int m_activations = 0;

  CNoteDoc* GetDocument() const { return static_cast<CNoteDoc*>(m_pDocument); }
  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
  void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

 protected:
  afx_msg void OnNoteStamp();
  afx_msg void OnNoteRename();
  afx_msg BOOL OnRouteProbe(UINT nID);
  DECLARE_MESSAGE_MAP()
};

class CNoteForm : public CFormView {
  DECLARE_DYNCREATE(CNoteForm)

 public:
  CNoteForm();
  CString m_text;
  int m_count = 0;

  CNoteDoc* GetDocument() const { return static_cast<CNoteDoc*>(m_pDocument); }
  void OnInitialUpdate() override;
  void DoDataExchange(CDataExchange* pDX) override;
};

class CChildFrame : public CMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)

 public:
  // A size of its own for the next frames; none: the client's default.
  static CSize s_size;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

 protected:
  afx_msg BOOL OnRouteProbe(UINT nID);
  afx_msg void OnFrameOnly();
  DECLARE_MESSAGE_MAP()
};

class CMainFrame : public CMDIFrameWnd {
  DECLARE_DYNCREATE(CMainFrame)

 public:
  // Without the prefix style the title reads "App - Doc".
  static bool s_appFirst;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

  // A docked toolbar with tips and prompts, and the status bar.
  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg BOOL OnRouteProbe(UINT nID);
  DECLARE_MESSAGE_MAP()
};

// The note template also sees commands, after the note itself.
class CNoteTemplate : public CMultiDocTemplate {
 public:
  CNoteTemplate();

 protected:
  afx_msg BOOL OnRouteProbe(UINT nID);
  DECLARE_MESSAGE_MAP()
};

class CRenameDlg : public CDialog {
 public:
  explicit CRenameDlg(CWnd* pParent) : CDialog(IDD_RENAME, pParent) {}
  CString m_name;
  void DoDataExchange(CDataExchange* pDX) override;
};

class CFramesApp : public CWinApp {
 public:
  CFramesApp() : CWinApp("Frames Test") {}

  CNoteTemplate* m_pNoteTemplate = nullptr;
  CMultiDocTemplate* m_pFormTemplate = nullptr;
  // Run once at the first idle time of the message pump.
  std::function<void()> m_script;

  BOOL InitInstance() override;
  BOOL OnIdle(LONG lCount) override;

 protected:
  afx_msg BOOL OnRouteProbe(UINT nID);
  DECLARE_MESSAGE_MAP()
};
