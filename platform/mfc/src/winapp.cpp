// The application object: its names, start-up and shut-down, the message
// pump's idle work, help requests and message boxes.
#include <mutex>
#include <string>
#include <vector>

#include <windows.h>

#include "afxres.h"
#include "mfc/cmdline.h"
#include "mfc/docmanager.h"
#include "mfc/exception.h"
#include "mfc/handlemap.h"
#include "mfc/modulestate.h"
#include "mfc/recentfiles.h"
#include "mfc/winapp.h"
#include "winthread_state.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
  ON_COMMAND(ID_HELP, OnHelp)
  ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
  ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {

std::mutex g_helpMutex;
std::vector<AFX_HELP_REQUEST> g_helpRequests;

int ReportThroughApp(LPCTSTR lpszText, UINT nType) { return AfxMessageBox(lpszText, nType); }

// The program's name without folder and extension.
CString ExeName(const std::string& programPath) {
  std::string name = programPath;
  const size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return CString(name.c_str());
}

}  // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName) {
  if (lpszAppName != nullptr) {
    m_strAppName = lpszAppName;
    m_pszAppName = m_strAppName;
  }
  AFX_MODULE_STATE* state = AfxGetAppModuleState();
  state->m_pCurrentWinApp = this;
  state->m_lpszCurrentAppName = m_pszAppName;
  AfxGetThreadState()->m_pCurrentWinThread = this;
  m_hThread = nullptr;
  m_nThreadID = ::GetCurrentThreadId();
  m_bAutoDelete = FALSE;
  AfxSetReportErrorHook(&ReportThroughApp);
}

CWinApp::~CWinApp() {
  FreePrinterSelection();
  AFX_MODULE_STATE* state = AfxGetAppModuleState();
  if (state->m_pCurrentWinApp == this) {
    state->m_pCurrentWinApp = nullptr;
    state->m_lpszCurrentAppName = nullptr;
    state->m_hCurrentInstanceHandle = nullptr;
    state->m_hCurrentResourceHandle = nullptr;
    AfxSetReportErrorHook(nullptr);
  }
}

void CWinApp::SetNames() {
  const std::string program = m_arguments.empty() ? std::string() : m_arguments.front();
  if (m_pszExeName == nullptr) {
    m_strExeName = ExeName(program);
    if (m_strExeName.IsEmpty()) m_strExeName = "app";
    m_pszExeName = m_strExeName;
  }
  if (m_pszAppName == nullptr) {
    // The application's title string, else the program's name.
    if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE)) m_strAppName = m_pszExeName;
    m_pszAppName = m_strAppName;
  }
  AfxGetAppModuleState()->m_lpszCurrentAppName = m_pszAppName;
  if (m_pszHelpFilePath == nullptr) {
    m_strHelpFilePath = CString(m_pszExeName) + ".HLP";
    m_pszHelpFilePath = m_strHelpFilePath;
  }
  if (m_pszProfileName == nullptr) {
    m_strProfileName = CString(m_pszExeName) + ".INI";
    m_pszProfileName = m_strProfileName;
  }
}

BOOL AfxWinInitArgs(const std::vector<std::string>& arguments, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  HINSTANCE hInstance = GetModuleHandle(nullptr);
  AFX_MODULE_STATE* state = AfxGetAppModuleState();
  state->m_hCurrentInstanceHandle = hInstance;
  if (state->m_hCurrentResourceHandle == nullptr) state->m_hCurrentResourceHandle = hInstance;
  if (pApp == nullptr) return TRUE;
  pApp->m_hInstance = hInstance;
  pApp->m_nCmdShow = nCmdShow;
  pApp->m_arguments = arguments;
  std::vector<std::string> rest;
  if (arguments.size() > 1) rest.assign(arguments.begin() + 1, arguments.end());
  pApp->m_strCmdLine = win32::JoinCommandLine(rest).c_str();
  pApp->m_lpCmdLine = pApp->m_strCmdLine.GetBuffer(0);
  pApp->SetNames();
  return TRUE;
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
  std::vector<std::string> arguments;
  const int argc = win32::GetArgc();
  arguments.emplace_back(argc > 0 && win32::GetArgv() != nullptr ? win32::GetArgv()[0] : "");
  if (lpCmdLine != nullptr) {
    for (std::string& argument : win32::SplitCommandLine(lpCmdLine)) arguments.push_back(std::move(argument));
  } else {
    for (int i = 1; i < argc; ++i) arguments.emplace_back(win32::GetArgv()[i]);
  }
  if (!AfxWinInitArgs(arguments, nCmdShow)) return FALSE;
  if (CWinApp* pApp = AfxGetApp()) {
    if (hInstance != nullptr) pApp->m_hInstance = hInstance;
    pApp->m_hPrevInstance = hPrevInstance;
  }
  if (hInstance != nullptr) AfxGetAppModuleState()->m_hCurrentInstanceHandle = hInstance;
  return TRUE;
}

