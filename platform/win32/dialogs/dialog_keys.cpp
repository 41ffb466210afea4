// IsDialogMessage: the keyboard interface of dialogs (Tab, arrows,
// mnemonics, Enter and Escape).
#include <cctype>
#include <string>

#include "dialogs/dialog_focus.h"
#include "dialogs/dialog_info.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/winuser.h"

namespace win32::dlg {
namespace {

bool IsStaticCode(UINT code) { return (code & DLGC_STATIC) && !(code & DLGC_BUTTON); }

bool IsAutoRadio(HWND control) { return (GetWindowLong(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON; }

void SendButtonCommand(HWND dlg, int id, HWND button) {
  SendMessage(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// Enter: the focused push button, else the default button, else IDOK. A
// disabled default button swallows the key.
void PressEnter(HWND dlg, HWND focus, UINT focusCode) {
  if (IsPushButtonCode(focusCode) && IsWindowEnabled(focus)) {
    SendButtonCommand(dlg, GetDlgCtrlID(focus), focus);
    return;
  }
  auto answer = static_cast<DWORD>(SendMessage(dlg, DM_GETDEFID, 0, 0));
  const int id = HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : IDOK;
  HWND button = GetDlgItem(dlg, id);
  if (button && !IsWindowEnabled(button)) {
    MessageBeep(0);
    return;
  }
  SendButtonCommand(dlg, id, button);
}

void PressEscape(HWND dlg) {
  HWND cancel = GetDlgItem(dlg, IDCANCEL);
  if (cancel && !IsWindowEnabled(cancel)) return;
  SendButtonCommand(dlg, IDCANCEL, cancel);
}

// An arrow moves within the group; an automatic radio button reached this
// way is also checked, as a click would.
void MoveInGroup(HWND dlg, HWND focus, bool backwards) {
  HWND control = NavigableControlOf(dlg, focus);
  if (!control) return;
  HWND next = GetNextDlgGroupItem(dlg, control, backwards);
  if (!next || next == control) return;
  SetDialogFocus(dlg, next, true);
  if ((DialogCode(next) & DLGC_RADIOBUTTON) && IsAutoRadio(next) &&
      SendMessage(next, BM_GETCHECK, 0, 0) == BST_UNCHECKED) {
    SendMessage(next, BM_CLICK, 0, 0);
  }
}

bool HandleKeyDown(HWND dlg, const MSG& msg, UINT code) {
  switch (msg.wParam) {
    case VK_TAB:
      if (code & DLGC_WANTTAB) return false;
      SendMessage(dlg, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (code & DLGC_WANTARROWS) return false;
      MoveInGroup(dlg, msg.hwnd, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
      return true;
    case VK_RETURN:
      PressEnter(dlg, msg.hwnd, code);
      return true;
    case VK_ESCAPE:
      PressEscape(dlg);
      return true;
    default:
      return false;
  }
}

// "&x" marks x as the mnemonic; "&&" is a literal ampersand.
bool HasMnemonic(const std::string& text, char key) {
  const int wanted = std::tolower(static_cast<unsigned char>(key));
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return std::tolower(static_cast<unsigned char>(text[i + 1])) == wanted;
  }
  return false;
}

std::string TextOf(HWND control) {
  std::string text(static_cast<size_t>(GetWindowTextLength(control)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowText(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Only labels carry mnemonics: buttons, statics and group boxes.
bool CarriesMnemonic(HWND control, UINT code, char key) {
  if (!(code & (DLGC_BUTTON | DLGC_STATIC))) return false;
  if (IsStaticCode(code) && (GetWindowLong(control, GWL_STYLE) & SS_NOPREFIX)) return false;
  return HasMnemonic(TextOf(control), key);
}

// The control a label's mnemonic leads to: the next live control that is
// not itself a label.
HWND ControlAfterLabel(const std::vector<HWND>& order, size_t label) {
  for (size_t i = 1; i < order.size(); ++i) {
    HWND candidate = order[(label + i) % order.size()];
    if (IsLiveControl(candidate) && !IsStaticCode(DialogCode(candidate))) return candidate;
  }
  return nullptr;
}

void ActivateByMnemonic(HWND dlg, HWND control, UINT code) {
  if (IsPushButtonCode(code)) {
    SendMessage(control, BM_CLICK, 0, 0);
  } else if (code & DLGC_BUTTON) {
    SetDialogFocus(dlg, control, false);
    SendMessage(control, BM_CLICK, 0, 0);
  } else {
    SetDialogFocus(dlg, control, true);
  }
}

// Searches the controls after the focus, wrapping, so that repeated presses
// of a shared mnemonic visit each of its controls.
bool HandleMnemonic(HWND dlg, HWND focus, char key) {
  auto order = NavigationOrder(dlg);
  if (order.empty()) return false;
  HWND current = NavigableControlOf(dlg, focus);
  size_t start = order.size() - 1;
  for (size_t i = 0; i < order.size(); ++i) {
    if (order[i] == current) start = i;
  }
  for (size_t i = 1; i <= order.size(); ++i) {
    const size_t at = (start + i) % order.size();
    HWND control = order[at];
    if (!IsLiveControl(control)) continue;
    const UINT code = DialogCode(control);
    if (!CarriesMnemonic(control, code, key)) continue;
    if (IsStaticCode(code)) {
      HWND target = ControlAfterLabel(order, at);
      if (!target) return false;
      SetDialogFocus(dlg, target, true);
    } else {
      ActivateByMnemonic(dlg, control, code);
    }
    return true;
  }
  return false;
}

bool HandleChar(HWND dlg, const MSG& msg, UINT code) {
  const char key = static_cast<char>(msg.wParam);
  if (code & DLGC_WANTCHARS) return false;
  // The keys of Tab, Enter and Escape were handled as keys; their characters
  // go nowhere.
  if (key == '\t') return !(code & DLGC_WANTTAB);
  if (key == '\r' || key == '\x1b') return true;
  return HandleMnemonic(dlg, msg.hwnd, key);
}

// A click or a control's own SetFocus moves the focus behind the dialog
// manager's back: the default button and the remembered focus follow.
void FollowFocus(HWND dlg, HWND before) {
  HWND after = GetFocus();
  if (after == before || !after || !IsChild(dlg, after)) return;
  UpdateDefaultButton(dlg, after);
  if (auto info = FindDialogInfo(dlg)) info->lastFocus = after;
}

bool HandleDialogKey(HWND dlg, const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_CHAR: {
      const UINT code = DialogCode(msg.hwnd, &msg);
      if (code & DLGC_WANTMESSAGE) return false;
      return msg.message == WM_KEYDOWN ? HandleKeyDown(dlg, msg, code) : HandleChar(dlg, msg, code);
    }
    case WM_SYSCHAR:
      return HandleMnemonic(dlg, msg.hwnd, static_cast<char>(msg.wParam));
    default:
      return false;
  }
}

}  // namespace
}  // namespace win32::dlg

BOOL WINAPI IsDialogMessage(HWND hDlg, LPMSG lpMsg) {
  using namespace win32::dlg;
  if (!lpMsg || !IsWindow(hDlg)) return FALSE;
  if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
  HWND before = GetFocus();
  if (!HandleDialogKey(hDlg, *lpMsg)) {
    TranslateMessage(lpMsg);
    DispatchMessage(lpMsg);
  }
  FollowFocus(hDlg, before);
  return TRUE;
}
