// CPrintInfo: the state of one print or preview job, handed to the
// view's printing hooks; the page loop of CView::OnFilePrint runs on it.
#pragma once

#include <memory>

#include "afxstr.h"
#include "mfc/types.h"

class CPrintDialog;

struct CPrintInfo {
  CPrintInfo();
  ~CPrintInfo();
  CPrintInfo(const CPrintInfo&) = delete;
  CPrintInfo& operator=(const CPrintInfo&) = delete;

  // The print dialog of the job: its range, flags and, once prepared, the
  // printer DC (deleted with the job).
  CPrintDialog* m_pPD;
  BOOL m_bDirect = FALSE;           // printed without the dialog
  BOOL m_bPreview = FALSE;          // drawn by the print preview
  BOOL m_bContinuePrinting = TRUE;  // OnPrepareDC clears it after the last page
  UINT m_nCurPage = 1;
  UINT m_nNumPreviewPages = 1;  // pages the preview shows side by side (1 or 2)
  CString m_strPageDesc;        // "Page %u\nPages %u-%u\n"
  LPVOID m_lpUserData = nullptr;
  CRect m_rectDraw;  // the page's printable area, in logical units

  void SetMinPage(UINT nMinPage);
  void SetMaxPage(UINT nMaxPage);
  UINT GetMinPage() const;
  UINT GetMaxPage() const;
  UINT GetFromPage() const;
  UINT GetToPage() const;

 private:
  std::unique_ptr<CPrintDialog> m_printDialog;
  // Printer settings the job fetched itself (no application keeps them).
  bool m_bOwnsDevBlocks = false;
  friend class CView;
};
