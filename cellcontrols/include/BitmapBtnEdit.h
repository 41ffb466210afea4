// CBitmapBtnEdit: the editor of a business-object attribute's name, with a
// small expand button left of the text. Kind kExpanded shows the expanded
// marker, kCollapsed the collapsed one; the indent moves button and text
// right by the attribute's nesting level. A click on the button asks the
// grid (a CBitmapBtnOwner) to toggle the row; a grid that is none gets the
// library's button notification.
#pragma once

#include <gxall.h>

class CBitmapBtnEdit : public CGXEditControl {
  GRID_DECLARE_CONTROL(CBitmapBtnEdit)

 public:
  enum { kExpanded = 0, kCollapsed = 1 };
  static constexpr int kButtonWidth = 14;
  static constexpr int kButtonHeight = 14;

  explicit CBitmapBtnEdit(CGXGridCore* pGrid, UINT nID = GX_IDS_CTRL_EDIT, int nKind = kExpanded, int nIndent = 0);

  CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
  CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                 BOOL bVert) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
  void OnClickedButton(CGXChild* pChild) override;

  // Where the button goes in a cell rectangle.
  CRect GetButtonRect(const CRect& rectCell) const;
  CGXChild* GetButton() const { return m_pButton; }
  int GetKind() const { return m_nKind; }
  int GetIndent() const { return m_nIndent; }

 private:
  int m_nKind;
  int m_nIndent;
  CGXChild* m_pButton;
};
