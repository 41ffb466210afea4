// The preferences sheet's page "Confirmation": the delete question and the
// name of the connected server.
#pragma once

#include <afxdlgs.h>

class CUserConfirmPP : public CPropertyPage {
  DECLARE_DYNAMIC(CUserConfirmPP)

 public:
  CUserConfirmPP();
  ~CUserConfirmPP() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  DECLARE_MESSAGE_MAP()

 private:
  CButton m_checkDelete;
  CString m_strServerName;
};
