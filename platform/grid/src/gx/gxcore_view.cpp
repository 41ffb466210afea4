// Geometry, scrolling and painting of the grid.
#include <algorithm>

#include "griddata.h"
#include "gridlayout.h"
#include "gridview.h"
#include "gx/gxcore.h"
#include "gx/scroll_thumb.h"

namespace {

BOOL g_bSolidGridLines = FALSE;

constexpr COLORREF kGridLineColor = RGB(192, 192, 192);

// A horizontal (y1 == y2) or vertical line; dotted unless the library-wide switch asks for solid lines.
void DrawGridLine(CDC* pDC, int x1, int y1, int x2, int y2) {
  if (g_bSolidGridLines) {
    CPen pen(PS_SOLID, 1, kGridLineColor);
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2 + (y1 == y2 ? 1 : 0), y2 + (y1 == y2 ? 0 : 1));
    pDC->SelectObject(pOld);
    return;
  }
  if (y1 == y2) {
    for (int x = x1; x <= x2; x += 2) pDC->SetPixel(x, y1, kGridLineColor);
  } else {
    for (int y = y1; y <= y2; y += 2) pDC->SetPixel(x1, y, kGridLineColor);
  }
}

}  // namespace

void GXSetSolidGridLines(BOOL bSolid) { g_bSolidGridLines = bSolid; }
BOOL GXGetSolidGridLines() { return g_bSolidGridLines; }

namespace gx {

std::vector<Span> VisibleSpans(CGXGridCore& core, BOOL bRows) {
  const CRect rectGrid = core.GetGridRect();
  const int nLimit = bRows ? rectGrid.bottom : rectGrid.right;
  const ROWCOL nCount = bRows ? core.GetRowCount() : core.GetColCount();
  const ROWCOL nFrozen = bRows ? core.GetFrozenRows() : core.GetFrozenCols();
  const ROWCOL nFirstScrolled = bRows ? core.GetTopRow() : core.GetLeftCol();
  std::vector<Span> spans;
  int pos = 0;
  auto add = [&](ROWCOL n) {
    const int size = bRows ? core.GetRowHeight(n) : core.GetColWidth(n);
    if (size <= 0) return true;
    spans.push_back({n, pos, size});
    pos += size;
    return pos < nLimit;
  };
  for (ROWCOL n = 0; n <= std::min(nFrozen, nCount); ++n) {
    if (!add(n)) return spans;
  }
  for (ROWCOL n = std::max(nFirstScrolled, nFrozen + 1); n <= nCount; ++n) {
    if (!add(n)) break;
  }
  return spans;
}

const Span* SpanAt(const std::vector<Span>& spans, int pos) {
  for (const Span& s : spans) {
    if (pos >= s.start && pos < s.start + s.size) return &s;
  }
  return nullptr;
}

const Span* FindSpan(const std::vector<Span>& spans, ROWCOL n) {
  for (const Span& s : spans) {
    if (s.n == n) return &s;
  }
  return nullptr;
}

}  // namespace gx

CRect CGXGridCore::GetGridRect() const {
  CRect rect(0, 0, 0, 0);
  if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr) m_pGridWnd->GetClientRect(&rect);
  return rect;
}

CRect CGXGridCore::CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol) {
  const auto rows = gx::VisibleSpans(*this, TRUE);
  const auto cols = gx::VisibleSpans(*this, FALSE);
  const gx::Span* r = gx::FindSpan(rows, nRow);
  const gx::Span* c = gx::FindSpan(cols, nCol);
  if (r == nullptr || c == nullptr) return CRect(0, 0, 0, 0);
  return CRect(c->start, r->start, c->start + c->size, r->start + r->size);
}

CRect CGXGridCore::CellRectInside(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol) {
  CRect rect = rectCell;
  if (nRow > 0 && nCol > 0 && !rect.IsRectEmpty()) {
    rect.right -= 1;
    rect.bottom -= 1;
  }
  return rect;
}

CRect CGXGridCore::GetCellRect(ROWCOL nRow, ROWCOL nCol) {
  return CellRectInside(CalcRectFromRowCol(nRow, nCol), nRow, nCol);
}

