// The "ListBox" and "ComboLBox" window classes: message dispatch.
#include <algorithm>

#include "controls/listbox.h"
#include "internal/core_classes.h"
#include "internal/ctl_listbox.h"
#include "internal/ctl_scroll.h"

namespace win32::controls {

DWORD ListStyle(HWND hwnd) { return StyleOf(hwnd); }

bool IsMultiple(HWND hwnd) { return (ListStyle(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

bool IsOwnerDraw(HWND hwnd) { return (ListStyle(hwnd) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }

bool HasStrings(HWND hwnd) { return !IsOwnerDraw(hwnd) || (ListStyle(hwnd) & LBS_HASSTRINGS); }

void NotifyOwner(HWND hwnd, const ListBoxState& state, UINT code) {
  if (ListStyle(hwnd) & LBS_NOTIFY) NotifyParent(hwnd, code, state.notify);
}

namespace {

int Count(const ListBoxState& state) { return static_cast<int>(state.items.size()); }

void Refresh(HWND hwnd, ListBoxState& state) {
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

bool IsComboListClass(HWND hwnd) {
  char name[32] = {};
  GetClassName(hwnd, name, sizeof(name));
  return CompareNoCase(name, win32::internal::kComboListClass) == 0;
}

LRESULT OnCreate(HWND hwnd, ListBoxState& state, const CREATESTRUCT& cs) {
  state.notify = cs.hwndParent;
  state.comboList = IsComboListClass(hwnd) || (cs.style & LBS_COMBOBOX);
  // A drop-down list is a popup whose parent is the combo's top-level
  // window; the combo names itself in the creation parameter.
  if (state.comboList && !(cs.style & WS_CHILD) && cs.lpCreateParams)
    state.notify = static_cast<HWND>(cs.lpCreateParams);
  state.hasVScroll = (cs.style & WS_VSCROLL) != 0;
  state.hasHScroll = (cs.style & WS_HSCROLL) != 0;
  MeasureDefaultHeight(hwnd, state);
  FitIntegralHeight(hwnd, state);
  UpdateScrollBars(hwnd, state);
  return 0;
}

void OnSetFont(HWND hwnd, ListBoxState& state, WPARAM font, LPARAM redraw) {
  state.font = reinterpret_cast<HFONT>(font);
  if (!IsOwnerDraw(hwnd)) {
    MeasureDefaultHeight(hwnd, state);
    FitIntegralHeight(hwnd, state);
  }
  UpdateScrollBars(hwnd, state);
  if (LOWORD(redraw)) Redraw(hwnd);
}

void OnFocus(HWND hwnd, ListBoxState& state, bool focused) {
  state.focused = focused;
  if (focused && state.caret < 0 && Count(state) > 0) state.caret = state.cur >= 0 ? state.cur : 0;
  Redraw(hwnd);
  NotifyOwner(hwnd, state, focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

LRESULT SetCurSel(HWND hwnd, ListBoxState& state, int index) {
  if (IsMultiple(hwnd)) return LB_ERR;
  SelectOnly(hwnd, state, index);
  Redraw(hwnd);
  if (!Valid(state, index)) return LB_ERR;
  state.caret = index;
  EnsureVisible(hwnd, state, index);
  return index;
}

LRESULT GetCurSel(HWND hwnd, const ListBoxState& state) {
  int index = IsMultiple(hwnd) ? state.caret : state.cur;
  return Valid(state, index) ? index : LB_ERR;
}

LRESULT SetSel(HWND hwnd, ListBoxState& state, bool select, int index) {
  if (!IsMultiple(hwnd)) return LB_ERR;
  if (index == -1) {
    SelectRange(state, 0, Count(state) - 1, select);
  } else if (Valid(state, index)) {
    SetItemSelected(state, index, select);
  } else {
    return LB_ERR;
  }
  Redraw(hwnd);
  return 0;
}

LRESULT GetSelItems(HWND hwnd, const ListBoxState& state, int max, LPARAM buffer) {
  if (!IsMultiple(hwnd) || !buffer) return LB_ERR;
  auto* out = reinterpret_cast<int*>(buffer);
  int copied = 0;
  for (int i = 0; i < Count(state) && copied < max; ++i) {
    if (state.items[static_cast<size_t>(i)].selected) out[copied++] = i;
  }
  return copied;
}

LRESULT SelItemRange(HWND hwnd, ListBoxState& state, bool select, int first, int last) {
  if (!IsMultiple(hwnd)) return LB_ERR;
  SelectRange(state, first, last, select);
  Redraw(hwnd);
  return 0;
}

LRESULT SelectString(HWND hwnd, ListBoxState& state, int start, LPARAM text) {
  LRESULT found = FindItem(hwnd, state, start, text, false);
  if (found == LB_ERR) return LB_ERR;
  int index = static_cast<int>(found);
  if (!IsMultiple(hwnd)) state.cur = index;
  state.caret = index;
  EnsureVisible(hwnd, state, index);
  Redraw(hwnd);
  return index;
}

LRESULT SetItemData(ListBoxState& state, int index, LPARAM data) {
  if (!Valid(state, index)) return LB_ERR;
  state.items[static_cast<size_t>(index)].data = static_cast<ULONG_PTR>(data);
  return TRUE;
}

LRESULT GetItemData(const ListBoxState& state, int index) {
  if (!Valid(state, index)) return LB_ERR;
  return static_cast<LRESULT>(state.items[static_cast<size_t>(index)].data);
}

LRESULT SetTopIndex(HWND hwnd, ListBoxState& state, int index) {
  if (!Valid(state, index) && !(index == 0 && state.items.empty())) return LB_ERR;
  SetTop(hwnd, state, index);
  return 0;
}

LRESULT GetItemRect(HWND hwnd, const ListBoxState& state, int index, LPARAM out) {
  if (!Valid(state, index) || !out) return LB_ERR;
  *reinterpret_cast<RECT*>(out) = ItemRect(hwnd, state, index);
  return 1;
}

LRESULT ItemFromPointMessage(HWND hwnd, const ListBoxState& state, LPARAM lParam) {
  bool outside = false;
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  int index = ItemFromPoint(hwnd, state, pt, outside);
  return MAKELRESULT(index, outside ? 1 : 0);
}

constexpr int kMaxItemHeight = 255;

LRESULT SetItemHeight(HWND hwnd, ListBoxState& state, int index, int height) {
  if (height <= 0 || height > kMaxItemHeight) return LB_ERR;
  if (ListStyle(hwnd) & LBS_OWNERDRAWVARIABLE) {
    if (!Valid(state, index)) return LB_ERR;
    state.items[static_cast<size_t>(index)].height = height;
  } else {
    state.itemHeight = height;
  }
  Refresh(hwnd, state);
  return 0;
}

LRESULT GetItemHeight(HWND hwnd, const ListBoxState& state, int index) {
  if ((ListStyle(hwnd) & LBS_OWNERDRAWVARIABLE) && Valid(state, index)) return ItemHeightAt(state, index);
  return state.itemHeight;
}

LRESULT SetCaretIndex(HWND hwnd, ListBoxState& state, int index) {
  if (!Valid(state, index)) return LB_ERR;
  state.caret = index;
  EnsureVisible(hwnd, state, index);
  Redraw(hwnd);
  return 0;
}

LRESULT SetAnchorIndex(ListBoxState& state, int index) {
  if (!Valid(state, index)) return LB_ERR;
  state.anchor = index;
  return 0;
}

// Tab stops come in dialog units of the list's font.
LRESULT SetTabStops(ListBoxState& state, int count, LPARAM stops) {
  state.tabStops.clear();
  SIZE units = win32::gdi::GetDialogBaseUnits(PaintFont(state.font));
  const auto* dialogUnits = reinterpret_cast<const int*>(stops);
  for (int i = 0; dialogUnits && i < count; ++i) state.tabStops.push_back(dialogUnits[i] * units.cx / 4);
  return TRUE;
}

LRESULT SetHorizontalExtent(HWND hwnd, ListBoxState& state, int extent) {
  state.horizontalExtent = std::max(extent, 0);
  Refresh(hwnd, state);
  return 0;
}

// Selection and item messages.
LRESULT HandleListMessage(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (msg) {
    case LB_ADDSTRING:
      return AddItem(hwnd, state, lParam);
    case LB_INSERTSTRING:
      return InsertItem(hwnd, state, index, lParam);
    case LB_DELETESTRING:
      return DeleteItem(hwnd, state, index);
    case LB_RESETCONTENT:
      ResetContent(hwnd, state);
      return LB_OKAY;
    case LB_GETCOUNT:
      return Count(state);
    case LB_GETTEXT:
      return GetItemText(hwnd, state, index, lParam);
    case LB_GETTEXTLEN:
      return GetItemTextLength(hwnd, state, index);
    case LB_SETCURSEL:
      return SetCurSel(hwnd, state, index);
    case LB_GETCURSEL:
      return GetCurSel(hwnd, state);
    case LB_SETSEL:
      return SetSel(hwnd, state, wParam != 0, static_cast<int>(lParam));
    case LB_GETSEL:
      return Valid(state, index) ? (IsSelected(hwnd, state, index) ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT:
      return IsMultiple(hwnd) ? SelectedCount(state) : LB_ERR;
    case LB_GETSELITEMS:
      return GetSelItems(hwnd, state, index, lParam);
    case LB_SELITEMRANGE:
      return SelItemRange(hwnd, state, wParam != 0, LOWORD(lParam), HIWORD(lParam));
    case LB_SELITEMRANGEEX: {
      int last = static_cast<int>(lParam);
      return SelItemRange(hwnd, state, index <= last, index, last);
    }
    case LB_FINDSTRING:
      return FindItem(hwnd, state, index, lParam, false);
    case LB_FINDSTRINGEXACT:
      return FindItem(hwnd, state, index, lParam, true);
    case LB_SELECTSTRING:
      return SelectString(hwnd, state, index, lParam);
    case LB_SETITEMDATA:
      return SetItemData(state, index, lParam);
    case LB_GETITEMDATA:
      return GetItemData(state, index);
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

// Geometry, caret and anchor messages.
LRESULT HandleViewMessage(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (msg) {
    case LB_SETTOPINDEX:
      return SetTopIndex(hwnd, state, index);
    case LB_GETTOPINDEX:
      return state.top;
    case LB_GETITEMRECT:
      return GetItemRect(hwnd, state, index, lParam);
    case LB_ITEMFROMPOINT:
      return ItemFromPointMessage(hwnd, state, lParam);
    case LB_SETITEMHEIGHT:
      return SetItemHeight(hwnd, state, index, LOWORD(lParam));
    case LB_GETITEMHEIGHT:
      return GetItemHeight(hwnd, state, index);
    case LB_SETHORIZONTALEXTENT:
      return SetHorizontalExtent(hwnd, state, index);
    case LB_GETHORIZONTALEXTENT:
      return state.horizontalExtent;
    case LB_SETCARETINDEX:
      return SetCaretIndex(hwnd, state, index);
    case LB_GETCARETINDEX:
      return std::max(state.caret, 0);
    case LB_GETANCHORINDEX:
      return state.anchor;
    case LB_SETANCHORINDEX:
      return SetAnchorIndex(state, index);
    case LB_SETTABSTOPS:
      return SetTabStops(state, index, lParam);
    case LB_INITSTORAGE:
      // Blocks take items as they come; the answer is what Win32 gives.
      state.reserved = std::max(state.reserved, state.items.size() + wParam);
      return static_cast<LRESULT>(state.reserved);
    case LB_SETCOUNT:
    case LB_DIR:
    case LB_ADDFILE:
      return LB_ERR;
    case LB_SETCOLUMNWIDTH:
    case LB_SETLOCALE:
    case LB_GETLOCALE:
      return 0;
    default:
      return HandleListMessage(hwnd, state, msg, wParam, lParam);
  }
}

// The list's own scroll bars live in its non-client area.
bool HandleOwnScrollBars(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (win32::internal::ScrollBarTrackMessage(hwnd, msg, wParam, lParam)) {
    result = 0;
    return true;
  }
  POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (msg == WM_NCHITTEST) {
    result = win32::internal::ScrollBarNcHitTest(hwnd, screen);
    return result != HTNOWHERE;
  }
  if (msg == WM_NCLBUTTONDOWN && (wParam == HTVSCROLL || wParam == HTHSCROLL)) {
    win32::internal::ScrollBarNcLButtonDown(hwnd, wParam, screen);
    result = 0;
    return true;
  }
  return false;
}

LRESULT HandleListBox(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT scrollResult = 0;
  if (HandleOwnScrollBars(hwnd, msg, wParam, lParam, scrollResult)) return scrollResult;
  switch (msg) {
    case WM_CREATE:
      return OnCreate(hwnd, state, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_DESTROY:
      SendDeleteAll(hwnd, state);
      return 0;
    case WM_MOUSEACTIVATE:
      // Clicking a drop-down list must leave the focus in its combo box.
      if (state.comboList && !(GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD)) return MA_NOACTIVATE;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_NCPAINT: {
      // The bars are painted here as well as by the window manager, so the
      // list shows them whichever paints last.
      LRESULT result = DefWindowProc(hwnd, msg, wParam, lParam);
      if (HDC dc = GetWindowDC(hwnd)) {
        win32::internal::PaintScrollBars(hwnd, dc);
        ReleaseDC(hwnd, dc);
      }
      return result;
    }
    case WM_NCDESTROY:
      win32::internal::ScrollBarWindowDestroyed(hwnd);
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintListBox(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      state.top = std::clamp(state.top, 0, MaxTop(hwnd, state));
      Refresh(hwnd, state);
      return 0;
    case WM_SETFONT:
      OnSetFont(hwnd, state, wParam, lParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case WM_SETFOCUS:
      OnFocus(hwnd, state, true);
      return 0;
    case WM_KILLFOCUS:
      OnFocus(hwnd, state, false);
      return 0;
    case WM_ENABLE:
      Redraw(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (lParam == 0) OnScroll(hwnd, state, msg, wParam);
      return 0;
    default:
      break;
  }
  if (msg >= LB_ADDSTRING && msg <= LB_ITEMFROMPOINT) return HandleViewMessage(hwnd, state, msg, wParam, lParam);
  return HandleListInput(hwnd, state, msg, wParam, lParam);
}

using ListBoxClass = ControlClass<ListBoxState, HandleListBox>;

void InitListBoxClasses() {
  ListBoxClass::Table().Clear();
  RegisterControlClass("ListBox", ListBoxClass::WndProc, CS_DBLCLKS);
  RegisterControlClass(win32::internal::kComboListClass, ListBoxClass::WndProc, CS_DBLCLKS | CS_SAVEBITS);
}

const SystemClassRegistration<InitListBoxClasses> kListBoxRegistration;

}  // namespace
}  // namespace win32::controls
