#include "IndentEdit.h"

GRID_IMPLEMENT_CONTROL(CIndentEdit, CGXEditControl)

static const GXControlCreator _create_CIndentEdit(
    "CIndentEdit", [](CGXGridCore* pGrid) -> std::unique_ptr<CGXControl> { return std::make_unique<CIndentEdit>(pGrid); });

CIndentEdit::CIndentEdit(CGXGridCore* pGrid, UINT nID, int nIndent) : CGXEditControl(pGrid, nID), m_nIndent(nIndent) {}

CRect CIndentEdit::GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) {
  CRect text = CGXEditControl::GetTextRect(rectCell, nRow, nCol, style);
  text.left = std::min(text.left + m_nIndent, static_cast<int>(rectCell.right));
  return text;
}

CSize CIndentEdit::CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                            BOOL bVert) {
  CSize size = CGXEditControl::CalcSize(pDC, nRow, nCol, style, pStandardStyle, bVert);
  if (!bVert) size.cx += m_nIndent;
  return size;
}
