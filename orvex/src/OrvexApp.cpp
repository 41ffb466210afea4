// The application object's start, commands, tools and end. The session
// with the server is in OrvexAppSession.cpp.
#include "OrvexApp.h"

#include <HvAppStart.h>
#include <HvHelp.h>
#include <HvSplash.h>
#include <Login.h>
#include <Orb.h>
#include <UtilFunc.h>
#include <XUMfc.h>

#include <string>
#include <vector>

#include "ChildFrame.h"
#include "DlgBOName.h"
#include "DlgOpenBO.h"
#include "MainFrame.h"
#include "OrvexDoc.h"
#include "OrvexView.h"
#include "UserPref.h"
#include "resource.h"

namespace {

// How long the end waits for a busy broker, in steps of the wait.
constexpr DWORD kOrbWaitStepMs = 5000;
constexpr DWORD kOrbWaitLimitMs = 30000;

// A document whose window could not be made: a view made before the
// failure took the document along when it went.
void DeleteUnshownDoc(COrvexDoc* pDoc) {
  if (COrvexDoc::IsOpen(pDoc)) delete pDoc;
}

}  // namespace

IMPLEMENT_DYNAMIC(COrvexApp, CWinApp)

BEGIN_MESSAGE_MAP(COrvexApp, CWinApp)
  ON_COMMAND(ID_FILE_NEW, NewBODef)
  ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
  ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
  ON_COMMAND(ID_SERVER_CONNECT, OnConnectCommand)
  ON_UPDATE_COMMAND_UI(ID_SERVER_CONNECT, OnUpdateConnect)
  ON_UPDATE_COMMAND_UI(ID_SERVER_DISCONNECT, OnUpdateDisconnect)
  ON_COMMAND(ID_PREFERENCES, OnPreferences)
  ON_COMMAND(ID_TOOL_SPRINDLE, OnToolSprindle)
  ON_COMMAND(ID_TOOL_KESTRUN, OnToolKestrun)
  ON_COMMAND(ID_TOOL_TAVISH, OnToolTavish)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
  ON_COMMAND(ID_HELP_TOPICS, OnHelpTopics)
  ON_COMMAND(ID_HELP_DOCUMENTATION, OnHelpDocumentation)
END_MESSAGE_MAP()

COrvexApp* GetOrvexApp() { return DYNAMIC_DOWNCAST(COrvexApp, AfxGetApp()); }

COrvexApp::COrvexApp() : m_mapPending(10) {}

COrvexApp::~COrvexApp() = default;

CMainFrame* COrvexApp::GetMainFrame() const { return DYNAMIC_DOWNCAST(CMainFrame, m_pMainWnd); }

BOOL COrvexApp::InitInstance() {
  HvAppStart::Begin(*this);
  LoadStdProfileSettings(0);
  SetFolders();
  m_pHelp = std::make_unique<HvHelp>("Orvex", m_strHelpDir, nullptr);
  m_bHelpAuthoring = HvHelp::IsAuthoringUser();

  m_pDocTemplate = new CMultiDocTemplate(IDR_BODEFTYPE, RUNTIME_CLASS(COrvexDoc), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(COrvexView));
  AddDocTemplate(m_pDocTemplate);

  // The frame deletes itself when its window goes, also when it fails.
  auto* pMainFrame = new CMainFrame;
  if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) return FALSE;
  m_pMainWnd = pMainFrame;
  m_pPreferences = std::make_unique<CUserPref>(IDS_PREFERENCES_CAPTION, nullptr, 0);
  m_pPreferences->LoadSettings();

  ParseCommandLine(m_cmdLine);
  pMainFrame->ShowWindow(m_nCmdShow);
  pMainFrame->UpdateWindow();
  if (::OpenClipboard(pMainFrame->GetSafeHwnd())) {
    ::EmptyClipboard();
    ::CloseClipboard();
  }

  if (!m_cmdLine.m_strServer.IsEmpty())
    ConnectToServer(m_cmdLine.m_strServer, m_cmdLine.m_strUser, m_cmdLine.m_strPassword);
  if (m_cmdLine.m_bNew) NewBODef();
  // Only a definition the session has or can read opens: a name it does
  // not know must not bring up a new, empty one.
  if (!m_cmdLine.m_strOpenName.IsEmpty()) {
    if (CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(m_cmdLine.m_strOpenName, 0, 1)) OpenBODefWindow(pDef);
  }
  return TRUE;
}

void COrvexApp::SetFolders() {
  m_strExeDir = CUtilFunc::GetProgramFolder();
  m_strInstallDir = CUtilFunc::GetInstallFolder();
  m_strHelpDir = m_strExeDir + "help";
}

int COrvexApp::ExitInstance() {
  // Copied rows still on the clipboard name an object of this process.
  ReleaseClipboardObject();
  m_pPreferences.reset();
  m_pHelp.reset();
  // The server search may still be inside the broker; its end is awaited,
  // but never for longer than the limit.
  for (DWORD waited = 0; IsOrbBusy() && waited < kOrbWaitLimitMs; waited += kOrbWaitStepMs) ::Sleep(kOrbWaitStepMs);
  return CWinApp::ExitInstance();
}

BOOL COrvexApp::PreTranslateMessage(MSG* pMsg) {
  if (HvSplash::PreTranslateAppMessage(pMsg)) return TRUE;
  if (m_pHelp != nullptr && m_pHelp->PreTranslateHelpKey(pMsg, m_bHelpAuthoring, FALSE)) return TRUE;
  return CWinApp::PreTranslateMessage(pMsg);
}

void COrvexApp::WinHelp(DWORD_PTR, UINT) {
  if (m_pHelp != nullptr) m_pHelp->HelpOnFrontWindow(m_bHelpAuthoring, FALSE);
}

