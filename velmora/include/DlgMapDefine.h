// Asks for the name of a new map. OK refuses an empty or malformed name
// and, with a data manager, the name of a map the server has.
#pragma once

#include "DlgNewObjectName.h"

class AFX_EXT_CLASS CDlgMapDefine : public CDlgNewObjectName {
 public:
  enum { IDD = 365 };

  // A null data manager skips the uniqueness check.
  explicit CDlgMapDefine(CDataManager* pDataManager, CWnd* pParent = nullptr);

  // The label beside the name, set by the caller (empty unless set).
  CString m_strLabel;

 protected:
  CString NameTakenMessage() override;
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
