// CGXPushbutton: a cell that is one push button. Its caption is the
// style's choice list when one is set, else the value ("Browse"); a click
// or the space key reports the cell to the grid's OnClickedButtonRowCol.
#pragma once

#include "gx/gxcontrol.h"

class CGXPushbutton : public CGXControl {
  GRID_DECLARE_CONTROL(CGXPushbutton)

 public:
  explicit CGXPushbutton(CGXGridCore* pGrid);

  void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
            const CGXStyle* pStandardStyle) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
  BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  BOOL IsReadOnly() override { return TRUE; }
  void SetActive(BOOL) override {}

  static CString GetCaption(const CGXStyle& style);

 protected:
  CGXButton* m_pButton;
};
