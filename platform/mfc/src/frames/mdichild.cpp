// CMDIChildWnd: a document frame made through the MDI client, its
// activation, menus and title.
#include <windows.h>

#include "afxres.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/doctempl.h"
#include "mfc/document.h"
#include "mfc/mdiframe.h"
#include "mfc/modulestate.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
  ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
  ON_WM_SIZE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

namespace {

CMDIFrameWnd* MainMDIFrame() {
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr ? dynamic_cast<CMDIFrameWnd*>(pThread->m_pMainWnd) : nullptr;
}

}  // namespace

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
  if (pParentWnd == nullptr) pParentWnd = MainMDIFrame();
  if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr) {
    PostNcDestroy();
    return FALSE;
  }
  pParentWnd->RecalcLayout();
  const bool useDefault = rect.left == CW_USEDEFAULT;
  CREATESTRUCT cs{};
  cs.style = static_cast<LONG>(dwStyle & ~(WS_MAXIMIZE | WS_VISIBLE));
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.hwndParent = pParentWnd->m_hWnd;
  cs.x = rect.left;
  cs.y = useDefault ? CW_USEDEFAULT : rect.top;
  cs.cx = useDefault ? CW_USEDEFAULT : rect.right - rect.left;
  cs.cy = useDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = pContext;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  MDICREATESTRUCT mcs{};
  mcs.szClass = cs.lpszClass;
  mcs.szTitle = cs.lpszName;
  mcs.hOwner = cs.hInstance;
  mcs.x = cs.x;
  mcs.y = cs.y;
  mcs.cx = cs.cx;
  mcs.cy = cs.cy;
  // Always made hidden; shown (and so activated) below or by ActivateFrame.
  mcs.style = static_cast<DWORD>(cs.style) & ~(WS_MAXIMIZE | WS_VISIBLE);
  mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);
  const HWND hWndClient = pParentWnd->m_hWndMDIClient;
  HookWindowCreate(this);
  auto hWnd = reinterpret_cast<HWND>(::SendMessage(hWndClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  // A hook left unused means the window never reached this object.
  if (!UnhookWindowCreate()) PostNcDestroy();
  if (hWnd == nullptr) return FALSE;
  if (dwStyle & WS_VISIBLE) {
    ::BringWindowToTop(hWnd);
    ShowWindow((dwStyle & WS_MINIMIZE) ? SW_SHOWMINIMIZED : (dwStyle & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    pParentWnd->MDIActivate(this);
    ::SendMessage(hWndClient, WM_MDIREFRESHMENU, 0, 0);
  }
  return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  // The template's menu and keys replace the frame's while this is active.
  if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr) {
    m_hMenuShared = pContext->m_pNewDocTemplate->m_hMenuShared;
    m_hAccelTable = pContext->m_pNewDocTemplate->m_hAccelTable;
  }
  auto* pFrame = dynamic_cast<CMDIFrameWnd*>(pParentWnd);
  const CString title = m_strTitle;
  return Create(GetIconWndClass(dwDefaultStyle, nIDResource), title, dwDefaultStyle, rectDefault, pFrame, pContext);
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_CHILD;
  return CFrameWnd::PreCreateWindow(cs);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
  HWND hWndClient = ::GetParent(m_hWnd);
  return hWndClient != nullptr ? dynamic_cast<CMDIFrameWnd*>(FromHandlePermanent(::GetParent(hWndClient))) : nullptr;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefMDIChildProc(m_hWnd, message, wParam, lParam);
}

namespace {

// Asks the MDI client to do something to one of its children.
void SendToClient(HWND hWndChild, UINT message) {
  ::SendMessage(::GetParent(hWndChild), message, reinterpret_cast<WPARAM>(hWndChild), 0);
}

}  // namespace

void CMDIChildWnd::MDIDestroy() { SendToClient(m_hWnd, WM_MDIDESTROY); }
void CMDIChildWnd::MDIActivate() { SendToClient(m_hWnd, WM_MDIACTIVATE); }
void CMDIChildWnd::MDIMaximize() { SendToClient(m_hWnd, WM_MDIMAXIMIZE); }
void CMDIChildWnd::MDIRestore() { SendToClient(m_hWnd, WM_MDIRESTORE); }

BOOL CMDIChildWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  // The frame's caption would flicker through the children's titles while
  // they go: it is composed once at the end.
  CMDIFrameWnd* pFrame = GetMDIFrame();
  HWND hWndFrame = pFrame != nullptr ? pFrame->m_hWnd : nullptr;
  const LONG style = hWndFrame != nullptr ? ::GetWindowLong(hWndFrame, GWL_STYLE) : 0;
  if (hWndFrame != nullptr) ::SetWindowLong(hWndFrame, GWL_STYLE, style & ~FWS_ADDTOTITLE);
  MDIDestroy();
  if (hWndFrame != nullptr && ::IsWindow(hWndFrame)) {
    ::SetWindowLong(hWndFrame, GWL_STYLE, style);
    pFrame->OnUpdateFrameTitle(TRUE);
  }
  return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (pFrame == nullptr) return;
  if (nCmdShow == -1) {
    // A new child takes the maximised state of the one before.
    BOOL bMaximized = FALSE;
    pFrame->MDIGetActive(&bMaximized);
    const DWORD dwStyle = GetStyle();
    if (bMaximized || (dwStyle & WS_MAXIMIZE)) {
      nCmdShow = SW_SHOWMAXIMIZED;
    } else if (dwStyle & WS_MINIMIZE) {
      nCmdShow = SW_SHOWMINIMIZED;
    }
  }
  CFrameWnd::ActivateFrame(nCmdShow);
  if (nCmdShow != SW_HIDE && pFrame->MDIGetActive() != this) MDIActivate();
  ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

LRESULT CMDIChildWnd::OnMDIActivate(WPARAM, LPARAM lParam) {
  const auto hWndActivate = reinterpret_cast<HWND>(lParam);
  const BOOL bActivate = hWndActivate == m_hWnd;
  CView* pActiveView = GetActiveView();
  if (!bActivate && pActiveView != nullptr) pActiveView->OnActivateView(FALSE, pActiveView, pActiveView);
  // The last child going leaves the frame's plain title.
  OnUpdateFrameTitle(bActivate || hWndActivate != nullptr);
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (bActivate && pActiveView != nullptr && pFrame != nullptr && ::GetActiveWindow() == pFrame->m_hWnd)
    pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
  OnUpdateFrameMenu(bActivate, FromHandlePermanent(hWndActivate), nullptr);
  if (pFrame != nullptr) pFrame->DrawMenuBar();
  return 0;
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy) {
  CFrameWnd::OnSize(nType, cx, cy);
  // Maximised or back: the frame's title changes with it.
  if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivating, CWnd* pActivateWnd, HMENU hMenuAlt) {
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (pFrame == nullptr) return;
  if (hMenuAlt == nullptr) hMenuAlt = m_hMenuShared;
  HMENU hMenu = nullptr;
  if (hMenuAlt != nullptr && bActivating) {
    hMenu = hMenuAlt;
  } else if (!bActivating && pActivateWnd == nullptr) {
    // The last child is going: the frame's own menu comes back.
    hMenu = pFrame->m_hMenuDefault;
  }
  if (hMenu != nullptr) {
    ::SendMessage(pFrame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenu),
                  reinterpret_cast<LPARAM>(pFrame->GetWindowMenuPopup(hMenu)));
  } else {
    ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
  }
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(bAddToTitle);
  if ((GetStyle() & FWS_ADDTOTITLE) == 0 || !bAddToTitle) return;
  CDocument* pDocument = GetActiveDocument();
  CString text = pDocument != nullptr ? pDocument->GetTitle() : m_strTitle;
  if (m_nWindow > 0) text.AppendFormat(":%d", m_nWindow);
  AfxSetWindowText(m_hWnd, text);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  // A child has no menu: its keys are commands of the MDI frame.
  HACCEL hAccel = GetDefaultAccelerator();
  CMDIFrameWnd* pFrame = GetMDIFrame();
  return hAccel != nullptr && pFrame != nullptr && ::TranslateAccelerator(pFrame->m_hWnd, hAccel, pMsg);
}
