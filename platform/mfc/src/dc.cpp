// CDC: lifetime, the handle map, selected objects and attributes.
#include "mfc/dc.h"

#include "gdi_map.h"
#include "mfc/handlemap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

struct DCHandle {
  static void Set(CDC& dc, HDC handle) {
    dc.m_hDC = handle;
    dc.m_hAttribDC = handle;
  }
  static void Clear(CDC& dc) {
    dc.m_hDC = nullptr;
    dc.m_hAttribDC = nullptr;
  }
};

using DCHandleMap = afx::HandleMap<CDC, HDC, DCHandle>;

DCHandleMap& DCMap() {
  thread_local DCHandleMap map;
  return map;
}

}  // namespace

CDC::~CDC() { DeleteDC(); }

CDC* PASCAL CDC::FromHandle(HDC hDC) { return DCMap().FromHandle(hDC); }

void PASCAL CDC::DeleteTempMap() { DCMap().DeleteTemp(); }

BOOL CDC::Attach(HDC hDC) {
  if (!hDC || m_hDC) return FALSE;
  DCHandle::Set(*this, hDC);
  DCMap().SetPermanent(hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC hDC = m_hDC;
  if (hDC) DCMap().RemoveHandle(hDC, this);
  DCHandle::Clear(*this);
  return hDC;
}

void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }

void CDC::SetOutputDC(HDC hDC) {
  if (m_hDC) DCMap().RemoveHandle(m_hDC, this);
  m_hDC = hDC;
  if (hDC) DCMap().SetPermanent(hDC, this);
}

void CDC::ReleaseAttribDC() { m_hAttribDC = nullptr; }

void CDC::ReleaseOutputDC() { SetOutputDC(nullptr); }

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData) {
  HDC hDC = ::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData);
  if (Attach(hDC)) return TRUE;
  if (hDC) ::DeleteDC(hDC);
  return FALSE;
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData) {
  HDC hDC = ::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData);
  if (Attach(hDC)) return TRUE;
  if (hDC) ::DeleteDC(hDC);
  return FALSE;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  HDC hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
  if (Attach(hDC)) return TRUE;
  if (hDC) ::DeleteDC(hDC);
  return FALSE;
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  return ::DeleteDC(Detach());
}

int CDC::SaveDC() { return m_hDC ? ::SaveDC(m_hDC) : 0; }

BOOL CDC::RestoreDC(int nSavedDC) { return m_hDC ? ::RestoreDC(m_hDC, nSavedDC) : FALSE; }

int CDC::GetDeviceCaps(int nIndex) const { return m_hAttribDC ? ::GetDeviceCaps(m_hAttribDC, nIndex) : 0; }

int CDC::StartDoc(LPDOCINFO lpDocInfo) { return ::StartDoc(m_hDC, lpDocInfo); }
int CDC::StartDoc(LPCTSTR lpszDocName) {
  DOCINFO info{};
  info.cbSize = sizeof info;
  info.lpszDocName = lpszDocName;
  return StartDoc(&info);
}
int CDC::StartPage() { return ::StartPage(m_hDC); }
int CDC::EndPage() { return ::EndPage(m_hDC); }
int CDC::EndDoc() { return ::EndDoc(m_hDC); }
int CDC::AbortDoc() { return ::AbortDoc(m_hDC); }
int CDC::SetAbortProc(ABORTPROC lpfn) { return ::SetAbortProc(m_hDC, lpfn); }

template <class T>
T* CDC::SelectTyped(T* pObject) {
  if (!m_hDC || !pObject) return nullptr;
  HGDIOBJ previous = ::SelectObject(m_hDC, pObject->m_hObject);
  return previous ? afx::GdiMap().FromHandle<T>(previous) : nullptr;
}

CPen* CDC::SelectObject(CPen* pPen) { return SelectTyped(pPen); }

CBrush* CDC::SelectObject(CBrush* pBrush) { return SelectTyped(pBrush); }

CFont* CDC::SelectObject(CFont* pFont) { return SelectTyped(pFont); }

CBitmap* CDC::SelectObject(CBitmap* pBitmap) { return SelectTyped(pBitmap); }

int CDC::SelectObject(CRgn* pRgn) { return SelectClipRgn(pRgn); }

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return m_hDC && hObject ? ::SelectObject(m_hDC, hObject) : nullptr; }

