// The edit window over a tree-list cell. Enter stores its text through the
// owner's UpdateItem, Escape drops it, losing the focus stores it; the
// window then goes, and the object deletes itself with it.
#pragma once

#include <afxwin.h>

#include <commctrl.h>

class CTLBase;

class AFX_EXT_CLASS CEditInplace : public CEdit {
  DECLARE_DYNAMIC(CEditInplace)

 public:
  // The creator makes the window over the cell.
  CEditInplace(CTLBase* pOwner, HTREEITEM hItem, int nColumn);
  ~CEditInplace() override;
  CEditInplace(const CEditInplace&) = delete;
  CEditInplace& operator=(const CEditInplace&) = delete;

  HTREEITEM GetItem() const { return m_hItem; }
  int GetColumn() const { return m_nColumn; }
  // Ends the editing without storing the text.
  void Cancel();

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void PostNcDestroy() override;

  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  friend class CTLBase;

  // Stores the text (unless cancelled) once, then destroys the window.
  void End(BOOL bStore);
  // The owner's window goes: nothing is stored, the window goes with it.
  void Abandon();
  void DeleteForward();
  int CharAt(CPoint point) const;

  int m_nAnchor = -1;  // where a mouse selection started
  HTREEITEM m_hItem;
  BOOL m_bCancel = FALSE;
  BOOL m_bEnding = FALSE;
  CTLBase* m_pOwner;
  int m_nColumn;
};
