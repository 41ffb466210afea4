#include <climits>
#include <cstdio>
#include <cstring>

#include "afxstr.h"

namespace {

// printf into a string of any length: a first pass into a stack buffer
// answers most calls, a second pass sizes the rest exactly.
std::string PrintV(const char* format, va_list args) {
  if (format == nullptr) return std::string();
  char small[512];
  va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (needed < 0) return std::string();
  if (static_cast<size_t>(needed) < sizeof small) return std::string(small, static_cast<size_t>(needed));
  std::string result(static_cast<size_t>(needed), '\0');
  std::vsnprintf(result.data(), result.size() + 1, format, args);
  return result;
}

std::string Print(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string result = PrintV(format, args);
  va_end(args);
  return result;
}

using afx::FormatInsert;
using Kind = FormatInsert::Kind;

// Flags, width and precision of an insert's conversion; length modifiers
// and '*' are dropped because each insert already has its own type.
std::string SafePrefix(std::string_view directive) {
  std::string prefix = "%";
  for (const char ch : directive) {
    if (std::strchr("-+ #0123456789.", ch) != nullptr) prefix += ch;
  }
  return prefix;
}

bool Accepts(Kind kind, char conversion) {
  switch (kind) {
    case Kind::Signed:
    case Kind::Unsigned:
      return std::strchr("diuoxXc", conversion) != nullptr;
    case Kind::Floating:
      return std::strchr("eEfFgGaA", conversion) != nullptr;
    case Kind::Text:
      return conversion == 's';
    case Kind::Pointer:
      return conversion == 'p';
  }
  return false;
}

char NaturalConversion(Kind kind) {
  switch (kind) {
    case Kind::Signed:
      return 'd';
    case Kind::Unsigned:
      return 'u';
    case Kind::Floating:
      return 'g';
    case Kind::Text:
      return 's';
    case Kind::Pointer:
      return 'p';
  }
  return 's';
}

// A negative value of 32-bit size shows its 32-bit pattern under %x, as it
// does on the 32-bit platform these programs come from.
unsigned long long BitPattern(const FormatInsert& insert) {
  if (insert.kind == Kind::Unsigned) return insert.u;
  if (insert.i < 0 && insert.i >= INT_MIN) return static_cast<unsigned int>(insert.i);
  return static_cast<unsigned long long>(insert.i);
}

std::string FormatInsertText(const FormatInsert& insert, std::string_view directive) {
  const char requested = directive.empty() ? 's' : directive.back();
  const char conversion = Accepts(insert.kind, requested) ? requested : NaturalConversion(insert.kind);
  const std::string prefix = SafePrefix(directive.substr(0, directive.empty() ? 0 : directive.size() - 1));
  switch (insert.kind) {
    case Kind::Signed:
    case Kind::Unsigned:
      if (conversion == 'c') return Print((prefix + 'c').c_str(), static_cast<int>(BitPattern(insert)));
      if (conversion == 'd' || conversion == 'i') {
        const long long value = insert.kind == Kind::Signed ? insert.i : static_cast<long long>(insert.u);
        return Print((prefix + "ll" + conversion).c_str(), value);
      }
      return Print((prefix + "ll" + conversion).c_str(), BitPattern(insert));
    case Kind::Floating:
      return Print((prefix + conversion).c_str(), insert.d);
    case Kind::Text:
      return Print((prefix + 's').c_str(), insert.s != nullptr ? insert.s : "(null)");
    case Kind::Pointer:
      return Print((prefix + 'p').c_str(), insert.p);
  }
  return std::string();
}

}  // namespace

void CString::FormatV(LPCTSTR lpszFormat, va_list argList) { m_str = PrintV(lpszFormat, argList); }

void CString::AppendFormatV(LPCTSTR lpszFormat, va_list argList) { m_str += PrintV(lpszFormat, argList); }

void CString::FormatRaw(LPCTSTR lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  FormatV(lpszFormat, args);
  va_end(args);
}

void CString::AppendFormatRaw(LPCTSTR lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  AppendFormatV(lpszFormat, args);
  va_end(args);
}

void CString::FormatMessageInserts(LPCTSTR lpszFormat, const afx::FormatInsert* inserts, size_t count) {
  const std::string_view format = lpszFormat != nullptr ? lpszFormat : "";
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    const char next = format[++i];
    if (next == '0') break;
    if (next < '1' || next > '9') {
      if (next == 'n') {
        out += "\r\n";
      } else {
        out += next;
      }
      continue;
    }
    size_t number = static_cast<size_t>(next - '0');
    if (i + 1 < format.size() && format[i + 1] >= '0' && format[i + 1] <= '9') {
      number = number * 10 + static_cast<size_t>(format[++i] - '0');
    }
    std::string_view directive = "s";
    if (i + 1 < format.size() && format[i + 1] == '!') {
      const size_t close = format.find('!', i + 2);
      if (close != std::string_view::npos) {
        directive = format.substr(i + 2, close - i - 2);
        i = close;
      }
    }
    if (number <= count) out += FormatInsertText(inserts[number - 1], directive);
  }
  m_str = std::move(out);
}

void AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString) {
  const std::string_view format = lpszFormat != nullptr ? lpszFormat : "";
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    const char next = i + 1 < format.size() ? format[i + 1] : '\0';
    const bool digit = next >= '0' && next <= '9';
    if (format[i] != '%' || !(digit || (next >= 'A' && next <= 'Z'))) {
      out += format[i];
      continue;
    }
    // "%1".."%9" name the first nine strings, "%A".."%Z" the ones after.
    const int index = digit ? next - '1' : 9 + (next - 'A');
    ++i;
    if (index >= 0 && index < nString && rglpsz != nullptr) {
      out += rglpsz[index] != nullptr ? rglpsz[index] : "";
    } else {
      out += '?';
    }
  }
  rString = CString(std::string_view(out));
}

BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep) {
  rString.Empty();
  if (lpszFullString == nullptr || iSubString < 0) return FALSE;
  const char* field = lpszFullString;
  for (; iSubString > 0; --iSubString) {
    field = std::strchr(field, chSep);
    if (field == nullptr || chSep == '\0') return FALSE;
    ++field;
  }
  const char* end = std::strchr(field, chSep);
  rString = CString(field, end != nullptr ? static_cast<int>(end - field) : static_cast<int>(std::strlen(field)));
  return TRUE;
}
