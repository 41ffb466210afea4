// The "SysListView32" window class: creation, notifications, colours,
// styles and message dispatch.
#include <algorithm>

#include "controls/listview.h"

namespace win32::controls {

DWORD ViewType(HWND hwnd) { return StyleOf(hwnd) & LVS_TYPEMASK; }

bool IsSingleSelect(HWND hwnd) { return (StyleOf(hwnd) & LVS_SINGLESEL) != 0; }

bool IsOwnerDrawReport(HWND hwnd) { return (StyleOf(hwnd) & LVS_OWNERDRAWFIXED) && ViewType(hwnd) == LVS_REPORT; }

LRESULT SendNotify(const ListViewState& state, NMHDR& header) {
  if (!state.notify || !IsWindow(state.notify)) return 0;
  return SendMessage(state.notify, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

namespace {

NMHDR HeaderOf(HWND hwnd, UINT code) { return NMHDR{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code}; }

}  // namespace

LRESULT NotifySimple(HWND hwnd, const ListViewState& state, UINT code) {
  NMHDR nm = HeaderOf(hwnd, code);
  return SendNotify(state, nm);
}

LRESULT NotifyItem(HWND hwnd, const ListViewState& state, UINT code, int item, int subItem, UINT newState,
                   UINT oldState, UINT changed, POINT point) {
  NMLISTVIEW nm{};
  nm.hdr = HeaderOf(hwnd, code);
  nm.iItem = item;
  nm.iSubItem = subItem;
  nm.uNewState = newState;
  nm.uOldState = oldState;
  nm.uChanged = changed;
  nm.ptAction = point;
  if (ValidItem(state, item)) nm.lParam = state.items[static_cast<size_t>(item)].lParam;
  return SendNotify(state, nm.hdr);
}

LRESULT NotifyActivate(HWND hwnd, const ListViewState& state, UINT code, int item, int subItem, POINT point) {
  NMITEMACTIVATE nm{};
  nm.hdr = HeaderOf(hwnd, code);
  nm.iItem = item;
  nm.iSubItem = subItem;
  nm.ptAction = point;
  if (ValidItem(state, item)) nm.lParam = state.items[static_cast<size_t>(item)].lParam;
  nm.uKeyFlags = (GetKeyState(VK_CONTROL) < 0 ? LVKF_CONTROL : 0) | (GetKeyState(VK_SHIFT) < 0 ? LVKF_SHIFT : 0) |
                 (GetKeyState(VK_MENU) < 0 ? LVKF_ALT : 0);
  return SendNotify(state, nm.hdr);
}

namespace {

DWORD HeaderStyle(DWORD listStyle) {
  DWORD style = WS_CHILD | HDS_HORZ | HDS_FULLDRAG;
  if (!(listStyle & LVS_NOSORTHEADER)) style |= HDS_BUTTONS;
  if ((listStyle & LVS_TYPEMASK) == LVS_REPORT && !(listStyle & LVS_NOCOLUMNHEADER)) style |= WS_VISIBLE;
  return style;
}

LRESULT OnCreate(HWND hwnd, ListViewState& state, const CREATESTRUCT& cs) {
  state.notify = cs.hwndParent;
  state.background = GetSysColor(COLOR_WINDOW);
  state.text = GetSysColor(COLOR_WINDOWTEXT);
  state.header = CreateWindowEx(0, WC_HEADER, "", HeaderStyle(static_cast<DWORD>(cs.style)), 0, 0, 0, 0, hwnd, nullptr,
                                cs.hInstance, nullptr);
  if (!state.header) return -1;
  MeasureRows(hwnd, state);
  Relayout(hwnd, state);
  return 0;
}

void OnDestroy(HWND hwnd, ListViewState& state) {
  EndLabelEdit(hwnd, state, false);
  DeleteAll(hwnd, state);
  // The list owns its image lists unless told they are shared.
  if (!(StyleOf(hwnd) & LVS_SHAREIMAGELISTS)) {
    for (HIMAGELIST& list : state.images) {
      if (list) ImageList_Destroy(list);
      list = nullptr;
    }
  }
}

void OnSetFont(HWND hwnd, ListViewState& state, WPARAM font, LPARAM redraw) {
  state.font = reinterpret_cast<HFONT>(font);
  if (state.header) SendMessage(state.header, WM_SETFONT, font, redraw);
  MeasureRows(hwnd, state);
  Relayout(hwnd, state);
  if (!LOWORD(redraw)) ValidateRect(hwnd, nullptr);
}

void OnFocus(HWND hwnd, ListViewState& state, bool focused) {
  state.focused = focused;
  Redraw(hwnd);
  NotifySimple(hwnd, state, focused ? NM_SETFOCUS : NM_KILLFOCUS);
}

void OnStyleChanged(HWND hwnd, ListViewState& state, WPARAM which, const STYLESTRUCT* change) {
  if (which != static_cast<WPARAM>(GWL_STYLE) || !change || !state.header) return;
  DWORD headerStyle = HeaderStyle(change->styleNew);
  SetWindowLong(state.header, GWL_STYLE, static_cast<LONG>(headerStyle & ~WS_VISIBLE));
  ShowWindow(state.header, (headerStyle & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
  MeasureRows(hwnd, state);
  Relayout(hwnd, state);
}

COLORREF Swap(COLORREF& slot, COLORREF value, HWND hwnd) {
  COLORREF old = slot;
  slot = value;
  Redraw(hwnd);
  return old;
}

LRESULT SetImageList(HWND hwnd, ListViewState& state, WPARAM which, LPARAM list) {
  if (which > LVSIL_STATE) return 0;
  HIMAGELIST old = state.images[which];
  state.images[which] = reinterpret_cast<HIMAGELIST>(list);
  MeasureRows(hwnd, state);
  Relayout(hwnd, state);
  return reinterpret_cast<LRESULT>(old);
}

DWORD SetExtendedStyle(HWND hwnd, ListViewState& state, DWORD mask, DWORD style) {
  DWORD old = state.exStyle;
  if (mask == 0) mask = 0xFFFFFFFF;
  state.exStyle = (state.exStyle & ~mask) | (style & mask);
  Redraw(hwnd);
  return old;
}

// Colours, image lists, styles and the header.
bool HandleViewMessage(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case LVM_GETBKCOLOR:
      result = static_cast<LRESULT>(state.background);
      return true;
    case LVM_SETBKCOLOR:
      Swap(state.background, static_cast<COLORREF>(lParam), hwnd);
      result = TRUE;
      return true;
    case LVM_GETTEXTCOLOR:
      result = static_cast<LRESULT>(state.text);
      return true;
    case LVM_SETTEXTCOLOR:
      Swap(state.text, static_cast<COLORREF>(lParam), hwnd);
      result = TRUE;
      return true;
    case LVM_GETTEXTBKCOLOR:
      result = static_cast<LRESULT>(state.textBackground);
      return true;
    case LVM_SETTEXTBKCOLOR:
      Swap(state.textBackground, static_cast<COLORREF>(lParam), hwnd);
      result = TRUE;
      return true;
    case LVM_GETIMAGELIST:
      result = wParam <= LVSIL_STATE ? reinterpret_cast<LRESULT>(state.images[wParam]) : 0;
      return true;
    case LVM_SETIMAGELIST:
      result = SetImageList(hwnd, state, wParam, lParam);
      return true;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
      result =
          static_cast<LRESULT>(SetExtendedStyle(hwnd, state, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam)));
      return true;
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
      result = static_cast<LRESULT>(state.exStyle);
      return true;
    case LVM_GETHEADER:
      result = reinterpret_cast<LRESULT>(state.header);
      return true;
    case LVM_GETCALLBACKMASK:
      result = static_cast<LRESULT>(state.callbackMask);
      return true;
    case LVM_SETCALLBACKMASK:
      state.callbackMask = static_cast<UINT>(wParam);
      result = TRUE;
      return true;
    default:
      return false;
  }
}

LRESULT HandleListView(HWND hwnd, ListViewState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(hwnd, state, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_DESTROY:
      OnDestroy(hwnd, state);
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintListView(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      Relayout(hwnd, state);
      return 0;
    case WM_WINDOWPOSCHANGED:
      // Owner-drawn rows are measured again here, as programs that set
      // their row height after creation expect.
      if (StyleOf(hwnd) & LVS_OWNERDRAWFIXED) MeasureRows(hwnd, state);
      return DefWindowProc(hwnd, msg, wParam, lParam);
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
    case WM_STYLECHANGED:
      OnStyleChanged(hwnd, state, wParam, reinterpret_cast<const STYLESTRUCT*>(lParam));
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (lParam == 0) OnScroll(hwnd, state, msg, wParam);
      return 0;
    case WM_NOTIFY: {
      auto* nm = reinterpret_cast<NMHDR*>(lParam);
      if (nm && nm->hwndFrom == state.header) return OnHeaderNotify(hwnd, state, *nm);
      return 0;
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (HandleLabelEditMessage(hwnd, state, msg, wParam, lParam, result)) return result;
  if (HandleViewMessage(hwnd, state, msg, wParam, lParam, result)) return result;
  if (HandleColumnMessage(hwnd, state, msg, wParam, lParam, result)) return result;
  if (msg >= LVM_FIRST && msg < LVM_FIRST + 0x100) return HandleItemMessage(hwnd, state, msg, wParam, lParam);
  return HandleListViewInput(hwnd, state, msg, wParam, lParam);
}

using ListViewClass = ControlClass<ListViewState, HandleListView>;
constexpr char kListViewClassName[] = WC_LISTVIEW;

const SystemClassRegistration<InitControlClass<ListViewClass, kListViewClassName>> kListViewRegistration;

}  // namespace
}  // namespace win32::controls
