// Asks for the name of a new connector, or of any object type the caller
// gives. OK refuses an empty or malformed name and, with a data manager and
// an object type other than 0, a name the server already uses for that type.
#pragma once

#include <afxwin.h>

#include <QRObj.h>

class CDataManager;

class AFX_EXT_CLASS CDlgConnectorDefine : public CDialog {
 public:
  enum { IDD = 370 };

  // A null data manager or object type 0 skips the uniqueness check.
  CDlgConnectorDefine(CDataManager* pDataManager, _E_HvObjType eObjType, CWnd* pParent = nullptr);

  CDataManager* m_pDataManager;
  _E_HvObjType m_eObjType;
  // At most 80 characters; after IDOK without trailing blanks.
  CString m_strName;
  // The window title, set by the caller (the dialog shows it as it is,
  // an empty one too).
  CString m_strTitle;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnChangeName();
  DECLARE_MESSAGE_MAP()
};
