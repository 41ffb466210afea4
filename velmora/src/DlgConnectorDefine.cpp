// The new connector (or other object) name dialog.
#include "DlgConnectorDefine.h"

#include <DataManager.h>

#include "NewObjectName.h"
#include "resource.h"

namespace {

constexpr int kMaxName = 80;

}  // namespace

BEGIN_MESSAGE_MAP(CDlgConnectorDefine, CDialog)
  ON_EN_CHANGE(IDC_CONNECTOR_NAME, OnChangeName)
END_MESSAGE_MAP()

CDlgConnectorDefine::CDlgConnectorDefine(CDataManager* pDataManager, _E_HvObjType eObjType, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDataManager(pDataManager), m_eObjType(eObjType) {}

void CDlgConnectorDefine::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_CONNECTOR_NAME, m_strName);
  DDV_MaxChars(pDX, m_strName, kMaxName);
}

BOOL CDlgConnectorDefine::OnInitDialog() {
  CDialog::OnInitDialog();
  m_strName.TrimRight();
  UpdateData(FALSE);
  SetWindowText(m_strTitle);
  GotoDlgCtrl(GetDlgItem(IDC_CONNECTOR_NAME));
  return FALSE;
}

void CDlgConnectorDefine::OnChangeName() { velmora::UpdateOkForName(*this, IDC_CONNECTOR_NAME, m_strName); }

void CDlgConnectorDefine::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strName.TrimRight();
  const BOOL accepted = velmora::AcceptNewName(m_strName, "Please enter name .", [this] {
    const bool taken =
        m_pDataManager != nullptr && m_eObjType != 0 && m_pDataManager->IsUnique(m_eObjType, m_strName) == 0;
    return CString(taken ? "Please give unique name." : "");
  });
  if (accepted) EndDialog(IDOK);
}
