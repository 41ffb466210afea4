#include "ChildFrame.h"

#include <DefMessageBox.h>

#include <algorithm>

#include "ColumnTables.h"
#include "KestrunApp.h"
#include "KestrunDoc.h"
#include "KestrunView.h"

namespace {

constexpr int kFrameWidth = 700;
constexpr int kFrameHeight = 400;
// Yes to server, Yes to file, No, Cancel.
constexpr UINT kSaveQuestionOptions = 8;
constexpr int kYesToServer = 14;
constexpr int kYesToFile = 15;

}  // namespace

IMPLEMENT_DYNCREATE(CChildFrame, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, SECMDIChildWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
END_MESSAGE_MAP()

CChildFrame::CChildFrame() = default;

CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
  cs.cx = kFrameWidth;
  cs.cy = kFrameHeight;
  // Never larger than the main frame's free area, where its tabs along the
  // bottom would be out of sight.
  if (auto* pMain = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd()); pMain != nullptr && pMain->m_hWndMDIClient) {
    CRect area;
    ::GetClientRect(pMain->m_hWndMDIClient, &area);
    if (area.Width() > 0) cs.cx = std::min(cs.cx, area.Width());
    if (area.Height() > 0) cs.cy = std::min(cs.cy, area.Height());
  }
  return SECMDIChildWnd::PreCreateWindow(cs);
}

int CChildFrame::OnCreate(LPCREATESTRUCT lpcs) {
  if (SECMDIChildWnd::OnCreate(lpcs) == -1) return -1;
  // The status text of the command that opens the window stays: the idle
  // text the new frame posted for itself would replace it.
  MSG pending;
  while (::PeekMessage(&pending, GetSafeHwnd(), WM_SETMESSAGESTRING, WM_SETMESSAGESTRING, PM_REMOVE)) {
  }
  return 0;
}

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  if (!m_tabWnd.Create(this, TWS_DEFAULT_PANE_STYLE, AFX_IDW_PANE_FIRST)) return FALSE;
  m_pTabFont = std::make_unique<CFont>();
  if (m_pTabFont->CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif")) {
    m_tabWnd.SetFontActiveTab(m_pTabFont.get());
    m_tabWnd.SetFontInactiveTab(m_pTabFont.get());
  }
  FillColumnTables();
  for (int i = 0; i < SHARED_TAB_COUNT; ++i) {
    if (m_tabWnd.AddTab(g_qvsTabs[i].pViewClass, g_qvsTabs[i].label, pContext) == nullptr) return FALSE;
  }
  return TRUE;
}

CKestrunDoc* CChildFrame::GetKestrunDoc() { return DYNAMIC_DOWNCAST(CKestrunDoc, GetActiveDocument()); }

CKestrunView* CChildFrame::GetTabView(int nIndex) const {
  return DYNAMIC_DOWNCAST(CKestrunView, m_tabWnd.GetTabWnd(nIndex));
}

// --- Tabs ---------------------------------------------------------------------------

void CChildFrame::SetupTabs(CKestrunDoc* pDoc) {
  if (pDoc == nullptr) return;
  if (pDoc->IsQvsMode()) {
    AddTabs(g_qvsTabs, SHARED_TAB_COUNT, g_nQvsTabs, pDoc);
  } else {
    AddTabs(g_kbrxTabs, SHARED_TAB_COUNT, g_nKbrxTabs, pDoc);
  }
  // Each tab is brought to the front once, so that each fills itself; the
  // first ends in front.
  for (int i = m_tabWnd.GetTabCount() - 1; i >= 0; --i) m_tabWnd.ActivateTab(i);
}

void CChildFrame::AddTabs(const CTabSpec* pTabs, int nFirst, int nCount, CKestrunDoc* pDoc) {
  CDocument* pActive = GetActiveDocument();
  CDocument* pTarget = pDoc != nullptr ? static_cast<CDocument*>(pDoc) : pActive;
  if (pTarget == nullptr) return;
  for (int i = nFirst; i < nCount; ++i) {
    CCreateContext context;
    context.m_pNewViewClass = pTabs[i].pViewClass;
    context.m_pCurrentDoc = pTarget;
    context.m_pNewDocTemplate = pTarget->GetDocTemplate();
    context.m_pCurrentFrame = this;
    CWnd* pView = m_tabWnd.AddTab(pTabs[i].pViewClass, pTabs[i].label, &context);
    if (pView == nullptr) continue;
    pView->SendMessage(WM_INITIALUPDATE);
    pView->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    m_tabWnd.ActivateTab(pView);
  }
}

void CChildFrame::RemoveModeTabs() {
  for (int i = m_tabWnd.GetTabCount() - 1; i >= SHARED_TAB_COUNT; --i) {
    if (CWnd* pView = m_tabWnd.GetTabWnd(i)) pView->ShowWindow(SW_HIDE);
    m_tabWnd.RemoveTab(i);
  }
}

void CChildFrame::SwitchTabs(const CTabSpec* pTabs, int nCount) {
  RemoveModeTabs();
  AddTabs(pTabs, SHARED_TAB_COUNT, nCount, GetKestrunDoc());
  m_tabWnd.ActivateTab(0);
}

void CChildFrame::SwitchToQvsTabs() { SwitchTabs(g_qvsTabs, g_nQvsTabs); }

void CChildFrame::SwitchToKbrxTabs() { SwitchTabs(g_kbrxTabs, g_nKbrxTabs); }

// --- Closing ------------------------------------------------------------------------

void CChildFrame::OnClose() { OnCloseConnector(); }

bool CChildFrame::SaveThroughActiveView(bool toServer) {
  auto* pView = DYNAMIC_DOWNCAST(CKestrunView, GetActiveView());
  if (pView == nullptr) pView = GetTabView(0);
  if (pView == nullptr) return false;
  return (toServer ? pView->OnSaveToServer() : pView->OnSaveToFile()) != FALSE;
}

bool CChildFrame::OnCloseConnector() {
  CKestrunDoc* pDoc = GetKestrunDoc();
  if (pDoc != nullptr && pDoc->IsModified()) {
    CString text;
    text.Format("Do you want to save the changes for connector %s ?", static_cast<LPCTSTR>(pDoc->m_strName));
    const CKestrunApp* pApp = GetKestrunApp();
    // The server is offered only to a connected repository connector; the
    // plain box's Yes saves to a file.
    const int answer = pApp != nullptr && pApp->IsConnected() && pDoc->IsQvsMode()
                           ? DMessageBox(text, nullptr, "Save", nullptr, kSaveQuestionOptions)
                           : MessageBox(text, "Save", MB_YESNOCANCEL);
    if (answer == IDCANCEL) return false;
    const bool toServer = answer == kYesToServer;
    if ((toServer || answer == kYesToFile || answer == IDYES) && !SaveThroughActiveView(toServer)) return false;
  }
  SECMDIChildWnd::OnClose();
  return true;
}
