// Asks for the name and description of a new collaboration template. OK
// is enabled only while there is a name; it refuses an empty or malformed
// name and, with a data manager, the name of a template the server has.
#pragma once

#include <afxwin.h>

class CDataManager;

class AFX_EXT_CLASS CDlgTmplDefine : public CDialog {
 public:
  enum { IDD = 220 };

  // A null data manager skips the uniqueness check.
  explicit CDlgTmplDefine(CDataManager* pDataManager, CWnd* pParent = nullptr);

  void OnOK() override;

  CDataManager* m_pDataManager;
  // At most 79 characters; after IDOK without trailing blanks.
  CString m_strName;
  // No length limit.
  CString m_strDescription;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnChangeName();
  DECLARE_MESSAGE_MAP()
};
