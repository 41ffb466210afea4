// The application object's start, session, help keys and end. The
// commands that create, open and save documents are in KestrunAppFiles.cpp.
#include "KestrunApp.h"

#include <HvAppStart.h>
#include <HvHelp.h>
#include <HvSplash.h>
#include <Login.h>
#include <StatusWindow.h>
#include <UtilFunc.h>
#include <UtilMessageBox.h>
#include <XUMfc.h>
#include <gxall.h>

#include "ChildFrame.h"
#include "Connector.h"
#include "ConnectorFileCodec.h"
#include "KestrunDoc.h"
#include "KestrunView.h"
#include "MainFrame.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CKestrunApp, CWinApp)

BEGIN_MESSAGE_MAP(CKestrunApp, CWinApp)
  ON_COMMAND(ID_FILE_NEW_CONNECTOR, OnFileNew)
  ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
  ON_COMMAND(ID_OPEN_FROM_SERVER, OnOpenFromServer)
  ON_UPDATE_COMMAND_UI(ID_OPEN_FROM_SERVER, OnUpdateConnected)
  ON_COMMAND(ID_SAVE_ALL_TO_FILE, OnSaveAllToFile)
  ON_UPDATE_COMMAND_UI(ID_SAVE_ALL_TO_FILE, OnUpdateSaveAllToFile)
  ON_COMMAND(ID_SAVE_ALL_TO_SERVER, OnSaveAllToServer)
  ON_UPDATE_COMMAND_UI(ID_SAVE_ALL_TO_SERVER, OnUpdateSaveAllToServer)
  ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
  ON_COMMAND(ID_SERVER_CONNECT, OnServerConnect)
  ON_UPDATE_COMMAND_UI(ID_SERVER_CONNECT, OnUpdateConnect)
  ON_COMMAND(ID_SERVER_DISCONNECT, OnServerDisconnect)
  ON_UPDATE_COMMAND_UI(ID_SERVER_DISCONNECT, OnUpdateConnected)
  ON_COMMAND(ID_HELP_TOPICS, OnHelpTopics)
  ON_COMMAND(ID_HELP_INDEX, OnHelpDocumentation)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CKestrunApp* GetKestrunApp() { return DYNAMIC_DOWNCAST(CKestrunApp, AfxGetApp()); }

CKestrunApp::CKestrunApp() = default;

CKestrunApp::~CKestrunApp() = default;

CMainFrame* CKestrunApp::GetMainFrame() const { return DYNAMIC_DOWNCAST(CMainFrame, m_pMainWnd); }

std::unique_ptr<CConnectorFileCodec> CKestrunApp::CreateCodec() { return std::make_unique<CConnectorFileCodec>(); }

BOOL CKestrunApp::InitInstance() {
  HvAppStart::Begin(*this);
  LoadStdProfileSettings(4);
  InitFolders();
  m_pHelp = std::make_unique<HvHelp>("Kestrun", m_strHelpFolder, nullptr);
  m_pCodec = CreateCodec();
  m_bHelpAuthoring = HvHelp::IsAuthoringUser();

  m_pDocTemplate = new SECMultiDocTemplate(IDR_CONNECTORTYPE, RUNTIME_CLASS(CKestrunDoc), RUNTIME_CLASS(CChildFrame),
                                           RUNTIME_CLASS(CKestrunView));
  AddDocTemplate(m_pDocTemplate);

  // The frame deletes itself when its window goes, also when it fails.
  auto* pMainFrame = new CMainFrame;
  if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) return FALSE;
  m_pMainWnd = pMainFrame;
  ParseCommandLine(m_cmdLine);
  pMainFrame->ShowWindow(SW_SHOW);
  pMainFrame->UpdateWindow();
  return TRUE;
}

void CKestrunApp::InitFolders() {
  m_strProgramFolder = CUtilFunc::GetProgramFolder();
  m_strInstallFolder = CUtilFunc::GetInstallFolder();
  m_strHelpFolder = m_strProgramFolder + "help";
}

int CKestrunApp::ExitInstance() {
  Disconnect();
  m_pHelp.reset();
  m_pCodec.reset();
  return CWinApp::ExitInstance();
}

// --- Help ------------------------------------------------------------------------

BOOL CKestrunApp::PreTranslateMessage(MSG* pMsg) {
  if (HvSplash::PreTranslateAppMessage(pMsg)) return TRUE;
  if (m_pHelp != nullptr && m_pHelp->PreTranslateHelpKey(pMsg, m_bHelpAuthoring, TRUE)) return TRUE;
  return CWinApp::PreTranslateMessage(pMsg);
}

void CKestrunApp::WinHelp(DWORD_PTR, UINT) {
  if (m_pHelp != nullptr) m_pHelp->HelpOnFrontWindow(m_bHelpAuthoring, TRUE);
}

