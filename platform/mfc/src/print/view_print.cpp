// CView's printing: the preparation (dialog or defaults), the page loop on
// the printer DC with the "Printing" dialog and its Cancel.
#include <algorithm>

#include "afxdlgs.h"
#include "afxext.h"
#include "print/printing_dialog.h"

namespace {

// The job's printer settings: the application's, else the system's
// defaults (then the job keeps and frees them).
bool UseDefaultPrinter(CPrintDialog& pd, bool& ownsBlocks) {
  CWinApp* app = AfxGetApp();
  if (app != nullptr) return app->GetPrinterDeviceDefaults(&pd.m_pd) != FALSE;
  ownsBlocks = pd.GetDefaults() != FALSE;
  return ownsBlocks;
}

INT_PTR RunPrintDialog(CPrintDialog& pd) {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->DoPrintDialog(&pd) : pd.DoModal();
}

}  // namespace

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
  if (pInfo == nullptr) return FALSE;
  CPrintDialog& pd = *pInfo->m_pPD;
  pd.m_pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
  pd.m_pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
  if (pInfo->m_bPreview || pInfo->m_bDirect) {
    // No dialog: the chosen printer, or the dialog when there is none.
    if (pd.m_pd.hDC == nullptr) {
      if (!UseDefaultPrinter(pd, pInfo->m_bOwnsDevBlocks) && RunPrintDialog(pd) != IDOK) return FALSE;
      if (pd.m_pd.hDC == nullptr && pd.CreatePrinterDC() == nullptr) return FALSE;
    }
  } else {
    pd.m_pd.Flags |= PD_RETURNDC;
    if (RunPrintDialog(pd) != IDOK) return FALSE;
    if (pd.m_pd.hDC == nullptr && pd.CreatePrinterDC() == nullptr) return FALSE;
  }
  pInfo->m_strPageDesc.LoadString(AFX_IDS_PREVIEWPAGEDESC);
  return TRUE;
}

void CView::OnFilePrint() {
  CPrintInfo info;
  const MSG* current = GetCurrentMessage();
  info.m_bDirect =
      current != nullptr && current->message == WM_COMMAND && LOWORD(current->wParam) == ID_FILE_PRINT_DIRECT;
  if (!OnPreparePrinting(&info)) return;
  PrintPages(info);
}

void CView::PrintPages(CPrintInfo& info) {
  CDC dcPrint;
  if (!dcPrint.Attach(info.m_pPD->m_pd.hDC)) return;
  dcPrint.m_bPrinting = TRUE;

  CString title;
  if (CDocument* doc = GetDocument()) title = doc->GetTitle();
  if (title.GetLength() > 31) title = title.Left(31);
  DOCINFO docInfo{};
  docInfo.cbSize = sizeof(docInfo);
  docInfo.lpszDocName = title;

  OnBeginPrinting(&dcPrint, &info);
  CWnd* mainWnd = AfxGetMainWnd();
  if (mainWnd != nullptr) mainWnd->EnableWindow(FALSE);
  afx::CPrintingDialog status(this, title, info.m_pPD->GetDeviceName(), info.m_pPD->GetPortName());
  dcPrint.SetAbortProc(&afx::CPrintingDialog::AbortProc);

  const bool started = dcPrint.StartDoc(&docInfo) > 0;
  bool failed = !started;
  if (started) {
    // The range the dialog gave, kept inside the document's pages.
    const UINT minPage = info.GetMinPage(), maxPage = info.GetMaxPage();
    const UINT start = std::clamp(info.GetFromPage(), minPage, maxPage);
    const UINT end = std::clamp(info.GetToPage(), minPage, maxPage);
    const int step = end >= start ? 1 : -1;
    for (info.m_nCurPage = start;; info.m_nCurPage += step) {
      OnPrepareDC(&dcPrint, &info);
      if (!info.m_bContinuePrinting) break;
      status.ShowPage(info.m_nCurPage);
      info.m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES), dcPrint.GetDeviceCaps(VERTRES));
      dcPrint.DPtoLP(&info.m_rectDraw);
      if (dcPrint.StartPage() <= 0) {
        failed = true;
        break;
      }
      // A new page starts with the DC's defaults again.
      OnPrepareDC(&dcPrint, &info);
      OnPrint(&dcPrint, &info);
      if (dcPrint.EndPage() <= 0 || !afx::CPrintingDialog::AbortProc(dcPrint.m_hDC, 0)) {
        failed = true;
        break;
      }
      if (info.m_nCurPage == end) break;
    }
    // A document that could not be finished (written) is a failure too.
    if (failed)
      dcPrint.AbortDoc();
    else
      failed = dcPrint.EndDoc() <= 0;
  }
  if (mainWnd != nullptr) mainWnd->EnableWindow(TRUE);
  OnEndPrinting(&dcPrint, &info);
  status.DestroyWindow();
  // The job deletes the printer DC.
  dcPrint.Detach();
  if (failed && !afx::CPrintingDialog::UserAborted())
    AfxMessageBox(started ? AFX_IDP_FAILED_TO_PRINT : AFX_IDP_FAILED_TO_START_PRINT, MB_OK | MB_ICONEXCLAMATION);
}
