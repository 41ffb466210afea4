#include "DlgStep5.h"

#include <Constants.h>
#include <DefMessageBox.h>

#include <memory>

#include "BOPropDlg.h"
#include "DlgStep4.h"
#include "GenerateWizard.h"
#include "GeneratedFile.h"
#include "wizard_resource.h"

IMPLEMENT_DYNAMIC(CDlgStep5, CWzDialog)

BEGIN_MESSAGE_MAP(CDlgStep5, CWzDialog)
  ON_MESSAGE(WM_BDK_PROPERTIES_REQUEST, OnPropertiesRequest)
  ON_MESSAGE(WM_BDK_NOTIFICATION, OnAgentNotification)
  ON_MESSAGE(WM_BDK_STATUS, OnAgentStatus)
  ON_MESSAGE(WM_BDK_GENERATED_TEXT, OnGeneratedText)
  ON_MESSAGE(WM_GENERATE_NOW, OnGenerateNow)
  ON_MESSAGE(WM_AGENT_IDLE, OnAgentIdle)
  ON_MESSAGE(WM_BDK_INFORMATION_REQUEST, OnInformationRequest)
  ON_MESSAGE(WM_BDK_CONTENT, OnContentNotice)
  ON_MESSAGE(WM_BDK_STOPPED, OnAgentStopped)
  ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

constexpr const char* kCaption = "ZTA Wizard";
constexpr const char* kNextText = "&Next >";
constexpr const char* kGenerateText = "&Generate";
constexpr const char* kGenerating = "Generating business objects...";
constexpr const char* kObtaining = "Obtaining business object specific information...";
constexpr const char* kDone = "Done.";
constexpr const char* kStopped = "Stopped.";
constexpr const char* kTimedOut = "Agent timed out.";
constexpr const char* kFatal = "A fatal error has occurred.\n\n";
constexpr const char* kExitAfterRequest = "\r\n\r\n Press \"Ok\" to exit the ZTA Wizard.";
constexpr const char* kExitAfterCheck = ".\r\nPress \"Ok\" to exit the ZTA Wizard.";
constexpr const char* kIdleQuestion = "There was no response from the agent in the last %lu seconds. Continue waiting?";
constexpr const char* kIdleCheck =
    "I'm confident the agent will eventually respond. Don't ask me again during this session.";
constexpr const char* kIdleCaption = "Agent is idle";
constexpr UINT kIdleOptions = MB_YESNO | MB_ICONQUESTION;
constexpr const char* kFilesNotWritten = "These generated files could not be written:\n";
// The message of a content the agent announced but did not hand over.
constexpr int kContentNotRetrieved = 10;

// What the agent hands over, as its messages name it.
const char* ContentName(int nType) { return nType == ZTK::CONTENT_FILES ? "file" : "business object"; }

// The agent's code as its message, the content type or the agent's name
// filling the message's blank.
CString ResultText(const CQRBDKAgent& agent, int nCode, int nType) {
  if (nCode == BDK_SEE_MESSAGE) {
    const CString message = agent.GetLastErrorMessage();
    if (!message.IsEmpty()) return message;
    nCode = BDK_UNKNOWN_ERROR;
  }
  CString text;
  text.Format(g_agentErrors.GetMessage(static_cast<DWORD>(nCode)),
              nCode == BDK_CONNECTION_LOST ? static_cast<LPCTSTR>(agent.name(0)) : ContentName(nType));
  return text;
}

CString TextOf(const BYTE* pBytes, long nLength) {
  return nLength > 0 ? CString(reinterpret_cast<const char*>(pBytes), static_cast<int>(nLength)) : CString();
}

// A name the agent gives a file must not lead out of the destination.
bool IsPlainFileName(const CString& name) {
  return !name.IsEmpty() && name != "." && name != ".." && name.FindOneOf("/\\") < 0;
}

}  // namespace

CDlgStep5::CDlgStep5() : CWzDialog(IDD_WIZARD_STEP5) {}

void CDlgStep5::DoDataExchange(CDataExchange* pDX) {
  CWzDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_GENERATE_CLIP, m_animation);
}

