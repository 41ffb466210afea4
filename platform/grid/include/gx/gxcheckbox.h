// CGXCheckBox: a cell showing a check box; a click on the box or the
// space key toggles it between the style's checked and unchecked values.
#pragma once

#include "gx/gxcontrol.h"

class CGXCheckBox : public CGXControl {
  GRID_DECLARE_CONTROL(CGXCheckBox)

 public:
  explicit CGXCheckBox(CGXGridCore* pGrid) : CGXControl(pGrid) {}

  void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
            const CGXStyle* pStandardStyle) override;
  BOOL LButtonDown(UINT nFlags, CPoint pt, UINT nHitState) override;
  BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
  BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  // A check box toggles in place: it never opens an editor.
  BOOL OnStartEditing() override { return FALSE; }
  void SetActive(BOOL) override {}

  // The box inside a cell rectangle.
  CRect GetBoxRect(const CRect& rectCell, const CGXStyle& style) const;
  static BOOL IsChecked(const CGXStyle& style);

 private:
  // Flips the bound cell's value; TRUE when stored.
  BOOL Toggle();
  BOOL m_bPressedInBox = FALSE;
};
