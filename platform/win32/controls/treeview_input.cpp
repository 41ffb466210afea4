// Tree-view keyboard and mouse: moving the selection, expanding and
// collapsing, type-ahead, check boxes and the click notifications.
#include <algorithm>
#include <cstdlib>

#include "controls/treeview.h"

namespace win32::controls {
namespace {

constexpr DWORD kSearchTimeout = 1000;

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

LRESULT NotifyCode(HWND hwnd, const TreeViewState& state, UINT code) {
  NMHDR header{};
  return SendNotify(hwnd, state, header, code);
}

TreeItem* VisibleAt(TreeViewState& state, int index) {
  const std::vector<TreeItem*>& visible = Visible(state);
  if (visible.empty()) return nullptr;
  index = std::clamp(index, 0, static_cast<int>(visible.size()) - 1);
  return visible[static_cast<size_t>(index)];
}

void SelectByKey(HWND hwnd, TreeViewState& state, TreeItem* item) {
  if (item) SelectItem(hwnd, state, item, TVC_BYKEYBOARD);
}

void MoveBy(HWND hwnd, TreeViewState& state, int delta) {
  int index = state.caret ? VisibleIndex(state, state.caret) : -1;
  if (index < 0) {
    SelectByKey(hwnd, state, VisibleAt(state, state.top));
    return;
  }
  SelectByKey(hwnd, state, VisibleAt(state, index + delta));
}

int PageRows(HWND hwnd, TreeViewState& state) { return std::max(1, RowsPerPage(hwnd, state) - 1); }

void OnLeft(HWND hwnd, TreeViewState& state) {
  TreeItem* item = state.caret;
  if (!item) return MoveBy(hwnd, state, 0);
  if ((item->state & TVIS_EXPANDED) && HasButton(hwnd, state, *item)) {
    Expand(hwnd, state, *item, TVE_COLLAPSE, true);
  } else {
    SelectByKey(hwnd, state, item->parent);
  }
}

void OnRight(HWND hwnd, TreeViewState& state) {
  TreeItem* item = state.caret;
  if (!item) return MoveBy(hwnd, state, 0);
  if (!(item->state & TVIS_EXPANDED)) {
    if (HasButton(hwnd, state, *item)) Expand(hwnd, state, *item, TVE_EXPAND, true);
  } else if (!item->children.empty()) {
    SelectByKey(hwnd, state, item->children.front());
  }
}

// Ctrl with the movement keys scrolls and leaves the selection.
bool ScrollKey(HWND hwnd, TreeViewState& state, UINT vk) {
  switch (vk) {
    case VK_UP:
      SendMessage(hwnd, WM_VSCROLL, SB_LINEUP, 0);
      return true;
    case VK_DOWN:
      SendMessage(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
      return true;
    case VK_PRIOR:
      SendMessage(hwnd, WM_VSCROLL, SB_PAGEUP, 0);
      return true;
    case VK_NEXT:
      SendMessage(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
      return true;
    case VK_HOME:
      SetTop(hwnd, state, 0);
      return true;
    case VK_END:
      SetTop(hwnd, state, static_cast<int>(Visible(state).size()));
      return true;
    default:
      return false;
  }
}

void ExpandCaret(HWND hwnd, TreeViewState& state, UINT code) {
  if (state.caret) Expand(hwnd, state, *state.caret, code, true);
}

void OnKeyDown(HWND hwnd, TreeViewState& state, UINT vk) {
  NMTVKEYDOWN nm{};
  nm.wVKey = static_cast<WORD>(vk);
  state.skipChar = SendNotify(hwnd, state, nm.hdr, TVN_KEYDOWN) != 0;
  if ((GetKeyState(VK_CONTROL) & 0x8000) && ScrollKey(hwnd, state, vk)) return;
  switch (vk) {
    case VK_UP:
      return MoveBy(hwnd, state, -1);
    case VK_DOWN:
      return MoveBy(hwnd, state, 1);
    case VK_PRIOR:
      return MoveBy(hwnd, state, -PageRows(hwnd, state));
    case VK_NEXT:
      return MoveBy(hwnd, state, PageRows(hwnd, state));
    case VK_HOME:
      return SelectByKey(hwnd, state, VisibleAt(state, 0));
    case VK_END:
      return SelectByKey(hwnd, state, VisibleAt(state, static_cast<int>(Visible(state).size()) - 1));
    case VK_LEFT:
      return OnLeft(hwnd, state);
    case VK_RIGHT:
      return OnRight(hwnd, state);
    case VK_BACK:
      if (state.caret) SelectByKey(hwnd, state, state.caret->parent);
      return;
    case VK_ADD:
      return ExpandCaret(hwnd, state, TVE_EXPAND);
    case VK_SUBTRACT:
      return ExpandCaret(hwnd, state, TVE_COLLAPSE);
    case VK_MULTIPLY:
      if (state.caret) ExpandAll(hwnd, state, *state.caret);
      return;
    case VK_RETURN:
      NotifyCode(hwnd, state, NM_RETURN);
      return;
    case VK_F2:
      if (state.caret && (StyleOf(hwnd) & TVS_EDITLABELS)) BeginEdit(hwnd, state, state.caret);
      return;
    case VK_SPACE:
      if (state.caret && (StyleOf(hwnd) & TVS_CHECKBOXES)) ToggleCheck(hwnd, state, *state.caret);
      return;
    default:
      return;
  }
}

bool IsRepeatOfOneChar(const std::string& text) {
  return text.size() > 1 && std::all_of(text.begin(), text.end(), [&](char c) { return c == text.front(); });
}

// Type-ahead: the next visible item whose text starts with what was typed
// lately; one letter typed again moves on to the next item with it.
void OnChar(HWND hwnd, TreeViewState& state, char ch) {
  if (state.skipChar || static_cast<unsigned char>(ch) < ' ') return;
  if (ch == ' ' && (StyleOf(hwnd) & TVS_CHECKBOXES)) return;
  DWORD now = GetTickCount();
  if (now - state.searchTime > kSearchTimeout) state.search.clear();
  state.searchTime = now;
  state.search += ch;
  bool cycle = state.search.size() == 1 || IsRepeatOfOneChar(state.search);
  std::string prefix = cycle ? state.search.substr(0, 1) : state.search;
  const std::vector<TreeItem*> visible = Visible(state);
  int count = static_cast<int>(visible.size());
  if (count == 0) return;
  int start = state.caret ? std::max(VisibleIndex(state, state.caret), 0) : 0;
  for (int step = cycle ? 1 : 0; step <= count; ++step) {
    TreeItem* candidate = visible[static_cast<size_t>((start + step) % count)];
    if (StartsWithNoCase(ItemText(hwnd, state, *candidate), prefix)) {
      if (FindItem(state, candidate->handle)) SelectByKey(hwnd, state, candidate);
      return;
    }
  }
}

void CancelEditTimer(HWND hwnd, TreeViewState& state) {
  if (!state.editPending) return;
  KillTimer(hwnd, kTreeEditTimer);
  state.editPending = nullptr;
}

void OnLeftDown(HWND hwnd, TreeViewState& state, POINT pt) {
  CancelEditTimer(hwnd, state);
  if (GetFocus() != hwnd) SetFocus(hwnd);
  UINT flags = 0;
  TreeItem* item = HitTest(hwnd, state, pt, flags);
  if (item && (flags & TVHT_ONITEMBUTTON)) {
    Expand(hwnd, state, *item, TVE_TOGGLE, true);
    return;
  }
  state.leftDown = true;
  state.pressed = item;
  state.pressedFlags = flags;
  state.pressPoint = pt;
  state.pressedWasSelected = item && item == state.caret;
  SetCapture(hwnd);
}

void BeginDrag(HWND hwnd, TreeViewState& state, POINT pt) {
  state.leftDown = false;
  if (GetCapture() == hwnd) ReleaseCapture();
  NMTREEVIEW nm{};
  nm.action = TVC_BYMOUSE;
  nm.itemNew = DescribeItem(state.pressed);
  nm.ptDrag = pt;
  state.pressed = nullptr;
  SendNotify(hwnd, state, nm.hdr, TVN_BEGINDRAG);
}

void OnMouseMove(HWND hwnd, TreeViewState& state, POINT pt) {
  if (!state.leftDown || !state.pressed || (StyleOf(hwnd) & TVS_DISABLEDRAGDROP)) return;
  if (!(state.pressedFlags & TVHT_ONITEM)) return;
  if (std::abs(pt.x - state.pressPoint.x) > GetSystemMetrics(SM_CXDRAG) ||
      std::abs(pt.y - state.pressPoint.y) > GetSystemMetrics(SM_CYDRAG)) {
    BeginDrag(hwnd, state, pt);
  }
}

// The click ends on release: NM_CLICK first (the parent still sees the old
// selection), then the selection moves unless the parent handled it.
void OnLeftUp(HWND hwnd, TreeViewState& state) {
  if (!state.leftDown) return;
  state.leftDown = false;
  if (GetCapture() == hwnd) ReleaseCapture();
  HTREEITEM handle = state.pressed ? state.pressed->handle : nullptr;
  UINT flags = state.pressedFlags;
  bool wasSelected = state.pressedWasSelected;
  state.pressed = nullptr;
  if (NotifyCode(hwnd, state, NM_CLICK)) return;
  TreeItem* item = FindItem(state, handle);
  if (!item) return;
  if ((flags & TVHT_ONITEMSTATEICON) && (StyleOf(hwnd) & TVS_CHECKBOXES)) {
    ToggleCheck(hwnd, state, *item);
  } else if (flags & TVHT_ONITEM) {
    if (wasSelected && (flags & TVHT_ONITEMLABEL) && (StyleOf(hwnd) & TVS_EDITLABELS)) {
      state.editPending = handle;
      SetTimer(hwnd, kTreeEditTimer, GetDoubleClickTime(), nullptr);
    } else {
      SelectItem(hwnd, state, item, TVC_BYMOUSE);
    }
  }
}

void OnDoubleClick(HWND hwnd, TreeViewState& state, POINT pt) {
  CancelEditTimer(hwnd, state);
  state.leftDown = false;
  UINT flags = 0;
  TreeItem* item = HitTest(hwnd, state, pt, flags);
  if (item && (flags & TVHT_ONITEMBUTTON)) {
    Expand(hwnd, state, *item, TVE_TOGGLE, true);
    return;
  }
  HTREEITEM handle = item ? item->handle : nullptr;
  if (NotifyCode(hwnd, state, NM_DBLCLK)) return;
  if ((item = FindItem(state, handle)) && (flags & TVHT_ONITEM)) Expand(hwnd, state, *item, TVE_TOGGLE, true);
}

void OnEditTimer(HWND hwnd, TreeViewState& state) {
  HTREEITEM handle = state.editPending;
  CancelEditTimer(hwnd, state);
  TreeItem* item = FindItem(state, handle);
  if (item && item == state.caret) BeginEdit(hwnd, state, item);
}

}  // namespace

void ToggleCheck(HWND hwnd, TreeViewState& state, TreeItem& item) {
  UINT image = STATEIMAGEMASKTOINDEX(item.state);
  UINT next = image == 2 ? 1 : 2;
  item.state = (item.state & ~static_cast<UINT>(TVIS_STATEIMAGEMASK)) | INDEXTOSTATEIMAGEMASK(next);
  RedrawItem(hwnd, state, &item);
}

LRESULT HandleTreeInput(HWND hwnd, TreeViewState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
      OnKeyDown(hwnd, state, static_cast<UINT>(wParam));
      return 0;
    case WM_CHAR:
      OnChar(hwnd, state, static_cast<char>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      OnLeftDown(hwnd, state, PointOf(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(hwnd, state, PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnLeftUp(hwnd, state);
      return 0;
    case WM_LBUTTONDBLCLK:
      OnDoubleClick(hwnd, state, PointOf(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) state.leftDown = false;
      return 0;
    case WM_RBUTTONDOWN:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      state.rightDown = true;
      return 0;
    case WM_RBUTTONUP:
      if (!state.rightDown) return 0;
      state.rightDown = false;
      // Unhandled, the right click becomes a context-menu request.
      if (NotifyCode(hwnd, state, NM_RCLICK)) return 0;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_TIMER:
      if (wParam == kTreeEditTimer) OnEditTimer(hwnd, state);
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == state.edit && state.edit && HIWORD(wParam) == EN_KILLFOCUS) {
        EndEdit(hwnd, state, false);
      }
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win32::controls
