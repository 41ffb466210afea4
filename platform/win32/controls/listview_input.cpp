// List view input: selection with the mouse and the keyboard, dragging and
// the click notifications.
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "controls/listview.h"

namespace win32::controls {
namespace {

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool KeyDown(int vk) { return GetKeyState(vk) < 0; }

LVHITTESTINFO HitAt(HWND hwnd, const ListViewState& state, POINT pt) {
  LVHITTESTINFO info{};
  info.pt = pt;
  HitTest(hwnd, state, info, false);
  // The column the click was in, for the notifications.
  LVHITTESTINFO cell{};
  cell.pt = pt;
  HitTest(hwnd, state, cell, true);
  info.iSubItem = cell.iItem == info.iItem ? cell.iSubItem : 0;
  return info;
}

bool IsSelected(const ListViewState& state, int index) {
  return ValidItem(state, index) && (state.items[static_cast<size_t>(index)].state & LVIS_SELECTED);
}

// A click on an item with Ctrl (toggle), Shift (range) or neither (the item
// alone; on one of several selected items that waits for the release, so
// they can be dragged together).
void ClickSelect(HWND hwnd, ListViewState& state, int item, WPARAM keys, bool deferOnSelected) {
  bool multiple = !IsSingleSelect(hwnd);
  if (multiple && (keys & MK_SHIFT)) {
    SelectRange(hwnd, state, item);
  } else if (multiple && (keys & MK_CONTROL)) {
    UINT selected = IsSelected(state, item) ? 0 : LVIS_SELECTED;
    ChangeItemState(hwnd, state, item, selected | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    state.mark = item;
  } else if (deferOnSelected && IsSelected(state, item) && SelectedCount(state) > 1) {
    ChangeItemState(hwnd, state, item, LVIS_FOCUSED, LVIS_FOCUSED);
    state.selectOnRelease = true;
  } else {
    SelectOnly(hwnd, state, item);
  }
}

// A second click on the label of the focused, selected item of a focused
// list edits the label.
bool ClickEditsLabel(HWND hwnd, const ListViewState& state, const LVHITTESTINFO& hit, WPARAM keys) {
  if (!(StyleOf(hwnd) & LVS_EDITLABELS) || !state.focused || hit.iItem < 0 || !(hit.flags & LVHT_ONITEMLABEL) ||
      (keys & (MK_CONTROL | MK_SHIFT)))
    return false;
  UINT itemState = state.items[static_cast<size_t>(hit.iItem)].state;
  return (itemState & (LVIS_SELECTED | LVIS_FOCUSED)) == (LVIS_SELECTED | LVIS_FOCUSED);
}

void OnButtonDown(HWND hwnd, ListViewState& state, WPARAM keys, POINT pt, bool doubleClick) {
  LVHITTESTINFO hit = HitAt(hwnd, state, pt);
  state.editOnRelease = !doubleClick && ClickEditsLabel(hwnd, state, hit, keys);
  if (GetFocus() != hwnd) SetFocus(hwnd);
  state.selectOnRelease = false;
  if (hit.iItem >= 0) {
    ClickSelect(hwnd, state, hit.iItem, keys, !doubleClick);
    EnsureVisible(hwnd, state, hit.iItem);
  } else if (!(keys & (MK_CONTROL | MK_SHIFT))) {
    SelectOnly(hwnd, state, -1);
  }
  if (doubleClick) {
    NotifyActivate(hwnd, state, NM_DBLCLK, hit.iItem, hit.iSubItem, pt);
    if (hit.iItem >= 0) NotifyActivate(hwnd, state, LVN_ITEMACTIVATE, hit.iItem, hit.iSubItem, pt);
    return;
  }
  state.tracking = true;
  state.pressedItem = hit.iItem;
  state.pressedSubItem = hit.iSubItem;
  state.pressPoint = pt;
  SetCapture(hwnd);
}

void StopTracking(HWND hwnd, ListViewState& state) {
  state.tracking = false;
  if (GetCapture() == hwnd) ReleaseCapture();
}

// Moving far enough with the button down on an item starts a drag, which the
// parent carries out; no click follows.
void OnMouseMove(HWND hwnd, ListViewState& state, POINT pt) {
  if (!state.tracking || state.pressedItem < 0) return;
  if (std::abs(pt.x - state.pressPoint.x) <= GetSystemMetrics(SM_CXDRAG) &&
      std::abs(pt.y - state.pressPoint.y) <= GetSystemMetrics(SM_CYDRAG))
    return;
  int item = state.pressedItem;
  state.selectOnRelease = false;
  state.editOnRelease = false;
  StopTracking(hwnd, state);
  NotifyItem(hwnd, state, LVN_BEGINDRAG, item, 0, 0, 0, 0, state.pressPoint);
}

void OnButtonUp(HWND hwnd, ListViewState& state) {
  if (!state.tracking) return;
  StopTracking(hwnd, state);
  if (state.selectOnRelease && ValidItem(state, state.pressedItem)) SelectOnly(hwnd, state, state.pressedItem);
  state.selectOnRelease = false;
  if (state.editOnRelease) ScheduleLabelEdit(hwnd);
  state.editOnRelease = false;
  NotifyActivate(hwnd, state, NM_CLICK, state.pressedItem, state.pressedSubItem, state.pressPoint);
}

void OnRightButtonDown(HWND hwnd, ListViewState& state, POINT pt) {
  if (GetFocus() != hwnd) SetFocus(hwnd);
  LVHITTESTINFO hit = HitAt(hwnd, state, pt);
  if (hit.iItem >= 0 && !IsSelected(state, hit.iItem)) {
    SelectOnly(hwnd, state, hit.iItem);
  } else if (hit.iItem >= 0) {
    ChangeItemState(hwnd, state, hit.iItem, LVIS_FOCUSED, LVIS_FOCUSED);
  } else {
    SelectOnly(hwnd, state, -1);
  }
  state.pressedItem = hit.iItem;
  state.pressedSubItem = hit.iSubItem;
  state.pressPoint = pt;
}

// NM_RCLICK first; a parent that answers nonzero has handled it and gets no
// WM_CONTEXTMENU.
void OnRightButtonUp(HWND hwnd, ListViewState& state, POINT pt) {
  if (NotifyActivate(hwnd, state, NM_RCLICK, state.pressedItem, state.pressedSubItem, state.pressPoint)) return;
  POINT screen = pt;
  ClientToScreen(hwnd, &screen);
  SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(screen.x, screen.y));
}

// The item a navigation key moves the focus to, or -1 for other keys.
int NavigationTarget(HWND hwnd, const ListViewState& state, UINT vk) {
  int count = ItemCount(state);
  if (count == 0) return -1;
  int focus = FocusedItem(state);
  int page = std::max(1, CountPerPage(hwnd, state));
  int bottom = std::min(count - 1, state.top + page - 1);
  int target = 0;
  switch (vk) {
    case VK_UP:
      target = focus < 0 ? 0 : focus - 1;
      break;
    case VK_DOWN:
      target = focus < 0 ? 0 : focus + 1;
      break;
    case VK_HOME:
      target = 0;
      break;
    case VK_END:
      target = count - 1;
      break;
    case VK_PRIOR:
      target = focus != state.top ? state.top : focus - (page - 1);
      break;
    case VK_NEXT:
      target = focus != bottom ? bottom : focus + (page - 1);
      break;
    default:
      return -1;
  }
  return std::clamp(target, 0, count - 1);
}

void Navigate(HWND hwnd, ListViewState& state, int target) {
  bool multiple = !IsSingleSelect(hwnd);
  if (multiple && KeyDown(VK_SHIFT)) {
    SelectRange(hwnd, state, target);
  } else if (multiple && KeyDown(VK_CONTROL)) {
    ChangeItemState(hwnd, state, target, LVIS_FOCUSED, LVIS_FOCUSED);
  } else {
    SelectOnly(hwnd, state, target);
  }
  EnsureVisible(hwnd, state, target);
}

void OnSpace(HWND hwnd, ListViewState& state) {
  int focus = FocusedItem(state);
  if (focus < 0) return;
  if (!IsSingleSelect(hwnd) && KeyDown(VK_CONTROL)) {
    ChangeItemState(hwnd, state, focus, IsSelected(state, focus) ? 0 : LVIS_SELECTED, LVIS_SELECTED);
  } else {
    ChangeItemState(hwnd, state, focus, LVIS_SELECTED, LVIS_SELECTED);
  }
  state.mark = focus;
}

void OnKeyDown(HWND hwnd, ListViewState& state, WPARAM vk) {
  NMLVKEYDOWN nm{};
  nm.hdr = NMHDR{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), LVN_KEYDOWN};
  nm.wVKey = static_cast<WORD>(vk);
  SendNotify(state, nm.hdr);
  if (!IsWindow(hwnd)) return;
  if (int target = NavigationTarget(hwnd, state, static_cast<UINT>(vk)); target >= 0) {
    Navigate(hwnd, state, target);
  } else if (vk == VK_SPACE) {
    OnSpace(hwnd, state);
  } else if (vk == 'A' && KeyDown(VK_CONTROL) && !IsSingleSelect(hwnd)) {
    SelectAll(hwnd, state, true);
  } else if (vk == VK_F2 && (StyleOf(hwnd) & LVS_EDITLABELS)) {
    BeginLabelEdit(hwnd, state, FocusedItem(state));
  } else if (vk == VK_RETURN) {
    NotifySimple(hwnd, state, NM_RETURN);
  }
}

// A typed letter moves to the next item whose label starts with it.
void OnChar(HWND hwnd, ListViewState& state, WPARAM ch) {
  if (ch < 0x20 || ch == ' ' || KeyDown(VK_CONTROL)) return;
  int count = ItemCount(state);
  int start = FocusedItem(state);
  std::string prefix(1, static_cast<char>(ch));
  for (int n = 1; n <= count; ++n) {
    int index = (start + n + count) % count;
    if (StartsWithNoCase(CellText(hwnd, state, index, 0), prefix)) {
      SelectOnly(hwnd, state, index);
      EnsureVisible(hwnd, state, index);
      return;
    }
  }
}

}  // namespace

LRESULT HandleListViewInput(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      OnButtonDown(hwnd, state, wParam, PointOf(lParam), false);
      return 0;
    case WM_LBUTTONDBLCLK:
      OnButtonDown(hwnd, state, wParam, PointOf(lParam), true);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(hwnd, state, PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(hwnd, state);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) state.tracking = false;
      return 0;
    case WM_RBUTTONDOWN:
      OnRightButtonDown(hwnd, state, PointOf(lParam));
      return 0;
    case WM_RBUTTONUP:
      OnRightButtonUp(hwnd, state, PointOf(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      return OnMouseWheel(hwnd, state, wParam);
    case WM_KEYDOWN:
      OnKeyDown(hwnd, state, wParam);
      return 0;
    case WM_CHAR:
      OnChar(hwnd, state, wParam);
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win32::controls
