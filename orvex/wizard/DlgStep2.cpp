#include "DlgStep2.h"

#include <Constants.h>

#include "GenerateWizard.h"
#include "wizard_resource.h"

IMPLEMENT_DYNAMIC(CDlgStep2, CWzDialog)

namespace {

constexpr const char* kSending = "Sending agent properties. Please wait...";
constexpr const char* kErrorCaption = "ZTA Error";
constexpr const char* kIncompleteCaption = "Incomplete properties";
constexpr const char* kIncomplete =
    "Some required fields were not filled out. Review the agent properties and provide all required information.";
constexpr const char* kDestinationDescription = "A directory where ZTA generated files, if any, will be stored";
constexpr const char* kDirectoryType = "9";

UINT SendPropertiesTask(void* pArg) { return static_cast<UINT>(static_cast<CQRBDKAgent*>(pArg)->SetAgentProperties()); }

}  // namespace

CDlgStep2::CDlgStep2() : CWzDialog(IDD_WIZARD_STEP2) {}

// The first arrival after a connect shows the agent's properties, with the
// folder for generated files when the agent makes files.
BOOL CDlgStep2::OnSetActive() {
  CWzDialog::OnSetActive();
  m_pSheet->EnableButton(ID_PSBACK, TRUE);
  CGenerateWizard* pWizard = GetWizard();
  AgentPropArray* pProps = pWizard->GetAgentProperties();
  const CQRBDKAgentMetaData* pMeta = pWizard->GetAgent() != nullptr ? pWizard->GetAgent()->GetMetaData() : nullptr;
  if (IsStepPending() && pProps != nullptr && pMeta != nullptr &&
      pMeta->GetContentProtocol(ZTK::CONTENT_FILES) != ZTK::CONTENT_PROTOCOL_NONE &&
      pProps->Find(g_strFileDestination) == nullptr) {
    CStringList folder;
    CString temp;
    ::GetEnvironmentVariable("TEMP", temp.GetBuffer(MAX_PATH), MAX_PATH);
    temp.ReleaseBuffer();
    folder.AddTail(temp);
    pProps->Add(AgentProperty(g_strFileDestination, kDestinationDescription, kDirectoryType, folder, 1, 1, "1"));
  }
  return TRUE;
}

LRESULT CDlgStep2::OnWizardNext() {
  CGenerateWizard* pWizard = GetWizard();
  CQRBDKAgent* pAgent = pWizard->GetAgent();
  AgentPropArray* pProps = pWizard->GetAgentProperties();
  if (pAgent == nullptr || pProps == nullptr) return -1;
  if (const std::unique_ptr<CStringList> pMissing{pProps->GetIncompleteProperties()}) {
    MessageBox(kIncomplete, kIncompleteCaption, MB_OK | MB_ICONSTOP);
    return -1;
  }
  int nResult = BDK_OK;
  if (IsStepPending()) {
    nResult = static_cast<int>(RunTask(SendPropertiesTask, pAgent, kSending));
  } else if (m_pSentProperties == nullptr || *pProps != *m_pSentProperties) {
    // The agent starts its session anew with the changed values; what the
    // later steps made from the old ones is to be made again.
    pAgent->Disconnect();
    nResult = pAgent->SetAgentProperties();
  } else {
    return 0;
  }
  if (nResult != BDK_OK) {
    const CString text = nResult == BDK_PROPERTIES_REFUSED ? g_agentErrors.GetMessage(BDK_PROPERTIES_REFUSED)
                         : nResult == BDK_SEE_MESSAGE      ? pAgent->GetLastErrorMessage()
                                                           : g_agentErrors.GetMessage(BDK_UNKNOWN_ERROR);
    MessageBox(text, kErrorCaption, MB_OK | MB_ICONSTOP);
    return -1;
  }
  m_pSentProperties = std::make_unique<AgentPropArray>(*pProps);
  MarkStepDone();
  return 0;
}
