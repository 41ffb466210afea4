// Asks for the name and the application-specific information of a new
// business-object definition.
#pragma once

#include <afxwin.h>

class CDlgBOName : public CDialog {
 public:
  explicit CDlgBOName(CWnd* pParent);
  ~CDlgBOName() override;

  CString m_strName;
  CString m_strAppInfo;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  DECLARE_MESSAGE_MAP()

 private:
  // Reports a refused name and puts the user back on it.
  void RefuseName(const char* message);
  void SelectName();

  CEdit m_editAppInfo;
  CEdit m_editName;
};
