// Confirms the delete of one business-object definition; its check box
// switches the question off.
#pragma once

#include <afxwin.h>

class CDlgConfirm : public CDialog {
 public:
  CDlgConfirm(CString name, CWnd* pParent);
  ~CDlgConfirm() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  DECLARE_MESSAGE_MAP()

 private:
  CButton m_checkNoPrompt;
  CString m_strName;
};
