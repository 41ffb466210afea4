// Helpers on the controls of a dialog.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "dialogs/dialog_info.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/wingdi.h"
#include "win32/winuser.h"

namespace {

// Parses the whole text as a decimal number, allowing blanks around it and
// a minus sign when signed.
bool ParseDialogInt(const char* text, bool isSigned, long long& value) {
  while (*text == ' ' || *text == '\t') ++text;
  if (*text == '\0' || (*text == '-' && !isSigned) || *text == '+') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoll(text, &end, 10);
  if (errno == ERANGE || end == text) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return false;
  if (isSigned) {
    return value >= std::numeric_limits<INT>::min() && value <= std::numeric_limits<INT>::max();
  }
  return value >= 0 && value <= static_cast<long long>(std::numeric_limits<UINT>::max());
}

}  // namespace

BOOL WINAPI SetDlgItemText(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? SetWindowText(item, lpString) : FALSE;
}

UINT WINAPI GetDlgItemText(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (!item) {
    if (lpString && cchMax > 0) lpString[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowText(item, lpString, cchMax));
}

BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
  char text[16];
  if (bSigned) {
    std::snprintf(text, sizeof text, "%d", static_cast<INT>(uValue));
  } else {
    std::snprintf(text, sizeof text, "%u", uValue);
  }
  return SetDlgItemText(hDlg, nIDDlgItem, text);
}

UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
  if (lpTranslated) *lpTranslated = FALSE;
  char text[64];
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (!item) return 0;
  // A text too long for the buffer cannot be a valid number anyway.
  if (GetWindowTextLength(item) >= static_cast<int>(sizeof text)) return 0;
  GetWindowText(item, text, sizeof text);
  long long value = 0;
  if (!ParseDialogInt(text, bSigned != FALSE, value)) return 0;
  if (lpTranslated) *lpTranslated = TRUE;
  return static_cast<UINT>(value);
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
  HWND button = GetDlgItem(hDlg, nIDButton);
  if (!button) return FALSE;
  SendMessage(button, BM_SETCHECK, uCheck, 0);
  return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton) {
  return static_cast<UINT>(SendDlgItemMessage(hDlg, nIDButton, BM_GETCHECK, 0, 0));
}

BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
  if (!IsWindow(hDlg)) return FALSE;
  for (HWND child = GetWindow(hDlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    if (id < nIDFirstButton || id > nIDLastButton) continue;
    SendMessage(child, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  return TRUE;
}

LRESULT WINAPI SendDlgItemMessage(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? SendMessage(item, Msg, wParam, lParam) : 0;
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
  auto info = win32::dlg::FindDialogInfo(hDlg);
  if (!info || !lpRect || !IsWindow(hDlg)) return FALSE;
  // Each edge is converted on its own, as Win32 does.
  const SIZE units = info->baseUnits;
  *lpRect = RECT{MulDiv(lpRect->left, units.cx, 4), MulDiv(lpRect->top, units.cy, 8),
                 MulDiv(lpRect->right, units.cx, 4), MulDiv(lpRect->bottom, units.cy, 8)};
  return TRUE;
}
