// Bitmap buttons: four bitmaps through the resource chain, painted by
// state when the parent reflects WM_DRAWITEM.
#include <windows.h>

#include "mfc/bitmapbutton.h"
#include "mfc/dc.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

namespace {

void LoadOptional(CBitmap& bitmap, LPCTSTR name) {
  bitmap.DeleteObject();
  if (name != nullptr) bitmap.LoadBitmap(name);
}

}  // namespace

BOOL CBitmapButton::LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel,
                                LPCTSTR lpszBitmapResourceFocus, LPCTSTR lpszBitmapResourceDisabled) {
  m_bitmap.DeleteObject();
  if (lpszBitmapResource == nullptr || !m_bitmap.LoadBitmap(lpszBitmapResource)) return FALSE;
  LoadOptional(m_bitmapSel, lpszBitmapResourceSel);
  LoadOptional(m_bitmapFocus, lpszBitmapResourceFocus);
  LoadOptional(m_bitmapDisabled, lpszBitmapResourceDisabled);
  return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel, UINT nIDBitmapResourceFocus,
                                UINT nIDBitmapResourceDisabled) {
  auto name = [](UINT id) { return id != 0 ? MAKEINTRESOURCE(id) : nullptr; };
  return LoadBitmaps(name(nIDBitmapResource), name(nIDBitmapResourceSel), name(nIDBitmapResourceFocus),
                     name(nIDBitmapResourceDisabled));
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent) {
  if (!SubclassDlgItem(nID, pParent)) return FALSE;
  CString name;
  GetWindowText(name);
  if (name.IsEmpty()) return FALSE;
  const CString up = name + "U";
  const CString down = name + "D";
  const CString focus = name + "F";
  const CString disabled = name + "X";
  if (!LoadBitmaps(up, down, focus, disabled)) return FALSE;
  SizeToContent();
  return TRUE;
}

void CBitmapButton::SizeToContent() {
  BITMAP info{};
  if (m_bitmap.GetSafeHandle() == nullptr || !m_bitmap.GetBitmap(&info)) return;
  SetWindowPos(nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CBitmap* CBitmapButton::BitmapFor(UINT itemState) {
  CBitmap* chosen = &m_bitmap;
  if ((itemState & ODS_SELECTED) && m_bitmapSel.GetSafeHandle() != nullptr) {
    chosen = &m_bitmapSel;
  } else if ((itemState & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle() != nullptr) {
    chosen = &m_bitmapFocus;
  } else if ((itemState & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle() != nullptr) {
    chosen = &m_bitmapDisabled;
  }
  return chosen;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CBitmap* bitmap = BitmapFor(lpDIS->itemState);
  if (bitmap->GetSafeHandle() == nullptr) return;
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  CDC memDC;
  if (!memDC.CreateCompatibleDC(pDC)) return;
  CBitmap* previous = memDC.SelectObject(bitmap);
  const RECT& rc = lpDIS->rcItem;
  pDC->BitBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, &memDC, 0, 0, SRCCOPY);
  memDC.SelectObject(previous);
}
