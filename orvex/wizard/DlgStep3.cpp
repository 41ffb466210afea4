#include "DlgStep3.h"

#include "DlgObjectPath.h"
#include "GenerateWizard.h"
#include "wizard_resource.h"

IMPLEMENT_DYNAMIC(CDlgStep3, CWzDialog)

BEGIN_MESSAGE_MAP(CDlgStep3, CWzDialog)
  ON_BN_CLICKED(IDC_USE_OBJECT, OnUseObject)
END_MESSAGE_MAP()

namespace {

constexpr int kRootMode = 0;
constexpr const char* kCaption = "ZTA Wizard";
constexpr const char* kOnlyGenerable =
    "You can select only generable objects. Generable objects are marked in bold. Review your selection and try "
    "again.";

}  // namespace

CDlgStep3::CDlgStep3() : CWzDialog(IDD_WIZARD_STEP3) {}

BOOL CDlgStep3::OnInitDialog() {
  m_tree.Create(this, IDC_NODE_TREE);
  m_tree.SetOwnerStep(this);
  return CWzDialog::OnInitDialog();
}

void CDlgStep3::InitSizing() {
  CWzDialog::InitSizing();
  m_sizing.Add(CControlSizingDefinition(&m_tree, HLSIZE_ANCHOR_ALL));
  m_sizing.Add(CControlSizingDefinition(GetDlgItem(IDC_USE_OBJECT), HLSIZE_ANCHOR_BOTTOMRIGHT));
}

BOOL CDlgStep3::OnSetActive() {
  CWzDialog::OnSetActive();
  m_bPreviousTyped = !m_strTypedPath.IsEmpty();
  m_strTypedPath.Empty();
  // The tree of the agent connected since the last pass.
  if (IsStepPending()) {
    TreeNodeList nodes = FetchLevel(TVI_ROOT, kRootMode, CString());
    m_tree.DeleteAllItems();
    m_tree.InsertNodes(std::move(nodes), TVI_ROOT);
    const CQRBDKAgent* pAgent = GetWizard()->GetAgent();
    const CQRBDKAgentMetaData* pMeta = pAgent != nullptr ? pAgent->GetMetaData() : nullptr;
    m_tree.SetSearch(pMeta != nullptr && pMeta->IsSearchEnabled(),
                     pMeta != nullptr ? pMeta->GetSearchHint() : CString());
  }
  return TRUE;
}

TreeNodeList CDlgStep3::FetchLevel(HTREEITEM hItem, int nMode, const CString& pattern) {
  CGenerateWizard* pWizard = GetWizard();
  CQRBDKAgent* pAgent = pWizard != nullptr ? pWizard->GetAgent() : nullptr;
  if (pAgent == nullptr) return {};
  CWaitCursor wait;
  return pAgent->GetBOTree(m_tree.NodePath(hItem), pattern, nMode, 1);
}

bool CDlgStep3::AllBold(const std::vector<HTREEITEM>& items) const {
  return std::all_of(items.begin(), items.end(), [this](HTREEITEM hItem) { return m_tree.IsItemBold(hItem) != FALSE; });
}

void CDlgStep3::OnUseObject() {
  CDlgObjectPath dlg(this);
  dlg.m_strPath = m_strLastTypedPath;
  if (dlg.DoModal() != IDOK) return;
  m_strTypedPath = dlg.m_strPath;
  // The same object again keeps what the later steps made of it.
  if (m_strTypedPath != m_strLastTypedPath || !m_bPreviousTyped) MarkStepDone();
  m_strLastTypedPath = m_strTypedPath;
  m_pSheet->PressButton(PSBTN_NEXT);
}

LRESULT CDlgStep3::OnWizardNext() {
  if (!m_strTypedPath.IsEmpty()) return 0;
  const std::vector<HTREEITEM> selected = m_tree.GetSelectedItems();
  if (selected.empty() || !AllBold(selected)) {
    MessageBox(kOnlyGenerable, kCaption, MB_OK | MB_ICONINFORMATION);
    m_tree.SetFocus();
    return -1;
  }
  std::vector<CString> paths;
  for (HTREEITEM hItem : selected) paths.push_back(m_tree.NodePath(hItem));
  // Another choice makes the later steps pending again.
  if (IsStepPending() || paths != m_chosen) {
    m_chosen = std::move(paths);
    MarkStepDone();
  } else if (m_bPreviousTyped) {
    MarkStepDone();
  }
  return 0;
}
