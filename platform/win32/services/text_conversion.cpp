// MultiByteToWideChar and WideCharToMultiByte between UTF-8 (the ANSI code
// page here) and UTF-16.
#include <windows.h>

#include <algorithm>
#include <string>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point at `at` and its length in bytes; malformed input (a
// truncated sequence, an overlong form, a surrogate, a point past the last
// plane) answers false with the bytes to pass over.
bool DecodeUtf8(const unsigned char* text, size_t size, size_t at, char32_t& point, size_t& length) {
  const unsigned char lead = text[at];
  length = 1;
  if (lead < 0x80) {
    point = lead;
    return true;
  }
  const int extra = lead >= 0xF0 && lead <= 0xF4  ? 3
                    : lead >= 0xE0 && lead < 0xF0 ? 2
                    : lead >= 0xC2 && lead < 0xE0 ? 1
                                                  : 0;
  if (extra == 0) return false;
  char32_t value = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    if (at + k >= size || (text[at + k] & 0xC0) != 0x80) {
      length = size_t(k);
      return false;
    }
    value = (value << 6) | (text[at + k] & 0x3F);
  }
  // An overlong form, a surrogate or a point past the last plane is bad
  // from its lead byte on: the bytes after it are looked at again.
  static constexpr char32_t kLowest[] = {0, 0x80, 0x800, 0x10000};
  if (value < kLowest[extra] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return false;
  length = size_t(extra) + 1;
  point = value;
  return true;
}

void AppendUtf16(std::u16string& out, char32_t point) {
  if (point >= 0x10000) {
    point -= 0x10000;
    out += char16_t(0xD800 + (point >> 10));
    out += char16_t(0xDC00 + (point & 0x3FF));
  } else {
    out += char16_t(point);
  }
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += char(point);
  } else if (point < 0x800) {
    out += char(0xC0 | (point >> 6));
    out += char(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += char(0xE0 | (point >> 12));
    out += char(0x80 | ((point >> 6) & 0x3F));
    out += char(0x80 | (point & 0x3F));
  } else {
    out += char(0xF0 | (point >> 18));
    out += char(0x80 | ((point >> 12) & 0x3F));
    out += char(0x80 | ((point >> 6) & 0x3F));
    out += char(0x80 | (point & 0x3F));
  }
}

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// Hands the converted text out as the functions' callers expect: the size
// needed for an output size of 0, else a copy that must fit.
template <class Unit, class Text>
int HandOut(const Text& converted, Unit* out, int outSize) {
  const auto needed = static_cast<int>(converted.size());
  if (outSize == 0) return needed;
  if (out == nullptr || outSize < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(converted.begin(), converted.end(), out);
  return needed;
}

bool KnownCodePage(UINT codePage) { return codePage == CP_ACP || codePage == CP_UTF8; }

}  // namespace

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar) {
  if (!KnownCodePage(CodePage) || lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 ||
      cchWideChar < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const auto* text = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
  const size_t size = cbMultiByte == -1 ? std::char_traits<char>::length(lpMultiByteStr) + 1 : size_t(cbMultiByte);
  std::u16string converted;
  converted.reserve(size);
  for (size_t at = 0; at < size;) {
    char32_t point = 0;
    size_t length = 1;
    if (!DecodeUtf8(text, size, at, point, length)) {
      if ((dwFlags & MB_ERR_INVALID_CHARS) != 0) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
      }
      point = kReplacement;
    }
    AppendUtf16(converted, point);
    at += length;
  }
  return HandOut(converted, lpWideCharStr, cchWideChar);
}

int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar, LPBOOL lpUsedDefaultChar) {
  // UTF-8 needs no default character: the call refuses one, as the system's does.
  if (!KnownCodePage(CodePage) || lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
      lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const size_t count = cchWideChar == -1 ? std::char_traits<char16_t>::length(lpWideCharStr) + 1 : size_t(cchWideChar);
  std::string converted;
  converted.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const char16_t unit = lpWideCharStr[i];
    if (IsHigh(unit) && i + 1 < count && IsLow(lpWideCharStr[i + 1])) {
      AppendUtf8(converted, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(lpWideCharStr[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHigh(unit) || IsLow(unit)) {
      if ((dwFlags & WC_ERR_INVALID_CHARS) != 0) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
      }
      AppendUtf8(converted, kReplacement);
    } else {
      AppendUtf8(converted, unit);
    }
  }
  return HandOut(converted, lpMultiByteStr, cbMultiByte);
}
