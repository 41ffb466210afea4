#include "DlgObjectPath.h"

#include "wizard_resource.h"

CDlgObjectPath::CDlgObjectPath(CWnd* pParent) : CDialog(IDD_OBJECT_PATH, pParent) {}

void CDlgObjectPath::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_OBJECT_PATH, m_edtPath);
  DDX_Text(pDX, IDC_OBJECT_PATH, m_strPath);
}

BOOL CDlgObjectPath::OnInitDialog() {
  CDialog::OnInitDialog();
  m_edtPath.SetPeer(GetDlgItem(IDOK));
  // The path given is selected whole and its end in view, ready to retype.
  m_edtPath.SetSel(0, -1);
  m_edtPath.SetFocus();
  return FALSE;
}
