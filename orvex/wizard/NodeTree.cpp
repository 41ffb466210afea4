#include "NodeTree.h"

#include <afxdlgs.h>

#include <UtilFunc.h>

#include <algorithm>
#include <vector>

#include "DlgGetFilterName.h"
#include "DlgStep3.h"
#include "PatternInputDlg.h"
#include "wizard_resource.h"

IMPLEMENT_DYNAMIC(CNodeTree, HLTreeCtrl)

BEGIN_MESSAGE_MAP(CNodeTree, HLTreeCtrl)
  ON_WM_CONTEXTMENU()
  ON_NOTIFY_REFLECT(NM_RCLICK, OnRightClick)
  ON_COMMAND(ID_NODE_RETRIEVE_ALL, OnRetrieveAll)
  ON_COMMAND(ID_NODE_APPLY_FILTER, OnApplyFilter)
  ON_COMMAND(ID_NODE_PARENT_FILTER, OnParentFilter)
  ON_COMMAND(ID_NODE_SEARCH, OnSearch)
  ON_COMMAND(ID_NODE_ASSOCIATE_FILES, OnAssociateFiles)
  ON_COMMAND(ID_NODE_REMOVE_FILE, OnRemoveFile)
  ON_NOTIFY_REFLECT_EX(TVN_DELETEITEM, OnDeleteItem)
  ON_NOTIFY_REFLECT_EX(TVN_ITEMEXPANDING, OnItemExpanding)
END_MESSAGE_MAP()

namespace {

constexpr const char* kPathSeparator = ":";
constexpr int kKindMask = 0x0F;
constexpr const char* kAllFiles = "All files (*.*)|*.*||";

int KindOf(const TreeNode* pNode) { return pNode != nullptr ? pNode->m_nKind & kKindMask : TREENODE_PLAIN; }

// The file's name: what follows its last folder separator.
CString FileNameOf(const CString& path) {
  const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
  return path.Mid(slash + 1);
}

}  // namespace

CNodeTree::CNodeTree() = default;

// The items go while the nodes they refer to are still there.
CNodeTree::~CNodeTree() {
  if (m_hWnd != nullptr) DestroyWindow();
}

BOOL CNodeTree::Create(CWnd* pPage, UINT nID) {
  if (!ReplaceControl(pPage, nID)) return FALSE;
  AddColumn("Name", 0.6);
  AddColumn("Description", 0.4, 3);
  return TRUE;
}

void CNodeTree::SetSearch(bool bEnabled, const CString& hint) {
  m_bSearchEnabled = bEnabled;
  m_strSearchHint = hint;
}

// --- Items and their nodes ----------------------------------------------------------

void CNodeTree::InsertNodes(TreeNodeList nodes, HTREEITEM hParent) {
  for (std::unique_ptr<TreeNode>& node : nodes) {
    TreeNodeList children = std::move(node->m_children);
    HTREEITEM hItem = InsertNode(std::move(node), hParent);
    if (hItem != nullptr) InsertNodes(std::move(children), hItem);
  }
}

HTREEITEM CNodeTree::InsertNode(std::unique_ptr<TreeNode> node, HTREEITEM hParent) {
  TVINSERTSTRUCT insert{};
  insert.hParent = hParent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
  insert.item.pszText = const_cast<LPSTR>(static_cast<LPCTSTR>(node->m_strName));
  insert.item.cChildren = node->m_bHasChildren ? 1 : 0;
  HTREEITEM hItem = InsertItem(&insert);
  if (hItem == nullptr) return nullptr;
  SetItemString(hItem, 1, node->m_strDescription);
  SetItemBold(hItem, node->m_bGenerable);
  node->m_strFilter = TreeNode::m_pchDefaultFilter;
  m_nodes[hItem] = std::move(node);
  return hItem;
}

TreeNode* CNodeTree::GetNode(HTREEITEM hItem) const {
  const auto it = m_nodes.find(hItem);
  return it != m_nodes.end() ? it->second.get() : nullptr;
}

BOOL CNodeTree::OnDeleteItem(NMHDR* pNotify, LRESULT*) {
  m_nodes.erase(reinterpret_cast<NMTREEVIEW*>(pNotify)->itemOld.hItem);
  return FALSE;
}