BOOL CDlgStep5::OnInitDialog() {
  CWzDialog::OnInitDialog();
  m_animation.ModifyStyle(0, ACS_CENTER | ACS_TRANSPARENT);
  m_animation.Open(IDR_GENERATE_CLIP);
  return TRUE;
}

void CDlgStep5::InitSizing() {
  CWzDialog::InitSizing();
  m_sizing.Add(CControlSizingDefinition(&m_animation, 0));
  m_sizing.Add(CControlSizingDefinition(GetDlgItem(IDC_GENERATE_STATUS), HLSIZE_ANCHOR_LEFT | HLSIZE_ANCHOR_RIGHT));
}

bool CDlgStep5::IsWaiting() const { return !m_bAbandoned && m_pSheet != nullptr && m_pSheet->GetActivePage() == this; }

CQRBDKAgent* CDlgStep5::Agent() const {
  const CGenerateWizard* pWizard = GetWizard();
  return pWizard != nullptr ? pWizard->GetAgent() : nullptr;
}

// Every arrival generates anew, from the agent connected now.
BOOL CDlgStep5::OnSetActive() {
  if (CQRBDKAgent* pAgent = Agent()) {
    pAgent->GetListener().SetEventHandler(m_hWnd);
    pAgent->SetNotificationTarget(this);
  }
  if (CButton* pNext = m_pSheet->FindButton(ID_PSNEXT)) pNext->SetWindowText(kGenerateText);
  m_bGenerateOnNext = true;
  m_bAbandoned = false;
  PostMessage(WM_GENERATE_NOW);
  m_pSheet->EnableButton(ID_PSNEXT, FALSE);
  m_pSheet->EnableButton(ID_PSBACK, FALSE);
  return CWzDialog::OnSetActive();
}

BOOL CDlgStep5::OnKillActive() {
  if (CQRBDKAgent* pAgent = Agent()) pAgent->SetNotificationTarget(GetWizard());
  StopIdleTimer();
  return CWzDialog::OnKillActive();
}

LRESULT CDlgStep5::OnWizardBack() {
  if (CButton* pNext = m_pSheet->FindButton(ID_PSNEXT)) pNext->SetWindowText(kNextText);
  m_pSheet->EnableButton(ID_PSNEXT, TRUE);
  return 0;
}

LRESULT CDlgStep5::OnGenerateNow(WPARAM, LPARAM) {
  OnWizardNext();
  return 0;
}

LRESULT CDlgStep5::OnWizardNext() {
  ::Sleep(50);
  if (!m_bGenerateOnNext) {
    MarkStepDone();
    return 0;
  }
  // Once per arrival, also when a notice presses Next during the request.
  m_bGenerateOnNext = false;
  Generate();
  return -1;
}

void CDlgStep5::Generate() {
  CQRBDKAgent* pAgent = Agent();
  if (pAgent == nullptr) return;
  CStringArray names;
  names.Copy(GetWizard()->GetReviewStep()->GetNames());
  SetStatus(kGenerating);
  m_animation.Play(0, static_cast<UINT>(-1), static_cast<UINT>(-1));
  StartIdleTimer();
  int nResult = BDK_OK;
  int nFailedType = ZTK::CONTENT_BODEFS;
  if (pAgent->GetVersion() != ZTK::ZTK_VERSION_2) {
    nResult = pAgent->GenerateSpecs(names);
  } else if (const CQRBDKAgentMetaData* pMeta = pAgent->GetMetaData()) {
    for (int nType : pMeta->GetContentTypes()) {
      if (pMeta->GetContentProtocol(nType) != ZTK::CONTENT_PROTOCOL_ONREQUEST) continue;
      if (const int nCode = pAgent->RequestContent(nType, names)) {
        nResult = nCode;
        nFailedType = nType;
      }
    }
  }
  if (nResult != BDK_OK) Abandon(ResultText(*pAgent, nResult, nFailedType), kExitAfterRequest);
}

// The notices of the requests that did go out are not taken while the
// report is shown, nor after it.
void CDlgStep5::Abandon(const CString& text, const char* suffix) {
  m_bAbandoned = true;
  StopIdleTimer();
  MessageBox(text + suffix, kCaption, MB_OK | MB_ICONSTOP);
  Stopped(kStopped);
  m_pSheet->PressButton(PSBTN_CANCEL);
}

