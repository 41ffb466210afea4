// The new map name dialog.
#include "DlgMapDefine.h"

#include <DataManager.h>

#include "NewObjectName.h"
#include "resource.h"

namespace {

constexpr int kMaxName = 80;

}  // namespace

BEGIN_MESSAGE_MAP(CDlgMapDefine, CDialog)
  ON_EN_CHANGE(IDC_NEW_NAME, OnChangeName)
END_MESSAGE_MAP()

CDlgMapDefine::CDlgMapDefine(CDataManager* pDataManager, CWnd* pParent)
    : CDialog(IDD, pParent), m_pDataManager(pDataManager) {}

void CDlgMapDefine::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NEW_NAME, m_strName);
  DDV_MaxChars(pDX, m_strName, kMaxName);
  DDX_Text(pDX, IDC_NAME_LABEL, m_strLabel);
}

BOOL CDlgMapDefine::OnInitDialog() {
  CDialog::OnInitDialog();
  m_strName.TrimRight();
  UpdateData(FALSE);
  return TRUE;
}

void CDlgMapDefine::OnChangeName() { velmora::UpdateOkForName(*this, IDC_NEW_NAME, m_strName); }

void CDlgMapDefine::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strName.TrimRight();
  const BOOL accepted = velmora::AcceptNewName(m_strName, "Please enter name .", [this] {
    const bool taken = m_pDataManager != nullptr && m_pDataManager->GetMap(m_strName) != nullptr;
    return CString(taken ? "Please give unique name to new object." : "");
  });
  if (accepted) EndDialog(IDOK);
}
