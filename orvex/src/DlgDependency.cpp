#include "DlgDependency.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CDlgDependency, CDialog)
END_MESSAGE_MAP()

CDlgDependency::CDlgDependency(CWnd* pParent) : CDialog(IDD_DEPENDENCY, pParent) {}

CDlgDependency::~CDlgDependency() = default;

void CDlgDependency::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_DEP_MESSAGE, m_strMessage);
  DDX_Text(pDX, IDC_DEP_USERS, m_strUsedBy);
  DDX_Text(pDX, IDC_DEP_NAME, m_strObjectName);
  DDX_Text(pDX, IDC_DEP_LABEL, m_strObjectLabel);
}

BOOL CDlgDependency::OnInitDialog() {
  CDialog::OnInitDialog();
  // The report is read, not edited: the keyboard starts on the buttons.
  if (CWnd* pDelete = GetDlgItem(IDOK)) pDelete->SetFocus();
  return FALSE;
}
