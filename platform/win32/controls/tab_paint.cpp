// Classic tab painting: 3-D tabs with rounded-off corners over a raised
// panel, the selected tab raised and joined to the panel; or push buttons
// with TCS_BUTTONS. An item's image goes left of its text, both centred.
#include <algorithm>

#include "controls/tab.h"

namespace win32::controls {
namespace {

constexpr int kFocusInset = 3;

void Line(HDC dc, int x1, int y1, int x2, int y2, int sysColor) {
  RECT rc{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
  FillSysColor(dc, rc, sysColor);
}

void DrawTabFrame(HDC dc, const RECT& rc) {
  int l = rc.left;
  int t = rc.top;
  int r = rc.right - 1;
  int b = rc.bottom - 1;
  Line(dc, l, t + 2, l, b, COLOR_BTNHIGHLIGHT);
  Line(dc, l + 1, t + 1, l + 1, t + 1, COLOR_BTNHIGHLIGHT);
  Line(dc, l + 2, t, r - 2, t, COLOR_BTNHIGHLIGHT);
  Line(dc, r - 1, t + 1, r - 1, b, COLOR_BTNSHADOW);
  Line(dc, r - 1, t + 1, r - 1, t + 1, COLOR_3DDKSHADOW);
  Line(dc, r, t + 2, r, b, COLOR_3DDKSHADOW);
}

// Draws the item's image and answers the rectangle left for the text,
// which with an image starts right of it.
RECT DrawImage(HDC dc, const TabState& state, const TabItem& item, const RECT& rc) {
  const int room = ImageRoom(state, item);
  if (room == 0) return rc;
  SIZE text{};
  GetTextExtentPoint32(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text);
  const SIZE image = ImageSize(state.images);
  const int left = std::max<int>(rc.left + 1, (rc.left + rc.right - room - text.cx) / 2);
  ImageList_Draw(static_cast<HIMAGELIST>(state.images), item.image, dc, left, (rc.top + rc.bottom - image.cy) / 2,
                 ILD_TRANSPARENT);
  return RECT{left + room, rc.top, std::max<LONG>(rc.right, left + room), rc.bottom};
}

void DrawLabel(HWND hwnd, const TabState& state, HDC dc, int index, RECT rc) {
  const TabItem& item = state.items[static_cast<size_t>(index)];
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  if (index == state.cur && !(StyleOf(hwnd) & TCS_BUTTONS)) OffsetRect(&rc, 0, -1);
  const RECT textRect = DrawImage(dc, state, item, rc);
  const UINT align = EqualRect(&textRect, &rc) ? DT_CENTER : DT_LEFT;
  DrawControlText(dc, item.text, textRect, DT_SINGLELINE | align | DT_VCENTER | DT_NOPREFIX, !IsWindowEnabled(hwnd));
  if (index == state.cur && state.focused) {
    RECT focus = rc;
    InflateRect(&focus, -kFocusInset, -kFocusInset + 1);
    DrawFocusRect(dc, &focus);
  }
}

void PaintTab(HWND hwnd, const TabState& state, HDC dc, int index, int panelTop) {
  RECT rc = PaintedRect(hwnd, state, index);
  FillSysColor(dc, rc, COLOR_BTNFACE);
  if (StyleOf(hwnd) & TCS_BUTTONS) {
    DrawEdge(dc, &rc, index == state.cur ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  } else {
    DrawTabFrame(dc, rc);
    // The selected tab opens into the panel: its border under the tab goes.
    if (index == state.cur) {
      RECT join{rc.left + 1, panelTop, rc.right - 2, panelTop + 2};
      FillSysColor(dc, join, COLOR_BTNFACE);
    }
  }
  DrawLabel(hwnd, state, dc, index, rc);
}

// Tabs cut off at the arrows end there; the arrows are greyed at the ends.
void PaintArrows(HWND hwnd, const TabState& state, HDC dc, int panelTop) {
  RECT client{};
  GetClientRect(hwnd, &client);
  RECT cover{state.stripRight, 0, client.right, panelTop};
  FillSysColor(dc, cover, COLOR_BTNFACE);
  bool atEnd = state.items.empty() || state.items.back().rect.right <= state.stripRight;
  RECT left = ArrowRect(hwnd, state, false);
  RECT right = ArrowRect(hwnd, state, true);
  DrawFrameControl(dc, &left, DFC_SCROLL, DFCS_SCROLLLEFT | (state.firstTab == 0 ? DFCS_INACTIVE : 0));
  DrawFrameControl(dc, &right, DFC_SCROLL, DFCS_SCROLLRIGHT | (atEnd ? DFCS_INACTIVE : 0));
}

}  // namespace

void PaintTabs(HWND hwnd, TabState& state, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillSysColor(dc, client, COLOR_BTNFACE);
  SelectGuard font(dc, PaintFont(state.font));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  int panelTop = StripBottom(hwnd, state);
  bool buttons = (StyleOf(hwnd) & TCS_BUTTONS) != 0;
  if (!buttons) {
    RECT panel{client.left, panelTop, client.right, client.bottom};
    DrawEdge(dc, &panel, EDGE_RAISED, BF_RECT);
  }
  for (int i = 0; i < static_cast<int>(state.items.size()); ++i) {
    if (i != state.cur) PaintTab(hwnd, state, dc, i, panelTop);
  }
  if (state.cur >= 0 && state.cur < static_cast<int>(state.items.size()))
    PaintTab(hwnd, state, dc, state.cur, panelTop);
  if (state.scrolling) PaintArrows(hwnd, state, dc, panelTop);
  SetBkMode(dc, oldMode);
}

}  // namespace win32::controls
