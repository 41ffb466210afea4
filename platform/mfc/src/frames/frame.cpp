// CFrameWnd: creation from resources, the client view, layout, activation
// and closing.
#include "mfc/frame.h"

#include <windows.h>

#include "afxres.h"
#include "mfc/msgmap_wnd.h"
#include "mfc/document.h"
#include "mfc/menu.h"
#include "mfc/modulestate.h"
#include "mfc/preview.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_CLOSE()
  ON_WM_SIZE()
  ON_WM_SETFOCUS()
  ON_WM_ERASEBKGND()
  ON_WM_INITMENUPOPUP()
  ON_WM_ACTIVATE()
  ON_MESSAGE(WM_MENUSELECT, OnMenuSelect)
  ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
  ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
  ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
  ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
  if (m_bOwnAccelTable) ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
  HMENU hMenu = nullptr;
  if (lpszMenuName != nullptr) {
    hMenu = ::LoadMenu(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
    if (hMenu == nullptr) {
      PostNcDestroy();
      return FALSE;
    }
  }
  m_strTitle = lpszWindowName;
  m_hMenuDefault = hMenu;
  const bool useDefault = rect.left == CW_USEDEFAULT;
  const int x = rect.left, y = useDefault ? CW_USEDEFAULT : rect.top;
  const int cx = useDefault ? CW_USEDEFAULT : rect.right - rect.left;
  const int cy = useDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
  HWND hWndParent = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
  if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, hWndParent, hMenu, pContext)) {
    // The object may be gone with its window (PostNcDestroy); only the
    // menu is left to free.
    if (hMenu != nullptr) ::DestroyMenu(hMenu);
    return FALSE;
  }
  return TRUE;
}

LPCTSTR CFrameWnd::GetIconWndClass(DWORD, UINT nIDResource) {
  LPCTSTR name = MAKEINTRESOURCE(nIDResource);
  HINSTANCE hInst = AfxFindResourceHandle(name, RT_GROUP_ICON);
  HICON hIcon = ::FindResource(hInst, name, RT_GROUP_ICON) != nullptr ? ::LoadIcon(hInst, name) : nullptr;
  if (hIcon == nullptr) return nullptr;
  return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                             hIcon);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  CString strFullString;
  if (strFullString.LoadString(nIDResource)) AfxExtractSubString(m_strTitle, strFullString, 0);
  const CString title = m_strTitle;
  if (!Create(GetIconWndClass(dwDefaultStyle, nIDResource), title, dwDefaultStyle, rectDefault, pParentWnd,
              MAKEINTRESOURCE(nIDResource), 0, pContext))
    return FALSE;
  LoadAccelTable(MAKEINTRESOURCE(nIDResource));
  // Without a context nobody else sends the views their first update.
  if (pContext == nullptr) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName) {
  if (m_hAccelTable != nullptr) return FALSE;
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR);
  if (::FindResource(hInst, lpszResourceName, RT_ACCELERATOR) == nullptr) return FALSE;
  m_hAccelTable = ::LoadAccelerators(hInst, lpszResourceName);
  m_bOwnAccelTable = m_hAccelTable != nullptr;
  return m_bOwnAccelTable;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) {
    cs.lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  }
  // The document's name comes first unless the program takes it away.
  if (cs.style & FWS_ADDTOTITLE) cs.style |= FWS_PREFIXTITLE;
  return cs.lpszClass != nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
  auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
  // An MDI child's parameters arrive inside the MDICREATESTRUCT.
  if ((lpcs->dwExStyle & WS_EX_MDICHILD) && lpcs->lpCreateParams != nullptr)
    pContext = reinterpret_cast<CCreateContext*>(static_cast<MDICREATESTRUCT*>(lpcs->lpCreateParams)->lParam);
  return OnCreateHelper(lpcs, pContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
  if (CWnd::OnCreate(lpcs) == -1) return FALSE;
  if (!OnCreateClient(lpcs, pContext)) return FALSE;
  PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  RecalcLayout();
  return TRUE;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  if (pContext == nullptr || pContext->m_pNewViewClass == nullptr) return TRUE;
  return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
  if (pContext == nullptr || pContext->m_pNewViewClass == nullptr) return nullptr;
  CObject* pObject = pContext->m_pNewViewClass->CreateObject();
  auto* pView = dynamic_cast<CWnd*>(pObject);
  if (pView == nullptr) {
    delete pObject;
    return nullptr;
  }
  // A view that fails is deleted with its window (PostNcDestroy).
  if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext)) return nullptr;
  return pView;
}

