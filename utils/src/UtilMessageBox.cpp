// The library's message boxes, over the window system's MessageBox.
#include <windows.h>

#include <string>

#include "UtilMessageBox.h"

namespace {

// The caption is the running program's name, as the class library's own
// message boxes show it.
CString ProgramName() {
  char path[4096] = {};
  DWORD length = GetModuleFileName(nullptr, path, sizeof(path));
  std::string name(path, length);
  size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return CString(name);
}

}  // namespace

namespace utils::detail {

int ShowFormattedBox(UINT style, const CString& text) {
  UINT type = style == 0 ? MB_OK | MB_ICONINFORMATION : style;
  HWND owner = GetActiveWindow();
  return MessageBox(owner, text, ProgramName(), type);
}

}  // namespace utils::detail

CString HLFormatInt(int value) { return CString(std::to_string(value)); }