void CDlgStep5::Stopped(const char* status) {
  SetStatus(status);
  m_animation.Stop();
}

// --- The agent's notices ----------------------------------------------------------

LRESULT CDlgStep5::OnGeneratedText(WPARAM, LPARAM lParam) {
  if (!IsWaiting()) return 0;
  GetWizard()->SetGeneratedText(reinterpret_cast<LPCTSTR>(lParam));
  FinishGeneration();
  return 0;
}

// The definitions of type 0 are kept as the generated text; generation is
// over only when the agent has handed over every type it was asked for.
LRESULT CDlgStep5::OnContentNotice(WPARAM wParam, LPARAM lParam) {
  CQRBDKAgent* pAgent = Agent();
  if (pAgent == nullptr || !IsWaiting()) return 0;
  StopIdleTimer();
  const int nType = static_cast<int>(wParam);
  if (nType == ZTK::CONTENT_BODEFS) {
    CString name;
    BYTE* pBytes = nullptr;
    long nLength = 0;
    const int nCode = pAgent->GetContent(nType, ZTK::GET_ALL_OBJECTS, name, pBytes, nLength);
    const std::unique_ptr<BYTE[]> bytes(pBytes);
    if (nCode != BDK_OK) {
      Abandon(ResultText(*pAgent, kContentNotRetrieved, nType), kExitAfterRequest);
      return 0;
    }
    GetWizard()->SetGeneratedText(TextOf(bytes.get(), nLength));
  } else if (nType == ZTK::CONTENT_FILES) {
    WriteContentFiles(static_cast<int>(lParam & 0xFFFF));
  }
  if (pAgent->CompleteOnAddContent(nType))
    FinishGeneration();
  else
    StartIdleTimer();
  return 0;
}

void CDlgStep5::WriteContentFiles(int nCount) {
  CQRBDKAgent* pAgent = Agent();
  const AgentPropArray* pProps = GetWizard()->GetAgentProperties();
  const AgentProperty* pDestination = pProps != nullptr ? pProps->Find(g_strFileDestination) : nullptr;
  const CString folder = pDestination != nullptr ? pDestination->GetValue() : CString();
  CString failed;
  for (int i = 0; i < nCount; ++i) {
    CString name;
    BYTE* pBytes = nullptr;
    long nLength = 0;
    const int nCode = pAgent->GetContent(ZTK::CONTENT_FILES, i, name, pBytes, nLength);
    const std::unique_ptr<BYTE[]> bytes(pBytes);
    CString error;
    if (nCode == BDK_OK && !folder.IsEmpty() && IsPlainFileName(name) &&
        WriteGeneratedText(folder + "/" + name, TextOf(bytes.get(), nLength), error))
      continue;
    failed += "\n" + (name.IsEmpty() ? CString("?") : name);
  }
  if (!failed.IsEmpty()) MessageBox(kFilesNotWritten + failed, kCaption, MB_OK | MB_ICONEXCLAMATION);
}

void CDlgStep5::FinishGeneration() {
  StopIdleTimer();
  if (CButton* pNext = m_pSheet->FindButton(ID_PSNEXT)) pNext->SetWindowText(kNextText);
  SetStatus(kDone);
  MarkStepDone();
  m_animation.Stop();
  // The sheet presses only a button that can be pressed.
  m_pSheet->EnableButton(ID_PSNEXT, TRUE);
  m_pSheet->PressButton(PSBTN_NEXT);
}

// The agent asks for business-object specific values: the user fills the
// properties its listener holds.
LRESULT CDlgStep5::OnPropertiesRequest(WPARAM wParam, LPARAM lParam) {
  CQRBDKAgent* pAgent = Agent();
  if (pAgent == nullptr) return 0;
  StopIdleTimer();
  const CString previous = SetStatus(kObtaining);
  CBOPropDlg dlg(this);
  dlg.m_strCaptionSuffix = reinterpret_cast<LPCTSTR>(wParam);
  dlg.m_strText = reinterpret_cast<LPCTSTR>(lParam);
  dlg.SetProperties(&pAgent->GetListener().GetPropArray());
  dlg.DoModal();
  if (!CheckConnection()) return 0;
  SetStatus(previous);
  StartIdleTimer();
  return 0;
}

