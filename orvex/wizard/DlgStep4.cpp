#include "DlgStep4.h"

#include <map>

#include "DlgStep3.h"
#include "GenerateWizard.h"
#include "wizard_resource.h"

IMPLEMENT_DYNAMIC(CDlgStep4, CWzDialog)

namespace {

constexpr const char* kCustomObject = "Custom business object";

}  // namespace

CDlgStep4::CDlgStep4() : CWzDialog(IDD_WIZARD_STEP4) {}

BOOL CDlgStep4::OnInitDialog() {
  m_tree.Create(this, IDC_NODE_TREE);
  return CWzDialog::OnInitDialog();
}

void CDlgStep4::InitSizing() {
  CWzDialog::InitSizing();
  m_sizing.Add(CControlSizingDefinition(&m_tree, HLSIZE_ANCHOR_ALL));
}

// Built again only after the source step changed; coming back from the
// later steps keeps the list.
BOOL CDlgStep4::OnSetActive() {
  if (IsStepPending()) {
    MarkStepDone();
    m_tree.DeleteAllItems();
    m_names.RemoveAll();
    CDlgStep3* pSource = GetWizard()->GetSourceStep();
    if (pSource->GetTypedPath().IsEmpty()) {
      CopySelection(*pSource);
      for (const CString& path : pSource->GetChosenPaths()) m_names.Add(path);
    } else {
      ShowTypedPath(pSource->GetTypedPath());
      m_names.Add(pSource->GetTypedPath());
    }
    ExpandAll(TVI_ROOT);
    if (HTREEITEM hFirst = m_tree.GetRootItem()) m_tree.EnsureVisible(hFirst);
  }
  return CWzDialog::OnSetActive();
}

void CDlgStep4::CopySelection(CDlgStep3& source) {
  CNodeTree& from = source.GetTree();
  std::map<HTREEITEM, HTREEITEM> copies;
  for (HTREEITEM hSelected : from.GetSelectedItems()) {
    std::vector<HTREEITEM> chain;
    for (HTREEITEM h = hSelected; h != nullptr; h = from.GetParentItem(h)) chain.insert(chain.begin(), h);
    HTREEITEM hParent = TVI_ROOT;
    for (HTREEITEM hSource : chain) {
      auto it = copies.find(hSource);
      if (it == copies.end()) {
        const TreeNode* pNode = from.GetNode(hSource);
        auto copy = std::make_unique<TreeNode>(pNode->m_strName, pNode->m_strDescription, pNode->m_bGenerable, false,
                                               pNode->m_nKind);
        it = copies.emplace(hSource, m_tree.InsertNode(std::move(copy), hParent)).first;
      }
      hParent = it->second;
    }
  }
}

void CDlgStep4::ShowTypedPath(const CString& path) {
  HTREEITEM hParent = TVI_ROOT;
  HTREEITEM hLast = nullptr;
  int start = 0;
  while (start >= 0) {
    CString level = path.Tokenize(":", start);
    if (start < 0) break;
    level.Trim();
    if (level.IsEmpty()) continue;
    hLast = m_tree.InsertNode(std::make_unique<TreeNode>(level, "", false, false), hParent);
    hParent = hLast;
  }
  // The last level is the object itself.
  if (hLast == nullptr) return;
  m_tree.SetItemString(hLast, 1, kCustomObject);
  m_tree.SetItemBold(hLast, TRUE);
  m_tree.GetNode(hLast)->m_bGenerable = true;
}

void CDlgStep4::ExpandAll(HTREEITEM hParent) {
  for (HTREEITEM h = hParent == TVI_ROOT ? m_tree.GetRootItem() : m_tree.GetChildItem(hParent); h != nullptr;
       h = m_tree.GetNextSiblingItem(h)) {
    if (m_tree.GetChildItem(h) == nullptr) continue;
    ExpandAll(h);
    m_tree.Expand(h, TVE_EXPAND);
  }
}
