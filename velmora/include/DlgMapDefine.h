// Asks for the name of a new map. OK refuses an empty or malformed name
// and, with a data manager, the name of a map the server has.
#pragma once

#include <afxwin.h>

class CDataManager;

class AFX_EXT_CLASS CDlgMapDefine : public CDialog {
 public:
  enum { IDD = 365 };

  // A null data manager skips the uniqueness check.
  explicit CDlgMapDefine(CDataManager* pDataManager, CWnd* pParent = nullptr);

  CDataManager* m_pDataManager;
  // At most 80 characters; after IDOK without trailing blanks.
  CString m_strName;
  // The label beside the name, set by the caller (empty unless set).
  CString m_strLabel;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnChangeName();
  DECLARE_MESSAGE_MAP()
};
