// The new-object name dialogs' shared part.
#include "DlgNewObjectName.h"

#include "NewObjectName.h"

namespace {

constexpr int kMaxName = 80;

}  // namespace

CDlgNewObjectName::CDlgNewObjectName(UINT nIDTemplate, int nIDName, CDataManager* pDataManager, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pDataManager(pDataManager), m_nIDName(nIDName) {}

void CDlgNewObjectName::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, m_nIDName, m_strName);
  DDV_MaxChars(pDX, m_strName, kMaxName);
}

BOOL CDlgNewObjectName::OnInitDialog() {
  CDialog::OnInitDialog();
  m_strName.TrimRight();
  UpdateData(FALSE);
  return TRUE;
}

void CDlgNewObjectName::OnChangeName() { velmora::UpdateOkForName(*this, m_nIDName, m_strName); }

void CDlgNewObjectName::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strName.TrimRight();
  const BOOL accepted = velmora::AcceptNewName(
      m_strName, "Please enter name .", [this] { return m_pDataManager != nullptr ? NameTakenMessage() : CString(); });
  if (accepted) EndDialog(IDOK);
}
