// Copying answers into callers' character buffers the Win32 way.
#pragma once

#include <string>

#include "win32/wintypes.h"

namespace win32::svc {

// Copies `s` with its NUL when `size` holds it and answers its length;
// else copies nothing and answers the size needed, NUL included.
inline DWORD CopyString(const std::string& s, LPSTR buffer, DWORD size) {
  if (!buffer || size <= s.size()) return static_cast<DWORD>(s.size() + 1);
  s.copy(buffer, s.size());
  buffer[s.size()] = '\0';
  return static_cast<DWORD>(s.size());
}

}  // namespace win32::svc
