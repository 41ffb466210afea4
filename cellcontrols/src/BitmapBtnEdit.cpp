#include "BitmapBtnEdit.h"

#include "BitmapBtnOwner.h"
#include "CellBitmapButton.h"
#include "cellcontrols_resource.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CBitmapBtnEdit, CGXEditControl)

namespace {

// Between the cell's left edge (after the indent) and the button, and
// between the button and the text.
constexpr int kGap = 3;

}  // namespace

CBitmapBtnEdit::CBitmapBtnEdit(CGXGridCore* pGrid, UINT nID, int nKind, int nIndent)
    : CGXEditControl(pGrid, nID),
      m_nKind(nKind),
      m_nIndent(nIndent),
      m_pButton(AddChild(
          std::make_unique<CCellBitmapButton>(this, nKind == kCollapsed ? IDB_ATTR_COLLAPSED : IDB_ATTR_EXPANDED))) {}

CRect CBitmapBtnEdit::GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
  CRect text = CGXEditControl::GetTextRect(rectCell, nRow, nCol, style);
  text.left = std::min(rectCell.left + m_nIndent + kButtonWidth + kGap, rectCell.right);
  return text;
}

CSize CBitmapBtnEdit::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                               const CGXStyle* pStandardStyle, BOOL bVert) {
  CSize size = CGXEditControl::CalcSize(pDC, nRow, nCol, style, pStandardStyle, bVert);
  if (bVert) {
    size.cy = std::max(size.cy, kButtonHeight + 2);
  } else {
    const CRect probe(0, 0, 0x4000, 0x4000);
    size.cx += GetTextRect(probe, nRow, nCol, style).left - CGXEditControl::GetTextRect(probe, nRow, nCol, style).left;
  }
  return size;
}

CRect CBitmapBtnEdit::GetButtonRect(const CRect& rectCell) const {
  const int left = rectCell.left + m_nIndent + kGap;
  const int top = rectCell.top + (rectCell.Height() - kButtonHeight) / 2;
  CRect rect(left, top, left + kButtonWidth, top + kButtonHeight);
  rect.IntersectRect(rect, rectCell);
  return rect;
}

void CBitmapBtnEdit::OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
  CGXEditControl::OnInitChildren(nRow, nCol, rect);
  m_pButton->SetRect(GetButtonRect(rect));
}

void CBitmapBtnEdit::OnClickedButton(CGXChild* pChild) {
  auto* pOwner = dynamic_cast<CBitmapBtnOwner*>(Grid());
  if (pChild != m_pButton || pOwner == nullptr) {
    CGXEditControl::OnClickedButton(pChild);
    return;
  }
  pOwner->ToggleRowExpansion(GetRow());
}