int CGXGridCore::HitTest(CPoint pt, ROWCOL* pRow, ROWCOL* pCol, CRect* pRect) {
  const auto rows = gx::VisibleSpans(*this, TRUE);
  const auto cols = gx::VisibleSpans(*this, FALSE);
  const gx::Span* r = gx::SpanAt(rows, pt.y);
  const gx::Span* c = gx::SpanAt(cols, pt.x);
  if (r == nullptr || c == nullptr) return GX_NOHIT;
  if (pRow) *pRow = r->n;
  if (pCol) *pCol = c->n;
  if (pRect) *pRect = CRect(c->start, r->start, c->start + c->size, r->start + r->size);
  constexpr int kEdge = 3;
  if (r->n == 0 && c->n > 0 && pt.x >= c->start + c->size - kEdge) return GX_VERTLINE;
  if (c->n == 0 && r->n > 0 && pt.y >= r->start + r->size - kEdge) return GX_HORZLINE;
  return r->n == 0 || c->n == 0 ? GX_HEADERHIT : GX_CELLHIT;
}

// Scrolling.

ROWCOL CGXGridCore::GetTopRow() const { return m_pView->nTopRow; }
ROWCOL CGXGridCore::GetLeftCol() const { return m_pView->nLeftCol; }

BOOL CGXGridCore::SetTopRow(ROWCOL nRow, UINT flags) {
  const ROWCOL nFirst = GetFrozenRows() + 1;
  nRow = std::clamp<ROWCOL>(nRow, nFirst, std::max(nFirst, GetRowCount()));
  if (nRow == m_pView->nTopRow) return FALSE;
  m_pView->nTopRow = nRow;
  if (CGXControl* pControl = GetCurrentCellControl()) pControl->Refresh();
  UpdateScrollbars();
  Redraw(flags);
  return TRUE;
}

BOOL CGXGridCore::SetLeftCol(ROWCOL nCol, UINT flags) {
  const ROWCOL nFirst = GetFrozenCols() + 1;
  nCol = std::clamp<ROWCOL>(nCol, nFirst, std::max(nFirst, GetColCount()));
  if (nCol == m_pView->nLeftCol) return FALSE;
  m_pView->nLeftCol = nCol;
  if (CGXControl* pControl = GetCurrentCellControl()) pControl->Refresh();
  UpdateScrollbars();
  Redraw(flags);
  return TRUE;
}

ROWCOL CGXGridCore::GetLastVisibleRow() {
  const auto rows = gx::VisibleSpans(*this, TRUE);
  return rows.empty() ? 0 : rows.back().n;
}

ROWCOL CGXGridCore::GetLastVisibleCol() {
  const auto cols = gx::VisibleSpans(*this, FALSE);
  return cols.empty() ? 0 : cols.back().n;
}

namespace {

// The first scrolled index that shows n wholly at the far edge, given the
// extent available after the frozen part.
template <class SizeOf>
ROWCOL FirstToShowAtEnd(ROWCOL n, ROWCOL nFirstScrollable, int nAvailable, SizeOf sizeOf) {
  ROWCOL nFirst = n;
  int used = sizeOf(n);
  while (nFirst > nFirstScrollable && used + sizeOf(nFirst - 1) <= nAvailable) used += sizeOf(--nFirst);
  return nFirst;
}

}  // namespace

