// CPen, CBrush and CFont.
#include <cstdlib>
#include <cstring>

#include "gdi_map.h"
#include "mfc/dc.h"
#include "mfc/exception.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)

namespace {

// The constructors that create their object throw when they cannot.
void CheckCreated(BOOL created) {
  if (!created) AfxThrowResourceException();
}

}  // namespace

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CheckCreated(CreatePen(nPenStyle, nWidth, crColor)); }

CPen* PASCAL CPen::FromHandle(HPEN hPen) { return TypedFromHandle<CPen>(hPen); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  return AttachCreated(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen) { return lpLogPen && AttachCreated(::CreatePenIndirect(lpLogPen)); }

int CPen::GetLogPen(LOGPEN* pLogPen) const { return GetObject(sizeof(LOGPEN), pLogPen); }

CBrush::CBrush(COLORREF crColor) { CheckCreated(CreateSolidBrush(crColor)); }

CBrush::CBrush(int nIndex, COLORREF crColor) { CheckCreated(CreateHatchBrush(nIndex, crColor)); }

CBrush::CBrush(CBitmap* pBitmap) { CheckCreated(CreatePatternBrush(pBitmap)); }

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush) { return TypedFromHandle<CBrush>(hBrush); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return AttachCreated(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
  return AttachCreated(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
  return lpLogBrush && AttachCreated(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) { return pBitmap && AttachCreated(::CreatePatternBrush(*pBitmap)); }

// The system's colour brushes are shared and never deleted, so the object
// only borrows one.
BOOL CBrush::CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }

CFont* PASCAL CFont::FromHandle(HFONT hFont) { return TypedFromHandle<CFont>(hFont); }

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
  return lpLogFont && AttachCreated(::CreateFontIndirect(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
  return AttachCreated(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                    cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                                    lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
  LOGFONT logFont{};
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfHeight = nPointSize;
  if (lpszFaceName) std::strncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
  return CreatePointFontIndirect(&logFont, pDC);
}

// lfHeight is in tenths of a point: it becomes a character height (negative)
// in the logical units of the DC.
BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
  if (!lpLogFont) return FALSE;
  const bool ownDC = pDC == nullptr || pDC->m_hAttribDC == nullptr;
  HDC hDC = ownDC ? ::GetDC(nullptr) : pDC->m_hAttribDC;
  LOGFONT logFont = *lpLogFont;
  POINT pt{0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720)};
  POINT origin{0, 0};
  ::DPtoLP(hDC, &pt, 1);
  ::DPtoLP(hDC, &origin, 1);
  logFont.lfHeight = -std::abs(pt.y - origin.y);
  if (ownDC) ::ReleaseDC(nullptr, hDC);
  return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const { return GetObject(sizeof(LOGFONT), pLogFont); }
