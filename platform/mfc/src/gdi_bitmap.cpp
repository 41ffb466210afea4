// CBitmap, CPalette and CRgn.
#include "gdi_map.h"
#include "mfc/dc.h"
#include "mfc/modulestate.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap) { return TypedFromHandle<CBitmap>(hBitmap); }

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
  if (!lpszResourceName) return FALSE;
  const HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  return module && AttachCreated(::LoadBitmap(module, lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) { return AttachCreated(::LoadBitmap(nullptr, MAKEINTRESOURCE(nIDBitmap))); }

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
  return AttachCreated(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap) {
  return lpBitmap && AttachCreated(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  return pDC && AttachCreated(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight) {
  return CreateCompatibleBitmap(pDC, nWidth, nHeight);
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }

CPalette* PASCAL CPalette::FromHandle(HPALETTE hPalette) { return TypedFromHandle<CPalette>(hPalette); }

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette) {
  return lpLogPalette && AttachCreated(::CreatePalette(lpLogPalette));
}

int CPalette::GetEntryCount() const {
  WORD count = 0;
  return GetObject(sizeof(count), &count) ? count : 0;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const {
  return m_hObject ? ::GetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors) : 0;
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) {
  return m_hObject ? ::SetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors) : 0;
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const {
  return m_hObject ? ::GetNearestPaletteIndex(*this, crColor) : CLR_INVALID;
}

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn) { return TypedFromHandle<CRgn>(hRgn); }

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return AttachCreated(::CreateRectRgn(x1, y1, x2, y2)); }

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) { return lpRect && AttachCreated(::CreateRectRgnIndirect(lpRect)); }

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
  if (m_hObject) ::SetRectRgn(*this, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect) {
  if (lpRect) SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
  if (!m_hObject || !pRgn1) return ERROR;
  return ::CombineRgn(*this, *pRgn1, pRgn2 ? static_cast<HRGN>(*pRgn2) : nullptr, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc) { return CombineRgn(pRgnSrc, nullptr, RGN_COPY); }

int CRgn::OffsetRgn(int x, int y) { return m_hObject ? ::OffsetRgn(*this, x, y) : ERROR; }

int CRgn::GetRgnBox(LPRECT lpRect) const { return m_hObject && lpRect ? ::GetRgnBox(*this, lpRect) : ERROR; }

BOOL CRgn::EqualRgn(const CRgn* pRgn) const { return m_hObject && pRgn && ::EqualRgn(*this, *pRgn); }

BOOL CRgn::PtInRegion(int x, int y) const { return m_hObject && ::PtInRegion(*this, x, y); }

BOOL CRgn::RectInRegion(LPCRECT lpRect) const { return m_hObject && lpRect && ::RectInRegion(*this, lpRect); }
