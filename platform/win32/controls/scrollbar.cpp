// The "ScrollBar" control class.
#include "controls/scrollbar_engine.h"
#include "internal/core_classes.h"

namespace win32::controls {
namespace {

struct ScrollBarState {
  ScrollModel model;
  ScrollTracker tracker;
};

bool IsVertical(HWND hwnd) { return (StyleOf(hwnd) & SBS_VERT) != 0; }

bool IsSizeBox(HWND hwnd) { return (StyleOf(hwnd) & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0; }

ScrollLayout LayoutOf(HWND hwnd, const ScrollBarState& state) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  bool dragging = state.tracker.active() && state.tracker.pressedPart() == ScrollPart::Thumb;
  return ScrollLayout::Make(rc, IsVertical(hwnd), state.model, dragging ? state.model.trackPos : state.model.pos);
}

void Paint(HWND hwnd, const ScrollBarState& state, HDC dc) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  if (IsSizeBox(hwnd)) {
    FillSysColor(dc, rc, COLOR_BTNFACE);
    if (StyleOf(hwnd) & SBS_SIZEGRIP) DrawFrameControl(dc, &rc, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    return;
  }
  HBRUSH shaft = ParentColor(hwnd, dc, WM_CTLCOLORSCROLLBAR);
  PaintScrollBar(dc, LayoutOf(hwnd, state), state.model, state.tracker.pressedPart(), IsWindowEnabled(hwnd) != FALSE,
                 shaft);
}

void Changed(HWND hwnd, WPARAM redraw) {
  if (redraw) Redraw(hwnd);
}

int SetInfo(HWND hwnd, ScrollBarState& state, const SCROLLINFO& info, WPARAM redraw) {
  int pos = state.model.Apply(info);
  if (info.fMask & SIF_DISABLENOSCROLL) {
    state.model.disabledArrows = state.model.Scrollable() ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
  }
  Changed(hwnd, redraw);
  return pos;
}

int SetPos(HWND hwnd, ScrollBarState& state, int pos, WPARAM redraw) {
  int old = state.model.pos;
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, pos, 0};
  SetInfo(hwnd, state, info, redraw);
  return old;
}

int SetRange(HWND hwnd, ScrollBarState& state, int min, int max, WPARAM redraw) {
  int old = state.model.pos;
  SCROLLINFO info{sizeof(info), SIF_RANGE, min, max, 0, 0, 0};
  SetInfo(hwnd, state, info, redraw);
  return old;
}

LRESULT GetInfo(const ScrollBarState& state, LPARAM lParam) {
  auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
  if (!info) return FALSE;
  state.model.Fill(*info);
  if ((info->fMask & SIF_TRACKPOS) && !state.tracker.active()) info->nTrackPos = state.model.pos;
  return TRUE;
}

LRESULT GetRange(const ScrollBarState& state, WPARAM wParam, LPARAM lParam) {
  if (auto* min = reinterpret_cast<LPINT>(wParam)) *min = state.model.min;
  if (auto* max = reinterpret_cast<LPINT>(lParam)) *max = state.model.max;
  return 0;
}

LRESULT EnableArrows(HWND hwnd, ScrollBarState& state, WPARAM arrows) {
  if (state.model.disabledArrows == arrows) return FALSE;
  state.model.disabledArrows = static_cast<UINT>(arrows);
  Redraw(hwnd);
  return TRUE;
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

void OnLButtonDown(HWND hwnd, ScrollBarState& state, LPARAM lParam) {
  if (IsSizeBox(hwnd)) return;
  if ((StyleOf(hwnd) & WS_TABSTOP) && GetFocus() != hwnd) SetFocus(hwnd);
  ScrollTracker::Target target{GetParent(hwnd), reinterpret_cast<LPARAM>(hwnd), hwnd, nullptr};
  if (state.tracker.Press(target, LayoutOf(hwnd, state), state.model, PointOf(lParam)) == ScrollPart::None) return;
  if (IsWindow(hwnd)) SetCapture(hwnd);
  Redraw(hwnd);
}

void EndTracking(HWND hwnd, ScrollBarState& state) {
  if (!state.tracker.active()) return;
  state.tracker.Release(state.model);
  if (GetCapture() == hwnd) ReleaseCapture();
  Redraw(hwnd);
}

LRESULT HandleTracking(HWND hwnd, ScrollBarState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLButtonDown(hwnd, state, lParam);
      return 0;
    case WM_MOUSEMOVE:
      if (state.tracker.Move(LayoutOf(hwnd, state), state.model, PointOf(lParam))) Redraw(hwnd);
      return 0;
    case WM_LBUTTONUP:
      EndTracking(hwnd, state);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) EndTracking(hwnd, state);
      return 0;
    case WM_TIMER:
      if (wParam == ScrollTracker::kTimerId) {
        state.tracker.Repeat(LayoutOf(hwnd, state), state.model);
        Redraw(hwnd);
        return 0;
      }
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_KEYDOWN:
      if (!SendScrollKey(GetParent(hwnd), reinterpret_cast<LPARAM>(hwnd), IsVertical(hwnd), wParam)) {
        return DefWindowProc(hwnd, msg, wParam, lParam);
      }
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT HandleScrollBar(HWND hwnd, ScrollBarState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      Paint(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_ENABLE:
      if (!wParam) EndTracking(hwnd, state);
      Redraw(hwnd);
      return 0;
    case SBM_SETPOS:
      return SetPos(hwnd, state, static_cast<int>(wParam), lParam);
    case SBM_GETPOS:
      return state.model.pos;
    case SBM_SETRANGE:
      return SetRange(hwnd, state, static_cast<int>(wParam), static_cast<int>(lParam), FALSE);
    case SBM_SETRANGEREDRAW:
      return SetRange(hwnd, state, static_cast<int>(wParam), static_cast<int>(lParam), TRUE);
    case SBM_GETRANGE:
      return GetRange(state, wParam, lParam);
    case SBM_ENABLE_ARROWS:
      return EnableArrows(hwnd, state, wParam);
    case SBM_SETSCROLLINFO: {
      const auto* info = reinterpret_cast<const SCROLLINFO*>(lParam);
      return info ? SetInfo(hwnd, state, *info, wParam) : 0;
    }
    case SBM_GETSCROLLINFO:
      return GetInfo(state, lParam);
    default:
      return HandleTracking(hwnd, state, msg, wParam, lParam);
  }
}

using ScrollBarClass = ControlClass<ScrollBarState, HandleScrollBar>;

constexpr char kScrollBarClassName[] = "ScrollBar";
const SystemClassRegistration<InitControlClass<ScrollBarClass, kScrollBarClassName>> kScrollBarRegistration;

}  // namespace
}  // namespace win32::controls
