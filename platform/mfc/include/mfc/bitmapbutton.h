// CBitmapButton: an owner-drawn push button showing one of up to four
// bitmaps (up, down, focused, disabled).
#pragma once

#include "mfc/controls.h"
#include "mfc/gdi.h"

class CBitmapButton : public CButton {
  DECLARE_DYNAMIC(CBitmapButton)

 public:
  CBitmapButton() = default;

  // The up bitmap is required; the others are optional.
  BOOL LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel = nullptr,
                   LPCTSTR lpszBitmapResourceFocus = nullptr, LPCTSTR lpszBitmapResourceDisabled = nullptr);
  BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0, UINT nIDBitmapResourceFocus = 0,
                   UINT nIDBitmapResourceDisabled = 0);
  // Subclasses the dialog's button and loads the bitmaps named after its
  // text with the suffixes "U", "D", "F" and "X".
  BOOL AutoLoad(UINT nID, CWnd* pParent);
  // Sizes the button to its up bitmap.
  void SizeToContent();

  CBitmap m_bitmap;
  CBitmap m_bitmapSel;
  CBitmap m_bitmapFocus;
  CBitmap m_bitmapDisabled;

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

 private:
  // The bitmap for a drawing state, falling back to the up one.
  CBitmap* BitmapFor(UINT itemState);
};
