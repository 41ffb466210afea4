#include "IndentEdit.h"

GRID_IMPLEMENT_DYNCREATE_CONTROL(CIndentEdit, CGXEditControl)

CIndentEdit::CIndentEdit(CGXGridCore* pGrid, UINT nID, int nIndent) : CGXEditControl(pGrid, nID), m_nIndent(nIndent) {}

CRect CIndentEdit::GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
  CRect text = CGXEditControl::GetTextRect(rectCell, nRow, nCol, style);
  text.left = std::min(text.left + m_nIndent, rectCell.right);
  return text;
}

CSize CIndentEdit::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                            BOOL bVert) {
  CSize size = CGXEditControl::CalcSize(pDC, nRow, nCol, style, pStandardStyle, bVert);
  if (!bVert) size.cx += m_nIndent;
  return size;
}
