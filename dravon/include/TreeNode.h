// One node of a discovery agent's object tree.
#pragma once

#include <afx.h>

#include <memory>
#include <vector>

class TreeNode;
using TreeNodeList = std::vector<std::unique_ptr<TreeNode>>;

// Node kinds (low four bits of the kind word).
enum { TREENODE_PLAIN = 0, TREENODE_FILES = 1 };

class AFX_EXT_CLASS TreeNode {
 public:
  TreeNode(const char* name, const char* description, bool generable, bool hasChildren, int kind = TREENODE_PLAIN);

  // The filter every node starts with: everything.
  static const char* const m_pchDefaultFilter;

  CString m_strName;
  CString m_strDescription;
  bool m_bGenerable;
  bool m_bHasChildren;
  int m_nKind;
  CString m_strFilter = m_pchDefaultFilter;
  CString m_strLastPattern;
  TreeNodeList m_children;
};
