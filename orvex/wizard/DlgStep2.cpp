#include "DlgStep2.h"

#include <Constants.h>
#include <sec/secreg.h>

#include "GenerateWizard.h"
#include "ProfileBook.h"
#include "wizard_resource.h"

IMPLEMENT_DYNAMIC(CDlgStep2, CWzDialog)

BEGIN_MESSAGE_MAP(CDlgStep2, CWzDialog)
  ON_BN_CLICKED(IDC_PROFILE_SAVE, OnSave)
  ON_BN_CLICKED(IDC_PROFILE_NEW, OnNew)
  ON_BN_CLICKED(IDC_PROFILE_REMOVE, OnRemove)
  ON_CBN_SELCHANGE(IDC_PROFILE_COMBO, OnSelChangeProfile)
  ON_CBN_EDITCHANGE(IDC_PROFILE_COMBO, OnEditChangeProfile)
END_MESSAGE_MAP()

CDlgStep2::CDlgStep2() : CDlgStep2(IDD_WIZARD_STEP2) {}

CDlgStep2::CDlgStep2(UINT nIDTemplate) : CWzDialog(nIDTemplate) {
  // The template's grid needs the grid's window class.
  GXInit();
}

void CDlgStep2::DoDataExchange(CDataExchange* pDX) {
  CWzDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROFILE_COMBO, m_cbProfiles);
}

AgentPropArray* CDlgStep2::GetEditedProperties() {
  CGenerateWizard* pWizard = GetWizard();
  return pWizard != nullptr ? pWizard->GetAgentProperties() : nullptr;
}

BOOL CDlgStep2::OnInitDialog() {
  CWzDialog::OnInitDialog();
  m_wndGrid.SubclassDlgItem(IDC_PROP_GRID, this);
  m_wndGrid.Initialize();
  m_wndGrid.InitColumns();
  LoadProfileBook();
  if (CGenerateWizard* pWizard = GetWizard()) {
    const std::unique_ptr<CStringArray> pNames{pWizard->GetProfileNames()};
    for (INT_PTR i = 0; i < pNames->GetSize(); ++i) m_cbProfiles.AddString(pNames->GetAt(i));
  }
  m_cbProfiles.LimitText(0);
  UpdateButtons();
  return TRUE;
}

CString CDlgStep2::GetBookRegistryKey() { return "Agent Profiles\\"; }

CString CDlgStep2::GetDefaultBookPath(UINT nIDFileName) {
  CString name;
  if (!name.LoadString(nIDFileName)) return CString();
  const CString folder = profilebook::DefaultFolder();
  if (folder.IsEmpty()) return CString();
  const CString path = folder + "/" + name;
  return profilebook::EnsureFile(path) ? path : CString();
}

