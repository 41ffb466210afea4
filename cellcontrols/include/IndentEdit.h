// CIndentEdit: the editor of a plain attribute's name, its text indented
// by the attribute's nesting level; otherwise the library's edit cell.
#pragma once

#include <gxall.h>

class CIndentEdit : public CGXEditControl {
  GRID_DECLARE_CONTROL(CIndentEdit)

 public:
  explicit CIndentEdit(CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_EDIT, int nIndent = 0);

  CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
  CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                 BOOL bVert) override;

  int GetIndent() const { return m_nIndent; }

 private:
  int m_nIndent;
};