void COrvexApp::OnHelpTopics() {
  if (m_pHelp != nullptr) m_pHelp->ShowHelp();
}

void COrvexApp::OnHelpDocumentation() {
  if (m_pHelp != nullptr) m_pHelp->ShowDocumentation();
}

void COrvexApp::SetStatusText(const CString& text) const {
  if (CMainFrame* pFrame = GetMainFrame()) pFrame->SetStatusText(text);
}

// --- Definition windows -----------------------------------------------------------

void COrvexApp::OnFileOpen() {
  CDlgOpenBO dlg(1, m_pMainWnd);
  if (dlg.DoModal() != IDOK) return;
  CDataManager* pDM = CDataManager::InitInstance();
  for (INT_PTR i = 0; i < dlg.m_arrSelected.GetSize(); ++i) {
    const CString& name = dlg.m_arrSelected[i];
    CQRBusObjDef* pDef = pDM->GetBO(name, 1, 1);
    if (pDef == nullptr) continue;
    CString status;
    status.Format("Opening Business Object %s ...", static_cast<LPCTSTR>(name));
    SetStatusText(status);
    OpenBODefWindow(pDef);
    status.Format("Opened Business Object %s", static_cast<LPCTSTR>(name));
    SetStatusText(status);
  }
}

CWnd* COrvexApp::OpenBODefWindow(CQRBusObjDef* pDef) {
  if (pDef == nullptr || m_pDocTemplate == nullptr) return nullptr;
  const CString name = pDef->name(0);
  if (COrvexDoc* pDoc = COrvexDoc::FindByName(name)) {
    POSITION pos = pDoc->GetFirstViewPosition();
    CView* pView = pos != nullptr ? pDoc->GetNextView(pos) : nullptr;
    if (pView == nullptr) return nullptr;
    XUMfc::ActivateRestored(pView->GetParentFrame());
    return pView;
  }
  auto* pDoc = static_cast<COrvexDoc*>(m_pDocTemplate->CreateNewDocument());
  if (pDoc == nullptr) return nullptr;
  pDoc->SetBODef(pDef);
  CFrameWnd* pFrame = m_pDocTemplate->CreateNewFrame(pDoc, nullptr);
  if (pFrame == nullptr) {
    DeleteUnshownDoc(pDoc);
    return nullptr;
  }
  pDoc->SetTitle(name);
  m_pDocTemplate->InitialUpdateFrame(pFrame, pDoc, TRUE);
  pFrame->UpdateWindow();
  return pFrame->GetActiveView();
}

void COrvexApp::NewBODef() {
  CDlgBOName dlg(m_pMainWnd);
  if (dlg.DoModal() != IDOK || m_pDocTemplate == nullptr) return;
  auto* pDoc = static_cast<COrvexDoc*>(m_pDocTemplate->CreateNewDocument());
  if (pDoc == nullptr) return;
  // For a name it does not hold the data manager hands out a fresh one.
  CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(dlg.m_strName, 1, 1);
  if (pDef == nullptr) {
    delete pDoc;
    return;
  }
  pDef->SetAppInfo(dlg.m_strAppInfo);
  pDoc->SetBODef(pDef);
  pDef->SetDefaultVerbs();
  COrvexDoc::BroadcastToViews(COrvexDoc::kNameAdded, dlg.m_strName);
  CFrameWnd* pFrame = m_pDocTemplate->CreateNewFrame(pDoc, nullptr);
  if (pFrame == nullptr) {
    DeleteUnshownDoc(pDoc);
    return;
  }
  pDoc->SetTitle(dlg.m_strName);
  m_pDocTemplate->InitialUpdateFrame(pFrame, pDoc, TRUE);
  pFrame->UpdateWindow();
}

// --- Commands ------------------------------------------------------------------------

BOOL COrvexApp::OnServerConnect() {
  CLogin dlg(CString(), nullptr);
  dlg.SetPresets(m_cmdLine.m_strServer, m_cmdLine.m_strUser, m_cmdLine.m_strPassword);
  if (dlg.DoModal() != IDOK) return FALSE;
  return ConnectToServer(dlg.m_strServer, dlg.m_strUser, dlg.m_strPassword);
}

void COrvexApp::OnConnectCommand() { OnServerConnect(); }

void COrvexApp::OnUpdateConnect(CCmdUI* pCmdUI) { pCmdUI->Enable(!m_bConnected); }

void COrvexApp::OnUpdateDisconnect(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bConnected); }

void COrvexApp::OnPreferences() {
  if (m_pPreferences->DoModal() == IDOK) {
    m_pPreferences->SaveSettings();
  } else {
    m_pPreferences->LoadSettings();
  }
}

void COrvexApp::LaunchTool(CString command) {
  // The values go to the tool as whole arguments, whatever they hold.
  CString arguments = " ";
  if (m_pServer != nullptr) {
    const std::vector<std::string> values = {
        "-s" + std::string(m_pServer->name(0)),
        "-u" + std::string(m_pServer->GetUserName()),
        "-p" + std::string(m_pServer->GetPassword()),
    };
    arguments = (" " + win32::JoinCommandLine(values)).c_str();
  }
  ::WinExec(command + arguments, SW_SHOWNORMAL);
}

void COrvexApp::OnToolSprindle() { LaunchTool("Sprindle.exe -wN"); }

void COrvexApp::OnToolKestrun() { LaunchTool("Kestrun.exe"); }

void COrvexApp::OnToolTavish() { LaunchTool("Tavish.bat"); }

void COrvexApp::OnAppAbout() { HvAppStart::ShowAbout(); }
