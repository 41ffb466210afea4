// The main frame's creation, bars, results, closing, server commands,
// wizards and notices. The delete of a definition is in MainFrameDelete.cpp.
#include "MainFrame.h"

#include <DefMessageBox.h>

#include <algorithm>

#include "BOImpExp.h"
#include "ChildFrame.h"
#include "DataManager.h"
#include "GenerateWizard.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
#include "OrvexView.h"
#include "resource.h"

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, IDS_SERVER_LABEL, IDS_DISCONNECTED};
constexpr int kServerLabelPane = 1;
constexpr int kServerPane = 2;
constexpr int kResultsHeight = 120;
constexpr DWORD kWizardCloseDelayMs = 210;
constexpr UINT kDeleteQuestionOptions = 4;  // Yes, No

CString LoadText(UINT id) {
  CString text;
  text.LoadString(id);
  return text;
}

}  // namespace

// Marks the frame as closing for the time of a pass over the windows: a
// lost server noticed meanwhile is handled after the pass, not under it.
class CMainFrame::CClosingScope {
 public:
  explicit CClosingScope(CMainFrame& frame) : m_frame(frame), m_bWasClosing(frame.m_bClosing) {
    frame.m_bClosing = TRUE;
  }
  ~CClosingScope() {
    m_frame.m_bClosing = m_bWasClosing;
    if (!m_bWasClosing && m_frame.m_bServerLostMeanwhile) {
      m_frame.m_bServerLostMeanwhile = FALSE;
      m_frame.PostMessage(WM_HV_SERVER_LOST);
    }
  }
  CClosingScope(const CClosingScope&) = delete;
  CClosingScope& operator=(const CClosingScope&) = delete;

 private:
  CMainFrame& m_frame;
  BOOL m_bWasClosing;
};

IMPLEMENT_DYNAMIC(CMainFrame, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, SECMDIFrameWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_COMMAND(ID_SERVER_DISCONNECT, OnDisconnect)
  ON_COMMAND(ID_SERVER_REFRESH, OnRefresh)
  ON_UPDATE_COMMAND_UI(ID_SERVER_REFRESH, OnUpdateRefresh)
  ON_COMMAND(ID_BO_DELETE, OnDelete)
  ON_COMMAND(ID_NEW_USING_ZTA, OnNewUsingZta)
  ON_COMMAND(ID_WINDOW_CLOSE_ALL, OnCloseAll)
  ON_UPDATE_COMMAND_UI(ID_WINDOW_CLOSE_ALL, OnUpdateCloseAll)
  ON_COMMAND(ID_SAVE_ALL_TO_FILE, OnSaveAllToFile)
  ON_COMMAND(ID_FILE_OPEN_FROM_FILE, OnOpenFromFile)
  ON_COMMAND(ID_SAVE_ALL_TO_ONE_FILE, OnSaveAllToOneFile)
  ON_UPDATE_COMMAND_UI(ID_SAVE_ALL_TO_ONE_FILE, OnUpdateSaveAllToOneFile)
  ON_UPDATE_COMMAND_UI(IDS_SERVER_LABEL, OnUpdateServerLabel)
  ON_UPDATE_COMMAND_UI(IDS_DISCONNECTED, OnUpdateServerPane)
  ON_MESSAGE(WM_HV_SERVER_LOST, OnServerLost)
  ON_MESSAGE(WM_HV_OBJECT_DELETED, OnObjectDeleted)
  ON_MESSAGE(WM_HV_WIZARD_CLOSED, OnWizardClosedMessage)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_pToolBarManager(std::make_unique<SECToolBarManager>(this)) {
  SetControlBarManager(m_pToolBarManager.get());
}

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (SECMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  // The status bar first, so that it keeps the frame's bottom edge.
  if (!CreateStatusBar()) return -1;
  EnableDocking(CBRS_ALIGN_ANY);
  if (!m_pToolBarManager->DefineDefaultToolBar(AFX_IDW_TOOLBAR, "Standard", IDR_MAINFRAME) ||
      !m_pToolBarManager->DefineDefaultToolBar(IDW_PROGRAMS_BAR, "Programs", IDR_PROGRAMS))
    return -1;
  m_pToolBarManager->SetToggleCommand(ID_VIEW_PROGRAMS, IDW_PROGRAMS_BAR);
  if (!m_wndResults.Create(this, "", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, CBRS_EX_DEFAULT, IDW_RESULTS_PANE)) return -1;
  m_wndResults.EnableDocking(CBRS_ALIGN_ANY);
  DockControlBarEx(&m_wndResults, AFX_IDW_DOCKBAR_BOTTOM, 1.0f, kResultsHeight);
  SetWindowText("Orvex");
  // The idle message shows now rather than from the queue, where it would
  // replace what the start-up reports (connecting, opening).
  MSG pending;
  while (::PeekMessage(&pending, GetSafeHwnd(), WM_SETMESSAGESTRING, WM_SETMESSAGESTRING, PM_REMOVE)) {
  }
  SetMessageText(AFX_IDS_IDLEMESSAGE);
  return 0;
}

BOOL CMainFrame::CreateStatusBar() {
  if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, 3)) return FALSE;
  UINT id = 0;
  UINT style = 0;
  int width = 0;
  m_wndStatusBar.GetPaneInfo(kServerLabelPane, id, style, width);
  m_wndStatusBar.SetPaneInfo(kServerLabelPane, id, SBPS_NOBORDERS, width);
  SetServerPaneText("");
  return TRUE;
}

