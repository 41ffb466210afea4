// CWinApp's printer: the one Print Setup chose, shared by later jobs.
#include "afxdlgs.h"
#include "afxext.h"

void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults) {
  if (!bForceDefaults && m_hDevNames != nullptr) return;
  CPrintDialog defaults(TRUE);
  if (!defaults.GetDefaults()) return;
  FreePrinterSelection();
  m_hDevMode = defaults.m_pd.hDevMode;
  m_hDevNames = defaults.m_pd.hDevNames;
}

void CWinApp::FreePrinterSelection() {
  if (m_hDevMode != nullptr) ::GlobalFree(m_hDevMode);
  if (m_hDevNames != nullptr) ::GlobalFree(m_hDevNames);
  m_hDevMode = m_hDevNames = nullptr;
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg) {
  UpdatePrinterSelection(m_hDevNames == nullptr);
  if (m_hDevNames == nullptr || pPrintDlg == nullptr) return FALSE;
  pPrintDlg->hDevMode = m_hDevMode;
  pPrintDlg->hDevNames = m_hDevNames;
  return TRUE;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD) {
  UpdatePrinterSelection(FALSE);
  pPD->m_pd.hDevMode = m_hDevMode;
  pPD->m_pd.hDevNames = m_hDevNames;
  const INT_PTR result = pPD->DoModal();
  // The dialog may have replaced the blocks: they are the application's now.
  m_hDevMode = pPD->m_pd.hDevMode;
  m_hDevNames = pPD->m_pd.hDevNames;
  return result;
}

void CWinApp::OnFilePrintSetup() {
  CPrintDialog setup(TRUE);
  DoPrintDialog(&setup);
}
