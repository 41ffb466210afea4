// What the import-results and load-results dialogs share: a header text,
// a grid of rows with one name each, the prefix find (an edit with up and
// down bitmap buttons), and the layout that follows the dialog's size.
// Both run with the library's resources current (DoModal, OnInitDialog).
#pragma once

#include <afxext.h>
#include <afxwin.h>

#include "GridResultsBase.h"

class AFX_EXT_CLASS CDlgResultsBase : public CDialog {
 public:
  INT_PTR DoModal() override;

  // The find text (edit 1004).
  CString m_strFind;

 protected:
  CDlgResultsBase(UINT nIDTemplate, CWnd* pParent);

  // The dialog's grid (control 1003).
  virtual CGridResultsBase& GetResultsGrid() = 0;
  // Columns and rows, once the grid is attached.
  virtual void FillGrid() = 0;

  void DoDataExchange(CDataExchange* pDX) override;
  // The find buttons' bitmaps, the grid, the layout and the keyboard
  // focus in the find edit with its text selected.
  BOOL OnInitDialog() override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnFindUp();
  afx_msg void OnFindDown();
  afx_msg void OnChangeFind();
  DECLARE_MESSAGE_MAP()

  CStatic m_wndHeader;
  CButton m_btnCancel;
  CBitmapButton m_btnFindUp;
  CBitmapButton m_btnFindDown;

 private:
  // The grid keeps its top-left corner and leaves 50 pixels to the right
  // and below; Cancel goes 10 pixels from the right and bottom edges and
  // OK 10 pixels left of it. Nothing moves while the controls are not
  // made yet.
  void LayOut(int cx, int cy);
};
