#include "commdlg/commdlg_common.h"

#include <algorithm>
#include <cstring>

namespace win32::commdlg {
namespace {

thread_local DWORD t_extendedError = 0;

}  // namespace

void SetExtendedError(DWORD code) { t_extendedError = code; }

INT_PTR Answer(HWND dlg, LRESULT result) {
  SetWindowLongPtr(dlg, DWLP_MSGRESULT, result);
  return TRUE;
}

std::string ControlText(HWND control) {
  const int length = GetWindowTextLength(control);
  std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  GetWindowText(control, text.data(), static_cast<int>(text.size()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

std::string ItemText(HWND dlg, int id) { return ControlText(GetDlgItem(dlg, id)); }

int CopyOut(std::string_view text, LPSTR buffer, int size) {
  const int needed = static_cast<int>(text.size()) + 1;
  if (buffer && size >= needed) {
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
  }
  return needed;
}

}  // namespace win32::commdlg

DWORD WINAPI CommDlgExtendedError(void) { return win32::commdlg::t_extendedError; }
