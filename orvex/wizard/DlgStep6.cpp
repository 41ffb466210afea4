#include "DlgStep6.h"

#include "BOImpExp.h"
#include "GenerateWizard.h"
#include "OrvexApp.h"
#include "wizard_resource.h"

IMPLEMENT_DYNAMIC(CDlgStep6, CWzDialog)

namespace {

constexpr const char* kCaption = "ZTA Wizard";
constexpr const char* kParseError =
    "The ZTA Wizard encountered an error while parsing the generated BO stream: \n\r\n\r";
constexpr const char* kDiscard =
    "Are you sure you want to exit the Wizard and discard all recently generated business objects?";

}  // namespace

CDlgStep6::CDlgStep6() : CWzDialog(IDD_WIZARD_STEP6) {}

void CDlgStep6::EnableChoices(BOOL bEnable) {
  for (int nID : {IDC_SAVE_TO_SERVER, IDC_SAVE_TO_FILE, IDC_OPEN_IN_WINDOWS}) GetDlgItem(nID)->EnableWindow(bEnable);
}

BOOL CDlgStep6::OnSetActive() {
  m_pSheet->SetWizardButtons(PSWIZB_FINISH);
  CGenerateWizard* pWizard = GetWizard();
  const CString* pText = pWizard->GetGeneratedText();
  EnableChoices(pText != nullptr);
  const COrvexApp* pApp = GetOrvexApp();
  if (pApp == nullptr || !pApp->IsConnected()) GetDlgItem(IDC_SAVE_TO_SERVER)->EnableWindow(FALSE);
  if (const int nCode = pWizard->ParseGenerated()) {
    const CString message = kParseError + pWizard->GetImpExp()->GetErrorText(nCode) + ".";
    EnableChoices(FALSE);
    pWizard->SetGeneratedText(nullptr);
    MessageBox(message, kCaption, MB_OK | MB_ICONSTOP);
  }
  return CWzDialog::OnSetActive();
}

BOOL CDlgStep6::OnWizardFinish() {
  CGenerateWizard* pWizard = GetWizard();
  pWizard->SetSaveChoices(IsDlgButtonChecked(IDC_SAVE_TO_SERVER), IsDlgButtonChecked(IDC_SAVE_TO_FILE),
                          IsDlgButtonChecked(IDC_OPEN_IN_WINDOWS));
  pWizard->PostMessage(WM_HV_WIZARD_CLOSE, WIZARD_FINISHED, 0);
  return TRUE;
}

BOOL CDlgStep6::OnQueryCancel() {
  if (GetWizard()->GetGeneratedText() == nullptr) return TRUE;
  return MessageBox(kDiscard, kCaption, MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) == IDYES;
}

// The last step done, the wizard's Cancel closes it.
void CDlgStep6::OnCancel() {
  MarkStepDone();
  CWzDialog::OnCancel();
}
