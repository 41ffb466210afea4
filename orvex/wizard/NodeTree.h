// CNodeTree: the agent's object tree of the source and review steps, with
// the columns "Name" and "Description". Its items own their nodes; bold
// items can be generated. In the source step it fetches levels from the
// agent and narrows them with filters (matched here) and search patterns
// (sent to the agent) through its context menu; in the review step it is
// read-only.
#pragma once

#include <HLTreeCtrl.h>

#include <map>
#include <memory>

#include "FilterSupport.h"
#include "TreeNode.h"

class CDlgStep3;

class CNodeTree : public HLTreeCtrl, public CFilterSupport {
  DECLARE_DYNAMIC(CNodeTree)

 public:
  // What the filter commands pass to Refresh as the mode of the agent's
  // tree request.
  static constexpr int kRefreshMode = 2;

  CNodeTree();
  ~CNodeTree() override;

  // Makes the tree in the place of the page's control nID.
  BOOL Create(CWnd* pPage, UINT nID);
  // The step whose agent the tree asks; without one the tree is read-only.
  void SetOwnerStep(CDlgStep3* pStep) { m_pStep = pStep; }
  // Whether the agent searches its levels, and what it says of its patterns.
  void SetSearch(bool bEnabled, const CString& hint);

  // One item per node under hParent (TVI_ROOT: the top level), with the
  // nodes' own children below them; the items take the nodes.
  void InsertNodes(TreeNodeList nodes, HTREEITEM hParent);
  HTREEITEM InsertNode(std::unique_ptr<TreeNode> node, HTREEITEM hParent);
  // The node of the item, or null.
  TreeNode* GetNode(HTREEITEM hItem) const;
  // The item's texts from the top level down, joined by ":"; empty for the
  // root.
  CString NodePath(HTREEITEM hItem) const;
  // Deletes the item's children and their nodes.
  void DeleteChildren(HTREEITEM hItem);
  // Fetches the item's children again when asked (or when a filter is
  // applied to a node not fetched yet), matches them against the filter
  // and expands the item.
  void Refresh(HTREEITEM hItem, const CString& filter, const CString& pattern, bool bRefetch, bool bFilterCommand,
               int nMode);

 protected:
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnRightClick(NMHDR* pNotify, LRESULT* pResult);
  afx_msg void OnRetrieveAll();
  afx_msg void OnApplyFilter();
  afx_msg void OnParentFilter();
  afx_msg void OnSearch();
  afx_msg void OnAssociateFiles();
  afx_msg void OnRemoveFile();
  afx_msg BOOL OnDeleteItem(NMHDR* pNotify, LRESULT* pResult);
  afx_msg BOOL OnItemExpanding(NMHDR* pNotify, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  // Asks the agent for the item's children in place of those it has;
  // false (with a beep) when the agent has none.
  bool FetchChildren(HTREEITEM hItem, int nMode, const CString& pattern);
  // The filter becomes the node's; its children are set apart by whether
  // their names match.
  void ApplyFilter(HTREEITEM hItem, const CString& filter);
  TreeNode* CurrentNode() const { return GetNode(m_hCurrentNode); }

  CDlgStep3* m_pStep = nullptr;
  bool m_bSearchEnabled = false;
  CString m_strSearchHint;
  std::map<HTREEITEM, std::unique_ptr<TreeNode>> m_nodes;
};
