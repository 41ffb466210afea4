// The generation wizard: its pages, the agent session, the profile book and
// the close. The generated text's file is written by GeneratedFile.cpp, the
// book's file and registry by ProfileBook.cpp.
#include "GenerateWizard.h"

#include <afxdlgs.h>

#include <Constants.h>
#include <DataManager.h>
#include <HLDOMDoc.h>
#include <sec/secreg.h>

#include <algorithm>

#include "BOImpExp.h"
#include "DlgStep1.h"
#include "DlgStep2.h"
#include "DlgStep3.h"
#include "DlgStep4.h"
#include "DlgStep5.h"
#include "DlgStep6.h"
#include "GeneratedFile.h"
#include "OrvexApp.h"
#include "ProfileBook.h"

IMPLEMENT_DYNAMIC(CGenerateWizard, CWizard)

BEGIN_MESSAGE_MAP(CGenerateWizard, CWizard)
  ON_MESSAGE(WM_HV_WIZARD_CLOSE, OnCloseWizard)
  ON_MESSAGE(WM_AGENT_STATUS_WARNING, OnAgentStatusWarning)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {

constexpr const char* kCaption = "ZTA Wizard";
constexpr const char* kWarningCaption = "ZTA warning";
constexpr const char* kNoXml = "Unable to initialize XML lib";
constexpr const char* kCannotQuery = "Cannot query agent.";
constexpr const char* kWaitText = "Please wait...";

// The connection watch: a first look soon after the connect, then one
// every eight seconds or so.
constexpr DWORD kFirstPollMs = 53;
constexpr DWORD kPollIntervalMs = 8268;
constexpr DWORD kPollSettleMs = 53;

// The pause before a closing wizard goes, so that the message that closed
// it is through.
constexpr DWORD kCloseDelayMs = 50;

constexpr int kAgentState = HvStateNew;

// Save to file.
constexpr const char* kTextExtension = ".txt";
constexpr const char* kTextFilter = "Text files (*.in)|*.in|*.txt|*.txt|All files (*.*)|*.*||";
constexpr const char* kSaveTitle = "Save Business Objects to File";
constexpr const char* kCannotWrite = "The business objects could not be written: %s";

// The agent calls that run as tasks.
UINT TerminateTask(void* pArg) {
  if (auto* pAgent = static_cast<CQRBDKAgent*>(pArg)) pAgent->Terminate();
  return 0;
}

UINT ConnectTask(void* pArg) { return static_cast<UINT>(static_cast<CQRBDKAgent*>(pArg)->Init()); }

struct PropertiesRequest {
  CQRBDKAgent* pAgent;
  AgentPropArray** ppProperties;
};

UINT ReadPropertiesTask(void* pArg) {
  const auto* pRequest = static_cast<PropertiesRequest*>(pArg);
  return static_cast<UINT>(pRequest->pAgent->GetAgentProperties(1, pRequest->ppProperties));
}

CString TaskText(const char* prefix, const CString& name, const char* suffix) {
  return CString(prefix) + name + suffix;
}

}  // namespace

// What the watch thread works with; the wizard keeps it while the thread
// runs.
struct CGenerateWizard::Watch {
  std::unique_ptr<CWinThread> pThread;
  CQRBDKAgent* pAgent = nullptr;
  HWND hWizard = nullptr;
  HANDLE hStop = nullptr;
};

