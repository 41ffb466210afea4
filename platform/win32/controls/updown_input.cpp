// Input and painting of the up-down control: arrows pressed with the mouse
// step once and then repeat on a timer while held; Up and Down keys step.
#include "controls/updown.h"

namespace win32::controls {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatDelay = 500;
constexpr UINT kRepeatInterval = 100;

bool IsHorizontal(HWND hwnd) { return (StyleOf(hwnd) & UDS_HORZ) != 0; }

UpDownArrow ArrowAt(HWND hwnd, POINT pt) {
  for (UpDownArrow arrow : {UpDownArrow::Up, UpDownArrow::Down}) {
    RECT rc = ArrowRect(hwnd, arrow);
    if (PtInRect(&rc, pt)) return arrow;
  }
  return UpDownArrow::None;
}

int Direction(UpDownArrow arrow) { return arrow == UpDownArrow::Up ? 1 : -1; }

void Paint(HWND hwnd, const UpDownState& s, HDC dc) {
  bool disabled = !IsWindowEnabled(hwnd);
  for (UpDownArrow arrow : {UpDownArrow::Up, UpDownArrow::Down}) {
    RECT rc = ArrowRect(hwnd, arrow);
    UINT kind = IsHorizontal(hwnd) ? (arrow == UpDownArrow::Up ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT)
                                   : (arrow == UpDownArrow::Up ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
    if (s.pressed == arrow && s.overPressed) kind |= DFCS_PUSHED;
    if (disabled) kind |= DFCS_INACTIVE;
    DrawFrameControl(dc, &rc, DFC_SCROLL, kind);
  }
}

void OnButtonDown(HWND hwnd, UpDownState& s, POINT pt) {
  UpDownArrow arrow = ArrowAt(hwnd, pt);
  if (arrow == UpDownArrow::None || !IsWindowEnabled(hwnd)) return;
  if (s.buddy && IsWindow(s.buddy)) SetFocus(s.buddy);
  SetCapture(hwnd);
  s.pressed = arrow;
  s.overPressed = true;
  s.pressStart = GetTickCount();
  Redraw(hwnd);
  StepUpDown(hwnd, s, Direction(arrow));
  if (IsWindow(hwnd)) SetTimer(hwnd, kRepeatTimer, kFirstRepeatDelay, nullptr);
}

void EndPress(HWND hwnd, UpDownState& s) {
  if (s.pressed == UpDownArrow::None) return;
  s.pressed = UpDownArrow::None;
  KillTimer(hwnd, kRepeatTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
  Redraw(hwnd);
  HWND parent = GetParent(hwnd);
  if (parent) {
    SendMessage(parent, IsHorizontal(hwnd) ? WM_HSCROLL : WM_VSCROLL,
                MAKEWPARAM(SB_ENDSCROLL, static_cast<WORD>(s.pos)), reinterpret_cast<LPARAM>(hwnd));
  }
}

void OnMouseMove(HWND hwnd, UpDownState& s, POINT pt) {
  if (s.pressed == UpDownArrow::None) return;
  bool over = ArrowAt(hwnd, pt) == s.pressed;
  if (over == s.overPressed) return;
  s.overPressed = over;
  Redraw(hwnd);
}

void OnTimer(HWND hwnd, UpDownState& s) {
  if (s.pressed == UpDownArrow::None) {
    KillTimer(hwnd, kRepeatTimer);
    return;
  }
  SetTimer(hwnd, kRepeatTimer, kRepeatInterval, nullptr);
  if (!s.overPressed) return;
  StepUpDown(hwnd, s, Direction(s.pressed) * AccelIncrement(s, GetTickCount() - s.pressStart));
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

RECT ArrowRect(HWND hwnd, UpDownArrow arrow) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  if (IsHorizontal(hwnd)) {
    int middle = rc.right / 2;
    return arrow == UpDownArrow::Up ? RECT{middle, 0, rc.right, rc.bottom} : RECT{0, 0, middle, rc.bottom};
  }
  int middle = rc.bottom / 2;
  return arrow == UpDownArrow::Up ? RECT{0, 0, rc.right, middle} : RECT{0, middle, rc.right, rc.bottom};
}

bool HandleUpDownInput(HWND hwnd, UpDownState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      Paint(hwnd, s, paint.dc());
      return true;
    }
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(hwnd, s, PointOf(lParam));
      return true;
    case WM_MOUSEMOVE:
      OnMouseMove(hwnd, s, PointOf(lParam));
      return true;
    case WM_LBUTTONUP:
      EndPress(hwnd, s);
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) EndPress(hwnd, s);
      return true;
    case WM_TIMER:
      if (wParam != kRepeatTimer) return false;
      OnTimer(hwnd, s);
      return true;
    case WM_KEYDOWN:
      if (!(StyleOf(hwnd) & UDS_ARROWKEYS) || (wParam != VK_UP && wParam != VK_DOWN)) return false;
      StepUpDown(hwnd, s, wParam == VK_UP ? 1 : -1);
      return true;
    case WM_GETDLGCODE:
      result = (StyleOf(hwnd) & UDS_ARROWKEYS) ? DLGC_WANTARROWS : 0;
      return true;
    default:
      return false;
  }
}

}  // namespace win32::controls
