#include "WzDialog.h"

#include "GenerateWizard.h"
#include "Wizard.h"

IMPLEMENT_DYNAMIC(CWzDialog, CPropertyPage)

BEGIN_MESSAGE_MAP(CWzDialog, CPropertyPage)
  ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

constexpr const char* kTaskTitle = "ZTA Wizard";
constexpr const char* kTaskStartText = "Please wait...";

}  // namespace

CWzDialog::CWzDialog(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}

CWzDialog::~CWzDialog() = default;

BOOL CWzDialog::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (m_bFirstInit) {
    if (m_pSheet == nullptr) m_pSheet = DYNAMIC_DOWNCAST(CWizard, GetParent());
    m_pMessageWnd = std::make_unique<CMessageWnd>(m_pSheet);
    if (m_pSheet != nullptr) m_pClosing = m_pSheet->GetClosingFlag();
    InitSizing();
    m_bFirstInit = FALSE;
  }
  return TRUE;
}

CGenerateWizard* CWzDialog::GetWizard() const { return DYNAMIC_DOWNCAST(CGenerateWizard, m_pSheet); }

int CWzDialog::GetStepIndex() const {
  return m_pSheet != nullptr ? m_pSheet->GetPageIndex(const_cast<CWzDialog*>(this)) : -1;
}

BOOL CWzDialog::OnSetActive() {
  if (m_pSheet != nullptr) m_pSheet->FitToClient();
  return TRUE;
}

bool CWzDialog::IsStepPending() {
  CGenerateWizard* pWizard = GetWizard();
  return pWizard == nullptr || GetStepIndex() >= pWizard->GetCurrentStep();
}

void CWzDialog::OnSheetInitDialog() {}

void CWzDialog::MarkStepDone() {
  if (CGenerateWizard* pWizard = GetWizard()) pWizard->SetCurrentStep(GetStepIndex() + 1);
}

void CWzDialog::InitSizing() {
  CRect rcWindow;
  GetWindowRect(rcWindow);
  m_sizing.SetContainerInitialSize(rcWindow.Size());
}

void CWzDialog::OnCancel() {
  CGenerateWizard* pWizard = GetWizard();
  // Outside a wizard the page is a dialog of its own.
  if (pWizard == nullptr) {
    CPropertyPage::OnCancel();
    return;
  }
  if (pWizard->GetCurrentStep() == pWizard->GetPageCount() - 1 || m_pClosing == nullptr || *m_pClosing) return;
  pWizard->PostMessage(WM_HV_WIZARD_CLOSE, WIZARD_CANCELLED, 0);
  *m_pClosing = TRUE;
}

UINT CWzDialog::RunTask(HLTASKPROC pfnTask, void* pArg, const CString& text, bool bKeepWaitWindow) {
  CMessageTask* pTask = m_pMessageWnd->AddTask(pfnTask, pArg);
  pTask->SetTitle(kTaskTitle);
  pTask->SetText(text);
  pTask->AttachWindow(this);
  pTask->AttachWindow(m_pSheet);
  m_pMessageWnd->Start(kTaskStartText);
  return m_pMessageWnd->Join(INFINITE, bKeepWaitWindow, false, true);
}

// The sheet moves a page it shows back to the size it was made for; a page
// that the sheet's sizing placed goes back there, and its controls follow.
void CWzDialog::OnSize(UINT nType, int cx, int cy) {
  CPropertyPage::OnSize(nType, cx, cy);
  if (m_pSheet == nullptr) return;
  CControlSizingDefinition* pDefinition = m_pSheet->GetSizingList().GetForControl(this);
  if (pDefinition == nullptr) return;
  CRect rcClient;
  m_pSheet->GetClientRect(rcClient);
  const CRect rcWanted = pDefinition->LayoutFor(rcClient.Size());
  if (pDefinition->IsMeasured() && rcWanted.Size() != CSize(cx, cy) && nType != SIZE_MINIMIZED) {
    pDefinition->RestoreLayout();
    return;
  }
  m_sizing.ResizeTo(cx, cy);
}
