// The new collaboration template dialog.
#include "DlgTmplDefine.h"

#include <DataManager.h>

#include "NewObjectName.h"
#include "resource.h"

namespace {

constexpr int kMaxName = 79;

}  // namespace

BEGIN_MESSAGE_MAP(CDlgTmplDefine, CDialog)
  ON_EN_CHANGE(IDC_NEW_NAME, OnChangeName)
END_MESSAGE_MAP()

CDlgTmplDefine::CDlgTmplDefine(CDataManager* pDataManager, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDataManager(pDataManager) {}

void CDlgTmplDefine::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NEW_NAME, m_strName);
  DDX_Text(pDX, IDC_DESCRIPTION, m_strDescription);
}

BOOL CDlgTmplDefine::OnInitDialog() {
  CDialog::OnInitDialog();
  m_strName.TrimRight();
  UpdateData(FALSE);
  if (CEdit* pName = GetDlgItemAs<CEdit>(IDC_NEW_NAME)) pName->LimitText(kMaxName);
  if (CEdit* pDescription = GetDlgItemAs<CEdit>(IDC_DESCRIPTION)) pDescription->LimitText(0);
  velmora::UpdateOkForName(*this, IDC_NEW_NAME, m_strName);
  return TRUE;
}

void CDlgTmplDefine::OnChangeName() { velmora::UpdateOkForName(*this, IDC_NEW_NAME, m_strName); }

void CDlgTmplDefine::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strName.TrimRight();
  const BOOL accepted = velmora::AcceptNewName(m_strName, "Please, enter the valid name", [this] {
    CString message;
    if (m_pDataManager != nullptr && m_pDataManager->GetTemplate(m_strName) != nullptr)
      AfxFormatString1(message, IDS_TMPL_NAME_EXISTS, m_strName);
    return message;
  });
  if (accepted) EndDialog(IDOK);
}
