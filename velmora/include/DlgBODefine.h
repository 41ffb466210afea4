// Asks for the name of a new business-object definition and its
// application-specific information. OK refuses an empty or malformed name
// and, with a data manager, the name of a definition the session holds.
#pragma once

#include "DlgNewObjectName.h"

class AFX_EXT_CLASS CDlgBODefine : public CDlgNewObjectName {
 public:
  enum { IDD = 349 };

  // A null data manager skips the uniqueness check.
  explicit CDlgBODefine(CDataManager* pDataManager, CWnd* pParent = nullptr);

  CString m_strAppInfo;

 protected:
  CString NameTakenMessage() override;
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
