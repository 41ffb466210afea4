// The "ComboBox" window procedure: creation of the edit and the list,
// focus, fonts, notifications from the children, and registration.
#include "controls/combo.h"

#include "internal/core_classes.h"
#include "internal/ctl_listbox.h"

namespace win32::controls {
namespace {

// The ids Win32 gives a combo box's children.
constexpr int kListId = 1000;
constexpr int kEditId = 1001;

DWORD EditStyle(DWORD comboStyle) {
  DWORD style = WS_CHILD | WS_VISIBLE | ES_LEFT;
  if (comboStyle & CBS_AUTOHSCROLL) style |= ES_AUTOHSCROLL;
  if (comboStyle & CBS_UPPERCASE) style |= ES_UPPERCASE;
  if (comboStyle & CBS_LOWERCASE) style |= ES_LOWERCASE;
  if (comboStyle & WS_DISABLED) style |= WS_DISABLED;
  return style;
}

DWORD ListStyle(DWORD comboStyle) {
  DWORD style = LBS_NOTIFY | (comboStyle & WS_VSCROLL);
  if (comboStyle & CBS_SORT) style |= LBS_SORT;
  if (comboStyle & CBS_HASSTRINGS) style |= LBS_HASSTRINGS;
  if (comboStyle & CBS_OWNERDRAWFIXED) style |= LBS_OWNERDRAWFIXED;
  if (comboStyle & CBS_OWNERDRAWVARIABLE) style |= LBS_OWNERDRAWVARIABLE;
  if (comboStyle & CBS_NOINTEGRALHEIGHT) style |= LBS_NOINTEGRALHEIGHT;
  if (comboStyle & CBS_DISABLENOSCROLL) style |= LBS_DISABLENOSCROLL;
  return style;
}

HWND CreateList(HWND hwnd, DWORD comboStyle) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(hwnd, GWLP_HINSTANCE));
  if (ComboType(hwnd) == CBS_SIMPLE) {
    return CreateWindowEx(WS_EX_CLIENTEDGE, win32::internal::kComboListClass, "",
                          WS_CHILD | WS_VISIBLE | ListStyle(comboStyle), 0, 0, 0, 0, hwnd,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
  }
  // A popup owned through the combo: it floats over everything and is never
  // activated, so the dialog keeps the focus while the list is open. Its
  // owner is the combo's top-level window, so the combo comes along as the
  // creation parameter for the list to report to.
  return CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, win32::internal::kComboListClass, "",
                        WS_POPUP | WS_BORDER | ListStyle(comboStyle), 0, 0, 0, 0, hwnd, nullptr, instance, hwnd);
}

LRESULT Create(HWND hwnd, ComboState& state, const CREATESTRUCT& cs) {
  state.droppedHeight = cs.cy;
  state.list = CreateList(hwnd, cs.style);
  if (!state.list) return -1;
  if (ComboType(hwnd) != CBS_DROPDOWNLIST) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(hwnd, GWLP_HINSTANCE));
    const char* text = cs.lpszName && !IS_INTRESOURCE(cs.lpszName) ? cs.lpszName : "";
    state.settingText = true;
    state.edit = CreateWindowEx(0, "Edit", text, EditStyle(cs.style), 0, 0, 0, 0, hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), instance, nullptr);
    state.settingText = false;
    if (!state.edit) return -1;
  }
  UpdateLayout(hwnd, state);
  return 0;
}

void Destroy(ComboState& state) {
  // The popup list is not a child: it goes with its combo box.
  if (state.list && !(StyleOf(state.list) & WS_CHILD)) DestroyWindow(state.list);
  state.list = state.edit = nullptr;
  state.dropped = false;
}

void ReportFocus(HWND hwnd, ComboState& state, bool focused) {
  if (state.focused == focused) return;
  if (!focused && state.dropped) CloseUp(hwnd, state, false);
  state.focused = focused;
  if (focused && state.edit) SendMessage(state.edit, EM_SETSEL, 0, -1);
  Redraw(hwnd);
  NotifyParent(hwnd, focused ? CBN_SETFOCUS : CBN_KILLFOCUS);
}

void OnEditCommand(HWND hwnd, ComboState& state, UINT code) {
  switch (code) {
    case EN_SETFOCUS:
      ReportFocus(hwnd, state, true);
      break;
    case EN_KILLFOCUS:
      ReportFocus(hwnd, state, false);
      break;
    case EN_UPDATE:
      if (!state.settingText) NotifyParent(hwnd, CBN_EDITUPDATE);
      break;
    case EN_CHANGE:
      if (state.settingText) break;
      FollowEditText(state);
      NotifyParent(hwnd, CBN_EDITCHANGE);
      break;
    default:
      break;
  }
}

void OnListCommand(HWND hwnd, ComboState& state, UINT code) {
  // Only the always-visible list of a simple combo box reports this way;
  // a drop-down list answers through its tracking messages.
  if (ComboType(hwnd) != CBS_SIMPLE) return;
  if (code == LBN_SELCHANGE) {
    UserSelect(hwnd, state, static_cast<int>(SendMessage(state.list, LB_GETCURSEL, 0, 0)));
  } else if (code == LBN_DBLCLK) {
    NotifyParent(hwnd, CBN_DBLCLK);
  }
}

