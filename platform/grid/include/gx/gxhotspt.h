// Edit cells with a button inside: CGXHotSpotButton is the small "..."
// button at the cell's right edge; CGXHotSpotEdit is the browse-edit
// pattern (an edit cell whose button reports OnClickedButtonRowCol, or
// whatever a derived control's OnClickedButton does).
#pragma once

#include "gx/gxedit.h"

class CGXHotSpotButton : public CGXButton {
 public:
  explicit CGXHotSpotButton(CGXControl* pComposite) : CGXButton(pComposite) { SetText(_T("...")); }
};

class CGXHotSpotEdit : public CGXEditControl {
  GRID_DECLARE_CONTROL(CGXHotSpotEdit)

 public:
  // nButtonWidth 0: as wide as the cell is high, at most 18 pixels.
  CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID, int nButtonWidth = 0);

  CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

  CGXChild* GetButton() const { return m_pButton; }
  // Where the button goes in a cell rectangle.
  virtual CRect GetButtonRect(const CRect& rectCell) const;

 protected:
  CGXChild* m_pButton;
  int m_nButtonWidth;
};
