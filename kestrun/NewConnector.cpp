#include "NewConnector.h"

#include <UtilFunc.h>
#include <UtilMessageBox.h>

#include "KestrunApp.h"
#include "resource.h"

namespace {
constexpr int kNameLimit = 80;
}  // namespace

CNewConnector::CNewConnector(CWnd* pParent) : CDialog(IDD_NEW_CONNECTOR, pParent) {}

CNewConnector::~CNewConnector() = default;

void CNewConnector::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NEW_NAME, m_strName);
  DDV_MaxChars(pDX, m_strName, kNameLimit);
  DDX_Control(pDX, IDC_NEW_BROKER, m_comboBroker);
}

BOOL CNewConnector::OnInitDialog() {
  CDialog::OnInitDialog();
  SendDlgItemMessage(IDC_NEW_NAME, EM_LIMITTEXT, kNameLimit, 0);
  m_comboBroker.SetCurSel(0);
  GetDlgItem(IDC_NEW_NAME)->SetFocus();
  return TRUE;
}

void CNewConnector::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_nBroker = m_comboBroker.GetCurSel();
  if (m_strName.IsEmpty()) {
    AfxMessageBox("Please, specify a valid name");
    return;
  }
  const CKestrunApp* pApp = GetKestrunApp();
  if (pApp != nullptr && pApp->FindConnectorDocument(m_strName, m_nBroker) != nullptr) {
    FormatMessageBox(MB_ICONEXCLAMATION, "The Connector '%s' already exist!\nPlease, specify unique name",
                     static_cast<LPCTSTR>(m_strName));
    return;
  }
  if (!CUtilFunc::ValidateName(HvObjConnector, m_strName, TRUE, nullptr)) return;
  EndDialog(IDOK);
}
