// Drawing of the tree list's owner-drawn rows: the cells with their grid,
// and in the first column the indented tree with its lines and boxes.
#include "TreeList.h"

namespace {

constexpr int kSubItemMargin = 5;
// From an item's indent (row left + 12 * depth) to where its text starts.
constexpr int kTextOffset = -2;
// From an item's indent to its parent's vertical line.
constexpr int kParentLineOffset = -20;

int ColumnCount(const CListCtrl& list) {
  const CHeaderCtrl* pHeader = list.GetHeaderCtrl();
  return pHeader != nullptr ? pHeader->GetItemCount() : 0;
}

}  // namespace

void CTreeList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CItemDesc* pItem = ItemOfRow(static_cast<int>(lpDrawItemStruct->itemID));
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  if (pItem == nullptr || pDC == nullptr) return;
  const auto hItem = reinterpret_cast<HTREEITEM>(pItem);
  const CRect row(lpDrawItemStruct->rcItem);
  const bool bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
  const int nSaved = pDC->SaveDC();
  pDC->FillSolidRect(&row, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(bSelected ? GetItemTextSelectedColor(hItem) : GetItemTextNormalColor(hItem));
  if (CFont* pFont = GetFont()) pDC->SelectObject(pFont);

  const int nColumns = ColumnCount(*this);
  const int nIndent = row.left + kIndent * pItem->GetDepth();
  int nFirstRight = row.right;
  pDC->SelectObject(&m_penGrid);
  pDC->MoveTo(row.left, row.bottom - 1);
  pDC->LineTo(row.right, row.bottom - 1);
  for (int nColumn = 0, nLeft = row.left; nColumn < nColumns; ++nColumn) {
    const int nRight = nLeft + GetColumnWidth(nColumn);
    if (nColumn == 0) nFirstRight = nRight;
    CRect text(nColumn == 0 ? nIndent + kTextOffset : nLeft + kSubItemMargin, row.top, nRight, row.bottom);
    pDC->DrawText(pItem->GetText(nColumn), &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->MoveTo(nRight - 1, row.top);
    pDC->LineTo(nRight - 1, row.bottom);
    nLeft = nRight;
  }
  pDC->IntersectClipRect(row.left, row.top, nFirstRight, row.bottom);
  DrawTreeLines(*pDC, pItem, row);
  pDC->RestoreDC(nSaved);
}

void CTreeList::DrawTreeLines(CDC& dc, const CItemDesc* pItem, const CRect& row) {
  const int nDepth = pItem->GetDepth();
  const int nMiddle = (row.top + row.bottom) / 2;
  dc.SelectObject(&m_penLines);
  if (nDepth > 1) {
    const int nIndent = row.left + kIndent * nDepth;
    const int nLine = nIndent + kParentLineOffset;
    dc.MoveTo(nLine, nMiddle);
    dc.LineTo(nIndent + kTextOffset - 1, nMiddle);
    dc.MoveTo(nLine, row.top);
    dc.LineTo(nLine, pItem->IsLastChild() ? nMiddle + 1 : row.bottom);
    // The lines of ancestors whose later siblings are still to come.
    for (const CItemDesc* pAncestor = pItem->GetParent(); pAncestor->GetDepth() > 1;
         pAncestor = pAncestor->GetParent()) {
      if (pAncestor->IsLastChild()) continue;
      const int nAncestorLine = row.left + kIndent * pAncestor->GetDepth() + kParentLineOffset;
      dc.MoveTo(nAncestorLine, row.top);
      dc.LineTo(nAncestorLine, row.bottom);
    }
  }
  if (pItem->GetSize() > 0) DrawButton(dc, pItem, row.left, nMiddle);
}

void CTreeList::DrawButton(CDC& dc, const CItemDesc* pItem, int nRowLeft, int nMiddle) {
  const int nLeft = nRowLeft + kIndent * pItem->GetDepth() - kButtonOffset;
  const int nTop = nMiddle - 4;
  dc.SelectObject(&m_penLines);
  dc.SelectObject(&m_brushWindow);
  dc.Rectangle(nLeft, nTop, nLeft + kButtonSize, nTop + kButtonSize);
  CPen sign(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWTEXT));
  CPen* pOld = dc.SelectObject(&sign);
  const int nCentre = nLeft + kButtonSize / 2;
  dc.MoveTo(nLeft + 2, nMiddle);
  dc.LineTo(nLeft + kButtonSize - 2, nMiddle);
  if (!pItem->IsExpanded()) {
    dc.MoveTo(nCentre, nTop + 2);
    dc.LineTo(nCentre, nTop + kButtonSize - 2);
  }
  dc.SelectObject(pOld);
}
