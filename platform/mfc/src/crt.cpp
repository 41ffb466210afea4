#include "afxcrt.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>
#include <string_view>

namespace {

int CompareFolded(const char* a, const char* b, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const int ca = AfxFoldCase(static_cast<unsigned char>(a[i]));
    const int cb = AfxFoldCase(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
    if (ca == 0) return 0;
  }
  return 0;
}

bool IsSeparator(char ch) { return ch == '/' || ch == '\\'; }

void CopyPart(char* out, std::string_view part, size_t limit) {
  if (out == nullptr) return;
  const size_t n = std::min(part.size(), limit - 1);
  part.copy(out, n);
  out[n] = '\0';
}

const char* SkipBlanks(const char* str) {
  while (*str == ' ' || *str == '\t') ++str;
  return str;
}

char* WriteUnsigned(unsigned long long value, bool negative, char* buffer, int radix) {
  if (buffer == nullptr) return nullptr;
  if (radix < 2 || radix > 36) {
    buffer[0] = '\0';
    return buffer;
  }
  char digits[72];
  int n = 0;
  do {
    const int d = static_cast<int>(value % static_cast<unsigned>(radix));
    digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
    value /= static_cast<unsigned>(radix);
  } while (value != 0);
  char* out = buffer;
  if (negative) *out++ = '-';
  while (n > 0) *out++ = digits[--n];
  *out = '\0';
  return buffer;
}

char* WriteSigned(long long value, unsigned long long bitPattern, char* buffer, int radix) {
  if (radix == 10 && value < 0) {
    return WriteUnsigned(0ULL - static_cast<unsigned long long>(value), true, buffer, radix);
  }
  return WriteUnsigned(bitPattern, false, buffer, radix);
}

}  // namespace

int _mbsicmp(const unsigned char* string1, const unsigned char* string2) {
  return _stricmp(reinterpret_cast<const char*>(string1), reinterpret_cast<const char*>(string2));
}

int _mbsnicmp(const unsigned char* string1, const unsigned char* string2, size_t count) {
  return _strnicmp(reinterpret_cast<const char*>(string1), reinterpret_cast<const char*>(string2), count);
}

int _stricmp(const char* string1, const char* string2) { return CompareFolded(string1, string2, SIZE_MAX); }

int _strnicmp(const char* string1, const char* string2, size_t count) { return CompareFolded(string1, string2, count); }

char* _strupr(char* str) {
  for (char* p = str; *p != '\0'; ++p) {
    if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
  }
  return str;
}

char* _strlwr(char* str) {
  for (char* p = str; *p != '\0'; ++p) *p = static_cast<char>(AfxFoldCase(static_cast<unsigned char>(*p)));
  return str;
}

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext) {
  const std::string_view full = path != nullptr ? path : "";
  const auto lastSep = std::find_if(full.rbegin(), full.rend(), IsSeparator);
  const size_t nameStart = static_cast<size_t>(full.rend() - lastSep);
  const std::string_view name = full.substr(nameStart);
  const size_t dot = name.rfind('.');
  CopyPart(drive, "", _MAX_DRIVE);
  CopyPart(dir, full.substr(0, nameStart), _MAX_DIR);
  CopyPart(fname, name.substr(0, dot), _MAX_FNAME);
  CopyPart(ext, dot == std::string_view::npos ? std::string_view() : name.substr(dot), _MAX_EXT);
}

void _makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext) {
  if (path == nullptr) return;
  std::string result;
  if (dir != nullptr && *dir != '\0') {
    result = dir;
    if (!IsSeparator(result.back())) result += '/';
  }
  if (fname != nullptr) result += fname;
  if (ext != nullptr && *ext != '\0') {
    if (*ext != '.') result += '.';
    result += ext;
  }
  CopyPart(path, result, _MAX_PATH);
}

__int64 _atoi64(const char* str) { return str != nullptr ? _strtoi64(str, nullptr, 10) : 0; }

__int64 _strtoi64(const char* str, char** endptr, int base) {
  const int savedErrno = errno;
  const long long value = std::strtoll(SkipBlanks(str), endptr, base);
  errno = savedErrno;
  return value;
}

unsigned __int64 _strtoui64(const char* str, char** endptr, int base) {
  const int savedErrno = errno;
  const unsigned long long value = std::strtoull(SkipBlanks(str), endptr, base);
  errno = savedErrno;
  return value;
}

char* _itoa(int value, char* buffer, int radix) {
  return WriteSigned(value, static_cast<unsigned int>(value), buffer, radix);
}

char* _ltoa(long value, char* buffer, int radix) {
  return WriteSigned(value, static_cast<unsigned long>(value), buffer, radix);
}

char* _ultoa(unsigned long value, char* buffer, int radix) { return WriteUnsigned(value, false, buffer, radix); }

char* _i64toa(__int64 value, char* buffer, int radix) {
  return WriteSigned(value, static_cast<unsigned long long>(value), buffer, radix);
}

char* _ui64toa(unsigned __int64 value, char* buffer, int radix) { return WriteUnsigned(value, false, buffer, radix); }

int _access(const char* path, int mode) {
  if (path == nullptr || (mode & ~6) != 0) {
    errno = EINVAL;
    return -1;
  }
  std::string native(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  const int how = mode == 0 ? F_OK : ((mode & 2) ? W_OK : 0) | ((mode & 4) ? R_OK : 0);
  return access(native.c_str(), how) == 0 ? 0 : -1;
}
