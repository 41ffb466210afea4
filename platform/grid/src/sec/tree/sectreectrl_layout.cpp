// Geometry of the tree control: columns and their header, row heights,
// the parts of a row, scrolling and hit testing.
#include <algorithm>
#include <cmath>

#include "gx/scroll_thumb.h"
#include "sec/sectreectrl.h"
#include "sec/tree/tree_model.h"

using sec::tree::Item;
using sec::tree::Model;

namespace {
constexpr int kBoxHalf = 4;  // the expand box is 9 x 9
constexpr int kLabelPad = 2;
}  // namespace

int SECTreeCtrl::InsertColumn(int nCol, LPCTSTR lpszHeading, int nFormat, int nWidth) {
  nCol = std::clamp(nCol, 0, GetColumnCount());
  Column column;
  column.heading = lpszHeading ? lpszHeading : "";
  column.format = nFormat;
  if (nWidth >= 0) column.width = nWidth;
  // The first column is the one the tree always had; a later one moves
  // the texts of the columns from nCol on to the right.
  if (!m_columns.empty()) {
    m_pModel->ForEach([&](Item& item) {
      if (nCol < static_cast<int>(item.texts.size())) item.texts.insert(item.texts.begin() + nCol, CString());
    });
  }
  m_columns.insert(m_columns.begin() + nCol, column);
  if (m_hWndHeader) {
    HDITEM hdi{};
    hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    hdi.pszText = const_cast<LPSTR>(static_cast<LPCTSTR>(m_columns[static_cast<size_t>(nCol)].heading));
    hdi.cxy = column.width;
    hdi.fmt = nFormat & HDF_JUSTIFYMASK;
    Header_InsertItem(m_hWndHeader, nCol, &hdi);
  }
  LayoutHeader();
  Changed();
  return nCol;
}

BOOL SECTreeCtrl::DeleteColumn(int nCol) {
  if (nCol < 0 || nCol >= GetColumnCount()) return FALSE;
  m_columns.erase(m_columns.begin() + nCol);
  m_pModel->ForEach([&](Item& item) {
    if (nCol < static_cast<int>(item.texts.size()) && item.texts.size() > 1)
      item.texts.erase(item.texts.begin() + nCol);
  });
  if (m_hWndHeader) Header_DeleteItem(m_hWndHeader, nCol);
  LayoutHeader();
  Changed();
  return TRUE;
}

int SECTreeCtrl::GetColumnWidth(int nCol) const {
  if (nCol < 0 || nCol >= GetColumnCount()) return 0;
  return m_columns[static_cast<size_t>(nCol)].width;
}

BOOL SECTreeCtrl::SetColumnWidth(int nCol, int cx) {
  if (nCol < 0 || nCol >= GetColumnCount() || cx < 0) return FALSE;
  Column& column = m_columns[static_cast<size_t>(nCol)];
  column.width = cx;
  column.ratio = 0;
  if (m_hWndHeader) {
    HDITEM hdi{};
    hdi.mask = HDI_WIDTH;
    hdi.cxy = cx;
    Header_SetItem(m_hWndHeader, nCol, &hdi);
  }
  Changed();
  return TRUE;
}

BOOL SECTreeCtrl::SetColumnWidthRatio(int nCol, double dRatio, int nExtra) {
  if (nCol < 0 || nCol >= GetColumnCount() || dRatio < 0) return FALSE;
  m_columns[static_cast<size_t>(nCol)].ratio = dRatio;
  m_columns[static_cast<size_t>(nCol)].extra = nExtra;
  ApplyColumnRatios();
  Changed();
  return TRUE;
}

CString SECTreeCtrl::GetColumnHeading(int nCol) const {
  if (nCol < 0 || nCol >= GetColumnCount()) return CString();
  return m_columns[static_cast<size_t>(nCol)].heading;
}

void SECTreeCtrl::ApplyColumnRatios() {
  if (!m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  for (size_t i = 0; i < m_columns.size(); ++i) {
    Column& column = m_columns[i];
    if (column.ratio <= 0) continue;
    column.width = static_cast<int>(std::trunc(column.ratio * client.Width())) + column.extra;
    if (m_hWndHeader) {
      HDITEM hdi{};
      hdi.mask = HDI_WIDTH;
      hdi.cxy = column.width;
      Header_SetItem(m_hWndHeader, static_cast<int>(i), &hdi);
    }
  }
}

void SECTreeCtrl::UpdateColumnsFromHeader() {
  for (size_t i = 0; i < m_columns.size(); ++i) {
    HDITEM hdi{};
    hdi.mask = HDI_WIDTH;
    if (!Header_GetItem(m_hWndHeader, static_cast<int>(i), &hdi)) continue;
    if (hdi.cxy != m_columns[i].width) {
      // A width the user dragged stays as dragged.
      m_columns[i].width = hdi.cxy;
      m_columns[i].ratio = 0;
    }
  }
  Changed();
}

void SECTreeCtrl::LayoutHeader() {
  if (!m_hWndHeader) return;
  const bool show = (m_dwTreeStyles & TVXS_COLUMNHEADER) && !m_columns.empty();
  CRect client;
  GetClientRect(&client);
  if (!show) {
    ::ShowWindow(m_hWndHeader, SW_HIDE);
    m_cyHeader = 0;
    return;
  }
  WINDOWPOS pos{};
  HDLAYOUT layout{&client, &pos};
  Header_Layout(m_hWndHeader, &layout);
  ::SetWindowPos(m_hWndHeader, nullptr, pos.x, pos.y, pos.cx, pos.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  m_cyHeader = pos.cy;
}

void SECTreeCtrl::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  ApplyColumnRatios();
  LayoutHeader();
  Changed();
}

BOOL SECTreeCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* hdr = reinterpret_cast<NMHDR*>(lParam);
  if (hdr && hdr->hwndFrom == m_hWndHeader && m_hWndHeader) {
    if (hdr->code == HDN_ITEMCHANGED || hdr->code == HDN_TRACK || hdr->code == HDN_ENDTRACK) UpdateColumnsFromHeader();
    if (pResult) *pResult = 0;
    return TRUE;
  }
  return CWnd::OnNotify(wParam, lParam, pResult);
}

