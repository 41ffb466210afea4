#include "DlgGetFilterName.h"

#include "wizard_resource.h"

CDlgGetFilterName::CDlgGetFilterName(CWnd* pParent) : CDialog(IDD_FILTER_NAME, pParent) {}

BOOL CDlgGetFilterName::OnInitDialog() {
  if (auto* pCombo = GetDlgItemAs<CComboBox>(IDC_FILTER_NAME))
    for (const CString& filter : m_recentFilters) pCombo->AddString(filter);
  CDialog::OnInitDialog();
  return TRUE;
}

void CDlgGetFilterName::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_CBString(pDX, IDC_FILTER_NAME, m_strFilter);
}
