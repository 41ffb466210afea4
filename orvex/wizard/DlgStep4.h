// CDlgStep4: "Confirm source nodes for business objects", the nodes chosen
// in the source step with their ancestors, read-only, and the names that
// the agent is asked to generate.
#pragma once

#include "NodeTree.h"
#include "WzDialog.h"

class CDlgStep3;

class CDlgStep4 : public CWzDialog {
  DECLARE_DYNAMIC(CDlgStep4)

 public:
  CDlgStep4();

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  void InitSizing() override;

  // The source paths to generate, in the order chosen.
  const CStringArray& GetNames() const { return m_names; }
  CNodeTree& GetTree() { return m_tree; }

 private:
  // Copies the source step's selected items, each after its ancestors.
  void CopySelection(CDlgStep3& source);
  // One item per non-blank level of the typed path, each under the last.
  void ShowTypedPath(const CString& path);
  void ExpandAll(HTREEITEM hParent);

  CNodeTree m_tree;
  CStringArray m_names;
};