CGdiObject* CDC::SelectStockObject(int nIndex) {
  HGDIOBJ stock = ::GetStockObject(nIndex);
  HGDIOBJ previous = stock ? SelectObject(stock) : nullptr;
  return CGdiObject::FromHandle(previous);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
  if (!m_hDC || !pPalette) return nullptr;
  return CPalette::FromHandle(::SelectPalette(m_hDC, *pPalette, bForceBackground));
}

UINT CDC::RealizePalette() { return m_hDC ? ::RealizePalette(m_hDC) : GDI_ERROR; }

template <class T>
T* CDC::CurrentTyped(UINT objectType) const {
  return m_hDC ? afx::GdiMap().FromHandle<T>(::GetCurrentObject(m_hDC, objectType)) : nullptr;
}

CPen* CDC::GetCurrentPen() const { return CurrentTyped<CPen>(OBJ_PEN); }

CBrush* CDC::GetCurrentBrush() const { return CurrentTyped<CBrush>(OBJ_BRUSH); }

CFont* CDC::GetCurrentFont() const { return CurrentTyped<CFont>(OBJ_FONT); }

CBitmap* CDC::GetCurrentBitmap() const { return CurrentTyped<CBitmap>(OBJ_BITMAP); }

CPalette* CDC::GetCurrentPalette() const { return CurrentTyped<CPalette>(OBJ_PAL); }

// Attributes are kept the same on both DCs, so queries on the attribute DC
// describe what the output DC draws.
COLORREF CDC::GetTextColor() const { return m_hAttribDC ? ::GetTextColor(m_hAttribDC) : CLR_INVALID; }

COLORREF CDC::SetTextColor(COLORREF crColor) {
  COLORREF previous = CLR_INVALID;
  if (m_hDC && m_hDC != m_hAttribDC) previous = ::SetTextColor(m_hDC, crColor);
  if (m_hAttribDC) previous = ::SetTextColor(m_hAttribDC, crColor);
  return previous;
}

COLORREF CDC::GetBkColor() const { return m_hAttribDC ? ::GetBkColor(m_hAttribDC) : CLR_INVALID; }

COLORREF CDC::SetBkColor(COLORREF crColor) {
  COLORREF previous = CLR_INVALID;
  if (m_hDC && m_hDC != m_hAttribDC) previous = ::SetBkColor(m_hDC, crColor);
  if (m_hAttribDC) previous = ::SetBkColor(m_hAttribDC, crColor);
  return previous;
}

namespace {

// Sets an integer attribute on the output DC and, when it differs, on the
// attribute DC; answers the previous value (0 without a DC).
template <class Value, class Setter>
Value SetOnBoth(HDC output, HDC attrib, Value value, Setter setter) {
  Value previous{};
  if (output && output != attrib) previous = setter(output, value);
  if (attrib) previous = setter(attrib, value);
  return previous;
}

}  // namespace

int CDC::GetBkMode() const { return m_hAttribDC ? ::GetBkMode(m_hAttribDC) : 0; }

int CDC::SetBkMode(int nBkMode) { return SetOnBoth(m_hDC, m_hAttribDC, nBkMode, ::SetBkMode); }

int CDC::GetROP2() const { return m_hAttribDC ? ::GetROP2(m_hAttribDC) : 0; }

int CDC::SetROP2(int nDrawMode) { return SetOnBoth(m_hDC, m_hAttribDC, nDrawMode, ::SetROP2); }

UINT CDC::GetTextAlign() const { return m_hAttribDC ? ::GetTextAlign(m_hAttribDC) : GDI_ERROR; }

UINT CDC::SetTextAlign(UINT nFlags) { return SetOnBoth(m_hDC, m_hAttribDC, nFlags, ::SetTextAlign); }

int CDC::SetStretchBltMode(int nStretchMode) {
  return SetOnBoth(m_hDC, m_hAttribDC, nStretchMode, ::SetStretchBltMode);
}

int CDC::SetPolyFillMode(int nPolyFillMode) { return SetOnBoth(m_hDC, m_hAttribDC, nPolyFillMode, ::SetPolyFillMode); }

CPoint CDC::SetBrushOrg(int x, int y) {
  CPoint previous;
  if (m_hDC) ::SetBrushOrgEx(m_hDC, x, y, &previous);
  return previous;
}
