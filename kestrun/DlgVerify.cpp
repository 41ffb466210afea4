#include "DlgVerify.h"

#include "resource.h"

CDlgVerify::CDlgVerify(CWnd* pParent) : CDialog(IDD_VERIFY, pParent) {}

CDlgVerify::~CDlgVerify() = default;

void CDlgVerify::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_VERIFY_VALUE, m_editValue);
}

BOOL CDlgVerify::OnInitDialog() {
  CDialog::OnInitDialog();
  m_editValue.SetFocus();
  m_editValue.SetSel(0, -1);
  return FALSE;
}

void CDlgVerify::OnOK() {
  m_editValue.GetWindowText(m_strValue);
  EndDialog(IDOK);
}
