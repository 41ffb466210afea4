// The grid's part in the class library's print loop and preview: pages
// are counted on the DC the loop prints on and each is drawn on request;
// nothing is held between the calls.
#include <algorithm>

#include <afxext.h>

#include "gx/gxcore.h"
#include "gx/gxprint.h"

namespace {

int PageCount(CGXGridCore& grid, CDC* pDC) {
  return CGXGridPrinter(grid).CountPages(pDC, CGXGridPrinter::GetDrawRect(pDC, *grid.GetParam()->GetProperties()));
}

}  // namespace

void CGXGridCore::OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  if (!pDC || !pInfo) return;
  // What is being typed belongs on paper too.
  TransferCurrentCell();
  pInfo->SetMaxPage(static_cast<UINT>(std::max(PageCount(*this, pDC), 1)));
}

// A program that left the page count open (0xFFFF) stops after the last page.
void CGXGridCore::OnGridPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  if (!pDC || !pInfo) return;
  pInfo->m_bContinuePrinting = static_cast<int>(pInfo->m_nCurPage) <= PageCount(*this, pDC);
}

void CGXGridCore::OnGridPrint(CDC* pDC, CPrintInfo* pInfo) {
  if (!pDC || !pInfo) return;
  CGXGridPrinter(*this).PrintPage(pDC, static_cast<int>(pInfo->m_nCurPage),
                                  CGXGridPrinter::GetDrawRect(pDC, *GetParam()->GetProperties()));
}

void CGXGridCore::OnGridEndPrinting(CDC*, CPrintInfo*) {}
