// Header mouse input: pressing items and dragging dividers.
#include <algorithm>
#include <cstdlib>

#include "controls/header.h"

namespace win32::controls {
namespace {

constexpr int kDividerSlop = 4;  // pixels either side of a divider that grab it

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

int ItemAt(HWND hwnd, const HeaderState& state, int x) {
  for (int i = 0; i < static_cast<int>(state.items.size()); ++i) {
    RECT rc = HeaderItemRect(hwnd, state, i);
    if (x >= rc.left && x < rc.right) return i;
  }
  return -1;
}

HDITEM WidthItem(int width) {
  HDITEM item{};
  item.mask = HDI_WIDTH;
  item.cxy = width;
  return item;
}

void BeginTrack(HWND hwnd, HeaderState& state, int divider, int x) {
  HDITEM item = WidthItem(state.items[static_cast<size_t>(divider)].width);
  if (NotifyHeader(hwnd, state, HDN_BEGINTRACK, divider, &item)) return;
  if (!ValidHeaderItem(state, divider)) return;
  state.tracking = divider;
  state.trackStartX = x;
  state.trackStartWidth = state.items[static_cast<size_t>(divider)].width;
  state.trackWidth = state.trackStartWidth;
  SetCapture(hwnd);
}

// With HDS_FULLDRAG the column follows the mouse; otherwise it takes the
// new width when the button goes up.
void Track(HWND hwnd, HeaderState& state, int x) {
  int width = std::max(0, state.trackStartWidth + x - state.trackStartX);
  if (width == state.trackWidth) return;
  state.trackWidth = width;
  int index = state.tracking;
  HDITEM item = WidthItem(width);
  if (NotifyHeader(hwnd, state, HDN_TRACK, index, &item)) {
    state.tracking = -1;
    ReleaseCapture();
    return;
  }
  if ((StyleOf(hwnd) & HDS_FULLDRAG) && ValidHeaderItem(state, index)) ChangeHeaderWidth(hwnd, state, index, width);
}

void EndTrack(HWND hwnd, HeaderState& state) {
  int index = state.tracking;
  state.tracking = -1;
  if (GetCapture() == hwnd) ReleaseCapture();
  if (!ValidHeaderItem(state, index)) return;
  HDITEM item = WidthItem(state.trackWidth);
  NotifyHeader(hwnd, state, HDN_ENDTRACK, index, &item);
  if (ValidHeaderItem(state, index) && state.items[static_cast<size_t>(index)].width != state.trackWidth)
    ChangeHeaderWidth(hwnd, state, index, state.trackWidth);
}

void OnButtonDown(HWND hwnd, HeaderState& state, POINT pt) {
  if (int divider = HeaderDividerAt(hwnd, state, pt.x); divider >= 0) {
    BeginTrack(hwnd, state, divider, pt.x);
    return;
  }
  if (!(StyleOf(hwnd) & HDS_BUTTONS)) return;
  int item = ItemAt(hwnd, state, pt.x);
  if (item < 0) return;
  state.pressed = item;
  state.pressedInside = true;
  SetCapture(hwnd);
  Redraw(hwnd);
}

void OnMouseMove(HWND hwnd, HeaderState& state, POINT pt) {
  if (state.tracking >= 0) {
    Track(hwnd, state, pt.x);
    return;
  }
  if (state.pressed < 0) return;
  bool inside = ItemAt(hwnd, state, pt.x) == state.pressed;
  if (inside == state.pressedInside) return;
  state.pressedInside = inside;
  Redraw(hwnd);
}

void OnButtonUp(HWND hwnd, HeaderState& state) {
  if (state.tracking >= 0) {
    EndTrack(hwnd, state);
    return;
  }
  int item = state.pressed;
  bool inside = state.pressedInside;
  state.pressed = -1;
  if (GetCapture() == hwnd) ReleaseCapture();
  Redraw(hwnd);
  if (inside && ValidHeaderItem(state, item)) NotifyHeader(hwnd, state, HDN_ITEMCLICK, item, nullptr);
}

void OnDoubleClick(HWND hwnd, HeaderState& state, POINT pt) {
  if (int divider = HeaderDividerAt(hwnd, state, pt.x); divider >= 0) {
    NotifyHeader(hwnd, state, HDN_DIVIDERDBLCLICK, divider, nullptr);
    return;
  }
  if (int item = ItemAt(hwnd, state, pt.x); item >= 0) NotifyHeader(hwnd, state, HDN_ITEMDBLCLICK, item, nullptr);
}

void OnCaptureLost(HWND hwnd, HeaderState& state) {
  if (state.tracking >= 0) {
    EndTrack(hwnd, state);
  } else if (state.pressed >= 0) {
    state.pressed = -1;
    Redraw(hwnd);
  }
}

}  // namespace

// The last divider within reach wins, so a column dragged to no width can
// still be pulled open again.
int HeaderDividerAt(HWND hwnd, const HeaderState& state, int x) {
  for (int i = static_cast<int>(state.items.size()) - 1; i >= 0; --i) {
    RECT rc = HeaderItemRect(hwnd, state, i);
    if (std::abs(x - rc.right) <= kDividerSlop) return i;
  }
  return -1;
}

LRESULT HandleHeaderInput(HWND hwnd, HeaderState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      OnButtonDown(hwnd, state, PointOf(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      OnDoubleClick(hwnd, state, PointOf(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(hwnd, state, PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(hwnd, state);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) OnCaptureLost(hwnd, state);
      return 0;
    case WM_SETCURSOR: {
      POINT pt{};
      GetCursorPos(&pt);
      ScreenToClient(hwnd, &pt);
      if (state.tracking >= 0 || HeaderDividerAt(hwnd, state, pt.x) >= 0) {
        SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
        return TRUE;
      }
      return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win32::controls
