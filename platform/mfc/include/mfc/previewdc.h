// CPreviewDC: draws a printed page on the screen. Queries (device caps,
// text extents, mapping) answer for the printer (the attribute DC); output
// goes to the screen scaled by a ratio and offset to the page's place, so
// code written for the printer draws the page as it will print.
#pragma once

#include "mfc/dc.h"

class CPreviewDC : public CDC {
  DECLARE_DYNAMIC(CPreviewDC)

 public:
  CPreviewDC();
  ~CPreviewDC() override;

  void SetAttribDC(HDC hDC) override;
  void SetOutputDC(HDC hDC) override;
  void ReleaseOutputDC() override;

  // Screen pixels per printer pixel: nNumerator / nDenominator.
  void SetScaleRatio(int nNumerator, int nDenominator);
  // The screen position (device units) of the page's top-left corner.
  void SetTopLeftOffset(CSize sizeTop);
  // Output outside the page (screen rectangle) is clipped away.
  void ClipToPage(const CRect& rectPage);
  // A printer length in screen pixels.
  int ScaleToScreen(int nPrinter) const;

  int SaveDC() override;
  BOOL RestoreDC(int nSavedDC) override;
  int SetMapMode(int nMapMode) override;
  CPoint SetViewportOrg(int x, int y) override;
  CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
  CSize SetViewportExt(int cx, int cy) override;
  CPoint SetWindowOrg(int x, int y) override;
  CSize SetWindowExt(int cx, int cy) override;
  CFont* SelectObject(CFont* pFont) override;
  CGdiObject* SelectStockObject(int nIndex) override;
  using CDC::SelectObject;

 private:
  int m_nScaleNum = 1;
  int m_nScaleDen = 1;
  CSize m_sizeTopLeft{0, 0};
  HFONT m_hScreenFont = nullptr;  // the printer's font at the screen's scale; owned
  int m_nSavedOutput = 0;         // the output DC's state before it was lent

  // The screen's mapping: the printer's, scaled and moved to the page.
  void MirrorMappingMode();
  // The screen's colours, modes, pen and brush: the printer's.
  void MirrorAttributes();
  // The screen's font: the printer's current font, scaled.
  void MirrorFont();
};
