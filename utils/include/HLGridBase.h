// HLGridBase: what every Utils grid window adds to its grid-library base
// (a plain grid window or a browser grid).
#pragma once

#include <gxall.h>

#include <algorithm>
#include <vector>

namespace utils::grid {
// Widens a combo box's drop-down list to its widest item.
AFX_EXT_API void AdjustDropDownWidth(CComboBox* pCombo);
}  // namespace utils::grid

template <class TGridWnd>
class AFX_EXT_CLASS HLGridBase : public TGridWnd {
 public:
  HLGridBase() = default;

  // Widens the combo box's drop-down list so its widest item shows whole
  // (with room for the scroll bar when the list scrolls); never narrower
  // than the combo box itself.
  static void PASCAL AdjustDropDownWidth(CComboBox* pCombo) { utils::grid::AdjustDropDownWidth(pCombo); }

  // Whether the current cell's editor is open.
  BOOL IsEditing() { return this->IsActiveCurrentCell(); }

  // The grid's activation flags (GX_ACTIVATE_*) gain nAdd and lose nRemove.
  void AddActionStyle(WORD nAdd, WORD nRemove = 0) {
    CGXGridParam* param = this->GetParam();
    param->SetActivateCellFlags(static_cast<WORD>((param->GetActivateCellFlags() | nAdd) & ~nRemove));
  }

  // Whether any row is selected whole.
  BOOL HasRowSelection() {
    CRowColArray starts, ends;
    return this->GetSelectedRows(starts, ends, TRUE, FALSE) > 0;
  }

  // The rows selected whole (none: the current cell's row, when
  // bCanUseCurrentCell), in grid order; never the header row.
  std::vector<ROWCOL> SelectedRows(BOOL bCanUseCurrentCell) {
    std::vector<ROWCOL> rows;
    CRowColArray starts, ends;
    ROWCOL spans = this->GetSelectedRows(starts, ends, TRUE, FALSE);
    ROWCOL current = 0;
    if (spans == 0 && bCanUseCurrentCell && this->GetCurrentCell(&current, nullptr)) {
      starts.Add(current);
      ends.Add(current);
      spans = 1;
    }
    const ROWCOL count = this->GetRowCount();
    for (ROWCOL i = 0; i < spans; ++i) {
      const INT_PTR k = static_cast<INT_PTR>(i);
      for (ROWCOL row = std::max<ROWCOL>(starts[k], 1); row <= ends[k] && row <= count; ++row) rows.push_back(row);
    }
    return rows;
  }
};
