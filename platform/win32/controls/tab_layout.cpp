// Tab-strip layout: tab sizes from text and padding, rows of a multi-line
// control (the selected tab's row next to the display area), hit tests and
// the display area.
#include <algorithm>

#include "controls/tab.h"

namespace win32::controls {
namespace {

constexpr int kStripMargin = 2;    // above the first row and left of the first tab
constexpr int kDisplayInset = 4;   // border and margin around the display area
constexpr int kDefaultMinWidth = 42;
constexpr int kButtonGap = 3;      // between TCS_BUTTONS buttons
constexpr int kSelectedRaise = 2;  // the selected tab stands above the others

int TextWidth(HWND hwnd, const TabState& state, const std::string& text) {
  HDC dc = GetDC(hwnd);
  SIZE size{};
  {
    SelectGuard font(dc, PaintFont(state.font));
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
  }
  ReleaseDC(hwnd, dc);
  return size.cx;
}

int TabWidth(HWND hwnd, const TabState& state, const TabItem& item) {
  if ((StyleOf(hwnd) & TCS_FIXEDWIDTH) && state.itemSize.cx > 0) return state.itemSize.cx;
  int minimum = state.minWidth >= 0 ? state.minWidth : kDefaultMinWidth;
  return std::max(TextWidth(hwnd, state, item.text) + 2 * state.padding.cx, minimum);
}

int Gap(HWND hwnd) { return (StyleOf(hwnd) & TCS_BUTTONS) ? kButtonGap : 0; }

// Splits the tabs into rows that fit `width`; one row when not multi-line.
std::vector<std::vector<int>> SplitRows(HWND hwnd, const std::vector<int>& widths, int width) {
  std::vector<std::vector<int>> rows(1);
  bool multi = (StyleOf(hwnd) & TCS_MULTILINE) != 0;
  int x = kStripMargin;
  for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
    int w = widths[static_cast<size_t>(i)];
    if (multi && !rows.back().empty() && x + w > width - kStripMargin) {
      rows.emplace_back();
      x = kStripMargin;
    }
    rows.back().push_back(i);
    x += w + Gap(hwnd);
  }
  return rows;
}

}  // namespace

int TabHeight(HWND hwnd, const TabState& state) {
  if (state.itemSize.cy > 0) return state.itemSize.cy;
  HDC dc = GetDC(hwnd);
  int height = 0;
  {
    SelectGuard font(dc, PaintFont(state.font));
    height = FontLineHeight(dc);
  }
  ReleaseDC(hwnd, dc);
  return height + 2 * state.padding.cy;
}

void LayoutTabs(HWND hwnd, TabState& state) {
  RECT client{};
  GetClientRect(hwnd, &client);
  std::vector<int> widths;
  for (const TabItem& item : state.items) widths.push_back(TabWidth(hwnd, state, item));
  std::vector<std::vector<int>> rows = SplitRows(hwnd, widths, client.right);
  // The row holding the selection moves next to the display area.
  int selectedRow = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    if (std::find(rows[r].begin(), rows[r].end(), state.cur) != rows[r].end()) selectedRow = static_cast<int>(r);
  }
  state.rows = static_cast<int>(rows.size());
  int height = TabHeight(hwnd, state);
  int buttons = (StyleOf(hwnd) & TCS_BUTTONS) ? kButtonGap : 0;
  for (int r = 0; r < state.rows; ++r) {
    // Rows after the selected one come first, so it ends up at the bottom.
    int shown = (r - selectedRow - 1 + state.rows) % state.rows;
    int y = kStripMargin + shown * (height + buttons);
    int x = kStripMargin;
    for (int index : rows[static_cast<size_t>(r)]) {
      TabItem& item = state.items[static_cast<size_t>(index)];
      int w = widths[static_cast<size_t>(index)];
      item.rect = RECT{x, y, x + w, y + height};
      x += w + Gap(hwnd);
    }
  }
}

int StripBottom(HWND hwnd, const TabState& state) {
  int buttons = (StyleOf(hwnd) & TCS_BUTTONS) ? kButtonGap : 0;
  return kStripMargin + state.rows * (TabHeight(hwnd, state) + buttons);
}

void AdjustRect(HWND hwnd, const TabState& state, bool larger, RECT& rc) {
  int top = StripBottom(hwnd, state) + kDisplayInset;
  int sign = larger ? -1 : 1;
  rc.left += sign * kDisplayInset;
  rc.right -= sign * kDisplayInset;
  rc.top += sign * top;
  rc.bottom -= sign * kDisplayInset;
}

int TabFromPoint(const TabState& state, POINT pt) {
  for (size_t i = 0; i < state.items.size(); ++i) {
    if (PtInRect(&state.items[i].rect, pt)) return static_cast<int>(i);
  }
  return -1;
}

RECT PaintedRect(HWND hwnd, const TabState& state, int index) {
  RECT rc = state.items[static_cast<size_t>(index)].rect;
  if (index == state.cur && !(StyleOf(hwnd) & TCS_BUTTONS)) {
    InflateRect(&rc, kSelectedRaise, 0);
    rc.top -= kSelectedRaise;
    rc.bottom += 1;
  }
  return rc;
}

}  // namespace win32::controls
