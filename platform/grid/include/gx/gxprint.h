// CGXGridPrinter: prints a grid in pages. Rows go down the pages and
// columns across (all row pages of the first columns first); the header
// row and the row-header column repeat on every page (GetProperties()
// says which), under the header lines and above the footer lines of the
// grid's CGXProperties. The grid is drawn at its screen size: one screen
// pixel is 1/96 inch on paper. The grid's OnGridBeginPrinting,
// OnGridPrint and OnGridEndPrinting run it for the class library's
// printing and preview.
#pragma once

#include "gx/gxprop.h"
#include "gx/gxrange.h"

class CGXGridCore;

class CGXGridPrinter {
 public:
  explicit CGXGridPrinter(CGXGridCore& grid) : m_grid(grid) {}

  // Prints only the cells of range (whole rows, columns or a block; the
  // headers still repeat). Without one, the whole grid.
  void SetPrintRange(const CGXRange& range);

  // Pages of the grid on a DC whose drawing area (device units) is rectDraw.
  int CountPages(CDC* pDC, const CRect& rectDraw);
  // Prints page nPage (from 1) into rectDraw of the DC, already started.
  void PrintPage(CDC* pDC, int nPage, const CRect& rectDraw);
  // A whole print job on a printer DC: every page, StartDoc to EndDoc;
  // FALSE when the printer refuses one step (the job is then aborted).
  BOOL PrintDocument(CDC* pDC, LPCTSTR pszDocName, LPCTSTR pszOutput = nullptr);
  // The printable area of a printer DC less the margins, device units.
  static CRect GetDrawRect(CDC* pDC, const CGXProperties& properties);

 private:
  // The pages of a started document; aborts it on a failed step.
  BOOL PrintPages(CDC* pDC);

  CGXGridCore& m_grid;
  CGXRange m_range;
};
