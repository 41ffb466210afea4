// The "SysTabControl32" window procedure: TCM_* messages, selection with
// its notifications, mouse and keyboard, and registration.
#include <algorithm>
#include <cstring>

#include "controls/tab.h"

namespace win32::controls {
namespace {

constexpr char kTabClassName[] = WC_TABCONTROL;

int Count(const TabState& state) { return static_cast<int>(state.items.size()); }

bool Valid(const TabState& state, int index) { return index >= 0 && index < Count(state); }

void Relayout(HWND hwnd, TabState& state) {
  LayoutTabs(hwnd, state);
  ShowSelectedTab(hwnd, state);
  Redraw(hwnd);
}

LRESULT Notify(HWND hwnd, const TabState& state, NMHDR& header, UINT code) {
  header.hwndFrom = hwnd;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  header.code = code;
  if (!state.notify || !IsWindow(state.notify)) return 0;
  return SendMessage(state.notify, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// A selection by the user: TCN_SELCHANGING (a non-zero answer keeps the
// old tab), then TCN_SELCHANGE. Answers whether the selection moved.
bool ChangeSelection(HWND hwnd, TabState& state, int index) {
  if (!Valid(state, index) || index == state.cur) return false;
  NMHDR changing{};
  if (Notify(hwnd, state, changing, TCN_SELCHANGING)) return false;
  if (!Valid(state, index)) return false;
  state.cur = state.focus = index;
  Relayout(hwnd, state);
  NMHDR changed{};
  Notify(hwnd, state, changed, TCN_SELCHANGE);
  return true;
}

void ApplyFields(TabItem& item, const TCITEM& in) {
  if (in.mask & TCIF_TEXT) item.text = in.pszText && in.pszText != LPSTR_TEXTCALLBACK ? in.pszText : "";
  if (in.mask & TCIF_IMAGE) item.image = in.iImage;
  if (in.mask & TCIF_PARAM) item.param = in.lParam;
  if (in.mask & TCIF_STATE) item.state = (item.state & ~in.dwStateMask) | (in.dwState & in.dwStateMask);
}

LRESULT InsertItem(HWND hwnd, TabState& state, int index, const TCITEM* in) {
  if (!in || index < 0) return -1;
  index = std::min(index, Count(state));
  TabItem item;
  ApplyFields(item, *in);
  state.items.insert(state.items.begin() + index, item);
  if (state.cur >= index) ++state.cur;
  if (state.focus >= index) ++state.focus;
  // The first tab of an empty control becomes the selected one.
  if (Count(state) == 1) state.cur = state.focus = 0;
  Relayout(hwnd, state);
  return index;
}

// The selection and the focus after item `index` went away.
int AfterDelete(int position, int index) {
  if (position == index) return -1;
  return position > index ? position - 1 : position;
}

LRESULT DeleteItem(HWND hwnd, TabState& state, int index) {
  if (!Valid(state, index)) return FALSE;
  state.items.erase(state.items.begin() + index);
  state.cur = AfterDelete(state.cur, index);
  state.focus = AfterDelete(state.focus, index);
  Relayout(hwnd, state);
  return TRUE;
}

LRESULT GetItem(const TabState& state, int index, TCITEM* out) {
  if (!out || !Valid(state, index)) return FALSE;
  const TabItem& item = state.items[static_cast<size_t>(index)];
  if ((out->mask & TCIF_TEXT) && out->pszText && out->cchTextMax > 0) {
    size_t n = std::min(item.text.size(), static_cast<size_t>(out->cchTextMax) - 1);
    std::memcpy(out->pszText, item.text.data(), n);
    out->pszText[n] = '\0';
  }
  if (out->mask & TCIF_IMAGE) out->iImage = item.image;
  if (out->mask & TCIF_PARAM) out->lParam = item.param;
  if (out->mask & TCIF_STATE) out->dwState = item.state & out->dwStateMask;
  return TRUE;
}

LRESULT SetItem(HWND hwnd, TabState& state, int index, const TCITEM* in) {
  if (!in || !Valid(state, index)) return FALSE;
  ApplyFields(state.items[static_cast<size_t>(index)], *in);
  Relayout(hwnd, state);
  return TRUE;
}

// TCM_SETCURSEL: no notification; answers the previous selection.
LRESULT SetCurSel(HWND hwnd, TabState& state, int index) {
  if (!Valid(state, index)) return -1;
  int old = state.cur;
  state.cur = state.focus = index;
  Relayout(hwnd, state);
  return old;
}

LRESULT SetCurFocus(HWND hwnd, TabState& state, int index) {
  if (!Valid(state, index)) return 0;
  if (StyleOf(hwnd) & TCS_BUTTONS) {
    state.focus = index;
    Redraw(hwnd);
  } else {
    ChangeSelection(hwnd, state, index);
  }
  return 0;
}

LRESULT GetItemRect(const TabState& state, int index, LPARAM out) {
  if (!Valid(state, index) || !out) return FALSE;
  *reinterpret_cast<RECT*>(out) = state.items[static_cast<size_t>(index)].rect;
  return TRUE;
}

LRESULT HitTest(const TabState& state, LPARAM lParam) {
  auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
  if (!info) return -1;
  int index = TabFromPoint(state, info->pt);
  info->flags = index < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
  return index;
}

LRESULT SetItemSize(HWND hwnd, TabState& state, LPARAM size) {
  int oldWidth = Valid(state, 0) ? state.items[0].rect.right - state.items[0].rect.left : state.itemSize.cx;
  int oldHeight = TabHeight(hwnd, state);
  state.itemSize = SIZE{LOWORD(size), HIWORD(size)};
  Relayout(hwnd, state);
  return MAKELONG(oldWidth, oldHeight);
}

LRESULT SetMinWidth(HWND hwnd, TabState& state, LPARAM width) {
  int old = state.minWidth;
  state.minWidth = static_cast<int>(width);
  Relayout(hwnd, state);
  return old;
}

LRESULT HandleTabMessage(HWND hwnd, TabState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (msg) {
    case TCM_INSERTITEM:
      return InsertItem(hwnd, state, index, reinterpret_cast<const TCITEM*>(lParam));
    case TCM_DELETEITEM:
      return DeleteItem(hwnd, state, index);
    case TCM_DELETEALLITEMS:
      state.items.clear();
      state.cur = state.focus = -1;
      Relayout(hwnd, state);
      return TRUE;
    case TCM_GETITEM:
      return GetItem(state, index, reinterpret_cast<TCITEM*>(lParam));
    case TCM_SETITEM:
      return SetItem(hwnd, state, index, reinterpret_cast<const TCITEM*>(lParam));
    case TCM_GETITEMCOUNT:
      return Count(state);
    case TCM_GETCURSEL:
      return state.cur;
    case TCM_SETCURSEL:
      return SetCurSel(hwnd, state, index);
    case TCM_GETCURFOCUS:
      return state.focus;
    case TCM_SETCURFOCUS:
      return SetCurFocus(hwnd, state, index);
    case TCM_GETITEMRECT:
      return GetItemRect(state, index, lParam);
    case TCM_HITTEST:
      return HitTest(state, lParam);
    case TCM_ADJUSTRECT:
      if (lParam) AdjustRect(hwnd, state, wParam != 0, *reinterpret_cast<RECT*>(lParam));
      return 0;
    case TCM_GETROWCOUNT:
      return state.rows;
    case TCM_SETITEMSIZE:
      return SetItemSize(hwnd, state, lParam);
    case TCM_SETPADDING:
      state.padding = SIZE{LOWORD(lParam), HIWORD(lParam)};
      Relayout(hwnd, state);
      return 0;
    case TCM_SETMINTABWIDTH:
      return SetMinWidth(hwnd, state, lParam);
    case TCM_GETIMAGELIST:
      return reinterpret_cast<LRESULT>(state.images);
    case TCM_SETIMAGELIST: {
      HANDLE old = state.images;
      state.images = reinterpret_cast<HANDLE>(lParam);
      Relayout(hwnd, state);
      return reinterpret_cast<LRESULT>(old);
    }
    case TCM_SETITEMEXTRA:
      return state.items.empty() ? TRUE : FALSE;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

// Arrows move by one tab, Ctrl+Tab and Ctrl+Shift+Tab cycle round.
void OnKeyDown(HWND hwnd, TabState& state, UINT vk) {
  NMTCKEYDOWN nm{};
  nm.wVKey = static_cast<WORD>(vk);
  Notify(hwnd, state, nm.hdr, TCN_KEYDOWN);
  int count = Count(state);
  if (count == 0) return;
  int from = state.cur < 0 ? 0 : state.cur;
  switch (vk) {
    case VK_LEFT:
    case VK_UP:
      ChangeSelection(hwnd, state, std::max(from - 1, 0));
      return;
    case VK_RIGHT:
    case VK_DOWN:
      ChangeSelection(hwnd, state, std::min(from + 1, count - 1));
      return;
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) & 0x8000) {
        int step = (GetKeyState(VK_SHIFT) & 0x8000) ? count - 1 : 1;
        ChangeSelection(hwnd, state, (from + step) % count);
      }
      return;
    default:
      return;
  }
}

// The arrows of a scrolling strip move it by one tab.
bool ClickArrows(HWND hwnd, TabState& state, POINT pt) {
  if (!state.scrolling) return false;
  for (bool right : {false, true}) {
    RECT arrow = ArrowRect(hwnd, state, right);
    if (!PtInRect(&arrow, pt)) continue;
    ScrollTabsTo(hwnd, state, state.firstTab + (right ? 1 : -1));
    return true;
  }
  return false;
}

void OnLeftDown(HWND hwnd, TabState& state, POINT pt) {
  if (ClickArrows(hwnd, state, pt)) return;
  int index = TabFromPoint(state, pt);
  if (index < 0) return;
  if (!(StyleOf(hwnd) & TCS_FOCUSNEVER) && GetFocus() != hwnd) SetFocus(hwnd);
  ChangeSelection(hwnd, state, index);
}

LRESULT HandleTabs(HWND hwnd, TabState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg >= TCM_FIRST && msg < TCM_FIRST + 0x100) return HandleTabMessage(hwnd, state, msg, wParam, lParam);
  switch (msg) {
    case WM_CREATE:
      state.notify = reinterpret_cast<const CREATESTRUCT*>(lParam)->hwndParent;
      LayoutTabs(hwnd, state);
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintTabs(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      Relayout(hwnd, state);
      return 0;
    case WM_SETFONT:
      state.font = reinterpret_cast<HFONT>(wParam);
      LayoutTabs(hwnd, state);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      state.focused = msg == WM_SETFOCUS;
      Redraw(hwnd);
      return 0;
    case WM_ENABLE:
      Redraw(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | ((GetKeyState(VK_CONTROL) & 0x8000) ? DLGC_WANTTAB : 0);
    case WM_KEYDOWN:
      OnKeyDown(hwnd, state, static_cast<UINT>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLeftDown(hwnd, state, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_RBUTTONUP: {
      NMHDR header{};
      if (Notify(hwnd, state, header, NM_RCLICK)) return 0;
      return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

using TabClass = ControlClass<TabState, HandleTabs>;

const SystemClassRegistration<InitControlClass<TabClass, kTabClassName>> kTabRegistration;

}  // namespace
}  // namespace win32::controls
