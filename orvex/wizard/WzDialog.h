// CWzDialog: a step of a wizard; it knows the sheet it serves.
#pragma once

#include <afxdlgs.h>

class CWizard;

class CWzDialog : public CPropertyPage {
 public:
  explicit CWzDialog(UINT nIDTemplate);

  BOOL OnInitDialog() override;

 protected:
  // The sheet; null until the first OnInitDialog unless set before.
  CWizard* m_pSheet = nullptr;

 private:
  BOOL m_bFirstInit = TRUE;
};