CView* CFrameWnd::GetActiveView() const { return m_pViewActive; }

CDocument* CFrameWnd::OwnDocument() const { return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr; }

CDocument* CFrameWnd::GetActiveDocument() { return OwnDocument(); }

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
  CView* pViewOld = m_pViewActive;
  if (pViewNew == pViewOld) return;
  // No active view while the old one hears of it.
  m_pViewActive = nullptr;
  if (pViewOld != nullptr) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
  // The old view may have chosen another one itself.
  if (m_pViewActive != nullptr) return;
  m_pViewActive = pViewNew;
  if (pViewNew != nullptr && bNotify) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::BringToTop(int nCmdShow) {
  if (nCmdShow == SW_HIDE || nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINNOACTIVE ||
      nCmdShow == SW_SHOWNOACTIVATE || nCmdShow == SW_SHOWMINIMIZED)
    return;
  HWND hWndLastPop = ::GetLastActivePopup(m_hWnd);
  ::BringWindowToTop(hWndLastPop != nullptr ? hWndLastPop : m_hWnd);
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
  if (nCmdShow == -1) {
    if (!IsWindowVisible()) {
      nCmdShow = SW_SHOWNORMAL;
    } else if (IsIconic()) {
      nCmdShow = SW_RESTORE;
    }
  }
  BringToTop(nCmdShow);
  if (nCmdShow != -1) {
    ShowWindow(nCmdShow);
    BringToTop(nCmdShow);
  }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
  CView* pView = nullptr;
  if (GetActiveView() == nullptr) {
    pView = dynamic_cast<CView*>(FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)));
    if (pView != nullptr) SetActiveView(pView, FALSE);
  }
  if (bMakeVisible) {
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (pView != nullptr) pView->OnActivateFrame(WA_INACTIVE, this);
    // The main window shows itself the way the program was started.
    int nCmdShow = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
      nCmdShow = pApp->m_nCmdShow;
      pApp->m_nCmdShow = -1;
    }
    ActivateFrame(nCmdShow);
    if (pView != nullptr) pView->OnActivateView(TRUE, pView, pView);
  }
  if (pDoc != nullptr) pDoc->UpdateFrameCounts();
  OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::RecalcLayout(BOOL) {
  if (m_bInRecalcLayout || m_hWnd == nullptr) return;
  m_bInRecalcLayout = TRUE;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
  m_bInRecalcLayout = FALSE;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
  if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr) {
    m_pViewActive->SetFocus();
  } else {
    CWnd::OnSetFocus(pOldWnd);
  }
}

// The view covers the client area; nothing to erase beneath it.
BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC) {
  if (m_pViewActive != nullptr) return TRUE;
  return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  CWnd::OnActivate(nState, pWndOther, bMinimized);
  CView* pActiveView = GetActiveView();
  if (pActiveView == nullptr) pActiveView = GetActiveFrame()->GetActiveView();
  if (pActiveView == nullptr) return;
  if (nState != WA_INACTIVE && !bMinimized) pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
  pActiveView->OnActivateFrame(nState, this);
}

void CFrameWnd::OnDestroy() {
  // The window destroys its menu: a shared one (a template's) goes back
  // to its owner first.
  if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault) ::SetMenu(m_hWnd, m_hMenuDefault);
  CWnd::OnDestroy();
}

