// CPrintInfo: the job's dialog, page range and printer DC.
#include "afxdlgs.h"
#include "afxext.h"

CPrintInfo::CPrintInfo()
    : m_printDialog(std::make_unique<CPrintDialog>(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)) {
  m_pPD = m_printDialog.get();
  SetMinPage(1);
  SetMaxPage(0xFFFF);
  m_strPageDesc.LoadString(AFX_IDS_PREVIEWPAGEDESC);
}

CPrintInfo::~CPrintInfo() {
  PRINTDLG& pd = m_pPD->m_pd;
  if (pd.hDC != nullptr) ::DeleteDC(pd.hDC);
  if (m_bOwnsDevBlocks) {
    if (pd.hDevMode != nullptr) ::GlobalFree(pd.hDevMode);
    if (pd.hDevNames != nullptr) ::GlobalFree(pd.hDevNames);
  }
}

void CPrintInfo::SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage); }
void CPrintInfo::SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage); }
UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }
UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
UINT CPrintInfo::GetFromPage() const { return m_pPD->m_pd.nFromPage; }
UINT CPrintInfo::GetToPage() const { return m_pPD->m_pd.nToPage; }