BOOL CGXGridCore::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags) {
  const CRect rectGrid = GetGridRect();
  BOOL bScrolled = FALSE;
  auto frozenExtent = [](ROWCOL nFrozen, auto sizeOf) {
    int e = 0;
    for (ROWCOL n = 0; n <= nFrozen; ++n) e += sizeOf(n);
    return e;
  };
  auto rowSize = [this](ROWCOL n) { return GetRowHeight(n); };
  auto colSize = [this](ROWCOL n) { return GetColWidth(n); };
  if (nRow > GetFrozenRows() && nRow <= GetRowCount()) {
    const int avail = rectGrid.Height() - frozenExtent(GetFrozenRows(), rowSize);
    if (nRow < m_pView->nTopRow)
      bScrolled |= SetTopRow(nRow, GX_NOREDRAW);
    else if (nRow > GetLastVisibleRow() || CalcRectFromRowCol(nRow, 0).bottom > rectGrid.bottom)
      bScrolled |= SetTopRow(FirstToShowAtEnd(nRow, GetFrozenRows() + 1, avail, rowSize), GX_NOREDRAW);
  }
  if (nCol > GetFrozenCols() && nCol <= GetColCount()) {
    const int avail = rectGrid.Width() - frozenExtent(GetFrozenCols(), colSize);
    if (nCol < m_pView->nLeftCol)
      bScrolled |= SetLeftCol(nCol, GX_NOREDRAW);
    else if (nCol > GetLastVisibleCol() || CalcRectFromRowCol(0, nCol).right > rectGrid.right)
      bScrolled |= SetLeftCol(FirstToShowAtEnd(nCol, GetFrozenCols() + 1, avail, colSize), GX_NOREDRAW);
  }
  if (bScrolled) Redraw(flags);
  return bScrolled;
}

void CGXGridCore::UpdateScrollbars() {
  if (m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr) return;
  auto update = [this](int nBar, ROWCOL nCount, ROWCOL nFrozen, ROWCOL nFirst, ROWCOL nLastVisible) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const ROWCOL nScrollable = nCount > nFrozen ? nCount - nFrozen : 0;
    si.nMin = 0;
    si.nMax = nScrollable == 0 ? 0 : static_cast<int>(nScrollable - 1);
    si.nPage = nLastVisible >= nFirst ? nLastVisible - nFirst + 1 : 1;
    si.nPos = static_cast<int>(nFirst - nFrozen - 1);
    m_pGridWnd->SetScrollInfo(nBar, &si, TRUE);
  };
  if (m_pView->bVertBarAllowed) update(SB_VERT, GetRowCount(), GetFrozenRows(), m_pView->nTopRow, GetLastVisibleRow());
  if (m_pView->bHorzBarAllowed) update(SB_HORZ, GetColCount(), GetFrozenCols(), m_pView->nLeftCol, GetLastVisibleCol());
}

void CGXGridCore::SetScrollBarAllowed(UINT nBar, BOOL bAllowed) {
  if (nBar == SB_HORZ || nBar == SB_BOTH) m_pView->bHorzBarAllowed = bAllowed;
  if (nBar == SB_VERT || nBar == SB_BOTH) m_pView->bVertBarAllowed = bAllowed;
}

void CGXGridCore::DoVScroll(UINT nSBCode, UINT nPos) {
  const ROWCOL nTop = m_pView->nTopRow;
  const ROWCOL nPage = std::max<ROWCOL>(1, GetLastVisibleRow() >= nTop ? GetLastVisibleRow() - nTop : 1);
  switch (nSBCode) {
    case SB_LINEUP:
      SetTopRow(nTop > 1 ? nTop - 1 : 1);
      break;
    case SB_LINEDOWN:
      SetTopRow(nTop + 1);
      break;
    case SB_PAGEUP:
      SetTopRow(nTop > nPage ? nTop - nPage : 1);
      break;
    case SB_PAGEDOWN:
      SetTopRow(nTop + nPage);
      break;
    case SB_TOP:
      SetTopRow(0);
      break;
    case SB_BOTTOM:
      SetTopRow(GetRowCount());
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      SetTopRow(GetFrozenRows() + 1 + gx::ThumbPosition(m_pGridWnd, SB_VERT, nPos));
      break;
    default:
      break;
  }
}