void CDlgStep2::LoadProfileBook() {
  CGenerateWizard* pWizard = GetWizard();
  SECRegistry registry;
  if (pWizard == nullptr || profilebook::OpenSettingsKey(registry, GetBookRegistryKey()) != 0) return;
  CString path;
  if (!registry.GetStringValue(profilebook::kPathValue, path) || path.IsEmpty()) {
    path = GetDefaultBookPath(IDS_AGENT_PROFILE_BOOK);
    if (path.IsEmpty()) return;
    registry.SetStringValue(profilebook::kPathValue, path);
    // Closing writes the book there; a book another user keeps there is
    // read first, so that it is not written over.
    pWizard->SetBookModified(TRUE);
  }
  CString problem;
  const auto result = profilebook::ReadBook(
      path, [pWizard](const CString& name, const AgentPropArray& props) { pWizard->StoreProfile(name, props); },
      problem);
  if (result == profilebook::ReadResult::kForeign || result == profilebook::ReadResult::kUnreadable)
    pWizard->KeepUnreadableBook(path);
  if (result != profilebook::ReadResult::kUnreadable) return;
  CString message;
  message.Format(
      "The profile book \"%s\" cannot be read (%s).\n\nIts profiles are not shown. The file is kept: before "
      "profiles are saved there, it is renamed to \"%s\".",
      static_cast<LPCTSTR>(path), static_cast<LPCTSTR>(problem), static_cast<LPCTSTR>(profilebook::KeptName(path)));
  AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

CString CDlgStep2::GetProfileName(BOOL bFromSelection) {
  CString name;
  if (!bFromSelection) {
    m_cbProfiles.GetWindowText(name);
  } else if (const int nSel = m_cbProfiles.GetCurSel(); nSel != CB_ERR) {
    m_cbProfiles.GetLBText(nSel, name);
  }
  name.Trim();
  return name;
}

void CDlgStep2::UpdateButtons() {
  const CString text = GetProfileName(FALSE);
  CGenerateWizard* pWizard = GetWizard();
  const BOOL bKnown = !text.IsEmpty() && pWizard != nullptr && pWizard->FindProfile(text) != nullptr;
  const BOOL bSave = bKnown ? text == GetProfileName(TRUE) : !text.IsEmpty();
  GetDlgItem(IDC_PROFILE_SAVE)->EnableWindow(bSave);
  GetDlgItem(IDC_PROFILE_REMOVE)->EnableWindow(bKnown);
}

void CDlgStep2::OnSave() {
  const CString name = GetProfileName(FALSE);
  CGenerateWizard* pWizard = GetWizard();
  AgentPropArray* pProperties = GetEditedProperties();
  if (name.IsEmpty() || pWizard == nullptr || pProperties == nullptr) return;
  m_wndGrid.GetProperties(pProperties);
  // A new profile becomes the selected one, so that it can be saved again.
  if (pWizard->StoreProfile(name, *pProperties) == 0) m_cbProfiles.SetCurSel(m_cbProfiles.AddString(name));
  pWizard->SetBookModified(TRUE);
  UpdateButtons();
}

void CDlgStep2::OnNew() {
  m_cbProfiles.SetWindowText("");
  if (const ROWCOL nRows = m_wndGrid.GetRowCount())
    m_wndGrid.SetValueRange(CGXRange(1, CPropGrid::kValueCol, nRows, CPropGrid::kValueCol), "");
  if (AgentPropArray* pProperties = GetEditedProperties())
    m_wndGrid.SetProperties(pProperties, CPropGrid::kFromDefaults);
  UpdateButtons();
}

int CDlgStep2::FindProfileEntry(const CString& name) const {
  for (int nFrom = -1;;) {
    const int nFound = m_cbProfiles.FindString(nFrom, name);
    if (nFound == CB_ERR || nFound <= nFrom) return CB_ERR;
    CString entry;
    m_cbProfiles.GetLBText(nFound, entry);
    if (entry == name) return nFound;
    nFrom = nFound;
  }
}

void CDlgStep2::OnRemove() {
  const CString name = GetProfileName(FALSE);
  CGenerateWizard* pWizard = GetWizard();
  if (name.IsEmpty() || pWizard == nullptr || !pWizard->RemoveProfile(name)) return;
  if (const int nEntry = FindProfileEntry(name); nEntry != CB_ERR) m_cbProfiles.DeleteString(nEntry);
  pWizard->SetBookModified(TRUE);
}

void CDlgStep2::OnSelChangeProfile() {
  const int nSel = m_cbProfiles.GetCurSel();
  CGenerateWizard* pWizard = GetWizard();
  const AgentPropArray* pProfile = pWizard != nullptr ? pWizard->FindProfile(GetProfileName(TRUE)) : nullptr;
  OnNew();
  m_cbProfiles.SetCurSel(nSel);
  if (pProfile != nullptr) m_wndGrid.SetProperties(pProfile, CPropGrid::kFromCurrent);
  UpdateButtons();
}

void CDlgStep2::OnEditChangeProfile() { UpdateButtons(); }

// --- In the wizard: the agent's properties ------------------------------------------

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

// The first arrival after a connect shows the agent's properties; later
// arrivals keep what the grid shows.
BOOL CDlgStep2::OnSetActive() {
  CWzDialog::OnSetActive();
  m_pSheet->EnableButton(ID_PSBACK, TRUE);
  AgentPropArray* pProperties = GetEditedProperties();
  if (IsStepPending() && pProperties != nullptr) {
    AddFileDestination(*pProperties);
    m_wndGrid.SetProperties(pProperties, CPropGrid::kFromDefaults);
  }
  return TRUE;
}

// Once: an agent reconnected keeps the folder it was given.
void CDlgStep2::AddFileDestination(AgentPropArray& properties) const {
  const CQRBDKAgent* pAgent = GetWizard()->GetAgent();
  const CQRBDKAgentMetaData* pMeta = pAgent != nullptr ? pAgent->GetMetaData() : nullptr;
  if (pMeta == nullptr || pMeta->GetContentProtocol(ZTK::CONTENT_FILES) == ZTK::CONTENT_PROTOCOL_NONE ||
      properties.Find(g_strFileDestination) != nullptr)
    return;
  CString temp;
  ::GetEnvironmentVariable("TEMP", temp.GetBuffer(MAX_PATH), MAX_PATH);
  temp.ReleaseBuffer();
  CStringList folder;
  folder.AddTail(temp);
  properties.Add(AgentProperty(g_strFileDestination, kDestinationDescription, kDirectoryType, folder, 1, 1, "1"));
}

LRESULT CDlgStep2::OnWizardNext() {
  CGenerateWizard* pWizard = GetWizard();
  CQRBDKAgent* pAgent = pWizard->GetAgent();
  AgentPropArray* pProperties = GetEditedProperties();
  if (pAgent == nullptr || pProperties == nullptr) return -1;
  m_wndGrid.GetProperties(pProperties);
  if (const std::unique_ptr<CStringList> pMissing{pProperties->GetIncompleteProperties()}) {
    MessageBox(kIncomplete, kIncompleteCaption, MB_OK | MB_ICONSTOP);
    return -1;
  }
  if (!SendProperties(*pAgent, *pProperties)) return -1;
  pWizard->SaveProfileBookIfModified(CGenerateWizard::kAgentProfilesKey);
  return 0;
}

LRESULT CDlgStep2::OnWizardBack() {
  GetWizard()->SaveProfileBookIfModified(CGenerateWizard::kAgentProfilesKey);
  return 0;
}

// A refusal is shown whether the properties went for the first time or
// again: the page stays either way.
BOOL CDlgStep2::SendProperties(CQRBDKAgent& agent, const AgentPropArray& properties) {
  int nResult = BDK_OK;
  if (IsStepPending()) {
    nResult = static_cast<int>(RunTask(SendPropertiesTask, &agent, kSending));
  } else if (m_pSentProperties == nullptr || properties != *m_pSentProperties) {
    // The agent starts its session anew with the changed values; what the
    // later steps made from the old ones is to be made again.
    agent.Disconnect();
    nResult = agent.SetAgentProperties();
  } else {
    return TRUE;
  }
  if (nResult != BDK_OK) {
    const CString text = nResult == BDK_PROPERTIES_REFUSED ? g_agentErrors.GetMessage(BDK_PROPERTIES_REFUSED)
                         : nResult == BDK_SEE_MESSAGE      ? agent.GetLastErrorMessage()
                                                           : g_agentErrors.GetMessage(BDK_UNKNOWN_ERROR);
    MessageBox(text, kErrorCaption, MB_OK | MB_ICONSTOP);
    return FALSE;
  }
  m_pSentProperties = std::make_unique<AgentPropArray>(properties);
  MarkStepDone();
  return TRUE;
}