CString CNodeTree::NodePath(HTREEITEM hItem) const {
  CString path;
  for (HTREEITEM h = hItem == TVI_ROOT ? nullptr : hItem; h != nullptr; h = GetParentItem(h))
    path = path.IsEmpty() ? GetItemText(h) : GetItemText(h) + kPathSeparator + path;
  return path;
}

void CNodeTree::DeleteChildren(HTREEITEM hItem) {
  while (HTREEITEM hChild = GetChildItem(hItem)) DeleteItem(hChild);
}

// --- Fetching and filtering ---------------------------------------------------------

bool CNodeTree::FetchChildren(HTREEITEM hItem, int nMode, const CString& pattern) {
  TreeNode* pNode = GetNode(hItem);
  if (pNode == nullptr || m_pStep == nullptr) return false;
  DeleteChildren(hItem);
  TreeNodeList nodes = m_pStep->FetchLevel(hItem, nMode, pattern);
  if (!pattern.IsEmpty()) pNode->m_strLastPattern = pattern;
  if (nodes.empty()) {
    ::MessageBeep(MB_OK);
    return false;
  }
  InsertNodes(std::move(nodes), hItem);
  return true;
}

void CNodeTree::Refresh(HTREEITEM hItem, const CString& filter, const CString& pattern, bool bRefetch,
                        bool bFilterCommand, int nMode) {
  TreeNode* pNode = GetNode(hItem);
  if (pNode == nullptr) return;
  const bool bChanged = filter != pNode->m_strFilter;
  const bool bFetched = GetChildItem(hItem) != nullptr;
  // A filter needs the children to match; only a node without them asks
  // the agent for them.
  bool bFetch = bRefetch;
  if (bFilterCommand) {
    if (bFetched && !bChanged) return;
    bFetch = !bFetched;
  }
  bool bApply = true;
  if (bFetch) {
    if (!FetchChildren(hItem, nMode, pattern)) return;
    bApply = bChanged || (!bFetched && !IsMatchAll(filter));
  }
  if (bApply) ApplyFilter(hItem, filter);
  Expand(hItem, TVE_EXPAND);
}

void CNodeTree::ApplyFilter(HTREEITEM hItem, const CString& filter) {
  TreeNode* pNode = GetNode(hItem);
  pNode->m_strFilter = filter;
  AddFilter(filter);
  if (IsMatchAll(filter)) {
    ClearMarks(hItem);
    return;
  }
  HTREEITEM hLastMatch = nullptr;
  for (HTREEITEM hChild = GetChildItem(hItem); hChild != nullptr; hChild = GetNextSiblingItem(hChild)) {
    const BOOL bMatch = CStdUtils::CheckPattern(GetItemText(hChild), filter);
    MarkItem(hChild, bMatch);
    if (bMatch) hLastMatch = hChild;
  }
  if (hLastMatch != nullptr)
    EnsureVisible(hLastMatch);
  else
    ::MessageBeep(MB_OK);
}

// The user opens a node whose children were not fetched yet.
BOOL CNodeTree::OnItemExpanding(NMHDR* pNotify, LRESULT* pResult) {
  const auto* pView = reinterpret_cast<NMTREEVIEW*>(pNotify);
  HTREEITEM hItem = pView->itemNew.hItem;
  const TreeNode* pNode = GetNode(hItem);
  if ((pView->action & TVE_EXPAND) && pNode != nullptr && pNode->m_bHasChildren && GetChildItem(hItem) == nullptr)
    FetchChildren(hItem, kRefreshMode, CString());
  *pResult = FALSE;
  return FALSE;
}

// --- The context menu -----------------------------------------------------------------

// The press selects the item; the menu comes once with the button's
// release, as the window system sends it then.
void CNodeTree::OnRightClick(NMHDR*, LRESULT* pResult) { *pResult = 1; }

