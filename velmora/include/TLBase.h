// The tree list with cell editing: a slow second click on the selected row
// (timer 99, 400 ms) or a double-click opens an editor on the clicked cell,
// one at a time; subclasses say which cells edit and store what is typed.
#pragma once

#include "TreeList.h"

class CEditInplace;

class AFX_EXT_CLASS CTLBase : public CTreeList {
  DECLARE_DYNAMIC(CTLBase)

 public:
  static constexpr UINT_PTR kSlowClickTimer = 99;
  static constexpr UINT kSlowClickDelay = 400;

  CTLBase();
  ~CTLBase() override;

  // Opens an editor on the cell; empty here.
  virtual void DoInplaceEditing(HTREEITEM hItem, int nColumn);
  // The cell of the selected row under the cursor, if any, to the one above.
  virtual void DoInplaceEditing();
  // The editor's text for the cell; answers SetItem's result.
  virtual BOOL UpdateItem(HTREEITEM hItem, int nColumn, CString strText);
  // The last child of hParent with the text and data.
  HTREEITEM AddItem(HTREEITEM hParent, CString strText, LPARAM lParam);

  // The open in-place editor, or null.
  CEditInplace* GetEditor() const { return m_pEditor; }

  // An editor on a deleted item ends without storing.
  void OnDeleteItem(HTREEITEM hItem) override;

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnDblClk(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  friend class CEditInplace;

  void StopSlowClick();

  int m_bSlowClick = 0;
  CEditInplace* m_pEditor = nullptr;  // owns itself
};
