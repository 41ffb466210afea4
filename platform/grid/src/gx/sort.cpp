// SortRows: a stable sort of a block of rows by the texts of key columns.
#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "gx/cell_compare.h"
#include "gx/gxcore.h"
#include "gx/gxsort.h"

namespace {

struct RowKeys {
  std::vector<std::string> texts;  // one per sort entry
};

int CompareKey(const std::string& a, const std::string& b, const CGXSortInfo& info) {
  switch (info.sortType) {
    case CGXSortInfo::numeric: {
      double na = 0, nb = 0;
      const bool ha = gx::ParseCellNumber(a, na), hb = gx::ParseCellNumber(b, nb);
      if (ha != hb) return ha ? 1 : -1;  // texts that are no numbers count as the smallest
      return (na > nb) - (na < nb);
    }
    case CGXSortInfo::alphanumeric:
      return gx::CompareCellTexts(a, b, info.bCase, false);
    case CGXSortInfo::autodetect:
    default:
      return gx::CompareCellTexts(a, b, info.bCase);
  }
}

}  // namespace

void CGXGridCore::SortRows(CGXRange sortRange, CGXSortInfoArray& sortInfo, UINT flags) {
  const ROWCOL rows = GetRowCount();
  if (rows == 0 || sortInfo.GetSize() == 0) return;
  sortRange.ExpandRange(1, 0, rows, GetColCount());
  const ROWCOL top = std::max<ROWCOL>(sortRange.top, 1), bottom = std::min(sortRange.bottom, rows);
  if (top >= bottom) return;
  // An editor's pending text belongs to the row it was typed in.
  TransferCurrentCell();
  const size_t count = bottom - top + 1;
  std::vector<RowKeys> keys(count);
  for (size_t i = 0; i < count; ++i) {
    for (INT_PTR k = 0; k < sortInfo.GetSize(); ++k) {
      CString text;
      GetControlText(text, top + static_cast<ROWCOL>(i), sortInfo[k].nRC);
      keys[i].texts.emplace_back(static_cast<LPCTSTR>(text));
    }
  }
  std::vector<size_t> order(count);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    for (INT_PTR k = 0; k < sortInfo.GetSize(); ++k) {
      const CGXSortInfo& info = sortInfo[k];
      int result = CompareKey(keys[a].texts[static_cast<size_t>(k)], keys[b].texts[static_cast<size_t>(k)], info);
      if (info.sortOrder == CGXSortInfo::descending) result = -result;
      if (result != 0) return result < 0;
    }
    return false;
  });
  if (std::is_sorted(order.begin(), order.end())) return;
  // Every row moves once, straight to its place.
  CRowColArray newOrder;
  newOrder.SetSize(static_cast<INT_PTR>(count));
  for (size_t i = 0; i < count; ++i) newOrder[static_cast<INT_PTR>(i)] = static_cast<ROWCOL>(order[i]);
  const BOOL locked = LockUpdate(TRUE);
  ResetCurrentCell(TRUE);
  const BOOL moved = StoreReorderRows(top, newOrder);
  if (moved) AfterStructureChange(GX_INVALIDATE);
  LockUpdate(locked);
  Redraw(flags);
}
