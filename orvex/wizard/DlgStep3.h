// CDlgStep3: "Select Source", the agent's object tree, from which the user
// picks the generable nodes to generate definitions from, or the path of
// one object typed instead ("Use this object instead").
#pragma once

#include <vector>

#include "NodeTree.h"
#include "WzDialog.h"

class CDlgStep3 : public CWzDialog {
  DECLARE_DYNAMIC(CDlgStep3)
  DECLARE_MESSAGE_MAP()

 public:
  CDlgStep3();

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  void InitSizing() override;

  // The agent's children of the item (TVI_ROOT: the top level).
  TreeNodeList FetchLevel(HTREEITEM hItem, int nMode, const CString& pattern);
  CNodeTree& GetTree() { return m_tree; }
  // The path typed for this pass; empty when the tree is used.
  const CString& GetTypedPath() const { return m_strTypedPath; }
  // The paths of the nodes chosen when Next last succeeded with the tree.
  const std::vector<CString>& GetChosenPaths() const { return m_chosen; }
  bool AllBold(const std::vector<HTREEITEM>& items) const;

 protected:
  afx_msg void OnUseObject();

 private:
  CNodeTree m_tree;
  std::vector<CString> m_chosen;
  CString m_strLastTypedPath;
  CString m_strTypedPath;
  bool m_bPreviousTyped = false;
};
