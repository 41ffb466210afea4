// Asks for the name of a new business-object definition and its
// application-specific information. OK refuses an empty or malformed name
// and, with a data manager, the name of a definition the session holds.
#pragma once

#include <afxwin.h>

class CDataManager;

class AFX_EXT_CLASS CDlgBODefine : public CDialog {
 public:
  enum { IDD = 349 };

  // A null data manager skips the uniqueness check.
  explicit CDlgBODefine(CDataManager* pDataManager, CWnd* pParent = nullptr);

  CDataManager* m_pDataManager;
  // At most 80 characters; after IDOK without trailing blanks.
  CString m_strName;
  CString m_strAppInfo;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnChangeName();
  DECLARE_MESSAGE_MAP()
};