LRESULT SECTreeCtrl::OnSetFont(WPARAM wParam, LPARAM lParam) {
  m_hFont = reinterpret_cast<HFONT>(wParam);
  m_fontBold.DeleteObject();
  if (m_hWndHeader) ::SendMessage(m_hWndHeader, WM_SETFONT, wParam, lParam);
  RecalcRowHeight();
  LayoutHeader();
  Changed();
  return 0;
}

LRESULT SECTreeCtrl::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hFont); }

CFont* SECTreeCtrl::GetTreeFont() const {
  return CFont::FromHandle(m_hFont ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
}

CFont* SECTreeCtrl::GetBoldFont() const {
  if (!m_fontBold.GetSafeHandle()) {
    LOGFONT lf{};
    GetTreeFont()->GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
  }
  return &m_fontBold;
}

void SECTreeCtrl::RecalcRowHeight() {
  int height = 16;
  if (m_hWnd) {
    CClientDC dc(const_cast<SECTreeCtrl*>(this));
    CFont* old = dc.SelectObject(GetTreeFont());
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    height = std::max(height, static_cast<int>(tm.tmHeight));
  }
  int cx = 0, cy = 0;
  if (m_hImageList && ImageList_GetIconSize(m_hImageList, &cx, &cy)) height = std::max(height, cy);
  m_cyRow = height + 2;
}

int SECTreeCtrl::LabelWidth(const Item& item) const {
  if (!m_hWnd) return 0;
  CClientDC dc(const_cast<SECTreeCtrl*>(this));
  CFont* old = dc.SelectObject((item.state & TVIS_BOLD) ? GetBoldFont() : GetTreeFont());
  CSize size = dc.GetTextExtent(item.Text(0));
  dc.SelectObject(old);
  return size.cx + 2 * kLabelPad;
}

void SECTreeCtrl::Changed() {
  if (!m_hWnd) return;
  UpdateScrollBar();
  Invalidate(FALSE);
}

int SECTreeCtrl::RowsPerPage() const {
  if (!m_hWnd) return 0;
  CRect client;
  GetClientRect(&client);
  return std::max(0, (client.Height() - m_cyHeader) / std::max(1, m_cyRow));
}

int SECTreeCtrl::GetVisibleCount() const { return RowsPerPage(); }

void SECTreeCtrl::UpdateScrollBar() {
  const int rows = static_cast<int>(m_pModel->Rows().size());
  const int page = RowsPerPage();
  m_nTopRow = std::clamp(m_nTopRow, 0, std::max(0, rows - page));
  if (GetStyle() & TVS_NOSCROLL) return;
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(0, rows - 1);
  si.nPage = static_cast<UINT>(page);
  si.nPos = m_nTopRow;
  SetScrollInfo(SB_VERT, &si, TRUE);
}

void SECTreeCtrl::ScrollToRow(int nTopRow) {
  m_nTopRow = nTopRow;
  Changed();
}

void SECTreeCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  const int page = std::max(1, RowsPerPage());
  int top = m_nTopRow;
  switch (nSBCode) {
    case SB_LINEUP:
      --top;
      break;
    case SB_LINEDOWN:
      ++top;
      break;
    case SB_PAGEUP:
      top -= page;
      break;
    case SB_PAGEDOWN:
      top += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      top = static_cast<int>(gx::ThumbPosition(this, SB_VERT, nPos));
      break;
    case SB_TOP:
      top = 0;
      break;
    case SB_BOTTOM:
      top = static_cast<int>(m_pModel->Rows().size());
      break;
    default:
      break;
  }
  ScrollToRow(top);
  CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

BOOL SECTreeCtrl::OnMouseWheel(UINT, short zDelta, CPoint) {
  ScrollToRow(m_nTopRow - 3 * zDelta / WHEEL_DELTA);
  return TRUE;
}

int SECTreeCtrl::RowOf(const Item* pItem) const {
  if (!pItem) return -1;
  auto rows = m_pModel->Rows();
  auto it = std::find(rows.begin(), rows.end(), pItem);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int SECTreeCtrl::ColumnLeft(int nCol) const {
  int x = 0;
  for (int i = 0; i < nCol && i < GetColumnCount(); ++i) x += m_columns[static_cast<size_t>(i)].width;
  return x;
}

int SECTreeCtrl::TreeColumnRight() const {
  if (!m_columns.empty()) return m_columns.front().width;
  CRect client;
  GetClientRect(&client);
  return client.right;
}

SECTreeCtrl::RowGeometry SECTreeCtrl::GeometryOf(const Item& item, int nRow) const {
  RowGeometry geo;
  CRect client;
  GetClientRect(&client);
  const int top = m_cyHeader + (nRow - m_nTopRow) * m_cyRow;
  geo.row.SetRect(0, top, std::max(static_cast<int>(client.right), ColumnLeft(GetColumnCount())), top + m_cyRow);
  const int steps = item.Level() - 1 + ((GetStyle() & TVS_LINESATROOT) ? 1 : 0);
  const int cy = top + m_cyRow / 2;
  if (steps > 0 && item.HasButton() && (GetStyle() & TVS_HASBUTTONS)) {
    const int cx = (steps - 1) * m_nIndent + m_nIndent / 2;
    geo.button.SetRect(cx - kBoxHalf, cy - kBoxHalf, cx + kBoxHalf + 1, cy + kBoxHalf + 1);
  }
  int x = steps * m_nIndent;
  int cxImage = 0, cyImage = 0;
  if (m_hImageList && ImageList_GetIconSize(m_hImageList, &cxImage, &cyImage)) {
    geo.image.SetRect(x, top, x + cxImage, top + m_cyRow);
    x += cxImage + 3;
  }
  geo.label.SetRect(x, top, std::min(x + LabelWidth(item), TreeColumnRight()), top + m_cyRow);
  return geo;
}

BOOL SECTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
  const Item* item = ItemOf(hItem);
  int row = RowOf(item);
  if (row < 0 || !lpRect) return FALSE;
  RowGeometry geo = GeometryOf(*item, row);
  *lpRect = bTextOnly ? geo.label : geo.row;
  return TRUE;
}

BOOL SECTreeCtrl::GetItemCellRect(HTREEITEM hItem, int nCol, LPRECT lpRect) const {
  const Item* item = ItemOf(hItem);
  int row = RowOf(item);
  if (row < 0 || !lpRect || nCol < 0 || (nCol > 0 && nCol >= GetColumnCount())) return FALSE;
  RowGeometry geo = GeometryOf(*item, row);
  if (nCol == 0) {
    *lpRect = geo.label;
    return TRUE;
  }
  const int left = ColumnLeft(nCol);
  *lpRect = CRect(left, geo.row.top, left + GetColumnWidth(nCol), geo.row.bottom);
  return TRUE;
}

HTREEITEM SECTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const {
  if (!pHitTestInfo) return nullptr;
  pHitTestInfo->hItem = HitTest(CPoint(pHitTestInfo->pt), &pHitTestInfo->flags);
  return pHitTestInfo->hItem;
}

HTREEITEM SECTreeCtrl::HitTest(CPoint pt, UINT* pFlags, int* pnCol) const {
  UINT flags = TVHT_NOWHERE;
  int column = -1;
  HTREEITEM found = nullptr;
  CRect client;
  GetClientRect(&client);
  if (pt.y < m_cyHeader || pt.y < client.top) {
    flags = TVHT_ABOVE;
  } else if (pt.y >= client.bottom) {
    flags = TVHT_BELOW;
  } else if (pt.x < 0) {
    flags = TVHT_TOLEFT;
  } else if (pt.x >= client.right) {
    flags = TVHT_TORIGHT;
  } else {
    auto rows = m_pModel->Rows();
    const int row = m_nTopRow + (pt.y - m_cyHeader) / std::max(1, m_cyRow);
    if (row < static_cast<int>(rows.size())) {
      const Item& item = *rows[static_cast<size_t>(row)];
      const RowGeometry geo = GeometryOf(item, row);
      found = Model::Handle(&item);
      column = 0;
      for (int c = 1; c < GetColumnCount(); ++c)
        if (pt.x >= ColumnLeft(c)) column = c;
      if (column > 0 && pt.x >= ColumnLeft(GetColumnCount())) column = -1;
      if (column != 0)
        flags = column > 0 ? TVHT_ONITEMLABEL : TVHT_ONITEMRIGHT;
      else if (geo.button.PtInRect(pt))
        flags = TVHT_ONITEMBUTTON;
      else if (geo.image.PtInRect(pt))
        flags = TVHT_ONITEMICON;
      else if (geo.label.PtInRect(pt))
        flags = TVHT_ONITEMLABEL;
      else if (pt.x < geo.label.left)
        flags = TVHT_ONITEMINDENT;
      else
        flags = TVHT_ONITEMRIGHT;
    }
  }
  if (pFlags) *pFlags = flags;
  if (pnCol) *pnCol = column;
  return found;
}
