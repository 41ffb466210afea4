// Asks for the name of a new connector, or of any object type the caller
// gives. OK refuses an empty or malformed name and, with a data manager and
// an object type other than 0, a name the server already uses for that type.
#pragma once

#include <QRObj.h>

#include "DlgNewObjectName.h"

class AFX_EXT_CLASS CDlgConnectorDefine : public CDlgNewObjectName {
 public:
  enum { IDD = 370 };

  // A null data manager or object type 0 skips the uniqueness check.
  CDlgConnectorDefine(CDataManager* pDataManager, _E_HvObjType eObjType, CWnd* pParent = nullptr);

  _E_HvObjType m_eObjType;
  // The window title, set by the caller (the dialog shows it as it is,
  // an empty one too).
  CString m_strTitle;

 protected:
  CString NameTakenMessage() override;
  BOOL OnInitDialog() override;
  DECLARE_MESSAGE_MAP()
};
