// Painting of the tree control in the classic look: dotted lines, [+]/[-]
// boxes, images, bold labels, the selected rows highlighted across the
// columns, marked items highlighted or greyed, and the column texts.
#include "sec/sectreectrl.h"
#include "sec/tree/tree_model.h"

using sec::tree::Item;
using sec::tree::Mark;

namespace {

constexpr int kCellPad = 4;
constexpr int kSignHalf = 2;

void DottedHorizontal(CDC& dc, int x1, int x2, int y, COLORREF color) {
  for (int x = x1; x < x2; ++x)
    if (((x + y) & 1) == 0) dc.SetPixel(x, y, color);
}

void DottedVertical(CDC& dc, int x, int y1, int y2, COLORREF color) {
  for (int y = y1; y < y2; ++y)
    if (((x + y) & 1) == 0) dc.SetPixel(x, y, color);
}

}  // namespace

BOOL SECTreeCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void SECTreeCtrl::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
  CFont* oldFont = dc.SelectObject(GetTreeFont());
  const int oldMode = dc.SetBkMode(TRANSPARENT);
  auto rows = m_pModel->Rows();
  for (int i = m_nTopRow; i < static_cast<int>(rows.size()); ++i) {
    RowGeometry geo = GeometryOf(*rows[static_cast<size_t>(i)], i);
    if (geo.row.top >= client.bottom) break;
    PaintRow(dc, *rows[static_cast<size_t>(i)], geo);
  }
  // Column separators below the header, as in a report list.
  const COLORREF separator = ::GetSysColor(COLOR_BTNFACE);
  for (int c = 1; c < GetColumnCount(); ++c) {
    const int x = ColumnLeft(c) - 1;
    dc.FillSolidRect(x, m_cyHeader, 1, client.bottom - m_cyHeader, separator);
  }
  dc.SetBkMode(oldMode);
  dc.SelectObject(oldFont);
}

void SECTreeCtrl::PaintRow(CDC& dc, const Item& item, const RowGeometry& geo) {
  const bool selected = (item.state & TVIS_SELECTED) != 0;
  if (selected) {
    CRect band(geo.label.left, geo.row.top, geo.row.right, geo.row.bottom);
    dc.FillSolidRect(&band, ::GetSysColor(m_bFocused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
  } else if (item.mark == Mark::Match) {
    dc.FillSolidRect(&geo.label, ::GetSysColor(COLOR_INFOBK));
  }
  if (GetStyle() & TVS_HASLINES) PaintLines(dc, item, geo);
  PaintButton(dc, item, geo);
  if (m_hImageList && !geo.image.IsRectEmpty()) {
    const int index = selected && item.selectedImage >= 0 ? item.selectedImage : item.image;
    int cx = 0, cy = 0;
    ImageList_GetIconSize(m_hImageList, &cx, &cy);
    if (index >= 0)
      ImageList_Draw(m_hImageList, index, dc.GetSafeHdc(), geo.image.left, (geo.image.top + geo.image.bottom - cy) / 2,
                     ILD_TRANSPARENT);
  }
  PaintCells(dc, item, geo);
  if (m_bFocused && &item == m_pCaret) dc.DrawFocusRect(&geo.label);
}

void SECTreeCtrl::PaintLines(CDC& dc, const Item& item, const RowGeometry& geo) {
  const int steps = item.Level() - 1 + ((GetStyle() & TVS_LINESATROOT) ? 1 : 0);
  if (steps <= 0) return;
  const COLORREF color = ::GetSysColor(COLOR_GRAYTEXT);
  const CRect& row = geo.row;
  const int cy = (row.top + row.bottom) / 2;
  auto centre = [&](int step) { return (step - 1) * m_nIndent + m_nIndent / 2; };
  const int cx = centre(steps);
  DottedHorizontal(dc, cx, steps * m_nIndent, cy, color);
  const bool firstOfAll = !item.parent && m_pModel->First(nullptr) == &item;
  DottedVertical(dc, cx, firstOfAll ? cy : row.top, m_pModel->Next(&item) ? row.bottom : cy + 1, color);
  // Ancestors with siblings still to come carry their line through.
  int step = steps - 1;
  for (const Item* a = item.parent; a && step > 0; a = a->parent, --step)
    if (m_pModel->Next(a)) DottedVertical(dc, centre(step), row.top, row.bottom, color);
}

void SECTreeCtrl::PaintButton(CDC& dc, const Item& item, const RowGeometry& geo) {
  if (geo.button.IsRectEmpty()) return;
  dc.FillSolidRect(&geo.button, ::GetSysColor(COLOR_WINDOW));
  CBrush frame(::GetSysColor(COLOR_BTNSHADOW));
  dc.FrameRect(&geo.button, &frame);
  const CPoint c = geo.button.CenterPoint();
  const COLORREF sign = ::GetSysColor(COLOR_WINDOWTEXT);
  dc.FillSolidRect(c.x - kSignHalf, c.y, 2 * kSignHalf + 1, 1, sign);
  if (!item.IsExpanded()) dc.FillSolidRect(c.x, c.y - kSignHalf, 1, 2 * kSignHalf + 1, sign);
}

void SECTreeCtrl::PaintCells(CDC& dc, const Item& item, const RowGeometry& geo) {
  const bool selected = (item.state & TVIS_SELECTED) != 0;
  COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
  if (selected && m_bFocused)
    text = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  else if (item.mark == Mark::NoMatch || !IsWindowEnabled())
    text = ::GetSysColor(COLOR_GRAYTEXT);
  dc.SetTextColor(text);
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  CFont* old = dc.SelectObject((item.state & TVIS_BOLD) ? GetBoldFont() : GetTreeFont());
  CRect label(geo.label.left + 2, geo.label.top, geo.label.right, geo.label.bottom);
  CString text0 = item.Text(0);
  dc.DrawText(text0, &label, format);
  dc.SelectObject(GetTreeFont());
  for (int c = 1; c < GetColumnCount(); ++c) {
    const int left = ColumnLeft(c);
    CRect cell(left + kCellPad, geo.row.top, left + GetColumnWidth(c) - kCellPad, geo.row.bottom);
    CString textC = item.Text(c);
    if (!cell.IsRectEmpty()) dc.DrawText(textC, &cell, format);
  }
  dc.SelectObject(old);
}
