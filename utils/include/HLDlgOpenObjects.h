// HLDlgOpenObjects: the base of the dialogs that pick named objects of the
// server to open: a prompt, a report list of names with their location,
// and an incremental find over the names (an edit with find-previous and
// find-next buttons). The program's template holds the controls under the
// ids below; a derived dialog fills the list.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include <functional>

class AFX_EXT_CLASS HLDlgOpenObjects : public CDialog {
 public:
  // Control ids of the template.
  enum {
    IDC_HL_OPEN_FIND = 1004,
    IDC_HL_OPEN_LIST = 1019,
    IDC_HL_FIND_PREV = 1020,
    IDC_HL_FIND_NEXT = 1021,
    IDC_HL_OPEN_PROMPT = 1022,
  };

  HLDlgOpenObjects(UINT nIDTemplate, CWnd* pParent);
  ~HLDlgOpenObjects() override;

  // The chosen names, top to bottom, after IDOK.
  CStringArray m_arrSelected;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Sets up the buttons and the list's columns, fills it (FillList), and
  // puts the focus into the find edit. FALSE: the focus is set.
  BOOL OnInitDialog() override;
  void OnOK() override;

  // Adds a row per object, sorted by name (AddSortedRows helps).
  virtual void FillList() = 0;
  // Adds the names sorted ignoring case; the location column of each is
  // "Server" when `onServer` says so, else "Local".
  void AddSortedRows(const CStringList& names, const std::function<bool(const CString&)>& onServer);

  afx_msg void OnChangeFind();
  afx_msg void OnFindNext();
  afx_msg void OnFindPrev();
  afx_msg void OnDblClkList(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

  CStatic m_prompt;
  CButton m_btnFindPrev;
  CButton m_btnFindNext;
  CListCtrl m_list;
  CEdit m_editFind;

 private:
  CString FindText() const;
  // Whether the row's name begins with the text, ignoring case.
  BOOL RowMatches(int nRow, const CString& text) const;
  // The first row from nFrom, stepping by nStep, that begins with the
  // text; -1 when none.
  int FindRow(int nFrom, int nStep, const CString& text) const;
  void SelectOnly(int nRow);

  CBitmap m_bmpUp;
  CBitmap m_bmpDown;
};
