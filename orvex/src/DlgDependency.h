// Shows what still uses a definition that the user wants to delete; the
// caller fills the four texts before DoModal. IDOK is "Delete".
#pragma once

#include <afxwin.h>

class CDlgDependency : public CDialog {
 public:
  explicit CDlgDependency(CWnd* pParent);
  ~CDlgDependency() override;

  CString m_strMessage;
  CString m_strUsedBy;
  CString m_strObjectName;
  CString m_strObjectLabel;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  DECLARE_MESSAGE_MAP()
};
