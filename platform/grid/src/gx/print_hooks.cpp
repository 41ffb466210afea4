// The grid's part in the class library's print loop and preview: pages
// are counted on the DC the loop prints on and each is drawn on request;
// nothing is held between the calls.
#include <algorithm>

#include <afxdlgs.h>
#include <afxext.h>

#include "gridview.h"
#include "gx/gxcore.h"
#include "gx/gxprint.h"

namespace {

CGXGridPrinter PrinterFor(CGXGridCore& grid, const CGXRange& range) {
  CGXGridPrinter printer(grid);
  if (range.IsValid()) printer.SetPrintRange(range);
  return printer;
}

int PageCount(CGXGridCore& grid, const CGXRange& range, CDC* pDC) {
  return PrinterFor(grid, range).CountPages(pDC, CGXGridPrinter::GetDrawRect(pDC, *grid.GetParam()->GetProperties()));
}

// The selection as one range to print (the first of several), or invalid.
CGXRange SelectionRange(CGXGridCore& grid, CPrintInfo* pInfo) {
  const CGXRangeList* selection = grid.GetParam()->GetRangeList();
  if (pInfo->m_pPD == nullptr || !pInfo->m_pPD->PrintSelection() || selection->IsEmpty()) return CGXRange();
  return selection->GetHead();
}

}  // namespace

void CGXGridCore::OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  if (!pDC || !pInfo) return;
  // What is being typed belongs on paper too.
  TransferCurrentCell();
  m_pView->printRange = SelectionRange(*this, pInfo);
  pInfo->SetMaxPage(static_cast<UINT>(std::max(PageCount(*this, m_pView->printRange, pDC), 1)));
}

// A program that left the page count open (0xFFFF) stops after the last page.
void CGXGridCore::OnGridPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  if (!pDC || !pInfo) return;
  pInfo->m_bContinuePrinting = static_cast<int>(pInfo->m_nCurPage) <= PageCount(*this, m_pView->printRange, pDC);
}

void CGXGridCore::OnGridPrint(CDC* pDC, CPrintInfo* pInfo) {
  if (!pDC || !pInfo) return;
  PrinterFor(*this, m_pView->printRange)
      .PrintPage(pDC, static_cast<int>(pInfo->m_nCurPage),
                 CGXGridPrinter::GetDrawRect(pDC, *GetParam()->GetProperties()));
}

void CGXGridCore::OnGridEndPrinting(CDC*, CPrintInfo*) { m_pView->printRange = CGXRange(); }
