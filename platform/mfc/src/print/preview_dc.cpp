// CPreviewDC: the printer's mapping and fonts mirrored onto the screen.
#include "afxwin.h"
#include "mfc/previewdc.h"

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

namespace {

// A length scaled without losing a non-zero one.
int Scaled(int value, int num, int den) {
  const int scaled = ::MulDiv(value, num, den);
  if (scaled == 0 && value != 0) return value > 0 ? 1 : -1;
  return scaled;
}

}  // namespace

CPreviewDC::CPreviewDC() { m_bPrinting = TRUE; }

CPreviewDC::~CPreviewDC() {
  ReleaseOutputDC();
  // The printer DC belongs to whoever set it.
  ReleaseAttribDC();
}

void CPreviewDC::SetAttribDC(HDC hDC) {
  CDC::SetAttribDC(hDC);
  MirrorAttributes();
  MirrorMappingMode();
  MirrorFont();
}

// The output DC is borrowed (a paint DC with its own object): it stays out
// of the DC map and goes back unchanged.
void CPreviewDC::SetOutputDC(HDC hDC) {
  ReleaseOutputDC();
  m_hDC = hDC;
  // Its owner gets it back as it was.
  m_nSavedOutput = hDC != nullptr ? ::SaveDC(hDC) : 0;
  MirrorAttributes();
  MirrorMappingMode();
  MirrorFont();
}

void CPreviewDC::ReleaseOutputDC() {
  if (m_hDC != nullptr) ::RestoreDC(m_hDC, m_nSavedOutput);
  if (m_hScreenFont != nullptr) {
    ::DeleteObject(m_hScreenFont);
    m_hScreenFont = nullptr;
  }
  m_hDC = nullptr;
}

void CPreviewDC::SetScaleRatio(int nNumerator, int nDenominator) {
  if (nNumerator <= 0 || nDenominator <= 0) return;
  m_nScaleNum = nNumerator;
  m_nScaleDen = nDenominator;
  MirrorMappingMode();
  MirrorFont();
}

void CPreviewDC::SetTopLeftOffset(CSize sizeTop) {
  m_sizeTopLeft = sizeTop;
  MirrorMappingMode();
}

int CPreviewDC::ScaleToScreen(int nPrinter) const { return ::MulDiv(nPrinter, m_nScaleNum, m_nScaleDen); }

void CPreviewDC::ClipToPage(const CRect& rectPage) {
  if (m_hDC == nullptr) return;
  HRGN page = ::CreateRectRgnIndirect(&rectPage);
  ::ExtSelectClipRgn(m_hDC, page, RGN_AND);
  ::DeleteObject(page);
}

void CPreviewDC::MirrorMappingMode() {
  if (m_hDC == nullptr || m_hAttribDC == nullptr) return;
  SIZE windowExt{}, viewportExt{};
  POINT windowOrg{}, viewportOrg{};
  ::GetWindowExtEx(m_hAttribDC, &windowExt);
  ::GetViewportExtEx(m_hAttribDC, &viewportExt);
  ::GetWindowOrgEx(m_hAttribDC, &windowOrg);
  ::GetViewportOrgEx(m_hAttribDC, &viewportOrg);
  // The printer's logical-to-device ratio times the screen's scale.
  ::SetMapMode(m_hDC, MM_ANISOTROPIC);
  ::SetWindowExtEx(m_hDC, windowExt.cx * m_nScaleDen, windowExt.cy * m_nScaleDen, nullptr);
  ::SetViewportExtEx(m_hDC, viewportExt.cx * m_nScaleNum, viewportExt.cy * m_nScaleNum, nullptr);
  ::SetWindowOrgEx(m_hDC, windowOrg.x, windowOrg.y, nullptr);
  ::SetViewportOrgEx(m_hDC, ::MulDiv(viewportOrg.x, m_nScaleNum, m_nScaleDen) + m_sizeTopLeft.cx,
                     ::MulDiv(viewportOrg.y, m_nScaleNum, m_nScaleDen) + m_sizeTopLeft.cy, nullptr);
}

