// The authoring dialog "Add Help Topic": the window, tab and page of one
// topic, a check box that writes a stub page for a page that does not exist
// yet, browsing for a page under the help folder and the list of all
// topics. The dialog edits a copy: the topic and the help data file change
// only when OK is accepted.
#pragma once

#include <afxwin.h>

class HvHelp;
class HTopic;

class AFX_EXT_CLASS CAddHTopic : public CDialog {
  DECLARE_DYNAMIC(CAddHTopic)

 public:
  CAddHTopic(HvHelp* pHelp, HTopic* pTopic, CWnd* pParent = nullptr);
  ~CAddHTopic() override;

  INT_PTR DoModal() override;

  // The texts being edited, taken from the topic at construction.
  CString m_strTitle;
  CString m_strSubTopic;
  CString m_strPage;
  int m_bCreatePage = TRUE;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnBrowse();
  afx_msg void OnListAll();
  DECLARE_MESSAGE_MAP()

 private:
  // Writes the stub page (and the screenshot beside it) for the edited
  // texts; false after telling the user why it could not.
  bool WriteStubPage();

  HvHelp* m_pHelp;
  HTopic* m_pTopic;
};