void CNodeTree::OnContextMenu(CWnd*, CPoint point) {
  if (m_pStep == nullptr) return;
  HTREEITEM hItem = nullptr;
  if (point.x == -1 && point.y == -1) {
    hItem = GetFocusItem();
    CRect rc;
    if (hItem == nullptr || !GetItemRect(hItem, rc, TRUE)) return;
    point = rc.CenterPoint();
    ClientToScreen(&point);
  } else {
    CPoint client = point;
    ScreenToClient(&client);
    hItem = HitTest(client);
  }
  const TreeNode* pNode = GetNode(hItem);
  if (pNode == nullptr) return;
  m_hCurrentNode = hItem;

  CMenu menu;
  if (!menu.LoadMenu(IDR_NODE_MENU)) return;
  CMenu* pPopup = menu.GetSubMenu(0);
  const HTREEITEM hParent = GetParentItem(hItem);
  const UINT noChildren = pNode->m_bHasChildren ? MF_ENABLED : MF_GRAYED;
  pPopup->EnableMenuItem(ID_NODE_RETRIEVE_ALL, MF_BYCOMMAND | noChildren);
  pPopup->EnableMenuItem(ID_NODE_APPLY_FILTER, MF_BYCOMMAND | noChildren);
  pPopup->EnableMenuItem(ID_NODE_PARENT_FILTER,
                         MF_BYCOMMAND | (pNode->m_bHasChildren && hParent != nullptr ? MF_ENABLED : MF_GRAYED));
  pPopup->EnableMenuItem(ID_NODE_SEARCH,
                         MF_BYCOMMAND | (pNode->m_bHasChildren && m_bSearchEnabled ? MF_ENABLED : MF_GRAYED));
  // A file associated with a node is removed again; a node that takes
  // files takes more.
  if (KindOf(GetNode(hParent)) != TREENODE_PLAIN) {
    pPopup->AppendMenu(MF_SEPARATOR);
    pPopup->AppendMenu(MF_STRING, ID_NODE_REMOVE_FILE, "&Remove file");
  } else if (KindOf(pNode) == TREENODE_FILES) {
    pPopup->AppendMenu(MF_SEPARATOR);
    pPopup->AppendMenu(MF_STRING, ID_NODE_ASSOCIATE_FILES, "A&ssociate files");
  }
  pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CNodeTree::OnRetrieveAll() {
  Refresh(m_hCurrentNode, TreeNode::m_pchDefaultFilter, CString(), true, false, kRefreshMode);
}

void CNodeTree::OnApplyFilter() {
  const TreeNode* pNode = CurrentNode();
  if (pNode == nullptr) return;
  CDlgGetFilterName dlg(this);
  dlg.m_strFilter = pNode->m_strFilter;
  dlg.m_recentFilters = GetFilters();
  if (dlg.DoModal() != IDOK) return;
  Refresh(m_hCurrentNode, dlg.m_strFilter, CString(), false, true, kRefreshMode);
}

void CNodeTree::OnParentFilter() {
  const TreeNode* pParent = GetNode(GetParentItem(m_hCurrentNode));
  if (pParent == nullptr || CurrentNode() == nullptr) return;
  const CString filter =
      IsFilterInUse(pParent->m_strFilter) ? pParent->m_strFilter : CString(TreeNode::m_pchDefaultFilter);
  Refresh(m_hCurrentNode, filter, CString(), false, false, kRefreshMode);
}

void CNodeTree::OnSearch() {
  const TreeNode* pNode = CurrentNode();
  if (pNode == nullptr) return;
  CPatternInputDlg dlg(this);
  dlg.m_strHint = m_strSearchHint;
  dlg.m_strPattern = pNode->m_strLastPattern;
  if (dlg.DoModal() != IDOK) return;
  Refresh(m_hCurrentNode, pNode->m_strFilter, dlg.m_strPattern, true, false, kRefreshMode);
}

void CNodeTree::OnAssociateFiles() {
  if (CurrentNode() == nullptr) return;
  CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT, kAllFiles, this);
  if (dlg.DoModal() != IDOK) return;
  for (POSITION pos = dlg.GetStartPosition(); pos != nullptr;) {
    const CString path = dlg.GetNextPathName(pos);
    InsertNode(std::make_unique<TreeNode>(FileNameOf(path), path, true, false, TREENODE_FILES), m_hCurrentNode);
  }
  Expand(m_hCurrentNode, TVE_EXPAND);
}

void CNodeTree::OnRemoveFile() {
  if (CurrentNode() != nullptr) DeleteItem(m_hCurrentNode);
}
