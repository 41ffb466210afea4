#include "DlgStep1.h"

#include <algorithm>

#include "GenerateWizard.h"
#include "wizard_resource.h"

IMPLEMENT_DYNAMIC(CDlgStep1, CWzDialog)

BEGIN_MESSAGE_MAP(CDlgStep1, CWzDialog)
  ON_BN_CLICKED(IDC_FIND_AGENTS, OnFindAgents)
  ON_LBN_SELCHANGE(IDC_AGENT_LIST, OnSelChangeAgents)
END_MESSAGE_MAP()

namespace {

constexpr const char* kFindingAgents = "Discovering registered agents. Please wait...";

// The agents the location service knows; the search itself cannot fail
// the step.
UINT FindAgentsTask(void* pArg) {
  auto* pNames = static_cast<CStringList*>(pArg);
  CQRBDKAgent finder("", nullptr, HvStateNew);
  finder.GetAgentNames(*pNames);
  return 0;
}

}  // namespace

CDlgStep1::CDlgStep1() : CWzDialog(IDD_WIZARD_STEP1) {}

void CDlgStep1::DoDataExchange(CDataExchange* pDX) {
  CWzDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_AGENT_NAME, m_edtName);
  DDX_Control(pDX, IDC_AGENT_LIST, m_lstAgents);
}

void CDlgStep1::InitSizing() {
  CWzDialog::InitSizing();
  m_sizing.Add(CControlSizingDefinition(&m_edtName, HLSIZE_ANCHOR_LEFT | HLSIZE_ANCHOR_RIGHT | HLSIZE_ANCHOR_TOP));
  m_sizing.Add(CControlSizingDefinition(GetDlgItem(IDC_FIND_AGENTS), HLSIZE_ANCHOR_RIGHT | HLSIZE_ANCHOR_TOP));
  m_sizing.Add(CControlSizingDefinition(&m_lstAgents, HLSIZE_ANCHOR_ALL));
}

void CDlgStep1::OnSheetInitDialog() {
  if (m_edtName.m_hWnd == nullptr) return;
  m_edtName.SetPeer(m_pSheet->FindButton(ID_PSNEXT));
  UpdateButtons();
}

BOOL CDlgStep1::OnSetActive() {
  CWzDialog::OnSetActive();
  UpdateButtons();
  return TRUE;
}

void CDlgStep1::UpdateButtons() {
  m_edtName.UpdatePeer();
  m_pSheet->EnableButton(ID_PSBACK, FALSE);
}

void CDlgStep1::OnFindAgents() {
  CStringList names;
  RunTask(FindAgentsTask, &names, kFindingAgents);
  m_lstAgents.ResetContent();
  CClientDC dc(&m_lstAgents);
  CFont* pOldFont = dc.SelectObject(m_lstAgents.GetFont());
  int nWidest = 0;
  for (POSITION pos = names.GetHeadPosition(); pos != nullptr;) {
    const CString& name = names.GetNext(pos);
    m_lstAgents.AddString(name);
    nWidest = std::max(nWidest, static_cast<int>(dc.GetTextExtent(name).cx));
  }
  dc.SelectObject(pOldFont);
  m_lstAgents.SetHorizontalExtent(nWidest);
}

void CDlgStep1::OnSelChangeAgents() {
  const int nSelected = m_lstAgents.GetCurSel();
  if (nSelected == LB_ERR) return;
  CString name;
  m_lstAgents.GetText(nSelected, name);
  if (!name.IsEmpty()) m_edtName.SetWindowText(name);
}

// Only a name other than the connected agent's contacts an agent.
LRESULT CDlgStep1::OnWizardNext() {
  CString name;
  m_edtName.GetWindowText(name);
  CGenerateWizard* pWizard = GetWizard();
  if (name != m_strConnected || pWizard->GetAgent() == nullptr) {
    // Connecting lets the agent connected so far go, whatever comes of it.
    m_strConnected.Empty();
    if (pWizard->ConnectAgent(*this, name) != 0) return -1;
    m_strConnected = name;
    MarkStepDone();
  }
  m_pSheet->EnableButton(ID_PSBACK, TRUE);
  return 0;
}
