// HLTreeCtrl: the product's multi-column tree, the toolkit tree with the
// set-up its users share: it takes the place of a placeholder control of a
// dialog, and its columns keep shares of the client width.
#pragma once

#include <secall.h>

// The tree view styles an HLTreeCtrl gets unless the caller gives others.
#define HLTREE_DEFAULT_STYLE \
  (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS)

class AFX_EXT_CLASS HLTreeCtrl : public SECTreeCtrl {
  DECLARE_DYNAMIC(HLTreeCtrl)

 public:
  HLTreeCtrl();
  ~HLTreeCtrl() override;

  // Creates the tree where the dialog's control nID is, with its id, its
  // place in the tab order and its font, and destroys the placeholder.
  // FALSE when there is no such control or the tree cannot be made.
  BOOL ReplaceControl(CWnd* pParent, UINT nID, DWORD dwStyle = HLTREE_DEFAULT_STYLE);

  // Adds a column at the end that keeps dRatio of the client width plus
  // nExtra pixels (truncated); answers its index.
  int AddColumn(LPCTSTR lpszHeading, double dRatio, int nExtra = 0, int nFormat = LVCFMT_LEFT);

  // The first child of hParent (TVI_ROOT: the top level) whose text in
  // column nCol equals lpszText, ignoring case; null when none.
  HTREEITEM FindChildItem(HTREEITEM hParent, LPCTSTR lpszText, int nCol = 0) const;
};
