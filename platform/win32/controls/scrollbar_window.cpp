// The standard scroll bars of windows (WS_HSCROLL / WS_VSCROLL) and the
// public scroll-bar functions, which also drive scroll-bar controls
// (SB_CTL) through their SBM_* messages.
#include <algorithm>

#include "controls/scrollbar_engine.h"
#include "internal/core_classes.h"
#include "internal/ctl_scroll.h"

namespace win32::controls {
namespace {

struct BarState {
  ScrollModel model{0, 100, 0, 0, 0, ESB_ENABLE_BOTH};
  bool autoDisabled = false;  // disabled by SIF_DISABLENOSCROLL, not by the program
};

struct WindowBars {
  BarState horz;
  BarState vert;
  ScrollTracker tracker;
  int trackingBar = -1;  // SB_HORZ / SB_VERT while a press is followed
};

StateTable<WindowBars>& Table() {
  static StateTable<WindowBars> table;
  return table;
}

// The bars of a window, made on first use; null for a dead handle.
std::shared_ptr<WindowBars> BarsOf(HWND hwnd) {
  if (!IsWindow(hwnd)) return nullptr;
  std::shared_ptr<WindowBars> bars = Table().Find(hwnd);
  return bars ? bars : Table().Create(hwnd);
}

BarState& Bar(WindowBars& bars, int bar) { return bar == SB_HORZ ? bars.horz : bars.vert; }

DWORD StyleBit(int bar) { return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL; }

bool IsWindowBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

// The client rectangle in window coordinates.
RECT ClientInWindow(HWND hwnd) {
  RECT window{};
  GetWindowRect(hwnd, &window);
  RECT client{};
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  OffsetRect(&client, origin.x - window.left, origin.y - window.top);
  return client;
}

RECT BarRect(HWND hwnd, int bar) {
  RECT client = ClientInWindow(hwnd);
  if (bar == SB_VERT)
    return RECT{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
  return RECT{client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

RECT SizeBoxRect(HWND hwnd) {
  RECT client = ClientInWindow(hwnd);
  return RECT{client.right, client.bottom, client.right + GetSystemMetrics(SM_CXVSCROLL),
              client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

ScrollLayout LayoutOf(HWND hwnd, const WindowBars& bars, int bar) {
  const ScrollModel& model = bar == SB_HORZ ? bars.horz.model : bars.vert.model;
  bool dragging = bars.trackingBar == bar && bars.tracker.pressedPart() == ScrollPart::Thumb;
  return ScrollLayout::Make(BarRect(hwnd, bar), bar == SB_VERT, model, dragging ? model.trackPos : model.pos);
}

POINT ScreenToWindow(HWND hwnd, POINT screen) {
  RECT window{};
  GetWindowRect(hwnd, &window);
  return POINT{screen.x - window.left, screen.y - window.top};
}

void PaintBars(HWND hwnd, const WindowBars& bars, HDC dc) {
  DWORD style = StyleOf(hwnd);
  bool enabled = IsWindowEnabled(hwnd) != FALSE;
  for (int bar : {SB_HORZ, SB_VERT}) {
    if (!(style & StyleBit(bar))) continue;
    ScrollPart pressed = bars.trackingBar == bar ? bars.tracker.pressedPart() : ScrollPart::None;
    const ScrollModel& model = bar == SB_HORZ ? bars.horz.model : bars.vert.model;
    PaintScrollBar(dc, LayoutOf(hwnd, bars, bar), model, pressed, enabled, nullptr);
  }
  if ((style & WS_HSCROLL) && (style & WS_VSCROLL)) FillSysColor(dc, SizeBoxRect(hwnd), COLOR_BTNFACE);
}

void RepaintBars(HWND hwnd, const WindowBars& bars) {
  if (!IsWindowVisible(hwnd)) return;
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  PaintBars(hwnd, bars, dc);
  ReleaseDC(hwnd, dc);
}

// Shows or hides window bars by their style bits; the frame is recomputed
// when they change. Answers true when something changed.
bool ShowBars(HWND hwnd, DWORD bits, bool show) {
  DWORD style = StyleOf(hwnd);
  DWORD updated = show ? (style | bits) : (style & ~bits);
  if (updated == style) return false;
  SetWindowLong(hwnd, GWL_STYLE, static_cast<LONG>(updated));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

// After a range or page change a bar with nothing to scroll hides, or is
// disabled with SIF_DISABLENOSCROLL. Answers true when a bar was shown or
// hidden.
bool UpdateVisibility(HWND hwnd, BarState& bar, int which, UINT mask) {
  if (!(mask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL))) return false;
  if (bar.model.Scrollable()) {
    if (bar.autoDisabled) bar.model.disabledArrows = ESB_ENABLE_BOTH;
    bar.autoDisabled = false;
    return ShowBars(hwnd, StyleBit(which), true);
  }
  if (mask & SIF_DISABLENOSCROLL) {
    bar.autoDisabled = bar.model.disabledArrows != ESB_DISABLE_BOTH || bar.autoDisabled;
    bar.model.disabledArrows = ESB_DISABLE_BOTH;
    return ShowBars(hwnd, StyleBit(which), true);
  }
  return ShowBars(hwnd, StyleBit(which), false);
}

// A bar is repainted only when it changed: controls set their bars after
// every item they add, and painting both bars each time would make filling
// a large list slow.
int SetWindowBarInfo(HWND hwnd, int which, const SCROLLINFO& info, BOOL redraw) {
  std::shared_ptr<WindowBars> bars = BarsOf(hwnd);
  if (!bars) return 0;
  BarState& bar = Bar(*bars, which);
  const ScrollModel before = bar.model;
  int pos = bar.model.Apply(info);
  const bool shownOrHidden = UpdateVisibility(hwnd, bar, which, info.fMask);
  if (redraw && (shownOrHidden || !(bar.model == before))) RepaintBars(hwnd, *bars);
  return pos;
}

void CALLBACK WindowBarTimer(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  win32::internal::ScrollBarTrackMessage(hwnd, WM_TIMER, id, 0);
}

void EndWindowTracking(HWND hwnd, WindowBars& bars) {
  if (bars.trackingBar < 0) return;
  int bar = bars.trackingBar;
  bars.trackingBar = -1;
  bars.tracker.Release(Bar(bars, bar).model);
  if (GetCapture() == hwnd) ReleaseCapture();
  RepaintBars(hwnd, bars);
}

void ClearTable() { Table().Clear(); }

const SystemClassRegistration<ClearTable> kWindowBarsRegistration;

}  // namespace
}  // namespace win32::controls

namespace win32::internal {

using namespace win32::controls;

void ScrollBarNcCalcSize(HWND hwnd, RECT& client) {
  DWORD style = StyleOf(hwnd);
  if (style & WS_VSCROLL) client.right = std::max(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
  if (style & WS_HSCROLL) client.bottom = std::max(client.top, client.bottom - GetSystemMetrics(SM_CYHSCROLL));
}

void PaintScrollBars(HWND hwnd, HDC windowDC) {
  if (!(StyleOf(hwnd) & (WS_HSCROLL | WS_VSCROLL))) return;
  std::shared_ptr<WindowBars> bars = BarsOf(hwnd);
  if (bars) PaintBars(hwnd, *bars, windowDC);
}

LRESULT ScrollBarNcHitTest(HWND hwnd, POINT screenPt) {
  DWORD style = StyleOf(hwnd);
  POINT pt = ScreenToWindow(hwnd, screenPt);
  for (int bar : {SB_HORZ, SB_VERT}) {
    RECT rc = BarRect(hwnd, bar);
    if ((style & StyleBit(bar)) && PtInRect(&rc, pt)) return bar == SB_HORZ ? HTHSCROLL : HTVSCROLL;
  }
  return HTNOWHERE;
}

void ScrollBarNcLButtonDown(HWND hwnd, WPARAM hitTest, POINT screenPt) {
  if (hitTest != HTHSCROLL && hitTest != HTVSCROLL) return;
  std::shared_ptr<WindowBars> bars = BarsOf(hwnd);
  if (!bars || bars->trackingBar >= 0 || !IsWindowEnabled(hwnd)) return;
  int bar = hitTest == HTHSCROLL ? SB_HORZ : SB_VERT;
  ScrollTracker::Target target{hwnd, 0, hwnd, WindowBarTimer};
  ScrollLayout layout = LayoutOf(hwnd, *bars, bar);
  bars->trackingBar = bar;
  if (bars->tracker.Press(target, layout, Bar(*bars, bar).model, ScreenToWindow(hwnd, screenPt)) == ScrollPart::None) {
    bars->trackingBar = -1;
    return;
  }
  if (!IsWindow(hwnd)) return;
  SetCapture(hwnd);
  RepaintBars(hwnd, *bars);
}

bool ScrollBarTrackMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<WindowBars> bars = Table().Find(hwnd);
  if (!bars || bars->trackingBar < 0) return false;
  int bar = bars->trackingBar;
  switch (msg) {
    case WM_MOUSEMOVE: {
      POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hwnd, &pt);
      if (bars->tracker.Move(LayoutOf(hwnd, *bars, bar), Bar(*bars, bar).model, ScreenToWindow(hwnd, pt))) {
        RepaintBars(hwnd, *bars);
      }
      return true;
    }
    case WM_LBUTTONUP:
      EndWindowTracking(hwnd, *bars);
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) EndWindowTracking(hwnd, *bars);
      return false;
    case WM_TIMER:
      if (wParam != ScrollTracker::kTimerId) return false;
      bars->tracker.Repeat(LayoutOf(hwnd, *bars, bar), Bar(*bars, bar).model);
      RepaintBars(hwnd, *bars);
      return true;
    default:
      return false;
  }
}

void ScrollBarWindowDestroyed(HWND hwnd) { Table().Erase(hwnd); }

}  // namespace win32::internal

// ---- Public functions ------------------------------------------------------

using namespace win32::controls;

namespace {

bool ValidInfo(LPCSCROLLINFO info) { return info && info->cbSize == sizeof(SCROLLINFO); }

}  // namespace

int SetScrollInfo(HWND hwnd, int nBar, LPCSCROLLINFO lpsi, BOOL redraw) {
  if (!ValidInfo(lpsi) || !IsWindow(hwnd)) return 0;
  if (nBar == SB_CTL) {
    return static_cast<int>(SendMessage(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(lpsi)));
  }
  if (!IsWindowBar(nBar)) return 0;
  return SetWindowBarInfo(hwnd, nBar, *lpsi, redraw);
}

BOOL GetScrollInfo(HWND hwnd, int nBar, LPSCROLLINFO lpsi) {
  if (!ValidInfo(lpsi) || !IsWindow(hwnd)) return FALSE;
  if (nBar == SB_CTL) return static_cast<BOOL>(SendMessage(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpsi)));
  if (!IsWindowBar(nBar)) return FALSE;
  std::shared_ptr<WindowBars> bars = BarsOf(hwnd);
  const ScrollModel& model = Bar(*bars, nBar).model;
  model.Fill(*lpsi);
  if ((lpsi->fMask & SIF_TRACKPOS) && bars->trackingBar != nBar) lpsi->nTrackPos = model.pos;
  return TRUE;
}

BOOL SetScrollRange(HWND hwnd, int nBar, int nMinPos, int nMaxPos, BOOL redraw) {
  SCROLLINFO info{sizeof(info), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
  if (!IsWindow(hwnd) || (nBar != SB_CTL && !IsWindowBar(nBar))) return FALSE;
  SetScrollInfo(hwnd, nBar, &info, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos) {
  SCROLLINFO info{sizeof(info), SIF_RANGE, 0, 0, 0, 0, 0};
  BOOL ok = GetScrollInfo(hwnd, nBar, &info);
  if (lpMinPos) *lpMinPos = info.nMin;
  if (lpMaxPos) *lpMaxPos = info.nMax;
  return ok;
}

int SetScrollPos(HWND hwnd, int nBar, int nPos, BOOL redraw) {
  int old = GetScrollPos(hwnd, nBar);
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, nPos, 0};
  if (!SetScrollInfo(hwnd, nBar, &info, redraw) && !IsWindow(hwnd)) return 0;
  return old;
}

int GetScrollPos(HWND hwnd, int nBar) {
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
  return GetScrollInfo(hwnd, nBar, &info) ? info.nPos : 0;
}

BOOL ShowScrollBar(HWND hwnd, int wBar, BOOL show) {
  if (!IsWindow(hwnd)) return FALSE;
  if (wBar == SB_CTL) {
    ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
    return TRUE;
  }
  DWORD bits = wBar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : IsWindowBar(wBar) ? StyleBit(wBar) : 0;
  if (!bits) return FALSE;
  BarsOf(hwnd);
  ShowBars(hwnd, bits, show != FALSE);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT wSBflags, UINT wArrows) {
  if (!IsWindow(hwnd)) return FALSE;
  if (wSBflags == SB_CTL) return static_cast<BOOL>(SendMessage(hwnd, SBM_ENABLE_ARROWS, wArrows, 0));
  std::shared_ptr<WindowBars> bars = BarsOf(hwnd);
  bool changed = false;
  for (int bar : {SB_HORZ, SB_VERT}) {
    if (wSBflags != SB_BOTH && static_cast<int>(wSBflags) != bar) continue;
    BarState& state = Bar(*bars, bar);
    changed = changed || state.model.disabledArrows != wArrows;
    state.model.disabledArrows = wArrows;
    state.autoDisabled = false;
  }
  if (changed) RepaintBars(hwnd, *bars);
  return changed ? TRUE : FALSE;
}
