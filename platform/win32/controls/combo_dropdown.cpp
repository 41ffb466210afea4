// The drop-down list of a combo box: opening and closing it, its tracking
// answers, and the keys and clicks that drive it.
#include <algorithm>

#include "controls/combo.h"
#include "internal/ctl_listbox.h"

namespace win32::controls {
namespace {

constexpr int kListBorders = 2;  // WS_BORDER above and below

// The list's height: the dropped height less the field, shrunk to the
// items when fewer fit, in whole items unless CBS_NOINTEGRALHEIGHT.
int ListHeight(HWND hwnd, const ComboState& state) {
  const int itemHeight = std::max(1, static_cast<int>(SendMessage(state.list, LB_GETITEMHEIGHT, 0, 0)));
  const int count = static_cast<int>(SendMessage(state.list, LB_GETCOUNT, 0, 0));
  const int room = std::max(state.droppedHeight - state.fieldHeight, itemHeight + kListBorders);
  int height = std::min(room, std::max(count, 1) * itemHeight + kListBorders);
  if (!(StyleOf(hwnd) & CBS_NOINTEGRALHEIGHT)) {
    height = kListBorders + std::max(1, (height - kListBorders) / itemHeight) * itemHeight;
  }
  return height;
}

// Below the combo box, or above it when the screen ends first.
void PlaceList(HWND hwnd, const ComboState& state) {
  RECT combo{};
  GetWindowRect(hwnd, &combo);
  const RECT dropped = DroppedRect(hwnd, state);
  const int height = ListHeight(hwnd, state);
  int y = combo.bottom;
  if (y + height > GetSystemMetrics(SM_CYSCREEN) && combo.top - height >= 0) y = combo.top - height;
  SetWindowPos(state.list, HWND_TOPMOST, combo.left, y, dropped.right - dropped.left, height, SWP_NOACTIVATE);
}

void Toggle(HWND hwnd, ComboState& state) {
  if (state.dropped) {
    CloseUp(hwnd, state, true);
  } else {
    DropDown(hwnd, state, false);
  }
}

// Keys the list moves its selection by; it answers with LBCB_SELTRACK.
bool IsListKey(const ComboState& state, WPARAM vk) {
  switch (vk) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      return true;
    case VK_HOME:
    case VK_END:
      // An edit keeps these for its caret.
      return !state.edit;
    case VK_RETURN:
    case VK_ESCAPE:
      return state.dropped;
    default:
      return false;
  }
}

void ForwardToList(ComboState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  state.forwardingKey = true;
  SendMessage(state.list, msg, wParam, lParam);
  state.forwardingKey = false;
}

}  // namespace

RECT DroppedRect(HWND hwnd, const ComboState& state) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  rc.right = rc.left + std::max(static_cast<int>(rc.right - rc.left), state.droppedWidth);
  rc.bottom = rc.top + std::max(state.droppedHeight, static_cast<int>(rc.bottom - rc.top));
  return rc;
}

void DropDown(HWND hwnd, ComboState& state, bool buttonDown) {
  if (state.dropped || !state.list || ComboType(hwnd) == CBS_SIMPLE || !IsWindowEnabled(hwnd)) return;
  NotifyParent(hwnd, CBN_DROPDOWN);
  if (!IsWindow(hwnd) || !IsWindow(state.list)) return;
  SendMessage(state.list, LB_SETCURSEL, static_cast<WPARAM>(state.sel), 0);
  PlaceList(hwnd, state);
  state.dropped = true;
  ShowWindow(state.list, SW_SHOWNA);
  Redraw(hwnd);
  SendMessage(state.list, LBCB_STARTTRACK, buttonDown ? TRUE : FALSE, 0);
}

// Win32 reports the end of a choice after the list has gone: CBN_CLOSEUP,
// then CBN_SELENDOK or CBN_SELENDCANCEL.
void CloseUp(HWND hwnd, ComboState& state, bool accept) {
  if (!state.dropped) return;
  state.dropped = false;
  SendMessage(state.list, LBCB_ENDTRACK, 0, 0);
  ShowWindow(state.list, SW_HIDE);
  // Next time the list opens on what the field shows.
  SendMessage(state.list, LB_SETCURSEL, static_cast<WPARAM>(state.sel), 0);
  if (state.edit && state.focused) SendMessage(state.edit, EM_SETSEL, 0, -1);
  Redraw(hwnd);
  NotifyParent(hwnd, CBN_CLOSEUP);
  if (IsWindow(hwnd)) NotifyParent(hwnd, accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
}

LRESULT OnListTrack(HWND hwnd, ComboState& state, UINT msg, WPARAM wParam) {
  const int index = static_cast<int>(wParam);
  switch (msg) {
    case LBCB_SELTRACK:
      // A key moves the selection at once; the mouse only highlights until
      // the button is released.
      if (state.forwardingKey || !state.dropped) UserSelect(hwnd, state, index);
      return 0;
    case LBCB_ACCEPT:
      if (index >= 0 && index != state.sel) UserSelect(hwnd, state, index);
      if (IsWindow(hwnd)) CloseUp(hwnd, state, true);
      return 0;
    default:
      CloseUp(hwnd, state, false);
      return 0;
  }
}

LRESULT OnComboKey(HWND hwnd, ComboState& state, UINT msg, WPARAM vk, LPARAM lParam) {
  const bool alt = msg == WM_SYSKEYDOWN;
  const bool simple = ComboType(hwnd) == CBS_SIMPLE;
  if (alt && vk != VK_UP && vk != VK_DOWN) return DefWindowProc(hwnd, msg, vk, lParam);
  if (!simple && ((alt && (vk == VK_UP || vk == VK_DOWN)) || (vk == VK_F4 && !state.extendedUI))) {
    Toggle(hwnd, state);
    return 0;
  }
  if (alt || !state.list) return 0;
  if (!simple && !state.dropped && state.extendedUI && vk == VK_DOWN) {
    DropDown(hwnd, state, false);
    return 0;
  }
  if (IsListKey(state, vk)) ForwardToList(state, WM_KEYDOWN, vk, lParam);
  return 0;
}

// Type-ahead of a drop-down list: the next item starting with the letter.
LRESULT OnComboChar(HWND hwnd, ComboState& state, WPARAM ch, LPARAM lParam) {
  if (!state.edit && state.list && IsDropDownList(hwnd)) ForwardToList(state, WM_CHAR, ch, lParam);
  return 0;
}

LRESULT OnComboButtonDown(HWND hwnd, ComboState& state, LPARAM lParam) {
  HWND focusTarget = state.edit ? state.edit : hwnd;
  if (GetFocus() != focusTarget) SetFocus(hwnd);
  if (!IsWindow(hwnd) || ComboType(hwnd) == CBS_SIMPLE) return 0;
  const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const RECT button = ButtonRect(hwnd, state);
  if (!IsDropDownList(hwnd) && !PtInRect(&button, pt)) return 0;
  if (state.dropped) {
    CloseUp(hwnd, state, true);
  } else {
    DropDown(hwnd, state, true);
  }
  return 0;
}

}  // namespace win32::controls
