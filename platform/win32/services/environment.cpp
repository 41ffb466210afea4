// The environment, on the C library's.
#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "services/text_out.h"
#include "win32/services.h"

using win32::svc::CopyString;

namespace {

// Variables every Windows session has, for programs that rely on them,
// taken from their Linux counterparts when the environment lacks them.
std::optional<std::string> SessionDefault(const std::string& name) {
  auto unset = [](const char* v) { return v == nullptr || *v == '\0'; };
  if (strcasecmp(name.c_str(), "TEMP") == 0 || strcasecmp(name.c_str(), "TMP") == 0) {
    const char* dir = std::getenv("TMPDIR");
    std::string folder = unset(dir) ? "/tmp" : dir;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
  }
  if (strcasecmp(name.c_str(), "USERPROFILE") == 0) {
    const char* home = std::getenv("HOME");
    if (!unset(home)) return std::string(home);
  }
  return std::nullopt;
}

// Names compare without case, as on Windows; an exact match wins.
std::optional<std::string> LookUp(const std::string& name) {
  if (name.empty()) return std::nullopt;
  if (const char* value = std::getenv(name.c_str())) return std::string(value);
  for (char** entry = environ; entry && *entry; ++entry) {
    const std::string item = *entry;
    const size_t eq = item.find('=');
    if (eq == name.size() && strncasecmp(item.c_str(), name.c_str(), eq) == 0) return item.substr(eq + 1);
  }
  return SessionDefault(name);
}

}  // namespace

DWORD WINAPI GetEnvironmentVariable(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize) {
  const auto value = lpName ? LookUp(lpName) : std::nullopt;
  if (!value) {
    SetLastError(ERROR_ENVVAR_NOT_FOUND);
    return 0;
  }
  return CopyString(*value, lpBuffer, nSize);
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
    const auto value = end > i + 1 ? LookUp(src.substr(i + 1, end - i - 1)) : std::nullopt;
    if (value) {
      out += *value;
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
