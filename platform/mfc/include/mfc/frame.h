// CFrameWnd: the window that holds a document's views (and the control
// bars), composes its title from the active document and routes commands
// from the active view outwards.
#pragma once

#include <vector>

#include "afxcoll.h"
#include "afxres.h"
#include "mfc/wnd.h"

class CControlBar;
class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;

// Frame styles, in the low style bits that a frame's window class leaves
// free.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

// The default frame window style.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// What a frame needs to make its views: passed through CREATESTRUCT's
// lpCreateParams to OnCreateClient.
struct CCreateContext {
  CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  CView* m_pLastView = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

// Sets a window's text unless it has it already (no caption repaint).
void AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew);

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)

 public:
  CFrameWnd();
  ~CFrameWnd() override;

  static const CRect rectDefault;

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
              const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
              DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
  // Menu, accelerators, icon and title from the resources of nIDResource.
  virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
  BOOL LoadAccelTable(LPCTSTR lpszResourceName);
  CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

  // Views and documents.
  virtual CView* GetActiveView() const;
  void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
  virtual CDocument* GetActiveDocument();
  // The active MDI child of an MDI frame, else this frame.
  virtual CFrameWnd* GetActiveFrame();
  virtual void ActivateFrame(int nCmdShow = -1);
  void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  void DelayRecalcLayout(BOOL bNotify = TRUE) { m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0); }

  // Title: "Doc - App" with FWS_PREFIXTITLE (PreCreateWindow adds it to
  // FWS_ADDTOTITLE), "App - Doc" without.
  virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
  void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
  void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
  void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
  CString GetTitle() const { return m_strTitle; }
  // Which window of its document this frame is (":2"); 0 when the only one.
  int m_nWindow = -1;

  // Status-line messages.
  virtual void GetMessageString(UINT nID, CString& rMessage) const;
  void SetMessageText(LPCTSTR lpszText);
  void SetMessageText(UINT nID);
  // The status bar that shows them (the top-level frame's).
  virtual CWnd* GetMessageBar();

  // Control bars (CControlBar*), each added when it is made. The members
  // that need the bar classes are defined with them (src/bars).
  CPtrList m_listControlBars;
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
  CControlBar* GetControlBar(UINT nID);
  void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
  // Makes the dock bars of the sides allowed.
  void EnableDocking(DWORD dwDockStyle);
  void AddControlBar(CControlBar* pBar) { m_listControlBars.AddTail(pBar); }
  void RemoveControlBar(CControlBar* pBar);
  DWORD m_dwDockStyle = 0;  // the sides EnableDocking allowed

  // Modal state: a modal window of this frame disables the frame and its
  // floating bars.
  void BeginModalState();
  void EndModalState();
  BOOL InModalState() const { return m_cModalStack > 0; }

  BOOL IsFrameWnd() const override { return TRUE; }

  BOOL m_bAutoMenuEnable = TRUE;   // items without a handler are greyed
  HMENU m_hMenuDefault = nullptr;  // the frame's own menu
  HACCEL m_hAccelTable = nullptr;
  UINT m_nIDHelp = 0;
  UINT m_nIDTracking = 0;  // the item whose prompt the status line shows
  UINT m_nIDLastMessage = 0;

  // Overridables.
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  virtual HACCEL GetDefaultAccelerator();
  void PostNcDestroy() override;

 protected:
  DECLARE_MESSAGE_MAP()

  CString m_strTitle;
  BOOL m_bOwnAccelTable = FALSE;  // loaded by LoadFrame, not a template's
  int m_cModalStack = 0;
  std::vector<HWND> m_disabledByModal;

  BOOL OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  // The window class with the icon of nIDResource, if there is one.
  LPCTSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
  // Work left for the next idle time.
  enum IdleFlags { idleTitle = 2, idleNotify = 4, idleLayout = 8 };
  UINT m_nIdleFlags = 0;

  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnDestroy();
  afx_msg void OnClose();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  // View > Toolbar and Status Bar, and the key indicators of the status
  // bar (with the bar classes).
  afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
  afx_msg BOOL OnBarCheck(UINT nID);
  afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

 private:
  CView* m_pViewActive = nullptr;
  BOOL m_bInRecalcLayout = FALSE;

  // The document of this frame's own active view.
  CDocument* OwnDocument() const;
  void BringToTop(int nCmdShow);
};
