// CPropValueListCtrl: the value cell of a property that takes any number of
// values the user types (no allowed values to choose from). Each cell keeps
// its own list in its style (its choice list) and shows the values joined;
// the arrow drops down the list grid of CDropGridCtrl to change them. The
// text itself only shows the list and is not typed into.
#pragma once

#include <DropGridCtrl.h>

class CPropValueListCtrl : public CDropGridCtrl {
  DECLARE_MESSAGE_MAP()
  GRID_DECLARE_CONTROL(CPropValueListCtrl)

 public:
  CPropValueListCtrl(CGXGridCore* pGrid, UINT nID, UINT nCallerValue);

  // The cell's own list becomes the list the drop-down grid shows.
  void Init(ROWCOL nRow, ROWCOL nCol) override;
  void SetActive(BOOL bActive) override;
  // The shown text is the list's, never stored as typed.
  BOOL Store() override;
  BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;

  // The style of a cell holding the values (the list and the shown text).
  static CGXStyle& StyleForValues(CGXStyle& style, const CStringList& values);
  // The values a cell's style holds.
  static void ValuesOf(const CGXStyle& style, CStringList& values);

 protected:
  afx_msg LRESULT OnDropGridEnd(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDropGridDeactivated(WPARAM wParam, LPARAM lParam);

 private:
  // After the drop-down grid closed: its values go into the bound cell.
  void KeepListInCell();
};
