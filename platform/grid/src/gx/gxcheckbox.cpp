#include "gx/gxcheckbox.h"

#include "gx/gxcore.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CGXCheckBox, CGXControl)

namespace {

constexpr int kBoxSize = 13;

}  // namespace

BOOL CGXCheckBox::IsChecked(const CGXStyle& style) { return style.GetValue() == style.GetCheckedValue(); }

CRect CGXCheckBox::GetBoxRect(const CRect& rectCell, const CGXStyle& style) const {
  int x = rectCell.left + 3;
  const DWORD h = style.GetHorizontalAlignment();
  if (h == DT_CENTER) x = rectCell.left + (rectCell.Width() - kBoxSize) / 2;
  if (h == DT_RIGHT) x = rectCell.right - kBoxSize - 3;
  const int y = rectCell.top + (rectCell.Height() - kBoxSize) / 2;
  return CRect(x, y, x + kBoxSize, y + kBoxSize);
}

void CGXCheckBox::Draw(CDC* pDC, CRect rect, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*) {
  DrawBackground(pDC, rect, style);
  CRect rectBox = GetBoxRect(rect, style);
  UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
  if (IsChecked(style)) nState |= DFCS_CHECKED;
  if (!style.GetEnabled() || style.GetReadOnly()) nState |= DFCS_INACTIVE;
  pDC->DrawFrameControl(&rectBox, DFC_BUTTON, nState);
}

// A toggle is the box's click: the program hears of it as of a button's.
BOOL CGXCheckBox::Toggle() {
  if (!m_pGrid->IsCellEditable(m_nRow, m_nCol)) return FALSE;
  const ROWCOL nRow = m_nRow;
  const ROWCOL nCol = m_nCol;
  const CGXStyle& style = BoundStyle();
  const CString sNew = IsChecked(style) ? style.GetUncheckedValue() : style.GetCheckedValue();
  if (!m_pGrid->SetValueByUser(nRow, nCol, sNew)) return FALSE;
  m_pGrid->OnClickedButtonRowCol(nRow, nCol);
  return TRUE;
}

BOOL CGXCheckBox::LButtonDown(UINT, CPoint pt, UINT) {
  const CRect rectCell = m_pGrid->GetCellRect(m_nRow, m_nCol);
  m_bPressedInBox = GetBoxRect(rectCell, BoundStyle()).PtInRect(pt) && m_pGrid->IsCellEditable(m_nRow, m_nCol);
  return m_bPressedInBox;
}

BOOL CGXCheckBox::LButtonUp(UINT, CPoint pt, UINT) {
  if (!m_bPressedInBox) return FALSE;
  m_bPressedInBox = FALSE;
  const CRect rectCell = m_pGrid->GetCellRect(m_nRow, m_nCol);
  if (GetBoxRect(rectCell, BoundStyle()).PtInRect(pt)) Toggle();
  return TRUE;
}

// A double-click is a second click: it toggles again.
BOOL CGXCheckBox::LButtonDblClk(UINT nFlags, CPoint pt) { return LButtonDown(nFlags, pt, GX_HITSTART); }

BOOL CGXCheckBox::OnGridKeyDown(UINT nChar, UINT, UINT) {
  if (nChar != VK_SPACE) return FALSE;
  Toggle();
  return TRUE;
}

// The space key is handled on key down; its character must not type.
BOOL CGXCheckBox::OnGridChar(UINT nChar, UINT, UINT) { return nChar == ' '; }
