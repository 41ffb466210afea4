// Toolbar mouse handling: a button presses on the button-down and sends its
// command when released over it; dragging off cancels. Check buttons toggle
// and group buttons check one of their group. The tooltip hears every
// mouse message.
#include "controls/toolbar.h"

namespace win32::controls {
namespace {

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool Clickable(const ToolbarButton& b) {
  return !(b.style & TBSTYLE_SEP) && (b.state & TBSTATE_ENABLED) && !(b.state & TBSTATE_HIDDEN);
}

void RedrawButton(HWND hwnd, const ToolbarState& s, int index) {
  if (index < 0 || index >= static_cast<int>(s.buttons.size())) return;
  InvalidateRect(hwnd, &s.buttons[static_cast<size_t>(index)].rect, TRUE);
}

void Relay(HWND hwnd, const ToolbarState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!s.tooltip || !IsWindow(s.tooltip)) return;
  MSG relayed{hwnd, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&relayed.pt);
  SendMessage(s.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void SetHot(HWND hwnd, ToolbarState& s, int index) {
  if (index == s.hot) return;
  RedrawButton(hwnd, s, s.hot);
  s.hot = index;
  RedrawButton(hwnd, s, s.hot);
  if (index >= 0) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
}

void OnButtonDown(HWND hwnd, ToolbarState& s, POINT pt) {
  int index = ButtonAt(s, pt);
  if (index < 0 || !Clickable(s.buttons[static_cast<size_t>(index)])) return;
  s.pressed = index;
  s.buttons[static_cast<size_t>(index)].state |= TBSTATE_PRESSED;
  SetCapture(hwnd);
  RedrawButton(hwnd, s, index);
}

void OnMouseMove(HWND hwnd, ToolbarState& s, POINT pt) {
  int under = ButtonAt(s, pt);
  if (s.pressed < 0) {
    SetHot(hwnd, s, under >= 0 && Clickable(s.buttons[static_cast<size_t>(under)]) ? under : -1);
    return;
  }
  ToolbarButton& b = s.buttons[static_cast<size_t>(s.pressed)];
  bool inside = under == s.pressed;
  bool shown = (b.state & TBSTATE_PRESSED) != 0;
  if (inside == shown) return;
  b.state = static_cast<BYTE>(inside ? (b.state | TBSTATE_PRESSED) : (b.state & ~TBSTATE_PRESSED));
  RedrawButton(hwnd, s, s.pressed);
}

void Click(HWND hwnd, ToolbarState& s, int index) {
  ToolbarButton& b = s.buttons[static_cast<size_t>(index)];
  if (b.style & TBSTYLE_CHECK) {
    bool group = (b.style & TBSTYLE_GROUP) != 0;
    CheckButton(s, index, group || !(b.state & TBSTATE_CHECKED));
    Redraw(hwnd);
  }
  int command = b.command;
  HWND owner = ToolbarOwner(hwnd, s);
  if (owner) SendMessage(owner, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

void OnButtonUp(HWND hwnd, ToolbarState& s, POINT pt) {
  int index = s.pressed;
  if (index < 0) return;
  s.pressed = -1;
  if (GetCapture() == hwnd) ReleaseCapture();
  if (index >= static_cast<int>(s.buttons.size())) return;
  ToolbarButton& b = s.buttons[static_cast<size_t>(index)];
  b.state = static_cast<BYTE>(b.state & ~TBSTATE_PRESSED);
  RedrawButton(hwnd, s, index);
  if (ButtonAt(s, pt) == index && Clickable(b)) Click(hwnd, s, index);
}

void CancelPress(HWND hwnd, ToolbarState& s) {
  if (s.pressed < 0) return;
  if (s.pressed < static_cast<int>(s.buttons.size())) {
    ToolbarButton& b = s.buttons[static_cast<size_t>(s.pressed)];
    b.state = static_cast<BYTE>(b.state & ~TBSTATE_PRESSED);
    RedrawButton(hwnd, s, s.pressed);
  }
  s.pressed = -1;
}

}  // namespace

void CheckButton(ToolbarState& s, int index, bool check) {
  ToolbarButton& b = s.buttons[static_cast<size_t>(index)];
  if (check && (b.style & TBSTYLE_GROUP)) {
    // A group is the run of neighbouring group buttons around this one.
    auto isGroup = [&](int i) {
      const ToolbarButton& other = s.buttons[static_cast<size_t>(i)];
      return (other.style & TBSTYLE_CHECKGROUP) == TBSTYLE_CHECKGROUP;
    };
    for (int i = index - 1; i >= 0 && isGroup(i); --i) s.buttons[static_cast<size_t>(i)].state &= ~TBSTATE_CHECKED;
    for (int i = index + 1; i < static_cast<int>(s.buttons.size()) && isGroup(i); ++i) {
      s.buttons[static_cast<size_t>(i)].state &= ~TBSTATE_CHECKED;
    }
  }
  b.state = static_cast<BYTE>(check ? (b.state | TBSTATE_CHECKED) : (b.state & ~TBSTATE_CHECKED));
}

bool HandleToolbarMouse(HWND hwnd, ToolbarState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Relay(hwnd, s, msg, wParam, lParam);
      OnButtonDown(hwnd, s, PointOf(lParam));
      return true;
    case WM_MOUSEMOVE:
      Relay(hwnd, s, msg, wParam, lParam);
      OnMouseMove(hwnd, s, PointOf(lParam));
      return true;
    case WM_LBUTTONUP:
      Relay(hwnd, s, msg, wParam, lParam);
      OnButtonUp(hwnd, s, PointOf(lParam));
      return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      Relay(hwnd, s, msg, wParam, lParam);
      return false;
    case WM_MOUSELEAVE:
      Relay(hwnd, s, msg, wParam, lParam);
      SetHot(hwnd, s, -1);
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) CancelPress(hwnd, s);
      return true;
    default:
      return false;
  }
}

}  // namespace win32::controls
