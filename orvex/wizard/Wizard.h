// CWizard: the sheet of a wizard whose pages are CWzDialog steps.
#pragma once

#include <afxdlgs.h>

class CWizard : public CPropertySheet {
  DECLARE_DYNAMIC(CWizard)

 public:
  CWizard(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage);

  // Sets the sheet up as a wizard (run by the constructor). The buttons,
  // the sizing and the closing come with the wizard's steps.
  virtual void Init();
};