CGenerateWizard::CGenerateWizard(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CWizard(pszCaption, pParentWnd, iSelectPage) {
  CGenerateWizard::Init();
}

CGenerateWizard::~CGenerateWizard() {
  StopStatusPoll();
  m_pMessageWnd.reset();
  // The pages go before the agent whose listener step 5 hears.
  if (m_hWnd != nullptr) DestroyWindow();
  DeletePages();
}

void CGenerateWizard::Init() {
  CWizard::Init();
  m_pWatch.reset();
  m_pImpExp = std::make_unique<CBOImpExp>();
  m_generatedText.reset();
  m_nCurrentStep = 0;
  m_pAgent.reset();
  m_pAgentProps = nullptr;
  if (!HLDOMDocBase::InitializeXml()) {
    AfxMessageBox(kNoXml, MB_OK);
    return;
  }
  m_pages.push_back(std::make_unique<CDlgStep1>());
  m_pages.push_back(std::make_unique<CDlgStep2>());
  m_pages.push_back(std::make_unique<CDlgStep3>());
  m_pages.push_back(std::make_unique<CDlgStep4>());
  m_pages.push_back(std::make_unique<CDlgStep5>());
  m_pages.push_back(std::make_unique<CDlgStep6>());
  std::vector<CWzDialog*> pages;
  for (const auto& page : m_pages) pages.push_back(page.get());
  AddPages(pages.data(), static_cast<int>(pages.size()));
  m_pMessageWnd = std::make_unique<CMessageWnd>(this);
  m_bSaveToServer = FALSE;
  m_bSaveToFile = FALSE;
  m_bBookModified = FALSE;
  m_pApp = GetOrvexApp();
}

int CGenerateWizard::GetCurrentStep() { return m_nCurrentStep; }

void CGenerateWizard::SetCurrentStep(int nStep) { m_nCurrentStep = nStep; }

CDlgStep3* CGenerateWizard::GetSourceStep() const { return DYNAMIC_DOWNCAST(CDlgStep3, GetPage(2)); }
CDlgStep4* CGenerateWizard::GetReviewStep() const { return DYNAMIC_DOWNCAST(CDlgStep4, GetPage(3)); }

CString CGenerateWizard::GetReceiverName() { return m_pAgent ? CString(m_pAgent->name(0)) : CString(); }

void CGenerateWizard::SetSaveChoices(BOOL bToServer, BOOL bToFile, BOOL bOpenInWindows) {
  m_bSaveToServer = bToServer;
  m_bSaveToFile = bToFile;
  m_bOpenInWindows = bOpenInWindows;
}

void CGenerateWizard::SetGeneratedText(LPCTSTR lpszText) {
  if (lpszText != nullptr)
    m_generatedText = CString(lpszText);
  else
    m_generatedText.reset();
}

// --- The agent session ------------------------------------------------------------

CString CGenerateWizard::AgentErrorText(int nCode) const {
  const CString name = m_pAgent ? CString(m_pAgent->name(0)) : CString();
  if (nCode == BDK_SEE_MESSAGE) {
    const CString message = m_pAgent ? m_pAgent->GetLastErrorMessage() : CString();
    return message.IsEmpty() ? g_agentErrors.GetMessage(BDK_UNKNOWN_ERROR) : message;
  }
  CString text = g_agentErrors.GetMessage(static_cast<DWORD>(nCode)) + " ";
  switch (nCode) {
    case 1:
    case 2:
    case 3:
    case 7:
      return text + name;
    case 4:
      return text + "for " + name;
    default:
      return text + "while connecting to agent " + name;
  }
}

void CGenerateWizard::ReportAgentError(CWnd* pOwner, int nCode) const {
  ::MessageBox(pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr, AgentErrorText(nCode), kCaption,
               MB_OK | MB_ICONSTOP);
}

void CGenerateWizard::DeleteAgent() {
  m_pAgentProps = nullptr;
  m_pAgent.reset();
}

int CGenerateWizard::ConnectAgent(CWzDialog& page, const CString& name) {
  if (m_pAgent) {
    StopStatusPoll();
    const CString previous = m_pAgent->name(0);
    page.RunTask(TerminateTask, m_pAgent.get(),
                 TaskText("Disconnecting from and terminating agent \"", previous, ".\" Please wait..."), true);
    DeleteAgent();
  }
  m_pAgent = std::make_unique<CQRBDKAgent>(name, nullptr, kAgentState);
  const CString connecting = TaskText("Connecting to \"", name, ".\" Please wait...");
  if (const UINT nResult = page.RunTask(ConnectTask, m_pAgent.get(), connecting)) {
    ReportAgentError(&page, static_cast<int>(nResult));
    DeleteAgent();
    return -1;
  }
  PropertiesRequest request{m_pAgent.get(), &m_pAgentProps};
  const CString reading = TaskText("Retrieving agent properties for \"", name, ".\" Please wait...");
  if (const UINT nResult = page.RunTask(ReadPropertiesTask, &request, reading)) {
    ReportAgentError(&page, static_cast<int>(nResult));
    return -1;
  }
  if (m_pAgentProps == nullptr) {
    page.MessageBox(kCannotQuery, nullptr, MB_OK);
    return -1;
  }
  StartStatusPoll();
  return 0;
}

bool CGenerateWizard::StartStatusPoll() {
  if (!m_pAgent) return false;
  m_pAgent->SetNotificationTarget(this);
  if (m_pWatch) return false;
  auto watch = std::make_unique<Watch>();
  watch->pAgent = m_pAgent.get();
  watch->hWizard = m_hWnd;
  watch->hStop = m_evStop.m_hObject;
  m_evStop.ResetEvent();
  CWinThread* pThread = AfxBeginThread(StatusPollThread, watch.get(), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  if (pThread == nullptr) return false;
  pThread->m_bAutoDelete = FALSE;
  watch->pThread.reset(pThread);
  m_pWatch = std::move(watch);
  pThread->ResumeThread();
  return true;
}

// The stop event ends the thread's waits; the thread is then waited for,
// so that no status call overlaps what comes next.
void CGenerateWizard::StopStatusPoll() {
  if (!m_pWatch) return;
  m_evStop.SetEvent();
  ::WaitForSingleObject(m_pWatch->pThread->m_hThread, INFINITE);
  m_pWatch.reset();
  m_evStop.ResetEvent();
}

UINT CGenerateWizard::StatusPollThread(LPVOID pParam) {
  const auto* pWatch = static_cast<Watch*>(pParam);
  auto stopped = [pWatch](DWORD ms) { return ::WaitForSingleObject(pWatch->hStop, ms) == WAIT_OBJECT_0; };
  if (stopped(kFirstPollMs)) return 0;
  for (;;) {
    if (pWatch->pAgent->GetConnectionStatus() != BDK_OK) {
      ::PostMessage(pWatch->hWizard, WM_AGENT_STATUS_WARNING, 0, 0);
      return 0;
    }
    if (stopped(kPollIntervalMs) || stopped(kPollSettleMs)) return 0;
  }
}

LRESULT CGenerateWizard::OnAgentStatusWarning(WPARAM, LPARAM) {
  CString text;
  text.Format(g_agentErrors.GetMessage(BDK_CONNECTION_LOST), static_cast<LPCTSTR>(GetReceiverName()));
  MessageBox(text, kWarningCaption, MB_OK | MB_ICONEXCLAMATION);
  return 0;
}

// --- The profile book -------------------------------------------------------------

std::vector<std::unique_ptr<AgentProfile>>::iterator CGenerateWizard::Find(LPCTSTR lpszName) {
  return std::find_if(m_profiles.begin(), m_profiles.end(),
                      [lpszName](const auto& profile) { return profile->m_strName == lpszName; });
}

AgentPropArray* CGenerateWizard::FindProfile(LPCTSTR lpszName) {
  const auto it = Find(lpszName);
  return it != m_profiles.end() ? &(*it)->m_props : nullptr;
}

int CGenerateWizard::StoreProfile(LPCTSTR lpszName, const AgentPropArray& properties) {
  if (AgentPropArray* pKnown = FindProfile(lpszName)) {
    *pKnown = properties;
    return 1;
  }
  m_profiles.push_back(std::make_unique<AgentProfile>(lpszName, properties));
  return 0;
}

int CGenerateWizard::RemoveProfile(LPCTSTR lpszName) {
  const auto it = Find(lpszName);
  if (it == m_profiles.end()) return 0;
  m_profiles.erase(it);
  return 1;
}

CStringArray* CGenerateWizard::GetProfileNames() const {
  auto* pNames = new CStringArray;
  for (const auto& profile : m_profiles) pNames->Add(profile->m_strName);
  return pNames;
}

int CGenerateWizard::SaveProfileBook(LPCTSTR lpszSubkey) {
  if (GetCurrentStep() == 0) return kBookNotStarted;
  const CString text = profilebook::BookText(m_profiles);
  SECRegistry registry;
  if (const int failure = profilebook::OpenSettingsKey(registry, lpszSubkey)) return failure;
  CString path;
  registry.GetStringValue(profilebook::kPathValue, path);
  if (!SetAsideUnreadableBook(path) || !profilebook::WriteBook(path, text)) return kBookNoFile;
  return kBookSaved;
}

BOOL CGenerateWizard::SetAsideUnreadableBook(const CString& path) {
  if (m_strUnreadableBook.IsEmpty() || m_strUnreadableBook != path) return TRUE;
  if (::GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES && !::MoveFile(path, profilebook::KeptName(path)))
    return FALSE;
  m_strUnreadableBook.Empty();
  return TRUE;
}

void CGenerateWizard::SaveProfileBookIfModified(LPCTSTR lpszSubkey) {
  if (m_bBookModified && SaveProfileBook(lpszSubkey) == kBookSaved) m_bBookModified = FALSE;
}

// --- Closing ----------------------------------------------------------------------

// The close box asks the page shown as Cancel would.
void CGenerateWizard::OnClose() {
  CPropertyPage* pPage = GetActivePage();
  if (m_bClosing || (pPage != nullptr && !pPage->OnQueryCancel())) return;
  m_bClosing = TRUE;
  PostMessage(WM_HV_WIZARD_CLOSE, WIZARD_CANCELLED, 0);
}

LRESULT CGenerateWizard::OnCloseWizard(WPARAM wParam, LPARAM) {
  m_nCloseReason = wParam;
  CloseWizard();
  return 0;
}

void CGenerateWizard::DeletePages() {
  while (GetPageCount() > 0) RemovePage(0);
  m_pages.clear();
}

void CGenerateWizard::CloseWizard() {
  ::Sleep(kCloseDelayMs);
  DetachButtons();
  DestroyWindow();
  DeletePages();
  StopStatusPoll();
  const bool bDisconnect = m_pAgent != nullptr;
  if (bDisconnect) {
    m_pMessageWnd->SetParentWnd(AfxGetMainWnd());
    CMessageTask* pTask = m_pMessageWnd->AddTask(TerminateTask, m_pAgent.get());
    pTask->SetTitle(kCaption);
    pTask->SetText(TaskText("Disconnecting from agent \"", m_pAgent->name(0), ".\"  Please wait..."));
    m_pMessageWnd->Start(kWaitText);
  }
  SaveProfileBookIfModified(kAgentProfilesKey);
  if (m_nCloseReason != WIZARD_CANCELLED) {
    CommitGenerated();
    SaveGenerated();
  }
  if (bDisconnect) m_pMessageWnd->Join(INFINITE, false, false, true);
  m_pMessageWnd.reset();
  CWizard::CloseWizard();
}

int CGenerateWizard::ParseGenerated() {
  m_pImpExp = std::make_unique<CBOImpExp>();
  return m_generatedText ? m_pImpExp->ParseText(*m_generatedText) : 0;
}

// Only the last step's choice sends the definitions to the server
// (SaveGenerated), so the commit itself saves nothing.
void CGenerateWizard::CommitGenerated() {
  if (m_generatedText) m_pImpExp->CommitImport(m_bOpenInWindows, FALSE);
}

// A file that cannot be written is reported: the definitions it was to
// hold are in the session still, and may be saved again from there.
int CGenerateWizard::SaveGenerated() {
  int nResult = 0;
  if (m_bSaveToFile) {
    CFileDialog dlg(FALSE, kTextExtension, nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_SHOWHELP, kTextFilter,
                    AfxGetMainWnd());
    dlg.m_ofn.lpstrTitle = kSaveTitle;
    if (dlg.DoModal() != IDOK) {
      nResult |= kFileCancelled;
    } else if (CString error;
               !WriteGeneratedText(dlg.GetPathName(), m_generatedText ? *m_generatedText : CString(), error)) {
      nResult |= kFileNotWritten;
      CString message;
      message.Format(kCannotWrite, static_cast<LPCTSTR>(error));
      AfxMessageBox(message, MB_OK | MB_ICONSTOP);
    }
  }
  if (m_pApp == nullptr || !m_pApp->IsConnected() || !m_bSaveToServer) return nResult | kNotToServer;
  CDataManager* pDM = CDataManager::InitInstance();
  const CStringArray& names = m_pImpExp->GetImportedNames();
  for (INT_PTR i = 0; i < names.GetSize(); ++i)
    if (CQRBusObjDef* pDef = pDM->GetBO(names[i], 1, 1)) m_pApp->SaveToServer(pDef);
  return nResult;
}