void CGXGridCore::DoHScroll(UINT nSBCode, UINT nPos) {
  const ROWCOL nLeft = m_pView->nLeftCol;
  const ROWCOL nPage = std::max<ROWCOL>(1, GetLastVisibleCol() >= nLeft ? GetLastVisibleCol() - nLeft : 1);
  switch (nSBCode) {
    case SB_LINELEFT:
      SetLeftCol(nLeft > 1 ? nLeft - 1 : 1);
      break;
    case SB_LINERIGHT:
      SetLeftCol(nLeft + 1);
      break;
    case SB_PAGELEFT:
      SetLeftCol(nLeft > nPage ? nLeft - nPage : 1);
      break;
    case SB_PAGERIGHT:
      SetLeftCol(nLeft + nPage);
      break;
    case SB_LEFT:
      SetLeftCol(0);
      break;
    case SB_RIGHT:
      SetLeftCol(GetColCount());
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      SetLeftCol(GetFrozenCols() + 1 + gx::ThumbPosition(m_pGridWnd, SB_HORZ, nPos));
      break;
    default:
      break;
  }
}

BOOL CGXGridCore::DoMouseWheel(UINT, short zDelta, CPoint) {
  const int nLines = zDelta / WHEEL_DELTA * 3;
  const ROWCOL nTop = m_pView->nTopRow;
  if (nLines > 0)
    SetTopRow(nTop > static_cast<ROWCOL>(nLines) ? nTop - static_cast<ROWCOL>(nLines) : 1);
  else if (nLines < 0)
    SetTopRow(nTop + static_cast<ROWCOL>(-nLines));
  return TRUE;
}

void CGXGridCore::DoSize(UINT, int, int) {
  if (CGXControl* pControl = GetCurrentCellControl()) pControl->Refresh();
  UpdateScrollbars();
}

void CGXGridCore::SetAutoScroll(BOOL bHorz, BOOL bVert, UINT nFirstDelay, UINT nRepeatDelay) {
  auto& v = *m_pView;
  v.bAutoScrollHorz = bHorz;
  v.bAutoScrollVert = bVert;
  v.nAutoScrollFirst = nFirstDelay;
  v.nAutoScrollRepeat = std::max<UINT>(nRepeatDelay, 1);
}

// Sizes that fit the contents.

BOOL CGXGridCore::ResizeToFit(const CGXRange& rangeIn, BOOL bRows, int nMinSize, UINT flags) {
  CGXRange range = rangeIn;
  range.ExpandRange(0, 0, GetRowCount(), GetColCount());
  if (!range.IsValid() || m_pGridWnd->GetSafeHwnd() == nullptr) return FALSE;
  CClientDC dc(m_pGridWnd);
  const ROWCOL nFirst = bRows ? range.top : range.left;
  const ROWCOL nLast = bRows ? range.bottom : range.right;
  for (ROWCOL n = nFirst; n <= nLast; ++n) {
    int size = nMinSize;
    for (ROWCOL m = bRows ? range.left : range.top; m <= (bRows ? range.right : range.bottom); ++m) {
      const ROWCOL nRow = bRows ? n : m;
      const ROWCOL nCol = bRows ? m : n;
      CGXStyle style;
      ComposeStyleRowCol(nRow, nCol, &style);
      CGXControl* pControl = GetRegisteredControl(style.GetControl());
      if (pControl == nullptr) continue;
      const CSize need = pControl->CalcSize(&dc, nRow, nCol, style, &m_pData->standardStyle, bRows);
      size = std::max(size, static_cast<int>(bRows ? need.cy : need.cx) + 1);
    }
    if (bRows)
      SetRowHeight(n, n, size, GX_NOREDRAW);
    else
      SetColWidth(n, n, size, GX_NOREDRAW);
  }
  Redraw(flags);
  return TRUE;
}

BOOL CGXGridCore::ResizeColWidthsToFit(const CGXRange& range, int nMinSize, UINT flags) {
  return ResizeToFit(range, FALSE, nMinSize, flags);
}

BOOL CGXGridCore::ResizeRowHeightsToFit(const CGXRange& range, int nMinSize, UINT flags) {
  return ResizeToFit(range, TRUE, nMinSize, flags);
}

// Updating.

BOOL CGXGridCore::LockUpdate(BOOL bLock) {
  const BOOL bOld = m_bLockUpdate;
  m_bLockUpdate = bLock;
  return bOld;
}

