#include "DlgUpgrateStdProperty.h"

#include "resource.h"

CDlgUpgrateStdProperty::CDlgUpgrateStdProperty(CWnd* pParent, const CString& text)
    : CDialog(IDD_UPGRADE_STD_PROPS, pParent), m_strText(text) {}

CDlgUpgrateStdProperty::~CDlgUpgrateStdProperty() = default;

BOOL CDlgUpgrateStdProperty::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_UPGRADE_TEXT, m_strText);
  return TRUE;
}
