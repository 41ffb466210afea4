#include "gx/gxhotspt.h"

#include "gx/child_layout.h"
#include "gx/gxcore.h"

GRID_IMPLEMENT_CONTROL(CGXHotSpotEdit, CGXEditControl)

CGXHotSpotEdit::CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID, int nButtonWidth)
    : CGXEditControl(pGrid, nID),
      m_pButton(AddChild(std::make_unique<CGXHotSpotButton>(this))),
      m_nButtonWidth(nButtonWidth) {}

CRect CGXHotSpotEdit::GetButtonRect(const CRect& rectCell) const {
  return gx::RightButtonRect(rectCell, m_nButtonWidth);
}

CRect CGXHotSpotEdit::GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
  CRect text = CGXEditControl::GetTextRect(rectCell, nRow, nCol, style);
  text.right = std::max(text.left, GetButtonRect(rectCell).left - 1);
  return text;
}

void CGXHotSpotEdit::OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
  CGXEditControl::OnInitChildren(nRow, nCol, rect);
  m_pButton->SetRect(GetButtonRect(rect));
}
