// List box geometry: item heights and rectangles, the top index and the
// scroll bars.
#include <algorithm>

#include "controls/listbox.h"

namespace win32::controls {
namespace {

constexpr int kHorizontalLine = 8;  // pixels per horizontal line scroll

int Count(const ListBoxState& state) { return static_cast<int>(state.items.size()); }

int ClientHeight(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return rc.bottom - rc.top;
}

int ClientWidth(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return rc.right - rc.left;
}

bool IsVariable(HWND hwnd) { return (ListStyle(hwnd) & LBS_OWNERDRAWVARIABLE) != 0; }

// The offset of item `index` from the top of item `from` (negative above).
int OffsetBetween(const ListBoxState& state, int from, int index) {
  int offset = 0;
  for (int i = from; i < index; ++i) offset += ItemHeightAt(state, i);
  for (int i = index; i < from; ++i) offset -= ItemHeightAt(state, i);
  return offset;
}

int MaxHorizontalPos(HWND hwnd, const ListBoxState& state) {
  return std::max(0, state.horizontalExtent - ClientWidth(hwnd));
}

MEASUREITEMSTRUCT AskMeasure(HWND hwnd, const ListBoxState& state, int index, int fallback) {
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_LISTBOX;
  mis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  mis.itemID = static_cast<UINT>(index);
  mis.itemWidth = static_cast<UINT>(ClientWidth(hwnd));
  mis.itemHeight = static_cast<UINT>(fallback);
  if (Valid(state, index)) mis.itemData = state.items[static_cast<size_t>(index)].data;
  if (state.notify) SendMessage(state.notify, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
  return mis;
}

int FontHeight(HWND hwnd, const ListBoxState& state) {
  HDC dc = GetDC(hwnd);
  int height = 0;
  {
    SelectGuard font(dc, PaintFont(state.font));
    height = FontLineHeight(dc);
  }
  ReleaseDC(hwnd, dc);
  return std::max(height, 1);
}

}  // namespace

int ItemHeightAt(const ListBoxState& state, int index) {
  if (Valid(state, index) && state.items[static_cast<size_t>(index)].height > 0) {
    return state.items[static_cast<size_t>(index)].height;
  }
  return std::max(state.itemHeight, 1);
}

int ItemsPerPage(HWND hwnd, const ListBoxState& state) {
  int height = ClientHeight(hwnd);
  if (!IsVariable(hwnd)) return std::max(1, height / std::max(state.itemHeight, 1));
  int fitted = 0;
  for (int i = state.top, used = 0; i < Count(state); ++i) {
    used += ItemHeightAt(state, i);
    if (used > height) break;
    ++fitted;
  }
  return std::max(1, fitted);
}

int MaxTop(HWND hwnd, const ListBoxState& state) {
  int count = Count(state);
  if (!IsVariable(hwnd)) return std::max(0, count - ItemsPerPage(hwnd, state));
  int height = ClientHeight(hwnd);
  int top = count;
  for (int used = 0; top > 0; --top) {
    used += ItemHeightAt(state, top - 1);
    if (used > height) break;
  }
  return std::min(top, std::max(0, count - 1));
}

RECT ItemRect(HWND hwnd, const ListBoxState& state, int index) {
  int y = OffsetBetween(state, state.top, index);
  int width = std::max(ClientWidth(hwnd), state.horizontalExtent);
  return RECT{-state.horizontalPos, y, width - state.horizontalPos, y + ItemHeightAt(state, index)};
}

int ItemFromPoint(HWND hwnd, const ListBoxState& state, POINT pt, bool& outside) {
  RECT client{};
  GetClientRect(hwnd, &client);
  outside = !PtInRect(&client, pt);
  int count = Count(state);
  if (count == 0) {
    outside = true;
    return 0;
  }
  if (pt.y < 0) return std::max(0, state.top - 1);
  int index = state.top;
  for (int y = 0; index < count; ++index) {
    y += ItemHeightAt(state, index);
    if (pt.y < y) return index;
  }
  outside = true;
  return count - 1;
}

void SetTop(HWND hwnd, ListBoxState& state, int top) {
  top = std::clamp(top, 0, MaxTop(hwnd, state));
  if (top == state.top) return;
  state.top = top;
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

void EnsureVisible(HWND hwnd, ListBoxState& state, int index) {
  if (!Valid(state, index)) return;
  if (index < state.top) {
    SetTop(hwnd, state, index);
    return;
  }
  int height = ClientHeight(hwnd);
  int top = state.top;
  while (top < index && OffsetBetween(state, top, index) + ItemHeightAt(state, index) > height) ++top;
  SetTop(hwnd, state, top);
}

void UpdateScrollBars(HWND hwnd, ListBoxState& state) {
  UINT noScroll = (ListStyle(hwnd) & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0;
  if (state.hasVScroll) {
    SCROLLINFO info{sizeof(info),
                    SIF_RANGE | SIF_PAGE | SIF_POS | noScroll,
                    0,
                    std::max(0, Count(state) - 1),
                    static_cast<UINT>(ItemsPerPage(hwnd, state)),
                    state.top,
                    0};
    SetScrollBarLater(hwnd, SB_VERT, info);
  }
  if (state.hasHScroll) {
    state.horizontalPos = std::clamp(state.horizontalPos, 0, MaxHorizontalPos(hwnd, state));
    SCROLLINFO info{sizeof(info),
                    SIF_RANGE | SIF_PAGE | SIF_POS | noScroll,
                    0,
                    std::max(0, state.horizontalExtent - 1),
                    static_cast<UINT>(ClientWidth(hwnd)),
                    state.horizontalPos,
                    0};
    SetScrollBarLater(hwnd, SB_HORZ, info);
  }
}

void OnScroll(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam) {
  UINT code = LOWORD(wParam);
  if (msg == WM_VSCROLL) {
    int page = std::max(1, ItemsPerPage(hwnd, state) - 1);
    int track = ScrollTrackPosition(hwnd, SB_VERT, wParam);
    SetTop(hwnd, state, ScrolledPosition(code, state.top, 1, page, MaxTop(hwnd, state), track));
    return;
  }
  int last = MaxHorizontalPos(hwnd, state);
  int track = ScrollTrackPosition(hwnd, SB_HORZ, wParam);
  int pos =
      std::clamp(ScrolledPosition(code, state.horizontalPos, kHorizontalLine, ClientWidth(hwnd), last, track), 0, last);
  if (pos == state.horizontalPos) return;
  state.horizontalPos = pos;
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

void MeasureDefaultHeight(HWND hwnd, ListBoxState& state) {
  int fontHeight = FontHeight(hwnd, state);
  if (ListStyle(hwnd) & LBS_OWNERDRAWFIXED) {
    state.itemHeight = static_cast<int>(AskMeasure(hwnd, state, 0, fontHeight).itemHeight);
  } else {
    state.itemHeight = fontHeight;
  }
  state.itemHeight = std::max(state.itemHeight, 1);
}

void MeasureItem(HWND hwnd, ListBoxState& state, int index) {
  if (!Valid(state, index)) return;
  int height = static_cast<int>(AskMeasure(hwnd, state, index, state.itemHeight).itemHeight);
  if (Valid(state, index)) state.items[static_cast<size_t>(index)].height = std::max(height, 1);
}

void FitIntegralHeight(HWND hwnd, const ListBoxState& state) {
  if ((ListStyle(hwnd) & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE)) || state.itemHeight <= 0) return;
  int height = ClientHeight(hwnd);
  int excess = height % state.itemHeight;
  if (height <= state.itemHeight || excess == 0) return;
  RECT window{};
  GetWindowRect(hwnd, &window);
  SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left, window.bottom - window.top - excess,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win32::controls
