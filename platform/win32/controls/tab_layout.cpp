// Tab-strip layout: tab sizes from text and padding, rows of a multi-line
// control (the selected tab's row next to the display area), hit tests and
// the display area.
#include <algorithm>

#include "controls/tab.h"

namespace win32::controls {
namespace {

constexpr int kStripMargin = 2;   // above the first row and left of the first tab
constexpr int kDisplayInset = 4;  // border and margin around the display area
constexpr int kDefaultMinWidth = 42;
constexpr int kButtonGap = 3;      // between TCS_BUTTONS buttons
constexpr int kSelectedRaise = 2;  // the selected tab stands above the others
constexpr int kArrowGap = 2;       // between the arrows and the panel

int Gap(HWND hwnd) { return (StyleOf(hwnd) & TCS_BUTTONS) ? kButtonGap : 0; }

int ArrowWidth() { return GetSystemMetrics(SM_CXVSCROLL); }

// The smallest first tab with which the rest of the strip fits.
int LastFirstTab(const std::vector<int>& widths, int room) {
  int first = static_cast<int>(widths.size());
  for (int used = 0; first > 0 && used + widths[static_cast<size_t>(first - 1)] <= room; --first) {
    used += widths[static_cast<size_t>(first - 1)];
  }
  return std::min(first, std::max(static_cast<int>(widths.size()) - 1, 0));
}

// Single line: whether the strip scrolls, where it is cut off and which
// tab comes first.
void FitSingleLine(HWND hwnd, TabState& state, const std::vector<int>& widths, int clientRight) {
  int total = kStripMargin;
  for (int w : widths) total += w + Gap(hwnd);
  state.scrolling = !(StyleOf(hwnd) & TCS_MULTILINE) && total > clientRight;
  state.stripRight = state.scrolling ? clientRight - 2 * ArrowWidth() - kArrowGap : clientRight;
  int last = LastFirstTab(widths, state.stripRight - kStripMargin);
  state.firstTab = state.scrolling ? std::clamp(state.firstTab, 0, last) : 0;
}

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
  return std::max(ImageRoom(state, item) + TextWidth(hwnd, state, item.text) + 2 * state.padding.cx, minimum);
}

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

int ImageRoom(const TabState& state, const TabItem& item) {
  if (item.image < 0 || !state.images) return 0;
  return static_cast<int>(ImageSize(state.images).cx) + kTabImageGap;
}

int TabHeight(HWND hwnd, const TabState& state) {
  if (state.itemSize.cy > 0) return state.itemSize.cy;
  HDC dc = GetDC(hwnd);
  int height = 0;
  {
    SelectGuard font(dc, PaintFont(state.font));
    height = FontLineHeight(dc);
  }
  ReleaseDC(hwnd, dc);
  // The tabs are tall enough for their images.
  return std::max(height, static_cast<int>(ImageSize(state.images).cy)) + 2 * state.padding.cy;
}

void LayoutTabs(HWND hwnd, TabState& state) {
  RECT client{};
  GetClientRect(hwnd, &client);
  std::vector<int> widths;
  for (const TabItem& item : state.items) widths.push_back(TabWidth(hwnd, state, item));
  std::vector<std::vector<int>> rows = SplitRows(hwnd, widths, client.right);
  FitSingleLine(hwnd, state, widths, client.right);
  int scrolled = 0;
  for (int i = 0; i < state.firstTab; ++i) scrolled += widths[static_cast<size_t>(i)] + Gap(hwnd);
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
    int x = kStripMargin - scrolled;
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

RECT ArrowRect(HWND hwnd, const TabState& state, bool right) {
  RECT client{};
  GetClientRect(hwnd, &client);
  int size = ArrowWidth();
  int bottom = StripBottom(hwnd, state) - kArrowGap;
  int left = client.right - (right ? 1 : 2) * size;
  return RECT{left, bottom - size, left + size, bottom};
}

void ScrollTabsTo(HWND hwnd, TabState& state, int first) {
  state.firstTab = std::max(first, 0);
  LayoutTabs(hwnd, state);
  Redraw(hwnd);
}

void ShowSelectedTab(HWND hwnd, TabState& state) {
  if (!state.scrolling || state.cur < 0 || state.cur >= static_cast<int>(state.items.size())) return;
  if (state.cur < state.firstTab) return ScrollTabsTo(hwnd, state, state.cur);
  while (state.items[static_cast<size_t>(state.cur)].rect.right > state.stripRight && state.firstTab < state.cur) {
    ScrollTabsTo(hwnd, state, state.firstTab + 1);
  }
}

int TabFromPoint(const TabState& state, POINT pt) {
  if (pt.x >= state.stripRight || pt.x < 0) return -1;
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