void CGXGridCore::UpdateNow(UINT flags) {
  if ((flags & GX_UPDATENOW) != 0) m_pGridWnd->UpdateWindow();
}

void CGXGridCore::Redraw(UINT flags, BOOL) {
  if (m_bLockUpdate || flags == GX_NOREDRAW || m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr) return;
  m_pGridWnd->Invalidate(FALSE);
  UpdateNow(flags);
}

void CGXGridCore::RedrawRowCol(const CGXRange& rangeIn, UINT flags) {
  if (m_bLockUpdate || flags == GX_NOREDRAW || m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr) return;
  CGXRange range = rangeIn;
  range.ExpandRange(0, 0, GetRowCount(), GetColCount());
  if (!range.IsValid()) return;
  const auto rows = gx::VisibleSpans(*this, TRUE);
  const auto cols = gx::VisibleSpans(*this, FALSE);
  CRect rectUpdate(0, 0, 0, 0);
  for (const gx::Span& r : rows) {
    if (r.n < range.top || r.n > range.bottom) continue;
    for (const gx::Span& c : cols) {
      if (c.n < range.left || c.n > range.right) continue;
      rectUpdate.UnionRect(rectUpdate, CRect(c.start, r.start, c.start + c.size, r.start + r.size));
    }
  }
  if (rectUpdate.IsRectEmpty()) return;
  m_pGridWnd->InvalidateRect(&rectUpdate, FALSE);
  UpdateNow(flags);
}

void CGXGridCore::RedrawRowCol(ROWCOL nRow, ROWCOL nCol, UINT flags) { RedrawRowCol(CGXRange(nRow, nCol), flags); }

void CGXGridCore::SetReadOnly(BOOL bReadOnly) {
  if (bReadOnly && IsActiveCurrentCell()) ResetCurrentCell(TRUE);
  m_bReadOnly = bReadOnly;
}

// Painting.

void CGXGridCore::OnGridDraw(CDC* pDC) {
  const CRect rectGrid = GetGridRect();
  pDC->FillSolidRect(&rectGrid, ::GetSysColor(COLOR_APPWORKSPACE));
  const auto rows = gx::VisibleSpans(*this, TRUE);
  const auto cols = gx::VisibleSpans(*this, FALSE);
  for (const gx::Span& r : rows) {
    for (const gx::Span& c : cols) DrawCell(pDC, r.n, c.n, CRect(c.start, r.start, c.start + c.size, r.start + r.size));
  }
}

void CGXGridCore::DrawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect) {
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  const BOOL bHeader = nRow == 0 || nCol == 0;
  const CRect rectCell = CellRectInside(rect, nRow, nCol);
  const int nSaved = pDC->SaveDC();
  pDC->IntersectClipRect(&rect);
  CGXControl* pControl = GetRegisteredControl(style.GetControl());
  if (pControl == nullptr) pControl = GetRegisteredControl(GX_IDS_CTRL_STATIC);
  pControl->OnInitChildren(nRow, nCol, rectCell);
  pControl->Draw(pDC, rectCell, nRow, nCol, style, &m_pData->standardStyle);
  if (!bHeader) {
    DrawGridLine(pDC, rect.left, rect.bottom - 1, rect.right - 1, rect.bottom - 1);
    DrawGridLine(pDC, rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1);
    // Paper shows the cells alone: no selection, no current-cell frame.
    const BOOL bScreen = !pDC->IsPrinting();
    const BOOL bCurrent = IsCurrentCell(nRow, nCol);
    if (bScreen && !bCurrent && GetInvertStateRowCol(nRow, nCol)) pDC->InvertRect(&rectCell);
    if (bScreen && bCurrent && !m_pParam->GetHideCurrentCell()) {
      CRect rectFrame = rectCell;
      pDC->Draw3dRect(&rectFrame, RGB(0, 0, 0), RGB(0, 0, 0));
      rectFrame.DeflateRect(1, 1);
      pDC->Draw3dRect(&rectFrame, RGB(0, 0, 0), RGB(0, 0, 0));
    }
  }
  pDC->RestoreDC(nSaved);
}
