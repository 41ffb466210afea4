#include "gx/gxpushbt.h"

#include "gx/celldraw.h"
#include "gx/gxcore.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CGXPushbutton, CGXControl)

namespace {
constexpr int kButtonInset = 1;  // the button leaves the grid line visible
}

CGXPushbutton::CGXPushbutton(CGXGridCore* pGrid)
    : CGXControl(pGrid), m_pButton(static_cast<CGXButton*>(AddChild(std::make_unique<CGXButton>(this)))) {}

CString CGXPushbutton::GetCaption(const CGXStyle& style) {
  return style.GetIncludeChoiceList() && !style.GetChoiceList().IsEmpty() ? style.GetChoiceList() : style.GetValue();
}

void CGXPushbutton::OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
  CRect button = rect;
  button.DeflateRect(kButtonInset, kButtonInset);
  m_pButton->SetRect(button);
  m_pButton->SetText(GetCaption(Grid()->LookupStyleRowCol(nRow, nCol)));
}

void CGXPushbutton::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*) {
  DrawBackground(pDC, rect, style);
  // The caption in the cell's font, as other cells' texts.
  gx::SelectedFont font(pDC, style.GetFont());
  DrawChildren(pDC, Grid()->IsCurrentCell(nRow, nCol));
}

BOOL CGXPushbutton::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar != VK_SPACE) return CGXControl::OnGridKeyDown(nChar, nRepCnt, nFlags);
  return TRUE;
}

BOOL CGXPushbutton::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar != ' ') return CGXControl::OnGridChar(nChar, nRepCnt, nFlags);
  OnClickedButton(m_pButton);
  return TRUE;
}
