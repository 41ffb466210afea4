// The new business-object definition dialog.
#include "DlgBODefine.h"

#include <DataManager.h>

#include "NewObjectName.h"
#include "resource.h"

namespace {

constexpr int kMaxName = 80;

}  // namespace

BEGIN_MESSAGE_MAP(CDlgBODefine, CDialog)
  ON_EN_CHANGE(IDC_NEW_NAME, OnChangeName)
END_MESSAGE_MAP()

CDlgBODefine::CDlgBODefine(CDataManager* pDataManager, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDataManager(pDataManager) {}

void CDlgBODefine::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NEW_NAME, m_strName);
  DDV_MaxChars(pDX, m_strName, kMaxName);
  DDX_Text(pDX, IDC_APP_INFO, m_strAppInfo);
}

BOOL CDlgBODefine::OnInitDialog() {
  CDialog::OnInitDialog();
  m_strName.TrimRight();
  UpdateData(FALSE);
  return TRUE;
}

void CDlgBODefine::OnChangeName() { velmora::UpdateOkForName(*this, IDC_NEW_NAME, m_strName); }

void CDlgBODefine::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strName.TrimRight();
  const BOOL accepted = velmora::AcceptNewName(m_strName, "Please enter name .", [this] {
    const bool taken = m_pDataManager != nullptr && m_pDataManager->GetBO(m_strName, 0, 0) != nullptr;
    return CString(taken ? "Please give unique name to business object." : "");
  });
  if (accepted) EndDialog(IDOK);
}