// --- Status and results ---------------------------------------------------------------

void CMainFrame::SetStatusText(CString text) {
  if (text.IsEmpty()) {
    SetMessageText(AFX_IDS_IDLEMESSAGE);
  } else {
    SetMessageText(text);
  }
}

void CMainFrame::SetServerPaneText(CString server) {
  m_strServerPane = server.IsEmpty() ? LoadText(IDS_DISCONNECTED) : server;
  CClientDC dc(&m_wndStatusBar);
  CFont* pOld = dc.SelectObject(m_wndStatusBar.GetFont());
  const int width = dc.GetTextExtent(m_strServerPane).cx;
  if (pOld != nullptr) dc.SelectObject(pOld);
  UINT id = 0;
  UINT style = 0;
  int oldWidth = 0;
  m_wndStatusBar.GetPaneInfo(kServerPane, id, style, oldWidth);
  m_wndStatusBar.SetPaneInfo(kServerPane, id, style, width);
  m_wndStatusBar.SetPaneText(kServerPane, m_strServerPane);
}

void CMainFrame::OnUpdateServerLabel(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CMainFrame::OnUpdateServerPane(CCmdUI* pCmdUI) {
  pCmdUI->Enable(TRUE);
  pCmdUI->SetText(m_strServerPane);
}

void CMainFrame::ShowResults(BOOL clear) {
  ShowControlBar(&m_wndResults, TRUE, FALSE);
  if (clear) m_wndResults.ClearText();
}

void CMainFrame::AppendResult(CString line, int mode) {
  ShowControlBar(&m_wndResults, TRUE, FALSE);
  if (mode == 0) m_bClearBeforeLine = FALSE;
  if (mode == 1) m_bClearBeforeLine = TRUE;
  if (m_bClearBeforeLine) m_wndResults.ClearText();
  m_wndResults.AddLine(line);
}

// --- Closing ----------------------------------------------------------------------------

BOOL CMainFrame::CloseAllDocuments(BOOL closeEach, BOOL serverOnly) {
  CClosingScope closing(*this);
  CChildFrame::ClearRememberedAnswers();
  const std::vector<COrvexDoc*> docs = COrvexDoc::GetOpenDocs();
  const BOOL applyToAll = docs.size() > 1;
  for (COrvexDoc* pDoc : docs) {
    // An earlier answer may have closed this one (a reverted new definition
    // takes its users' windows along).
    if (!COrvexDoc::IsOpen(pDoc)) continue;
    POSITION pos = pDoc->GetFirstViewPosition();
    CView* pView = pos != nullptr ? pDoc->GetNextView(pos) : nullptr;
    auto* pFrame = pView != nullptr ? DYNAMIC_DOWNCAST(CChildFrame, pView->GetParentFrame()) : nullptr;
    if (pFrame == nullptr) continue;
    BOOL closeAfter = closeEach;
    if (serverOnly && !closeEach) {
      if (pDoc->m_pBODef == nullptr || (pDoc->m_pBODef->GetState() & (HvStateOnServer | HvStateSavedToServer)) == 0)
        continue;
      closeAfter = TRUE;
    }
    if (pFrame->PromptSaveOnClose(applyToAll, closeAfter)) return FALSE;
  }
  CChildFrame::ClearRememberedAnswers();
  return TRUE;
}

void CMainFrame::OnClose() {
  COrvexDoc* pActive = DYNAMIC_DOWNCAST(COrvexDoc, GetActiveDocument());
  if (pActive == nullptr || !pActive->IsInPrintPreview()) {
    CClosingScope closing(*this);
    if (!CloseAllDocuments(FALSE, FALSE)) return;
    COrvexApp* pApp = GetOrvexApp();
    if (pApp != nullptr && pApp->IsConnected()) pApp->Disconnect(false);
  }
  SECMDIFrameWnd::OnClose();
}

void CMainFrame::OnCloseAll() { CloseAllDocuments(TRUE, FALSE); }

void CMainFrame::OnUpdateCloseAll(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

void CMainFrame::OnSaveAllToFile() {
  for (COrvexDoc* pDoc : COrvexDoc::GetOpenDocs()) {
    // A renamed copy replaces its window on the way.
    if (!COrvexDoc::IsOpen(pDoc)) continue;
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = pos != nullptr ? DYNAMIC_DOWNCAST(COrvexView, pDoc->GetNextView(pos)) : nullptr;
    if (pView != nullptr && pView->OnSaveToFile() == CBOImpExp::kWriteFailed) break;
  }
}

// --- Server commands --------------------------------------------------------------------

void CMainFrame::OnDisconnect() {
  CClosingScope closing(*this);
  if (CloseAllDocuments(FALSE, TRUE)) GetOrvexApp()->Disconnect(true);
}

void CMainFrame::OnRefresh() {
  if (!CloseAllDocuments(FALSE, FALSE)) return;
  CDataManager* pDM = CDataManager::InitInstance();
  pDM->ReleaseSelectedBODefs();
  pDM->RefreshBONames(1);
}

void CMainFrame::OnUpdateRefresh(CCmdUI* pCmdUI) {
  COrvexApp* pApp = GetOrvexApp();
  pCmdUI->Enable(pApp != nullptr && pApp->IsConnected());
}

std::vector<HWND> CMainFrame::ChildFrameWindows() const {
  std::vector<HWND> windows;
  for (COrvexDoc* pDoc : COrvexDoc::GetOpenDocs()) {
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr;) {
      CFrameWnd* pFrame = pDoc->GetNextView(pos)->GetParentFrame();
      if (pFrame != nullptr && std::find(windows.begin(), windows.end(), pFrame->GetSafeHwnd()) == windows.end())
        windows.push_back(pFrame->GetSafeHwnd());
    }
  }
  return windows;
}

void CMainFrame::CloseDocumentsOf(const CString& name) {
  for (COrvexDoc* pDoc : COrvexDoc::GetOpenDocs()) {
    if (!COrvexDoc::IsOpen(pDoc)) continue;
    if (pDoc->m_pBODef != nullptr && name == pDoc->m_pBODef->name(0)) {
      pDoc->OnCloseDocument();
    } else {
      pDoc->m_mapBODefs.RemoveKey(name);
    }
  }
}

// --- Notices ----------------------------------------------------------------------------

LRESULT CMainFrame::OnServerLost(WPARAM, LPARAM) {
  COrvexApp* pApp = GetOrvexApp();
  if (pApp == nullptr || !pApp->IsConnected()) return 0;
  if (m_bClosing) {
    m_bServerLostMeanwhile = TRUE;
    return 0;
  }
  CClosingScope closing(*this);
  AfxMessageBox("Failed to communicate to the server");
  for (HWND window : ChildFrameWindows()) {
    auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, CWnd::FromHandlePermanent(window));
    if (pFrame != nullptr && !pFrame->CloseAfterServerLoss()) break;
  }
  pApp->Disconnect(false);
  return 0;
}

