// The new connector (or other object) name dialog.
#include "DlgConnectorDefine.h"

#include <DataManager.h>

#include "resource.h"

BEGIN_MESSAGE_MAP(CDlgConnectorDefine, CDlgNewObjectName)
  ON_EN_CHANGE(IDC_CONNECTOR_NAME, OnChangeName)
END_MESSAGE_MAP()

CDlgConnectorDefine::CDlgConnectorDefine(CDataManager* pDataManager, _E_HvObjType eObjType, CWnd* pParent)
    : CDlgNewObjectName(IDD, IDC_CONNECTOR_NAME, pDataManager, pParent), m_eObjType(eObjType) {}

BOOL CDlgConnectorDefine::OnInitDialog() {
  CDlgNewObjectName::OnInitDialog();
  SetWindowText(m_strTitle);
  GotoDlgCtrl(GetDlgItem(IDC_CONNECTOR_NAME));
  return FALSE;
}

CString CDlgConnectorDefine::NameTakenMessage() {
  const bool taken = m_eObjType != 0 && m_pDataManager->IsUnique(m_eObjType, m_strName) == 0;
  return taken ? "Please give unique name." : "";
}
