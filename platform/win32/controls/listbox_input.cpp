// List box keyboard and mouse handling, and the tracking mode of a combo
// box's drop-down list.
#include <algorithm>

#include "controls/listbox.h"
#include "internal/ctl_listbox.h"

namespace win32::controls {
namespace {

constexpr int kWheelLines = 3;

int Count(const ListBoxState& state) { return static_cast<int>(state.items.size()); }
bool KeyIsDown(int vk) { return GetKeyState(vk) < 0; }
bool IsExtended(HWND hwnd) { return (ListStyle(hwnd) & LBS_EXTENDEDSEL) != 0; }
bool IsMultipleSel(HWND hwnd) { return IsMultiple(hwnd) && !IsExtended(hwnd); }
POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// What the selection is, to tell whether an action changed it.
struct Snapshot {
  int cur;
  std::vector<bool> selected;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const ListBoxState& state) {
  Snapshot snapshot{state.cur, {}};
  for (const ListItem& item : state.items) snapshot.selected.push_back(item.selected);
  return snapshot;
}

// An extended selection from the anchor to `index`; Ctrl keeps the rest.
void ExtendTo(ListBoxState& state, int index, bool keepOthers) {
  if (state.anchor < 0) state.anchor = state.caret >= 0 ? state.caret : index;
  if (!keepOthers) SelectRange(state, 0, Count(state) - 1, false);
  SelectRange(state, state.anchor, index, true);
}

void ToggleItem(ListBoxState& state, int index) {
  SetItemSelected(state, index, !state.items[static_cast<size_t>(index)].selected);
  state.anchor = index;
}

// The selection a keyboard move to `index` makes.
void SelectForKey(HWND hwnd, ListBoxState& state, int index) {
  if (!IsMultiple(hwnd)) {
    state.cur = index;
  } else if (IsExtended(hwnd)) {
    bool shift = KeyIsDown(VK_SHIFT);
    bool ctrl = KeyIsDown(VK_CONTROL);
    if (shift) {
      ExtendTo(state, index, ctrl);
    } else if (!ctrl) {
      SelectOnly(hwnd, state, index);
      state.anchor = index;
    }
  }
  state.caret = index;
}

// The selection a click on `index` makes.
void SelectForClick(HWND hwnd, ListBoxState& state, int index) {
  if (!IsMultiple(hwnd)) {
    state.cur = index;
  } else if (IsMultipleSel(hwnd)) {
    ToggleItem(state, index);
  } else {
    bool shift = KeyIsDown(VK_SHIFT);
    bool ctrl = KeyIsDown(VK_CONTROL);
    if (shift) {
      ExtendTo(state, index, ctrl);
    } else if (ctrl) {
      ToggleItem(state, index);
    } else {
      SelectOnly(hwnd, state, index);
      state.anchor = index;
    }
  }
  state.caret = index;
}

void ReportUserChange(HWND hwnd, const ListBoxState& state, const Snapshot& before) {
  if (Take(state) == before) return;
  if (state.comboList) {
    SendMessage(state.notify, LBCB_SELTRACK, static_cast<WPARAM>(state.cur), 0);
  } else {
    NotifyOwner(hwnd, state, LBN_SELCHANGE);
  }
}

void MoveCaret(HWND hwnd, ListBoxState& state, int index) {
  if (Count(state) == 0) return;
  index = std::clamp(index, 0, Count(state) - 1);
  Snapshot before = Take(state);
  SelectForKey(hwnd, state, index);
  EnsureVisible(hwnd, state, index);
  Redraw(hwnd);
  ReportUserChange(hwnd, state, before);
}

// The caret target of a navigation key, or -1 for other keys.
int NavigationTarget(HWND hwnd, const ListBoxState& state, WPARAM key) {
  int caret = state.caret;
  int page = std::max(1, ItemsPerPage(hwnd, state) - 1);
  switch (key) {
    case VK_UP:
    case VK_LEFT:
      return std::max(caret - 1, 0);
    case VK_DOWN:
    case VK_RIGHT:
      return caret + 1;
    case VK_PRIOR:
      return std::max(caret - page, 0);
    case VK_NEXT:
      return std::max(caret, 0) + page;
    case VK_HOME:
      return 0;
    case VK_END:
      return Count(state) - 1;
    default:
      return -1;
  }
}

void ToggleCaret(HWND hwnd, ListBoxState& state) {
  if (!Valid(state, state.caret)) return;
  if (!IsMultipleSel(hwnd) && !(IsExtended(hwnd) && KeyIsDown(VK_CONTROL))) return;
  Snapshot before = Take(state);
  ToggleItem(state, state.caret);
  Redraw(hwnd);
  ReportUserChange(hwnd, state, before);
}

// LBS_WANTKEYBOARDINPUT: the owner may handle the key (-2), leave it (-1)
// or name the item to move to.
bool OwnerHandledKey(HWND hwnd, ListBoxState& state, UINT msg, WPARAM key) {
  if (!(ListStyle(hwnd) & LBS_WANTKEYBOARDINPUT) || !state.notify) return false;
  LRESULT answer =
      SendMessage(state.notify, msg, MAKEWPARAM(key, std::max(state.caret, 0)), reinterpret_cast<LPARAM>(hwnd));
  if (answer == -1) return false;
  if (answer >= 0) MoveCaret(hwnd, state, static_cast<int>(answer));
  return true;
}

void OnKeyDown(HWND hwnd, ListBoxState& state, WPARAM key) {
  if (OwnerHandledKey(hwnd, state, WM_VKEYTOITEM, key)) return;
  if (state.comboList && key == VK_RETURN) {
    SendMessage(state.notify, LBCB_ACCEPT, static_cast<WPARAM>(state.cur), 0);
    return;
  }
  if (state.comboList && key == VK_ESCAPE) {
    NotifyOwner(hwnd, state, LBN_SELCANCEL);
    SendMessage(state.notify, LBCB_CANCEL, 0, 0);
    return;
  }
  if (key == VK_SPACE) {
    ToggleCaret(hwnd, state);
    return;
  }
  int target = NavigationTarget(hwnd, state, key);
  if (target >= 0) MoveCaret(hwnd, state, target);
}

// Type-ahead: the next item after the caret starting with the character.
void OnChar(HWND hwnd, ListBoxState& state, WPARAM ch) {
  if (!HasStrings(hwnd)) {
    OwnerHandledKey(hwnd, state, WM_CHARTOITEM, ch);
    return;
  }
  if (ch < ' ') return;
  char prefix[2] = {static_cast<char>(ch), '\0'};
  LRESULT found = FindItem(hwnd, state, state.caret, reinterpret_cast<LPARAM>(prefix), false);
  if (found != LB_ERR) MoveCaret(hwnd, state, static_cast<int>(found));
}

// ---- Mouse ------------------------------------------------------------------

void OnLButtonDown(HWND hwnd, ListBoxState& state, POINT pt) {
  if (!state.comboList && GetFocus() != hwnd) SetFocus(hwnd);
  if (!IsWindow(hwnd)) return;
  bool outside = false;
  int index = ItemFromPoint(hwnd, state, pt, outside);
  state.mouseDown = true;
  SetCapture(hwnd);
  if (outside) return;
  SelectForClick(hwnd, state, index);
  EnsureVisible(hwnd, state, index);
  Redraw(hwnd);
}

// Dragging extends: single selection follows the cursor, an extended one
// spans from the anchor.
void OnDrag(HWND hwnd, ListBoxState& state, POINT pt) {
  if (Count(state) == 0 || IsMultipleSel(hwnd)) return;
  bool outside = false;
  int index = ItemFromPoint(hwnd, state, pt, outside);
  RECT client{};
  GetClientRect(hwnd, &client);
  if (pt.y >= client.bottom) index = std::min(state.top + ItemsPerPage(hwnd, state), Count(state) - 1);
  if (index == state.caret) return;
  if (IsExtended(hwnd)) {
    ExtendTo(state, index, KeyIsDown(VK_CONTROL));
  } else {
    state.cur = index;
  }
  state.caret = index;
  EnsureVisible(hwnd, state, index);
  Redraw(hwnd);
}

void OnLButtonUp(HWND hwnd, ListBoxState& state) {
  if (!state.mouseDown) return;
  state.mouseDown = false;
  if (GetCapture() == hwnd) ReleaseCapture();
  if (Count(state) > 0) NotifyOwner(hwnd, state, LBN_SELCHANGE);
}

void OnWheel(HWND hwnd, ListBoxState& state, WPARAM wParam) {
  int delta = static_cast<SHORT>(HIWORD(wParam));
  SetTop(hwnd, state, state.top - delta * kWheelLines / WHEEL_DELTA);
}

// ---- Combo tracking ---------------------------------------------------------

bool InsideItems(HWND hwnd, const ListBoxState& state, POINT pt, int& index) {
  bool outside = false;
  index = ItemFromPoint(hwnd, state, pt, outside);
  return !outside;
}

void TrackTo(HWND hwnd, ListBoxState& state, int index) {
  if (index == state.cur) return;
  state.cur = state.caret = index;
  Redraw(hwnd);
  SendMessage(state.notify, LBCB_SELTRACK, static_cast<WPARAM>(index), 0);
}

LRESULT HandleComboTracking(HWND hwnd, ListBoxState& state, UINT msg, LPARAM lParam) {
  POINT pt = PointOf(lParam);
  int index = -1;
  bool inside = InsideItems(hwnd, state, pt, index);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (inside) TrackTo(hwnd, state, index);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (inside) {
        state.comboButtonDown = true;
        TrackTo(hwnd, state, index);
        return 0;
      }
      RECT client{};
      GetClientRect(hwnd, &client);
      if (PtInRect(&client, pt)) return 0;
      ClientToScreen(hwnd, &pt);
      SendMessage(state.notify, LBCB_CANCEL, 0, MAKELPARAM(pt.x, pt.y));
      return 0;
    }
    case WM_LBUTTONUP:
      if (inside) {
        state.comboButtonDown = false;
        SendMessage(state.notify, LBCB_ACCEPT, static_cast<WPARAM>(state.cur), 0);
        return 0;
      }
      state.comboButtonDown = false;
      return 0;
    default:
      return 0;
  }
}

bool IsMouseMessage(UINT msg) {
  return msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK;
}

}  // namespace

LRESULT HandleListInput(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (state.comboTracking && IsMouseMessage(msg)) return HandleComboTracking(hwnd, state, msg, lParam);
  switch (msg) {
    case WM_KEYDOWN:
      OnKeyDown(hwnd, state, wParam);
      return 0;
    case WM_CHAR:
      OnChar(hwnd, state, wParam);
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(hwnd, state, PointOf(lParam));
      return 0;
    case WM_MOUSEMOVE:
      if (state.mouseDown) OnDrag(hwnd, state, PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(hwnd, state);
      return 0;
    case WM_LBUTTONDBLCLK:
      NotifyOwner(hwnd, state, LBN_DBLCLK);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) state.mouseDown = state.comboButtonDown = false;
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(hwnd, state, wParam);
      return 0;
    case LBCB_STARTTRACK:
      state.comboTracking = true;
      state.comboButtonDown = wParam != 0;
      SetCapture(hwnd);
      return 0;
    case LBCB_ENDTRACK:
      state.comboTracking = state.comboButtonDown = false;
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win32::controls
