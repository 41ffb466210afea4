#include "WzDialog.h"

#include "Wizard.h"

CWzDialog::CWzDialog(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}

BOOL CWzDialog::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (m_bFirstInit) {
    if (m_pSheet == nullptr) m_pSheet = DYNAMIC_DOWNCAST(CWizard, GetParent());
    m_bFirstInit = FALSE;
  }
  return TRUE;
}
