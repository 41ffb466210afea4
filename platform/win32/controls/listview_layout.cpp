// List view geometry: rows under the header, item and subitem rectangles,
// hit tests, the first visible row and the scroll bars.
#include <algorithm>

#include "controls/listview.h"

namespace win32::controls {
namespace {

constexpr int kIconMargin = 2;
constexpr int kLabelMargin = 2;  // either side of a highlighted label
constexpr int kHorizontalLine = 8;
constexpr int kWheelLines = 3;
constexpr int kMaxLayoutPasses = 3;

RECT Client(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return rc;
}

bool ShowsHeader(HWND hwnd) { return ViewType(hwnd) == LVS_REPORT && !(StyleOf(hwnd) & LVS_NOCOLUMNHEADER); }

// Without columns the first "column" is the client's width.
int FirstColumnWidth(HWND hwnd, const ListViewState& state) {
  return ColumnCount(state) > 0 ? ColumnWidth(state, 0) : Client(hwnd).right;
}

int RowsWidth(HWND hwnd, const ListViewState& state) {
  return ColumnCount(state) > 0 ? TotalWidth(state) : Client(hwnd).right;
}

int SmallIconWidth(const ListViewState& state) {
  int cx = 0, cy = 0;
  return ImageList_GetIconSize(state.images[LVSIL_SMALL], &cx, &cy) ? cx : 0;
}

int RowTop(HWND hwnd, const ListViewState& state, int index) {
  return HeaderHeight(hwnd, state) + (index - state.top) * state.rowHeight;
}

int MaxTop(HWND hwnd, const ListViewState& state) {
  return std::max(0, ItemCount(state) - std::max(1, CountPerPage(hwnd, state)));
}

int MaxScrollX(HWND hwnd, const ListViewState& state) {
  return std::max(0, RowsWidth(hwnd, state) - static_cast<int>(Client(hwnd).right));
}

int FontHeight(HWND hwnd, const ListViewState& state) {
  HDC dc = GetDC(hwnd);
  int height = 0;
  {
    SelectGuard font(dc, PaintFont(state.font));
    height = FontLineHeight(dc);
  }
  ReleaseDC(hwnd, dc);
  return height;
}

void SetBar(HWND hwnd, int bar, int max, int page, int pos) {
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, max, static_cast<UINT>(std::max(page, 0)), pos, 0};
  SetScrollBarLater(hwnd, bar, info);
}

// The column under a client x, or -1.
int ColumnAt(const ListViewState& state, int x) {
  int left = -state.scrollX;
  for (int i = 0; i < ColumnCount(state); ++i) {
    int right = left + ColumnWidth(state, i);
    if (x >= left && x < right) return i;
    left = right;
  }
  return -1;
}

UINT OutsideFlags(const RECT& client, POINT pt) {
  UINT flags = 0;
  if (pt.y < client.top) flags |= LVHT_ABOVE;
  if (pt.y >= client.bottom) flags |= LVHT_BELOW;
  if (pt.x < client.left) flags |= LVHT_TOLEFT;
  if (pt.x >= client.right) flags |= LVHT_TORIGHT;
  return flags;
}

}  // namespace

int HeaderHeight(HWND hwnd, const ListViewState& state) {
  if (!state.header || !ShowsHeader(hwnd)) return 0;
  RECT rc{};
  GetWindowRect(state.header, &rc);
  return rc.bottom - rc.top;
}

