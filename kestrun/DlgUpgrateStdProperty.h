// "Upgrade Standard Properties": lists the standard properties of a
// server's connector that will be upgraded; "Upgrade" (IDOK) agrees.
#pragma once

#include <afxwin.h>

class CDlgUpgrateStdProperty : public CDialog {
 public:
  CDlgUpgrateStdProperty(CWnd* pParent, const CString& text);
  ~CDlgUpgrateStdProperty() override;

 protected:
  BOOL OnInitDialog() override;

 private:
  CString m_strText;
};