namespace {

int RunApp() {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr || !pApp->InitApplication()) return -1;
  if (!pApp->InitInstance()) {
    // A main window made before the failure goes too.
    if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr) pApp->m_pMainWnd->DestroyWindow();
    return pApp->ExitInstance();
  }
  return pApp->Run();
}

}  // namespace

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
  if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) return -1;
  const int result = RunApp();
  AfxWinTerm();
  return result;
}

int AfxRunApplication(const std::vector<std::string>& arguments, int nCmdShow) {
  if (!AfxWinInitArgs(arguments, nCmdShow)) return -1;
  const int result = RunApp();
  AfxWinTerm();
  return result;
}

void AfxWinTerm() {
  if (CWinApp* pApp = AfxGetApp()) {
    if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr) pApp->m_pMainWnd->DestroyWindow();
    pApp->m_pMainWnd = nullptr;
  }
  AfxLockTempMaps();
  AfxUnlockTempMaps(TRUE);
  // Messages left for the windows that are gone would reach the next
  // application's pump.
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

CWnd* AfxGetMainWnd() {
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

LPCTSTR AfxGetAppName() {
  LPCTSTR name = AfxGetModuleState()->m_lpszCurrentAppName;
  return name != nullptr ? name : "";
}

BOOL CWinApp::InitApplication() {
  if (m_pszExeName == nullptr) SetNames();
  return TRUE;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
  SaveStdProfileSettings();
  return static_cast<int>(m_msgCur.wParam);
}

int CWinApp::Run() {
  // Nothing to show: the application ends at once.
  if (m_pMainWnd == nullptr) ::PostQuitMessage(0);
  return CWinThread::Run();
}

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg) { return AfxReportWndProcException(e, pMsg); }

void CWinApp::OnAppExit() {
  if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr) {
    m_pMainWnd->SendMessage(WM_CLOSE);
  } else {
    ::PostQuitMessage(0);
  }
}

void CWinApp::OnHelp() { WinHelp(0, HELP_FINDER); }

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  std::lock_guard lock(g_helpMutex);
  g_helpRequests.push_back({CString(m_pszHelpFilePath), dwData, nCmd});
}

std::vector<AFX_HELP_REQUEST> AfxGetHelpRequests() {
  std::lock_guard lock(g_helpMutex);
  return g_helpRequests;
}

void AfxClearHelpRequests() {
  std::lock_guard lock(g_helpMutex);
  g_helpRequests.clear();
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  if (CWinApp* pApp = AfxGetApp()) pApp->WinHelp(dwData, nCmd);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
  return ::LoadCursor(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCE(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursor(nullptr, lpszCursorName); }
HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const {
  return ::LoadIcon(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIcon(nullptr, lpszIconName); }

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
  if (m_arguments.empty()) {
    afx::ParseCommandLine(rCmdInfo);
  } else {
    afx::ParseCommandLine(rCmdInfo, m_arguments);
  }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
  switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNothing:
      return TRUE;
    case CCommandLineInfo::FileNew:
      // Whoever handles File New makes the main window.
      OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr);
      return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    default:
      return FALSE;
  }
}