LRESULT CMainFrame::OnObjectDeleted(WPARAM wParam, LPARAM lParam) {
  auto* pObject = reinterpret_cast<CQRObj*>(lParam);
  if (wParam != HvObjBusObj || pObject == nullptr) return 0;
  const CString name = pObject->name(0);
  CDataManager* pDM = CDataManager::InitInstance();
  CMDIChildWnd* pActive = MDIGetActive();
  const auto* pActiveDoc = pActive != nullptr ? DYNAMIC_DOWNCAST(COrvexDoc, pActive->GetActiveDocument()) : nullptr;
  if (pActiveDoc != nullptr && pActiveDoc->IsNameInDocs(name, FALSE)) {
    CString text;
    text.Format("The business object %s is deleted from the server. Do you want to delete it from the Orvex?",
                static_cast<LPCTSTR>(name));
    if (DMessageBox(text, nullptr, "Delete Confirmation", nullptr, kDeleteQuestionOptions) != IDYES) {
      // Kept as a new definition that the server does not have.
      pObject->SetState((pObject->GetState() & ~(HvStateOnServer | HvStateSavedToServer)) | HvStateNew);
      if (auto* pDef = DYNAMIC_DOWNCAST(CQRBusObjDef, pObject)) pDef->ClearAsIfNew();
      CStringList* pNames = pDM->RefreshBONames(0);
      if (pNames->Find(name) == nullptr) pNames->AddTail(name);
      return 0;
    }
  }
  // The windows go before the definition is let go.
  CloseDocumentsOf(name);
  pDM->CloseBO(name, nullptr);
  pDM->DeleteObject(HvObjBusObj, name, 0);
  return 0;
}