void CPreviewDC::MirrorAttributes() {
  if (m_hDC == nullptr || m_hAttribDC == nullptr) return;
  // The page starts as the printer's would, not as the screen DC was left.
  ::SetBkColor(m_hDC, ::GetBkColor(m_hAttribDC));
  ::SetTextColor(m_hDC, ::GetTextColor(m_hAttribDC));
  ::SetBkMode(m_hDC, ::GetBkMode(m_hAttribDC));
  ::SetTextAlign(m_hDC, ::GetTextAlign(m_hAttribDC));
  ::SetROP2(m_hDC, ::GetROP2(m_hAttribDC));
  ::SelectObject(m_hDC, ::GetCurrentObject(m_hAttribDC, OBJ_PEN));
  ::SelectObject(m_hDC, ::GetCurrentObject(m_hAttribDC, OBJ_BRUSH));
}

void CPreviewDC::MirrorFont() {
  if (m_hDC == nullptr || m_hAttribDC == nullptr) return;
  LOGFONT lf{};
  if (!::GetObject(::GetCurrentObject(m_hAttribDC, OBJ_FONT), sizeof(lf), &lf)) return;
  // Font heights are printer pixels; the screen's are fewer.
  lf.lfHeight = Scaled(lf.lfHeight, m_nScaleNum, m_nScaleDen);
  lf.lfWidth = Scaled(lf.lfWidth, m_nScaleNum, m_nScaleDen);
  HFONT font = ::CreateFontIndirect(&lf);
  if (font == nullptr) return;
  ::SelectObject(m_hDC, font);
  if (m_hScreenFont != nullptr) ::DeleteObject(m_hScreenFont);
  m_hScreenFont = font;
}

int CPreviewDC::SaveDC() {
  if (m_hAttribDC == nullptr) return 0;
  const int saved = ::SaveDC(m_hAttribDC);
  if (m_hDC != nullptr) ::SaveDC(m_hDC);
  return saved;
}

BOOL CPreviewDC::RestoreDC(int nSavedDC) {
  if (m_hAttribDC == nullptr || !::RestoreDC(m_hAttribDC, nSavedDC)) return FALSE;
  if (m_hDC != nullptr) ::RestoreDC(m_hDC, nSavedDC < 0 ? nSavedDC : -1);
  MirrorMappingMode();
  MirrorFont();
  return TRUE;
}

int CPreviewDC::SetMapMode(int nMapMode) {
  const int previous = m_hAttribDC != nullptr ? ::SetMapMode(m_hAttribDC, nMapMode) : 0;
  MirrorMappingMode();
  return previous;
}

CPoint CPreviewDC::SetViewportOrg(int x, int y) {
  CPoint previous;
  if (m_hAttribDC != nullptr) ::SetViewportOrgEx(m_hAttribDC, x, y, &previous);
  MirrorMappingMode();
  return previous;
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight) {
  CPoint previous;
  if (m_hAttribDC != nullptr) ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &previous);
  MirrorMappingMode();
  return previous;
}

CSize CPreviewDC::SetViewportExt(int cx, int cy) {
  CSize previous;
  if (m_hAttribDC != nullptr) ::SetViewportExtEx(m_hAttribDC, cx, cy, &previous);
  MirrorMappingMode();
  return previous;
}

CPoint CPreviewDC::SetWindowOrg(int x, int y) {
  CPoint previous;
  if (m_hAttribDC != nullptr) ::SetWindowOrgEx(m_hAttribDC, x, y, &previous);
  MirrorMappingMode();
  return previous;
}

CSize CPreviewDC::SetWindowExt(int cx, int cy) {
  CSize previous;
  if (m_hAttribDC != nullptr) ::SetWindowExtEx(m_hAttribDC, cx, cy, &previous);
  MirrorMappingMode();
  return previous;
}

CFont* CPreviewDC::SelectObject(CFont* pFont) {
  if (m_hAttribDC == nullptr || pFont == nullptr) return nullptr;
  HGDIOBJ previous = ::SelectObject(m_hAttribDC, pFont->m_hObject);
  MirrorFont();
  return previous != nullptr ? CFont::FromHandle(static_cast<HFONT>(previous)) : nullptr;
}

CGdiObject* CPreviewDC::SelectStockObject(int nIndex) {
  HGDIOBJ stock = ::GetStockObject(nIndex);
  if (stock == nullptr || ::GetObjectType(stock) != OBJ_FONT) return CDC::SelectStockObject(nIndex);
  if (m_hAttribDC == nullptr) return nullptr;
  HGDIOBJ previous = ::SelectObject(m_hAttribDC, stock);
  MirrorFont();
  return CGdiObject::FromHandle(previous);
}