void CFrameWnd::OnClose() {
  // A close while the frame shows a print preview ends the preview, as
  // its Close button does; the frame and its documents stay.
  if (auto* pPreview = dynamic_cast<CPreviewView*>(FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)))) {
    pPreview->OnPreviewClose();
    return;
  }
  CDocument* pDocument = OwnDocument();
  if (pDocument != nullptr && !pDocument->CanCloseFrame(this)) return;
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr && pApp->m_pMainWnd == this) {
    // The main window asks every document; a refusal keeps everything.
    if (pDocument == nullptr && !pApp->SaveAllModified()) return;
    pApp->CloseAllDocuments(FALSE);
    // Closing the documents may have taken this window with them.
    if (pApp->m_pMainWnd == nullptr) return;
  }
  // The last frame of a document closes the document, frames and all.
  if (pDocument != nullptr && pDocument->m_bAutoDelete) {
    BOOL bOtherFrame = FALSE;
    POSITION pos = pDocument->GetFirstViewPosition();
    while (pos != nullptr && !bOtherFrame) bOtherFrame = pDocument->GetNextView(pos)->GetParentFrame() != this;
    if (!bOtherFrame) {
      pDocument->OnCloseDocument();
      return;
    }
    pDocument->PreCloseFrame(this);
  }
  DestroyWindow();
}

void CFrameWnd::PostNcDestroy() {
  // The main window's end ends the program.
  CWinThread* pThread = AfxGetThread();
  if (pThread != nullptr && pThread->m_pMainWnd == this) {
    pThread->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
  }
  delete this;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // The active view first (it passes on to its document and template).
  CView* pView = GetActiveView();
  if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  // A frame inside another leaves the application to the outer one, so
  // that the main frame comes before the application.
  if (GetParentFrame() != nullptr) return FALSE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

HACCEL CFrameWnd::GetDefaultAccelerator() { return m_hAccelTable; }

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  HACCEL hAccel = GetDefaultAccelerator();
  return hAccel != nullptr && ::TranslateAccelerator(m_hWnd, hAccel, pMsg);
}

namespace {

struct ModalDisable {
  HWND frame;
  std::vector<HWND>* disabled;
};

BOOL CALLBACK DisableOwned(HWND hWnd, LPARAM lParam) {
  auto* state = reinterpret_cast<ModalDisable*>(lParam);
  if (hWnd == state->frame || !::IsWindowEnabled(hWnd)) return TRUE;
  for (HWND owner = ::GetWindow(hWnd, GW_OWNER); owner != nullptr; owner = ::GetWindow(owner, GW_OWNER)) {
    if (owner == state->frame) {
      ::EnableWindow(hWnd, FALSE);
      state->disabled->push_back(hWnd);
      break;
    }
  }
  return TRUE;
}

}  // namespace

void CFrameWnd::BeginModalState() {
  if (m_cModalStack++ > 0) return;
  ModalDisable state{m_hWnd, &m_disabledByModal};
  ::EnumWindows(&DisableOwned, reinterpret_cast<LPARAM>(&state));
  if (IsWindowEnabled()) {
    EnableWindow(FALSE);
    m_disabledByModal.push_back(m_hWnd);
  }
}

void CFrameWnd::EndModalState() {
  if (m_cModalStack == 0 || --m_cModalStack > 0) return;
  for (HWND hWnd : m_disabledByModal) ::EnableWindow(hWnd, TRUE);
  m_disabledByModal.clear();
}

CFrameWnd* CWnd::GetParentFrame() const {
  HWND hWnd = m_hWnd;
  while (hWnd != nullptr && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD)) {
    hWnd = ::GetParent(hWnd);
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->IsFrameWnd()) return static_cast<CFrameWnd*>(pWnd);
  }
  return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
  if (m_hWnd == nullptr) return nullptr;
  CFrameWnd* pFrame = IsFrameWnd() ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
  while (pFrame != nullptr) {
    CFrameWnd* pOuter = pFrame->GetParentFrame();
    if (pOuter == nullptr) break;
    pFrame = pOuter;
  }
  return pFrame;
}
