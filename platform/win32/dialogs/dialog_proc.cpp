// DefDlgProc and the dialog window class "#32770".
#include "dialogs/dialog_focus.h"
#include "dialogs/dialog_info.h"
#include "dialogs/dialog_layout.h"
#include "internal/core_classes.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/wingdi.h"
#include "win32/winres.h"
#include "win32/winuser.h"

namespace win32::dlg {
namespace {

// Messages whose dialog-procedure answer is the result itself rather than
// a flag for DWLP_MSGRESULT.
bool AnswersDirectly(UINT msg) {
  switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

LRESULT EraseBackground(HWND dlg, HDC dc) {
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessage(dlg, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dlg)));
  if (!brush) return DefWindowProc(dlg, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  GetClientRect(dlg, &client);
  FillRect(dc, &client, brush);
  return 1;
}

LRESULT DialogColor(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// WM_CLOSE is a press of Cancel, unless that button exists and is disabled.
void CloseAsCancel(HWND dlg) {
  HWND cancel = GetDlgItem(dlg, IDCANCEL);
  if (!cancel || IsWindowEnabled(cancel)) {
    PostMessage(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
  }
}

// wParam names the control when LOWORD(lParam) is set; otherwise it asks
// for the previous (non-zero) or next tab stop.
void NextDialogControl(HWND dlg, WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dlg, GetFocus(), wParam != 0);
  if (target && IsChild(dlg, target)) SetDialogFocus(dlg, target, true);
}

LRESULT GetDefaultId(HWND dlg) {
  auto info = FindDialogInfo(dlg);
  if (info && info->defId) return MAKELONG(info->defId, DC_HASDEFID);
  if (GetDlgItem(dlg, IDOK)) return MAKELONG(IDOK, DC_HASDEFID);
  return 0;
}

LRESULT SetDefaultId(HWND dlg, UINT id) {
  auto info = FindDialogInfo(dlg);
  if (!info) return FALSE;
  HWND newButton = GetDlgItem(dlg, static_cast<int>(id));
  if (HWND old = FindVisualDefault(dlg, newButton)) SetPushButtonType(old, BS_PUSHBUTTON);
  info->defId = id;
  if (newButton && (DialogCode(newButton) & DLGC_UNDEFPUSHBUTTON)) SetPushButtonType(newButton, BS_DEFPUSHBUTTON);
  return TRUE;
}

LRESULT DefaultHandling(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return EraseBackground(dlg, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORDLG:
      return DialogColor(reinterpret_cast<HDC>(wParam));
    case WM_SHOWWINDOW:
      if (!wParam) SaveDialogFocus(dlg);
      return DefWindowProc(dlg, msg, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        SaveDialogFocus(dlg);
      } else if (!RestoreDialogFocus(dlg) && GetFocus() != dlg && !IsChild(dlg, GetFocus())) {
        // No control to focus: the keys go to the dialog itself.
        SetFocus(dlg);
      }
      return 0;
    case WM_SETFOCUS:
      RestoreDialogFocus(dlg);
      return 0;
    case WM_CLOSE:
      CloseAsCancel(dlg);
      return 0;
    case WM_COMMAND:
    case WM_INITDIALOG:
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
      return 0;
    case WM_NEXTDLGCTL:
      NextDialogControl(dlg, wParam, lParam);
      return 0;
    case DM_GETDEFID:
      return GetDefaultId(dlg);
    case DM_SETDEFID:
      return SetDefaultId(dlg, static_cast<UINT>(wParam));
    case DM_REPOSITION:
      KeepOnScreen(dlg);
      return 0;
    case WM_GETFONT: {
      auto info = FindDialogInfo(dlg);
      return info ? reinterpret_cast<LRESULT>(info->font) : 0;
    }
    case WM_SETFONT:
      if (auto info = FindDialogInfo(dlg)) info->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    default:
      return DefWindowProc(dlg, msg, wParam, lParam);
  }
}

void RegisterDialogClass() {
  WNDCLASSEX wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS | CS_SAVEBITS;
  wc.lpfnWndProc = &DefDlgProc;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "#32770";
  win32::internal::RegisterSystemClass(wc);
}

const struct Registrar {
  Registrar() { win32::internal::AddSystemClassInitializer(&RegisterDialogClass); }
} registrar;

}  // namespace
}  // namespace win32::dlg

LRESULT WINAPI DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  using namespace win32::dlg;
  auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtr(hDlg, DWLP_DLGPROC));
  LRESULT result = 0;
  bool handled = false;
  if (proc) {
    SetWindowLongPtr(hDlg, DWLP_MSGRESULT, 0);
    INT_PTR answer = proc(hDlg, Msg, wParam, lParam);
    handled = answer != 0;
    if (handled) result = AnswersDirectly(Msg) ? answer : GetWindowLongPtr(hDlg, DWLP_MSGRESULT);
  }
  if (!handled) result = DefaultHandling(hDlg, Msg, wParam, lParam);
  if (Msg == WM_NCDESTROY) DetachDialogInfo(hDlg);
  return result;
}
