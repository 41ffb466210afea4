#include "MainFrame.h"

#include <UtilMessageBox.h>
#include <afxext.h>

#include <iterator>
#include <vector>

#include "ChildFrame.h"
#include "KestrunApp.h"
#include "KestrunDoc.h"
#include "KestrunView.h"
#include "resource.h"

namespace {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 500;
constexpr float kResultsShare = 0.75f;
constexpr int kResultsHeight = 130;
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

IMPLEMENT_DYNAMIC(CMainFrame, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, SECMDIFrameWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_ERASEBKGND()
  ON_COMMAND(ID_CLOSE_ALL, OnCloseAll)
  ON_UPDATE_COMMAND_UI(ID_CLOSE_ALL, OnUpdateCloseAll)
  ON_MESSAGE(WM_HV_SERVER_LOST, OnServerFailure)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_pToolBarManager(std::make_unique<SECToolBarManager>(this)) {
  SetControlBarManager(m_pToolBarManager.get());
}

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!SECMDIFrameWnd::PreCreateWindow(cs)) return FALSE;
  cs.cx = kFrameWidth;
  cs.cy = kFrameHeight;
  cs.style &= ~static_cast<LONG>(FWS_PREFIXTITLE);
  return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (SECMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // The status bar first, so that it keeps the frame's bottom edge.
  if (!m_wndStatusBar.Create(this) ||
      !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
    return -1;
  EnableDocking(CBRS_ALIGN_ANY);
  if (!m_pToolBarManager->DefineDefaultToolBar(AFX_IDW_TOOLBAR, "Standard", IDR_MAINFRAME)) return -1;
  m_pToolBarManager->EnableToolTips(TRUE);
  if (!m_wndResults.Create(this, "", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_TOOLTIPS, CBRS_EX_DEFAULT,
                           IDW_RESULTS_BAR))
    return -1;
  m_wndResults.EnableDocking(CBRS_ALIGN_ANY);
  DockControlBarEx(&m_wndResults, AFX_IDW_DOCKBAR_BOTTOM, kResultsShare, kResultsHeight);
  return 0;
}

BOOL CMainFrame::OnEraseBkgnd(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNSHADOW));
  return TRUE;
}

void CMainFrame::SetStatusText(const CString& text) {
  if (text.IsEmpty()) {
    SetMessageText(AFX_IDS_IDLEMESSAGE);
  } else {
    SetMessageText(text);
  }
}

void CMainFrame::ShowAndClearResults() {
  ShowControlBar(&m_wndResults, TRUE, FALSE);
  m_wndResults.ClearText();
}

// --- Closing ----------------------------------------------------------------------

bool CMainFrame::CloseAllChildFrames() {
  // Each pass closes the active window; one that stays, or a close that
  // leaves the same window active, ends the loop.
  HWND previous = nullptr;
  for (;;) {
    auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, MDIGetActive());
    if (pFrame == nullptr) return true;
    const HWND hFrame = pFrame->GetSafeHwnd();
    if (hFrame == previous || !pFrame->OnCloseConnector()) return false;
    if (::IsWindow(hFrame)) return false;
    previous = hFrame;
  }
}

void CMainFrame::OnClose() {
  // During a print preview the close ends only the preview.
  if (DYNAMIC_DOWNCAST(CPreviewView, GetDlgItem(AFX_IDW_PANE_FIRST)) == nullptr) {
    CWaitCursor wait;
    if (!CloseAllChildFrames()) return;
    if (CKestrunApp* pApp = GetKestrunApp()) pApp->Disconnect();
  }
  SECMDIFrameWnd::OnClose();
}

void CMainFrame::OnCloseAll() { CloseAllChildFrames(); }

void CMainFrame::OnUpdateCloseAll(CCmdUI* pCmdUI) {
  CMDIChildWnd* pActive = MDIGetActive();
  pCmdUI->Enable(pActive != nullptr && pActive->GetActiveDocument() != nullptr);
}

// --- The lost server ----------------------------------------------------------------

void CMainFrame::OfferFileSaves() {
  CKestrunApp* pApp = GetKestrunApp();
  if (pApp == nullptr) return;
  for (CKestrunDoc* pDoc : pApp->GetDocuments()) {
    if (!pDoc->IsModified()) continue;
    CString text;
    text.Format("Do you want to save the changes for connector %s to a file?", static_cast<LPCTSTR>(pDoc->m_strName));
    if (MessageBox(text, "Save", MB_YESNO) != IDYES) continue;
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = pos != nullptr ? DYNAMIC_DOWNCAST(CKestrunView, pDoc->GetNextView(pos)) : nullptr;
    if (pView != nullptr) pView->OnSaveToFile();
  }
}

LRESULT CMainFrame::OnServerFailure(WPARAM, LPARAM) {
  CKestrunApp* pApp = GetKestrunApp();
  m_wndResults.ClearText();
  m_wndResults.AddLine("Operation failed. Cannot communicate with the server.");
  FormatMessageBox(MB_ICONSTOP, "Cannot communicate with the server. Kestrun will quit");
  if (pApp != nullptr) pApp->Disconnect();
  // Nothing is lost: each changed window may go to a file first.
  OfferFileSaves();
  ::PostQuitMessage(1);
  return 0;
}
