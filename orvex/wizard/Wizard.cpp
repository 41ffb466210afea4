#include "Wizard.h"

IMPLEMENT_DYNAMIC(CWizard, CPropertySheet)

CWizard::CWizard(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {
  CWizard::Init();
}

void CWizard::Init() { m_psh.dwFlags |= PSH_WIZARD; }