void CKestrunApp::OnHelpTopics() {
  if (m_pHelp != nullptr) m_pHelp->ShowHelpProperty();
}

void CKestrunApp::OnHelpDocumentation() {
  if (m_pHelp != nullptr) m_pHelp->ShowDocumentation();
}

void CKestrunApp::OnAppAbout() { HvAppStart::ShowAbout(); }

// --- The session --------------------------------------------------------------------

void CKestrunApp::OnServerConnect() {
  CLogin dlg(CString(), nullptr);
  dlg.SetPresets(m_cmdLine.m_strServer, m_cmdLine.m_strUser, m_cmdLine.m_strPassword);
  if (dlg.DoModal() != IDOK) return;
  if (!ConnectToServer(dlg.m_strServer, dlg.m_strUser, dlg.m_strPassword)) {
    FormatMessageBox(MB_ICONEXCLAMATION, "Connection to the server '%s' failed for user '%s'",
                     static_cast<LPCTSTR>(dlg.m_strServer), static_cast<LPCTSTR>(dlg.m_strUser));
  }
}

bool CKestrunApp::ConnectToServer(const CString& server, const CString& user, const CString& password) {
  {
    CStatusWindow status(m_pMainWnd);
    status.SetMsg("Connecting to server '%s' ...", static_cast<LPCTSTR>(server));
    CDataManager* pDM = CDataManager::InitInstance();
    m_pServer = DYNAMIC_DOWNCAST(CQRServer, pDM->GetObject(HvObjServer, server, 0));
    if (m_pServer != nullptr && pDM->LogToServer(server, user, password) == 0) m_pServer = nullptr;
  }
  return m_pServer != nullptr;
}

void CKestrunApp::OnServerDisconnect() { Disconnect(); }

void CKestrunApp::Disconnect() {
  if (m_pServer == nullptr) return;
  // The data manager's connectors go with the session: no model may keep
  // pointing at one.
  for (CKestrunDoc* pDoc : GetDocuments()) {
    if (CConnector* pConnector = pDoc->GetConnector()) pConnector->m_pServerConnector = nullptr;
  }
  CDataManager::InitInstance()->Disconnect(FALSE);
  m_pServer = nullptr;
}

void CKestrunApp::OnUpdateConnect(CCmdUI* pCmdUI) { pCmdUI->Enable(!IsConnected()); }

void CKestrunApp::OnUpdateConnected(CCmdUI* pCmdUI) { pCmdUI->Enable(IsConnected()); }

void CKestrunApp::SetStatusText(const CString& text) const {
  if (CMainFrame* pFrame = GetMainFrame()) pFrame->SetStatusText(text);
}

// --- Documents ------------------------------------------------------------------------

std::vector<CKestrunDoc*> CKestrunApp::GetDocuments() const {
  std::vector<CKestrunDoc*> docs;
  if (m_pDocTemplate == nullptr) return docs;
  for (POSITION pos = m_pDocTemplate->GetFirstDocPosition(); pos != nullptr;) {
    if (auto* pDoc = DYNAMIC_DOWNCAST(CKestrunDoc, m_pDocTemplate->GetNextDoc(pos))) docs.push_back(pDoc);
  }
  return docs;
}

CKestrunDoc* CKestrunApp::FindConnectorDocument(const CString& name, int typeCode) const {
  for (CKestrunDoc* pDoc : GetDocuments()) {
    const CConnector* pConnector = pDoc->GetConnector();
    if (pConnector != nullptr && pConnector->m_nType == typeCode && pConnector->m_strName.CompareNoCase(name) == 0)
      return pDoc;
  }
  return nullptr;
}

CKestrunDoc* CKestrunApp::OpenConnectorWindow(std::unique_ptr<CConnector> pConnector) {
  if (pConnector == nullptr || m_pDocTemplate == nullptr) return nullptr;
  if (CKestrunDoc* pOpen = FindConnectorDocument(pConnector->m_strName, pConnector->m_nType)) {
    XUMfc::ActivateRestored(pOpen->GetChildFrame());
    return pOpen;
  }
  auto* pDoc = DYNAMIC_DOWNCAST(CKestrunDoc, m_pDocTemplate->CreateNewDocument());
  if (pDoc == nullptr) return nullptr;
  pDoc->SetConnector(std::move(pConnector));
  CFrameWnd* pFrame = m_pDocTemplate->CreateNewFrame(pDoc, nullptr);
  auto* pChild = DYNAMIC_DOWNCAST(CChildFrame, pFrame);
  if (pChild == nullptr) {
    // The document goes with the frame that failed, or here when none was made.
    if (pFrame == nullptr) delete pDoc;
    return nullptr;
  }
  m_pDocTemplate->InitialUpdateFrame(pChild, pDoc, TRUE);
  pChild->UpdateWindow();
  pChild->SetupTabs(pDoc);
  return pDoc;
}
