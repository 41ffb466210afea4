// List view columns, kept by the header child (captions and widths) with the
// list's own per-column data (format and subitem), and the header's
// notifications.
#include <algorithm>
#include <cstring>

#include "controls/listview.h"

namespace win32::controls {

int ColumnCount(const ListViewState& state) { return static_cast<int>(state.columns.size()); }

int ColumnWidth(const ListViewState& state, int column) {
  if (column < 0 || column >= ColumnCount(state) || !state.header) return 0;
  HDITEM item{};
  item.mask = HDI_WIDTH;
  return SendMessage(state.header, HDM_GETITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item)) ? item.cxy
                                                                                                              : 0;
}

int TotalWidth(const ListViewState& state) {
  int total = 0;
  for (int i = 0; i < ColumnCount(state); ++i) total += ColumnWidth(state, i);
  return total;
}

namespace {

constexpr int kHeaderTextMargin = 12;  // the header's margins either side of a caption
constexpr int kCellMargin = 12;

bool ValidColumn(const ListViewState& state, int column) { return column >= 0 && column < ColumnCount(state); }

HDITEM ToHeaderItem(const LVCOLUMN& column) {
  HDITEM item{};
  if (column.mask & LVCF_WIDTH) {
    item.mask |= HDI_WIDTH;
    item.cxy = column.cx;
  }
  if (column.mask & LVCF_TEXT) {
    item.mask |= HDI_TEXT;
    item.pszText = column.pszText;
  }
  if (column.mask & LVCF_FMT) {
    item.mask |= HDI_FORMAT;
    item.fmt = HDF_STRING | (column.fmt & LVCFMT_JUSTIFYMASK);
  }
  return item;
}

void ApplyColumn(ListViewColumn& target, const LVCOLUMN& column) {
  if (column.mask & LVCF_FMT) target.format = column.fmt;
  if (column.mask & LVCF_SUBITEM) target.subItem = column.iSubItem;
  if (column.mask & LVCF_IMAGE) target.image = column.iImage;
}

LRESULT InsertColumn(HWND hwnd, ListViewState& state, int index, const LVCOLUMN* column) {
  if (!column || index < 0 || !state.header) return -1;
  index = std::min(index, ColumnCount(state));
  HDITEM item = ToHeaderItem(*column);
  // The first column is always left-aligned.
  if (index == 0) item.fmt &= ~HDF_JUSTIFYMASK;
  item.mask |= HDI_FORMAT | HDI_WIDTH;
  if (!(column->mask & LVCF_FMT)) item.fmt = HDF_STRING;
  LRESULT inserted =
      SendMessage(state.header, HDM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  if (inserted < 0) return -1;
  ListViewColumn added;
  added.subItem = index;
  ApplyColumn(added, *column);
  if (index == 0) added.format &= ~LVCFMT_JUSTIFYMASK;
  state.columns.insert(state.columns.begin() + static_cast<int>(inserted), added);
  Relayout(hwnd, state);
  return inserted;
}

LRESULT DeleteColumn(HWND hwnd, ListViewState& state, int index) {
  if (!ValidColumn(state, index)) return FALSE;
  SendMessage(state.header, HDM_DELETEITEM, static_cast<WPARAM>(index), 0);
  state.columns.erase(state.columns.begin() + index);
  Relayout(hwnd, state);
  return TRUE;
}

LRESULT GetColumn(const ListViewState& state, int index, LVCOLUMN* out) {
  if (!out || !ValidColumn(state, index)) return FALSE;
  const ListViewColumn& column = state.columns[static_cast<size_t>(index)];
  HDITEM item{};
  item.mask = HDI_WIDTH | ((out->mask & LVCF_TEXT) ? HDI_TEXT : 0);
  item.pszText = out->pszText;
  item.cchTextMax = out->cchTextMax;
  SendMessage(state.header, HDM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  if (out->mask & LVCF_WIDTH) out->cx = item.cxy;
  if (out->mask & LVCF_FMT) out->fmt = column.format;
  if (out->mask & LVCF_SUBITEM) out->iSubItem = column.subItem;
  if (out->mask & LVCF_IMAGE) out->iImage = column.image;
  if (out->mask & LVCF_ORDER) out->iOrder = index;
  return TRUE;
}

LRESULT SetColumn(HWND hwnd, ListViewState& state, int index, const LVCOLUMN* column) {
  if (!column || !ValidColumn(state, index)) return FALSE;
  HDITEM item = ToHeaderItem(*column);
  if (index == 0) item.fmt &= ~HDF_JUSTIFYMASK;
  if (item.mask) SendMessage(state.header, HDM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  if (!ValidColumn(state, index)) return FALSE;
  ApplyColumn(state.columns[static_cast<size_t>(index)], *column);
  if (index == 0) state.columns[0].format &= ~LVCFMT_JUSTIFYMASK;
  Relayout(hwnd, state);
  return TRUE;
}

std::string HeaderText(const ListViewState& state, int column) {
  char buffer[260] = {};
  HDITEM item{};
  item.mask = HDI_TEXT;
  item.pszText = buffer;
  item.cchTextMax = sizeof(buffer);
  SendMessage(state.header, HDM_GETITEM, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

// The width that shows every cell of a column (and its caption, with
// LVSCW_AUTOSIZE_USEHEADER; the last column then fills the client).
int AutoWidth(HWND hwnd, const ListViewState& state, int column, bool useHeader) {
  int width = 0;
  int subItem = state.columns[static_cast<size_t>(column)].subItem;
  for (int i = 0; i < ItemCount(state); ++i)
    width = std::max(width, LabelTextWidth(hwnd, state, CellText(hwnd, state, i, subItem)) + kCellMargin);
  if (column == 0) width += ItemRect(hwnd, state, 0, LVIR_LABEL).left - ItemRect(hwnd, state, 0, LVIR_BOUNDS).left;
  if (!useHeader) return width;
  width = std::max(width, LabelTextWidth(hwnd, state, HeaderText(state, column)) + kHeaderTextMargin);
  if (column == ColumnCount(state) - 1) {
    RECT client{};
    GetClientRect(hwnd, &client);
    int left = TotalWidth(state) - ColumnWidth(state, column) - state.scrollX;
    width = std::max(width, static_cast<int>(client.right) - left);
  }
  return width;
}

LRESULT SetColumnWidth(HWND hwnd, ListViewState& state, int index, int width) {
  if (!ValidColumn(state, index)) return FALSE;
  if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER)
    width = AutoWidth(hwnd, state, index, width == LVSCW_AUTOSIZE_USEHEADER);
  HDITEM item{};
  item.mask = HDI_WIDTH;
  item.cxy = std::max(width, 0);
  SendMessage(state.header, HDM_SETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  Relayout(hwnd, state);
  return TRUE;
}

}  // namespace

bool HandleColumnMessage(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (msg) {
    case LVM_INSERTCOLUMN:
      result = InsertColumn(hwnd, state, index, reinterpret_cast<const LVCOLUMN*>(lParam));
      return true;
    case LVM_DELETECOLUMN:
      result = DeleteColumn(hwnd, state, index);
      return true;
    case LVM_GETCOLUMN:
      result = GetColumn(state, index, reinterpret_cast<LVCOLUMN*>(lParam));
      return true;
    case LVM_SETCOLUMN:
      result = SetColumn(hwnd, state, index, reinterpret_cast<const LVCOLUMN*>(lParam));
      return true;
    case LVM_GETCOLUMNWIDTH:
      result = ColumnWidth(state, index);
      return true;
    case LVM_SETCOLUMNWIDTH:
      result = SetColumnWidth(hwnd, state, index, static_cast<short>(LOWORD(lParam)));
      return true;
    default:
      return false;
  }
}

// The parent sees the header's notifications as the header sent them (it
// may refuse a change); the list then follows the new widths.
LRESULT OnHeaderNotify(HWND hwnd, ListViewState& state, NMHDR& nm) {
  LRESULT answer = SendNotify(state, nm);
  auto& header = reinterpret_cast<NMHEADER&>(nm);
  switch (nm.code) {
    case HDN_ITEMCHANGED:
      Relayout(hwnd, state);
      break;
    case HDN_ITEMCLICK:
      NotifyItem(hwnd, state, LVN_COLUMNCLICK, -1, header.iItem);
      break;
    case HDN_DIVIDERDBLCLICK:
      if (!answer && ValidColumn(state, header.iItem)) SetColumnWidth(hwnd, state, header.iItem, LVSCW_AUTOSIZE);
      break;
    default:
      break;
  }
  return answer;
}

}  // namespace win32::controls
