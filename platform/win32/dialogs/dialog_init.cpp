// The dialog-init data (RT_DLGINIT) that the class library applies to a
// dialog's list and combo boxes before WM_INITDIALOG returns to it.
#include <vector>

#include "internal/res_templates.h"
#include "win32/controls.h"
#include "win32/dialogs.h"
#include "win32/winres.h"
#include "win32/winuser.h"

namespace {

// The string messages of the 16-bit resource compilers, which old
// resources still carry.
constexpr WORD kWin16ListAddString = 0x0401;
constexpr WORD kWin16ComboAddString = 0x0403;

bool IsStringMessage(WORD message) {
  return message == CB_ADDSTRING || message == LB_ADDSTRING || message == kWin16ListAddString ||
         message == kWin16ComboAddString;
}

UINT CurrentMessage(WORD message) {
  if (message == kWin16ListAddString) return LB_ADDSTRING;
  if (message == kWin16ComboAddString) return CB_ADDSTRING;
  return message;
}

}  // namespace

namespace win32 {

BOOL ApplyDialogInit(HWND dlg, HINSTANCE hInst, LPCSTR templateName) {
  if (!IsWindow(dlg)) return FALSE;
  HRSRC found = FindResource(hInst, templateName, RT_DLGINIT);
  if (!found) return TRUE;
  const void* data = LockResource(LoadResource(hInst, found));
  std::vector<win32::internal::DlgInitEntry> entries;
  if (!data || !win32::internal::ParseDlgInit(data, SizeofResource(hInst, found), entries)) return FALSE;
  BOOL ok = TRUE;
  for (const auto& entry : entries) {
    // Control data (0x1234) belongs to embedded objects this system lacks.
    if (!IsStringMessage(entry.message)) continue;
    HWND control = GetDlgItem(dlg, entry.controlId);
    const std::string text = entry.text();
    if (!control ||
        SendMessage(control, CurrentMessage(entry.message), 0, reinterpret_cast<LPARAM>(text.c_str())) < 0) {
      ok = FALSE;
    }
  }
  return ok;
}

}  // namespace win32
