#include "controls/button.h"

#include <algorithm>

#include "internal/core_classes.h"

namespace win32::controls {

bool IsPushType(DWORD type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX; }

bool IsCheckType(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

bool IsRadioType(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

namespace {

UINT MaxCheck(DWORD type) {
  if (type == BS_3STATE || type == BS_AUTO3STATE) return BST_INDETERMINATE;
  return IsCheckType(type) || IsRadioType(type) ? BST_CHECKED : BST_UNCHECKED;
}

bool Notifies(HWND hwnd) { return (StyleOf(hwnd) & BS_NOTIFY) != 0; }

void SetPushed(HWND hwnd, ButtonState& state, bool pushed) {
  if (state.pushed == pushed) return;
  state.pushed = pushed;
  Redraw(hwnd);
}

void SetCheck(HWND hwnd, ButtonState& state, WPARAM value) {
  DWORD type = ButtonType(StyleOf(hwnd));
  UINT check = std::min(static_cast<UINT>(value), MaxCheck(type));
  if (IsRadioType(type)) {
    // A checked radio button is the group's tab stop.
    DWORD style = StyleOf(hwnd);
    style = check ? (style | WS_TABSTOP) : (style & ~static_cast<DWORD>(WS_TABSTOP));
    SetWindowLong(hwnd, GWL_STYLE, static_cast<LONG>(style));
  }
  if (state.check == check) return;
  state.check = check;
  Redraw(hwnd);
}

bool StartsGroup(HWND hwnd) { return (StyleOf(hwnd) & WS_GROUP) != 0; }

// Checks `hwnd` and unchecks the other auto radio buttons of its group: the
// siblings from the WS_GROUP window at or before it up to the next one.
void CheckInGroup(HWND hwnd) {
  HWND first = hwnd;
  while (!StartsGroup(first)) {
    HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  for (HWND sibling = first; sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling != first && StartsGroup(sibling)) break;
    if (sibling == hwnd) continue;
    if (ButtonType(StyleOf(sibling)) == BS_AUTORADIOBUTTON &&
        (SendMessage(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) {
      SendMessage(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
}

// What a completed click does before BN_CLICKED: auto buttons change state.
void ToggleAuto(HWND hwnd, const ButtonState& state) {
  switch (ButtonType(StyleOf(hwnd))) {
    case BS_AUTOCHECKBOX:
      SendMessage(hwnd, BM_SETCHECK, state.check ? BST_UNCHECKED : BST_CHECKED, 0);
      break;
    case BS_AUTO3STATE:
      SendMessage(hwnd, BM_SETCHECK, (state.check + 1) % 3, 0);
      break;
    case BS_AUTORADIOBUTTON:
      CheckInGroup(hwnd);
      break;
    default:
      break;
  }
}

void Click(HWND hwnd, ButtonState& state) {
  ToggleAuto(hwnd, state);
  NotifyParent(hwnd, BN_CLICKED);
}

bool PointInClient(HWND hwnd, LPARAM lParam) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&rc, pt) != FALSE;
}

void OnLButtonDown(HWND hwnd, ButtonState& state) {
  if (GetFocus() != hwnd) SetFocus(hwnd);
  if (!IsWindow(hwnd)) return;
  SetCapture(hwnd);
  state.mouseDown = true;
  SetPushed(hwnd, state, true);
}

void OnLButtonUp(HWND hwnd, ButtonState& state, LPARAM lParam) {
  if (!state.mouseDown) return;
  bool inside = PointInClient(hwnd, lParam);
  state.mouseDown = false;
  SetPushed(hwnd, state, false);
  ReleaseCapture();
  if (inside) Click(hwnd, state);
}

void CancelPress(HWND hwnd, ButtonState& state) {
  bool hadCapture = state.mouseDown;
  state.mouseDown = false;
  state.spaceDown = false;
  SetPushed(hwnd, state, false);
  if (hadCapture && GetCapture() == hwnd) ReleaseCapture();
}

void OnKeyDown(HWND hwnd, ButtonState& state, WPARAM key, LPARAM lParam) {
  bool repeat = (lParam & (1L << 30)) != 0;
  if (key != VK_SPACE || repeat || state.mouseDown) return;
  state.spaceDown = true;
  SetPushed(hwnd, state, true);
}

void OnKeyUp(HWND hwnd, ButtonState& state, WPARAM key) {
  if (key != VK_SPACE || !state.spaceDown) return;
  state.spaceDown = false;
  bool wasPushed = state.pushed;
  SetPushed(hwnd, state, false);
  if (wasPushed) Click(hwnd, state);
}

LRESULT DialogCode(HWND hwnd) {
  switch (ButtonType(StyleOf(hwnd))) {
    case BS_DEFPUSHBUTTON:
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_PUSHBOX:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
      return DLGC_STATIC;
    default:
      return DLGC_BUTTON;
  }
}

// Double clicks are their own notification for radio, owner-drawn and
// BS_NOTIFY buttons; for the others they are one more press.
bool DoubleClickNotifies(HWND hwnd) {
  DWORD type = ButtonType(StyleOf(hwnd));
  return Notifies(hwnd) || IsRadioType(type) || type == BS_OWNERDRAW || type == BS_USERBUTTON;
}

LRESULT SetImage(HWND hwnd, ButtonState& state, WPARAM type, LPARAM image) {
  HANDLE old = nullptr;
  if (type == IMAGE_BITMAP) {
    old = state.bitmap;
    state.bitmap = reinterpret_cast<HBITMAP>(image);
  } else if (type == IMAGE_ICON) {
    old = state.icon;
    state.icon = reinterpret_cast<HICON>(image);
  } else {
    return 0;
  }
  Redraw(hwnd);
  return reinterpret_cast<LRESULT>(old);
}

LRESULT GetImage(const ButtonState& state, WPARAM type) {
  if (type == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(state.bitmap);
  if (type == IMAGE_ICON) return reinterpret_cast<LRESULT>(state.icon);
  return 0;
}

LRESULT SetStyle(HWND hwnd, WPARAM style, LPARAM redraw) {
  DWORD current = StyleOf(hwnd);
  DWORD updated = (current & ~static_cast<DWORD>(BS_TYPEMASK)) | (static_cast<DWORD>(style) & BS_TYPEMASK);
  SetWindowLong(hwnd, GWL_STYLE, static_cast<LONG>(updated));
  if (redraw) Redraw(hwnd);
  return 0;
}

LRESULT GetState(const ButtonState& state) {
  return static_cast<LRESULT>(state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0));
}

void SetFocusState(HWND hwnd, ButtonState& state, bool focused) {
  state.focused = focused;
  if (!focused) CancelPress(hwnd, state);
  Redraw(hwnd);
  if (Notifies(hwnd)) NotifyParent(hwnd, focused ? BN_SETFOCUS : BN_KILLFOCUS);
}

LRESULT HandleInput(HWND hwnd, ButtonState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDBLCLK:
      if (DoubleClickNotifies(hwnd)) {
        NotifyParent(hwnd, BN_DBLCLK);
        return 0;
      }
      OnLButtonDown(hwnd, state);
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(hwnd, state);
      return 0;
    case WM_MOUSEMOVE:
      if (state.mouseDown) SetPushed(hwnd, state, PointInClient(hwnd, lParam));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(hwnd, state, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (state.mouseDown && reinterpret_cast<HWND>(lParam) != hwnd) {
        state.mouseDown = false;
        SetPushed(hwnd, state, false);
      }
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(hwnd, state, wParam, lParam);
      return 0;
    case WM_KEYUP:
      OnKeyUp(hwnd, state, wParam);
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT HandleButton(HWND hwnd, ButtonState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintButton(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      if (ButtonType(StyleOf(hwnd)) == BS_GROUPBOX) return HTTRANSPARENT;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
      return DialogCode(hwnd);
    case WM_SETFONT:
      state.font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case WM_SETTEXT: {
      LRESULT result = DefWindowProc(hwnd, msg, wParam, lParam);
      Redraw(hwnd);
      return result;
    }
    case WM_ENABLE:
      if (!wParam) CancelPress(hwnd, state);
      Redraw(hwnd);
      return 0;
    case WM_SETFOCUS:
      SetFocusState(hwnd, state, true);
      return 0;
    case WM_KILLFOCUS:
      SetFocusState(hwnd, state, false);
      return 0;
    case BM_GETCHECK:
      return static_cast<LRESULT>(state.check);
    case BM_SETCHECK:
      SetCheck(hwnd, state, wParam);
      return 0;
    case BM_GETSTATE:
      return GetState(state);
    case BM_SETSTATE:
      SetPushed(hwnd, state, wParam != 0);
      return 0;
    case BM_SETSTYLE:
      return SetStyle(hwnd, wParam, lParam);
    case BM_CLICK:
      if (!IsWindowEnabled(hwnd)) return 0;
      SendMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
      SendMessage(hwnd, WM_LBUTTONUP, 0, 0);
      return 0;
    case BM_SETIMAGE:
      return SetImage(hwnd, state, wParam, lParam);
    case BM_GETIMAGE:
      return GetImage(state, wParam);
    default:
      return HandleInput(hwnd, state, msg, wParam, lParam);
  }
}

using ButtonClass = ControlClass<ButtonState, HandleButton>;

constexpr char kButtonClassName[] = "Button";
const SystemClassRegistration<InitControlClass<ButtonClass, kButtonClassName>> kButtonRegistration;

}  // namespace
}  // namespace win32::controls
