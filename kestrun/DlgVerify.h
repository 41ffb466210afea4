// "Verification": the user types the current value of an encrypted
// property again before it may be changed. The value is masked.
#pragma once

#include <afxwin.h>

class CDlgVerify : public CDialog {
 public:
  explicit CDlgVerify(CWnd* pParent);
  ~CDlgVerify() override;

  // After IDOK: what was typed.
  CString m_strValue;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CEdit m_editValue;
};