LRESULT CDlgStep5::OnInformationRequest(WPARAM, LPARAM) {
  StopIdleTimer();
  const CString previous = SetStatus(kObtaining);
  if (!CheckConnection()) return 0;
  SetStatus(previous);
  StartIdleTimer();
  return 0;
}

bool CDlgStep5::CheckConnection() {
  CQRBDKAgent* pAgent = Agent();
  const int nStatus = pAgent != nullptr ? pAgent->GetConnectionStatus() : BDK_NOT_CONNECTED;
  if (nStatus == BDK_OK) return true;
  Abandon(pAgent != nullptr ? ResultText(*pAgent, nStatus, ZTK::CONTENT_BODEFS) : g_agentErrors.GetMessage(nStatus),
          kExitAfterCheck);
  return false;
}

LRESULT CDlgStep5::OnAgentNotification(WPARAM wParam, LPARAM lParam) {
  StopIdleTimer();
  CString text = reinterpret_cast<LPCTSTR>(wParam);
  const auto style = static_cast<UINT>(lParam);
  if (style & MB_ICONHAND) {
    text = kFatal + text;
    Stopped(kStopped);
  }
  const int nAnswer = MessageBox(text, "Agent notification", style);
  if (nAnswer == IDRETRY && (style & MB_OKCANCEL)) m_pSheet->EnableButton(ID_PSBACK, TRUE);
  if (!(style & MB_ICONHAND)) StartIdleTimer();
  return nAnswer;
}

LRESULT CDlgStep5::OnAgentStatus(WPARAM wParam, LPARAM lParam) {
  StopIdleTimer();
  const int nAnswer = MessageBox(reinterpret_cast<LPCTSTR>(wParam), "Agent status", static_cast<UINT>(lParam));
  StartIdleTimer();
  return nAnswer;
}

LRESULT CDlgStep5::OnAgentStopped(WPARAM, LPARAM) {
  StopIdleTimer();
  Stopped(kStopped);
  return 0;
}

// --- The idle watchdog ------------------------------------------------------------

void CDlgStep5::StartIdleTimer() {
  if (IsWaiting()) SetTimer(kIdleTimer, kIdleTimeoutMs, nullptr);
}

void CDlgStep5::StopIdleTimer() {
  if (m_hWnd != nullptr) KillTimer(kIdleTimer);
}

void CDlgStep5::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kIdleTimer)
    SendMessage(WM_AGENT_IDLE);
  else
    CWzDialog::OnTimer(nIDEvent);
}

LRESULT CDlgStep5::OnAgentIdle(WPARAM, LPARAM) {
  StopIdleTimer();
  CString question;
  question.Format(kIdleQuestion, static_cast<unsigned long>(kIdleTimeoutMs / 1000));
  int nDontAsk = 0;
  const int nAnswer = DMessageBox(question, kIdleCheck, kIdleCaption, &nDontAsk, kIdleOptions);
  if (nAnswer != IDYES)
    Stopped(kTimedOut);
  else if (nDontAsk == 0)
    StartIdleTimer();
  return 0;
}

// --- The status line and the agent's brackets ----------------------------------

CString CDlgStep5::SetStatus(const CString& text) {
  const CString previous = GetStatus();
  SetDlgItemText(IDC_GENERATE_STATUS, text);
  return previous;
}

CString CDlgStep5::GetStatus() const {
  CString text;
  GetDlgItemText(IDC_GENERATE_STATUS, text);
  return text;
}

void CDlgStep5::StartMessage(const char*, UINT style) {
  StopIdleTimer();
  m_animation.Stop();
  if (style & MB_ICONHAND) SetStatus(kStopped);
}

void CDlgStep5::EndMessage(int answer, UINT style) {
  if (answer == IDRETRY && (style & MB_OKCANCEL)) m_pSheet->EnableButton(ID_PSBACK, TRUE);
  if (!(style & MB_ICONHAND)) StartIdleTimer();
}

void CDlgStep5::StartStatus(const char*) { StopIdleTimer(); }

void CDlgStep5::EndStatus() { StartIdleTimer(); }

CString CDlgStep5::GetReceiverName() { return GetWizard()->GetReceiverName(); }
