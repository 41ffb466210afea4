// The selection: ranges of cells, rows or columns, and their spans.
#include <algorithm>
#include <utility>
#include <vector>

#include "gridview.h"
#include "gx/gxcore.h"

namespace {

using SpanList = std::vector<std::pair<ROWCOL, ROWCOL>>;

// Sorts and merges overlapping or touching spans into arrays.
ROWCOL MergeSpans(SpanList spans, CRowColArray& awStart, CRowColArray& awEnd) {
  awStart.RemoveAll();
  awEnd.RemoveAll();
  std::sort(spans.begin(), spans.end());
  SpanList merged;
  for (const auto& s : spans) {
    if (!merged.empty() && s.first <= merged.back().second + 1)
      merged.back().second = std::max(merged.back().second, s.second);
    else
      merged.push_back(s);
  }
  for (const auto& [first, last] : merged) {
    awStart.Add(first);
    awEnd.Add(last);
  }
  return static_cast<ROWCOL>(merged.size());
}

// The row (bRows) or column spans of the selection; bWholeOnly keeps only
// ranges covering every column (every row), the header one included.
SpanList CollectSpans(const CGXRangeList& list, BOOL bRows, ROWCOL nCount, ROWCOL nOtherCount, BOOL bWholeOnly) {
  SpanList spans;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    const CGXRange& r = list.GetNext(pos);
    const ROWCOL nOtherFirst = bRows ? r.left : r.top;
    const ROWCOL nOtherLast = bRows ? r.right : r.bottom;
    const BOOL bWhole =
        (bRows ? r.IsRows() : r.IsCols()) || r.IsTable() || (nOtherFirst == 0 && nOtherLast >= nOtherCount);
    if (bWholeOnly && !bWhole) continue;
    const ROWCOL nFirst = std::max<ROWCOL>(bRows ? r.top : r.left, 1);
    const ROWCOL nLast = std::min(bRows ? r.bottom : r.right, nCount);
    if (nFirst <= nLast) spans.emplace_back(nFirst, nLast);
  }
  return spans;
}

}  // namespace

void CGXGridCore::SelectRange(const CGXRange& range, BOOL bSelect, BOOL bUpdate) {
  if (!range.IsValid()) return;
  CGXRangeList* pList = m_pParam->GetRangeList();
  if (bSelect) {
    if (!pList->IsRangeInList(range)) pList->AddTail(range);
  } else {
    // Deselecting removes every range that meets the given one.
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
      POSITION here = pos;
      CGXRange meet;
      if (meet.IntersectRange(pList->GetNext(pos), range)) pList->RemoveAt(here);
    }
  }
  if (bUpdate) RedrawRowCol(range, GX_INVALIDATE);
  OnChangedSelection(&range, FALSE, FALSE);
}

void CGXGridCore::SetSelection(const CGXRange& range, BOOL bUpdate) {
  ClearSelection(bUpdate);
  SelectRange(range, TRUE, bUpdate);
}

void CGXGridCore::ClearSelection(BOOL bUpdate) {
  CGXRangeList* pList = m_pParam->GetRangeList();
  if (pList->IsEmpty()) return;
  pList->RemoveAll();
  if (bUpdate) Redraw(GX_INVALIDATE);
  OnChangedSelection(nullptr, FALSE, FALSE);
}

BOOL CGXGridCore::GetInvertStateRowCol(ROWCOL nRow, ROWCOL nCol) {
  return m_pParam->GetRangeList()->IsCellInList(nRow, nCol);
}

ROWCOL CGXGridCore::GetSelectedRows(CRowColArray& awRowStart, CRowColArray& awRowEnd, BOOL bRangeRowsOnly,
                                    BOOL bCanUseCurrentCell) {
  SpanList spans = CollectSpans(*m_pParam->GetRangeList(), TRUE, GetRowCount(), GetColCount(), bRangeRowsOnly);
  if (spans.empty() && bCanUseCurrentCell && !bRangeRowsOnly && IsCurrentCell())
    spans.emplace_back(m_pView->nCurRow, m_pView->nCurRow);
  return MergeSpans(std::move(spans), awRowStart, awRowEnd);
}

ROWCOL CGXGridCore::GetSelectedCols(CRowColArray& awColStart, CRowColArray& awColEnd, BOOL bRangeColsOnly,
                                    BOOL bCanUseCurrentCell) {
  SpanList spans = CollectSpans(*m_pParam->GetRangeList(), FALSE, GetColCount(), GetRowCount(), bRangeColsOnly);
  if (spans.empty() && bCanUseCurrentCell && !bRangeColsOnly && IsCurrentCell())
    spans.emplace_back(m_pView->nCurCol, m_pView->nCurCol);
  return MergeSpans(std::move(spans), awColStart, awColEnd);
}