// --- Wizards ----------------------------------------------------------------------------

BOOL CMainFrame::IsWizardListed(const CPropertySheet* pWizard) const {
  return std::any_of(m_wizards.begin(), m_wizards.end(),
                     [pWizard](const auto& owned) { return owned.get() == pWizard; });
}

void CMainFrame::AddWizard(CPropertySheet* pWizard) {
  if (pWizard != nullptr && !IsWizardListed(pWizard)) m_wizards.emplace_back(pWizard);
}

void CMainFrame::RemoveWizard(CPropertySheet* pWizard) {
  const auto it =
      std::find_if(m_wizards.begin(), m_wizards.end(), [pWizard](const auto& owned) { return owned.get() == pWizard; });
  if (it == m_wizards.end()) return;
  std::unique_ptr<CPropertySheet> wizard = std::move(*it);
  m_wizards.erase(it);
  if (wizard->GetSafeHwnd() != nullptr) wizard->DestroyWindow();
}

// The wizard runs beside the frame; the frame keeps it until it closes.
void CMainFrame::OnNewUsingZta() {
  auto pWizard = std::make_unique<CGenerateWizard>("", this, 0);
  if (pWizard->Create(this)) AddWizard(pWizard.release());
}

void CMainFrame::OnWizardClosed(CPropertySheet* pWizard) {
  ::Sleep(kWizardCloseDelayMs);
  RemoveWizard(pWizard);
}

LRESULT CMainFrame::OnWizardClosedMessage(WPARAM, LPARAM lParam) {
  OnWizardClosed(reinterpret_cast<CPropertySheet*>(lParam));
  return 0;
}
