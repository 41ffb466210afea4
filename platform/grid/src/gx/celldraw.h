// Drawing helpers shared by the cell controls.
#pragma once

#include "gx/gxstyle.h"

namespace gx {

// The cell's text in its font, colour and alignment, clipped to rect.
void DrawCellText(CDC* pDC, const CRect& rect, const CString& sText, const CGXStyle& style);
// DT_* format bits for the style's alignment and wrapping.
UINT TextFormat(const CGXStyle& style);

// A font made from a style for a device context, selected while alive.
class SelectedFont {
 public:
  SelectedFont(CDC* pDC, const CGXFont& font);
  ~SelectedFont();
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;
  CFont& Font() { return m_font; }

 private:
  CDC* m_pDC;
  CFont m_font;
  CFont* m_pOld = nullptr;
};

}  // namespace gx