LRESULT OnCommand(HWND hwnd, ComboState& state, WPARAM wParam, LPARAM lParam) {
  HWND from = reinterpret_cast<HWND>(lParam);
  if (from && from == state.edit) OnEditCommand(hwnd, state, HIWORD(wParam));
  if (from && from == state.list) OnListCommand(hwnd, state, HIWORD(wParam));
  return 0;
}

// Owner-draw messages from the list reach the combo's parent as the
// combo's own, as Win32 relays them.
template <class Struct>
LRESULT RelayOwnerDraw(HWND hwnd, UINT msg, LPARAM lParam) {
  auto* data = reinterpret_cast<Struct*>(lParam);
  if (!data) return 0;
  data->CtlType = ODT_COMBOBOX;
  data->CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  if constexpr (requires { data->hwndItem; }) data->hwndItem = hwnd;
  return SendMessage(GetParent(hwnd), msg, data->CtlID, lParam);
}

LRESULT DialogCode(const ComboState& state, LPARAM lParam) {
  LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS;
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  // Enter and Escape close an open list instead of the dialog.
  if (state.dropped && msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
    code |= DLGC_WANTMESSAGE;
  return code;
}

void SetFont(HWND hwnd, ComboState& state, WPARAM font, LPARAM redraw) {
  state.font = reinterpret_cast<HFONT>(font);
  if (state.edit) SendMessage(state.edit, WM_SETFONT, font, redraw);
  SendMessage(state.list, WM_SETFONT, font, redraw);
  UpdateLayout(hwnd, state);
  if (LOWORD(redraw)) Redraw(hwnd);
}

void OnSetFocus(HWND hwnd, ComboState& state) {
  if (state.edit) {
    SetFocus(state.edit);
  } else {
    ReportFocus(hwnd, state, true);
  }
}

void OnKillFocus(HWND hwnd, ComboState& state) {
  // An editable combo's focus lives in its edit, which reports it.
  if (!state.edit) ReportFocus(hwnd, state, false);
}

void OnEnable(HWND hwnd, ComboState& state, bool enabled) {
  if (state.edit) EnableWindow(state.edit, enabled);
  if (!enabled && state.dropped) CloseUp(hwnd, state, false);
  Redraw(hwnd);
}

LRESULT HandleCombo(HWND hwnd, ComboState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleItemMessage(hwnd, state, msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_NCCREATE:
      // Scroll bars belong to the list; the combo box itself shows none.
      SetWindowLong(hwnd, GWL_STYLE, static_cast<LONG>(StyleOf(hwnd) & ~(WS_VSCROLL | WS_HSCROLL)));
      return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_CREATE:
      return Create(hwnd, state, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_DESTROY:
      Destroy(state);
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintCombo(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      UpdateLayout(hwnd, state);
      return 0;
    case WM_SETFONT:
      SetFont(hwnd, state, wParam, lParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case WM_SETTEXT:
      return SetComboText(hwnd, state, reinterpret_cast<const char*>(lParam));
    case WM_GETTEXT: {
      auto* out = reinterpret_cast<char*>(lParam);
      if (!out || wParam == 0) return 0;
      const std::string text = ComboText(state);
      const size_t count = std::min<size_t>(wParam - 1, text.size());
      text.copy(out, count);
      out[count] = '\0';
      return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(ComboText(state).size());
    case WM_SETFOCUS:
      OnSetFocus(hwnd, state);
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus(hwnd, state);
      return 0;
    case WM_ENABLE:
      OnEnable(hwnd, state, wParam != 0);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(state, lParam);
    case WM_COMMAND:
      return OnCommand(hwnd, state, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return OnComboKey(hwnd, state, msg, wParam, lParam);
    case WM_CHAR:
      return OnComboChar(hwnd, state, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return OnComboButtonDown(hwnd, state, lParam);
    case LBCB_SELTRACK:
    case LBCB_ACCEPT:
    case LBCB_CANCEL:
      return OnListTrack(hwnd, state, msg, wParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      // The children take their colours from the combo's parent.
      return reinterpret_cast<LRESULT>(
          ControlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), msg, GetParent(hwnd)));
    case WM_DRAWITEM:
      return RelayOwnerDraw<DRAWITEMSTRUCT>(hwnd, msg, lParam);
    case WM_MEASUREITEM:
      return RelayOwnerDraw<MEASUREITEMSTRUCT>(hwnd, msg, lParam);
    case WM_DELETEITEM:
      return RelayOwnerDraw<DELETEITEMSTRUCT>(hwnd, msg, lParam);
    case WM_COMPAREITEM:
      return RelayOwnerDraw<COMPAREITEMSTRUCT>(hwnd, msg, lParam);
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

using ComboClass = ControlClass<ComboState, HandleCombo>;

constexpr char kComboClassName[] = "ComboBox";
const SystemClassRegistration<InitControlClass<ComboClass, kComboClassName>> kComboRegistration;

}  // namespace

DWORD ComboType(HWND hwnd) {
  const DWORD type = StyleOf(hwnd) & 0x3;
  return type == 0 ? CBS_SIMPLE : type;
}

bool IsDropDownList(HWND hwnd) { return ComboType(hwnd) == CBS_DROPDOWNLIST; }

}  // namespace win32::controls

BOOL WINAPI GetComboBoxInfo(HWND hwndCombo, PCOMBOBOXINFO pcbi) {
  return SendMessage(hwndCombo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(pcbi)) == TRUE;
}