void MeasureRows(HWND hwnd, ListViewState& state) {
  int cx = 0, cy = 0;
  ImageList_GetIconSize(state.images[LVSIL_SMALL], &cx, &cy);
  int height = std::max(FontHeight(hwnd, state) + 2, cy + 1);
  if (StyleOf(hwnd) & LVS_OWNERDRAWFIXED) {
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_LISTVIEW;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    mis.itemWidth = static_cast<UINT>(Client(hwnd).right);
    mis.itemHeight = static_cast<UINT>(height);
    if (state.notify) SendMessage(state.notify, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    height = static_cast<int>(mis.itemHeight);
  }
  state.rowHeight = std::max(height, 1);
}

void LayoutHeader(HWND hwnd, ListViewState& state) {
  if (!state.header || !ShowsHeader(hwnd)) return;
  RECT client = Client(hwnd);
  WINDOWPOS pos{};
  HDLAYOUT layout{&client, &pos};
  SendMessage(state.header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
  int width = std::max(pos.cx + state.scrollX, TotalWidth(state));
  SetWindowPos(state.header, nullptr, pos.x - state.scrollX, pos.y, width, pos.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

int CountPerPage(HWND hwnd, const ListViewState& state) {
  int height = static_cast<int>(Client(hwnd).bottom) - HeaderHeight(hwnd, state);
  return std::max(0, height / std::max(state.rowHeight, 1));
}

RECT ItemRect(HWND hwnd, const ListViewState& state, int index, int code) {
  int top = RowTop(hwnd, state, index);
  int left = -state.scrollX;
  RECT bounds{left, top, left + RowsWidth(hwnd, state), top + state.rowHeight};
  int firstRight = left + FirstColumnWidth(hwnd, state);
  int iconWidth = SmallIconWidth(state);
  int indent = ValidItem(state, index) ? state.items[static_cast<size_t>(index)].indent * iconWidth : 0;
  int iconLeft = std::min(left + kIconMargin + indent, firstRight);
  RECT icon{iconLeft, top, std::min(iconLeft + iconWidth, firstRight), bounds.bottom};
  RECT label{icon.right, top, std::max(firstRight, static_cast<int>(icon.right)), bounds.bottom};
  switch (code) {
    case LVIR_ICON:
      return icon;
    case LVIR_LABEL:
      return label;
    case LVIR_SELECTBOUNDS:
      if (state.exStyle & LVS_EX_FULLROWSELECT) return bounds;
      return RECT{icon.left, top, label.right, bounds.bottom};
    default:
      return bounds;
  }
}

RECT SubItemRect(HWND hwnd, const ListViewState& state, int index, int column) {
  int left = -state.scrollX;
  for (int i = 0; i < column; ++i) left += ColumnWidth(state, i);
  int top = RowTop(hwnd, state, index);
  return RECT{left, top, left + ColumnWidth(state, column), top + state.rowHeight};
}

RECT HighlightRect(HWND hwnd, const ListViewState& state, int index) {
  if (state.exStyle & LVS_EX_FULLROWSELECT) return ItemRect(hwnd, state, index, LVIR_BOUNDS);
  RECT label = ItemRect(hwnd, state, index, LVIR_LABEL);
  int width = LabelTextWidth(hwnd, state, CellText(hwnd, state, index, 0)) + 2 * kLabelMargin;
  label.right = std::min(label.right, label.left + width);
  return label;
}

int HitTest(HWND hwnd, const ListViewState& state, LVHITTESTINFO& info, bool subItems) {
  RECT client = Client(hwnd);
  POINT pt = info.pt;
  info.iItem = -1;
  info.iSubItem = 0;
  info.flags = OutsideFlags(client, pt);
  if (info.flags) return -1;
  info.flags = LVHT_NOWHERE;
  int rows = pt.y - HeaderHeight(hwnd, state);
  int row = rows < 0 ? -1 : state.top + rows / std::max(state.rowHeight, 1);
  if (!ValidItem(state, row)) return -1;
  RECT icon = ItemRect(hwnd, state, row, LVIR_ICON);
  RECT label = ItemRect(hwnd, state, row, LVIR_LABEL);
  RECT bounds = ItemRect(hwnd, state, row, LVIR_BOUNDS);
  int column = ColumnCount(state) > 0 ? ColumnAt(state, pt.x) : (pt.x < label.right ? 0 : -1);
  if (PtInRect(&icon, pt)) {
    info.flags = LVHT_ONITEMICON;
  } else if (PtInRect(&label, pt)) {
    info.flags = LVHT_ONITEMLABEL;
  } else if ((subItems || (state.exStyle & LVS_EX_FULLROWSELECT)) && PtInRect(&bounds, pt) && column >= 0) {
    info.flags = LVHT_ONITEMLABEL;
  } else {
    return -1;
  }
  info.iItem = row;
  info.iSubItem = subItems ? std::max(column, 0) : 0;
  return row;
}

void SetTop(HWND hwnd, ListViewState& state, int top) {
  top = std::clamp(top, 0, MaxTop(hwnd, state));
  if (top == state.top) return;
  EndLabelEdit(hwnd, state, true);
  state.top = top;
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

void SetScrollX(HWND hwnd, ListViewState& state, int x) {
  x = std::clamp(x, 0, MaxScrollX(hwnd, state));
  if (x == state.scrollX) return;
  EndLabelEdit(hwnd, state, true);
  state.scrollX = x;
  LayoutHeader(hwnd, state);
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

bool EnsureVisible(HWND hwnd, ListViewState& state, int index) {
  if (!ValidItem(state, index)) return false;
  int perPage = std::max(1, CountPerPage(hwnd, state));
  if (index < state.top) {
    SetTop(hwnd, state, index);
  } else if (index >= state.top + perPage) {
    SetTop(hwnd, state, index - perPage + 1);
  }
  return true;
}

void UpdateScrollBars(HWND hwnd, ListViewState& state) {
  if (state.updatingBars || (StyleOf(hwnd) & LVS_NOSCROLL)) return;
  state.updatingBars = true;
  // A bar that appears narrows the client, which may call for the other.
  for (int pass = 0; pass < kMaxLayoutPasses; ++pass) {
    RECT before = Client(hwnd);
    state.top = std::clamp(state.top, 0, MaxTop(hwnd, state));
    state.scrollX = std::clamp(state.scrollX, 0, MaxScrollX(hwnd, state));
    SetBar(hwnd, SB_VERT, std::max(0, ItemCount(state) - 1), CountPerPage(hwnd, state), state.top);
    SetBar(hwnd, SB_HORZ, std::max(0, RowsWidth(hwnd, state) - 1), before.right, state.scrollX);
    RECT after = Client(hwnd);
    if (EqualRect(&before, &after)) break;
    LayoutHeader(hwnd, state);
  }
  state.updatingBars = false;
}

void OnScroll(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam) {
  UINT code = LOWORD(wParam);
  if (msg == WM_VSCROLL) {
    int page = std::max(1, CountPerPage(hwnd, state));
    SetTop(hwnd, state,
           ScrolledPosition(code, state.top, 1, page, MaxTop(hwnd, state), ScrollTrackPosition(hwnd, SB_VERT, wParam)));
    return;
  }
  int page = std::max(1, static_cast<int>(Client(hwnd).right));
  SetScrollX(hwnd, state,
             ScrolledPosition(code, state.scrollX, kHorizontalLine, page, MaxScrollX(hwnd, state),
                              ScrollTrackPosition(hwnd, SB_HORZ, wParam)));
}

// Report rows scroll by whole lines: dy rounds to the nearest row.
LRESULT ScrollBy(HWND hwnd, ListViewState& state, int dx, int dy) {
  int row = std::max(state.rowHeight, 1);
  int lines = (dy + (dy >= 0 ? row / 2 : -row / 2)) / row;
  SetTop(hwnd, state, state.top + lines);
  SetScrollX(hwnd, state, state.scrollX + dx);
  return TRUE;
}

LRESULT OnMouseWheel(HWND hwnd, ListViewState& state, WPARAM wParam) {
  int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
  SetTop(hwnd, state, state.top - notches * kWheelLines);
  return 0;
}

void RedrawItems(HWND hwnd, const ListViewState& state, int first, int last) {
  if (first > last) return;
  RECT client = Client(hwnd);
  RECT rows{client.left, RowTop(hwnd, state, first), client.right, RowTop(hwnd, state, last + 1)};
  InvalidateRect(hwnd, &rows, TRUE);
}

void Relayout(HWND hwnd, ListViewState& state) {
  LayoutHeader(hwnd, state);
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

}  // namespace win32::controls
