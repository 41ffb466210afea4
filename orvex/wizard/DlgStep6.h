// CDlgStep6: "Save business objects", where the generated definitions go
// when the wizard finishes: the server, a file, windows of their own.
#pragma once

#include "WzDialog.h"

class CDlgStep6 : public CWzDialog {
  DECLARE_DYNAMIC(CDlgStep6)

 public:
  CDlgStep6();

  BOOL OnSetActive() override;
  BOOL OnWizardFinish() override;
  // Generated definitions are not dropped without a question.
  BOOL OnQueryCancel() override;
  void OnCancel() override;

 private:
  void EnableChoices(BOOL bEnable);
};
