// The environment, on the C library's.
#include <cstdlib>

#include "services/text_out.h"
#include "win32/services.h"

using win32::svc::CopyString;

DWORD WINAPI GetEnvironmentVariable(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize) {
  const char* value = lpName ? std::getenv(lpName) : nullptr;
  if (!value) {
    SetLastError(ERROR_ENVVAR_NOT_FOUND);
    return 0;
  }
  return CopyString(value, lpBuffer, nSize);
}

BOOL WINAPI SetEnvironmentVariable(LPCSTR lpName, LPCSTR lpValue) {
  if (!lpName || !*lpName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return (lpValue ? setenv(lpName, lpValue, 1) : unsetenv(lpName)) == 0 ? TRUE : FALSE;
}

DWORD WINAPI ExpandEnvironmentStrings(LPCSTR lpSrc, LPSTR lpDst, DWORD nSize) {
  const std::string src = lpSrc ? lpSrc : "";
  std::string out;
  for (size_t i = 0; i < src.size();) {
    const size_t end = src[i] == '%' ? src.find('%', i + 1) : std::string::npos;
    if (end == std::string::npos) {
      out += src[i++];
      continue;
    }
    // An undefined name stays as written, percent signs and all.
    const char* value = end > i + 1 ? std::getenv(src.substr(i + 1, end - i - 1).c_str()) : nullptr;
    if (value) {
      out += value;
      i = end + 1;
    } else {
      out += src.substr(i, end - i + 1);
      i = end + 1;
    }
  }
  // The answer counts the NUL, whether or not it fitted.
  const DWORD copied = CopyString(out, lpDst, nSize);
  return copied == out.size() ? copied + 1 : copied;
}
