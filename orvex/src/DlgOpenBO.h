// Picks business-object definitions by name, for opening (mode 1) or for
// deleting (mode 0), with an incremental find over the names.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

class CDlgOpenBO : public CDialog {
 public:
  static constexpr int kDeleteMode = 0;
  static constexpr int kOpenMode = 1;

  CDlgOpenBO(int nMode, CWnd* pParent);
  ~CDlgOpenBO() override;

  // The chosen names, top to bottom, after IDOK.
  CStringArray m_arrSelected;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  afx_msg void OnChangeFind();
  afx_msg void OnFindNext();
  afx_msg void OnFindPrev();
  afx_msg void OnDblClkList(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  void FillList();
  CString FindText() const;
  // Whether the row's name begins with the text, ignoring case.
  BOOL RowMatches(int nRow, const CString& text) const;
  // The first row from nFrom, stepping by nStep, that begins with the
  // text; -1 when none.
  int FindRow(int nFrom, int nStep, const CString& text) const;
  void SelectOnly(int nRow);

  int m_nMode;
  CStatic m_prompt;
  CButton m_btnFindPrev;
  CButton m_btnFindNext;
  CListCtrl m_list;
  CEdit m_editFind;
  CBitmap m_bmpUp;
  CBitmap m_bmpDown;
};
