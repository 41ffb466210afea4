// Asks for the name and the integration broker of a new connector.
#pragma once

#include <afxwin.h>

class CNewConnector : public CDialog {
 public:
  explicit CNewConnector(CWnd* pParent);
  ~CNewConnector() override;

  // At most 80 characters.
  CString m_strName;
  // After IDOK: 0 QVS, 1 KBRX (the combo box's index); -1 before.
  int m_nBroker = -1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CComboBox m_comboBroker;
};
