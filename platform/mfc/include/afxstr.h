// CString: the class library's 8-bit string, a value type.
//
// Strings never share buffers, so LockBuffer only hands out the buffer and
// a GetBuffer pointer stays valid until the next call that changes the
// string. Format, AppendFormat and FormatMessage accept CString arguments
// directly (they are passed on as their text); FormatV takes a plain
// va_list and, as with printf, needs (LPCTSTR) casts there.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>

#include "afxcrt.h"
#include "mfc/diag.h"
#include "win32/wintypes.h"

class CString;

namespace afx {

// One argument of FormatMessage, kept with its type so that each insert can
// be formatted with its own printf conversion.
struct FormatInsert {
  enum class Kind { Signed, Unsigned, Floating, Text, Pointer };
  Kind kind;
  long long i;
  unsigned long long u;
  double d;
  const char* s;
  const void* p;
};

const char* TextOf(const CString& str);

template <typename T>
FormatInsert MakeInsert(const T& value) {
  using D = std::decay_t<T>;
  if constexpr (std::is_base_of_v<CString, D>) {
    return {FormatInsert::Kind::Text, 0, 0, 0, TextOf(value), nullptr};
  } else if constexpr (std::is_same_v<D, const char*> || std::is_same_v<D, char*>) {
    return {FormatInsert::Kind::Text, 0, 0, 0, value, nullptr};
  } else if constexpr (std::is_pointer_v<D> || std::is_null_pointer_v<D>) {
    return {FormatInsert::Kind::Pointer, 0, 0, 0, nullptr, value};
  } else if constexpr (std::is_floating_point_v<D>) {
    return {FormatInsert::Kind::Floating, 0, 0, static_cast<double>(value), nullptr, nullptr};
  } else if constexpr (std::is_enum_v<D> || std::is_signed_v<D>) {
    return {FormatInsert::Kind::Signed, static_cast<long long>(value), 0, 0, nullptr, nullptr};
  } else {
    static_assert(std::is_integral_v<D>, "FormatMessage inserts are numbers, pointers or strings");
    return {FormatInsert::Kind::Unsigned, 0, static_cast<unsigned long long>(value), 0, nullptr, nullptr};
  }
}

// printf-style arguments: a CString goes on as its text.
template <typename T>
decltype(auto) VarArg(const T& value) {
  if constexpr (std::is_base_of_v<CString, T>) {
    return TextOf(value);
  } else {
    return value;
  }
}

}  // namespace afx

class CString {
 public:
  CString() = default;
  CString(const CString&) = default;
  CString(CString&&) noexcept = default;
  CString(char ch, int nRepeat = 1);
  // A small integer in the pointer (MAKEINTRESOURCE) loads that string resource.
  CString(LPCTSTR lpsz);
  CString(LPCTSTR lpch, int nLength);
  CString(const unsigned char* psz);
  explicit CString(std::string_view text);
  ~CString() = default;

  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) noexcept = default;
  CString& operator=(char ch);
  CString& operator=(LPCTSTR lpsz);
  CString& operator=(const unsigned char* psz);

  int GetLength() const { return static_cast<int>(m_str.size()); }
  BOOL IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  char GetAt(int nIndex) const;
  void SetAt(int nIndex, char ch);
  char operator[](int nIndex) const { return GetAt(nIndex); }
  operator LPCTSTR() const { return m_str.c_str(); }
  LPCTSTR GetString() const { return m_str.c_str(); }
  const std::string& str() const { return m_str; }

  CString& operator+=(const CString& string);
  CString& operator+=(char ch);
  CString& operator+=(LPCTSTR lpsz);
  CString& operator+=(std::string_view text);
  void Append(LPCTSTR lpsz);
  void Append(LPCTSTR lpsz, int nLength);
  void AppendChar(char ch) { m_str += ch; }

  int Compare(LPCTSTR lpsz) const;
  int CompareNoCase(LPCTSTR lpsz) const;
  int Collate(LPCTSTR lpsz) const;
  int CollateNoCase(LPCTSTR lpsz) const;

  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString SpanIncluding(LPCTSTR lpszCharSet) const;
  CString SpanExcluding(LPCTSTR lpszCharSet) const;
  CString Tokenize(LPCTSTR pszTokens, int& iStart) const;

  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  int Replace(char chOld, char chNew);
  int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
  int Remove(char chRemove);
  int Insert(int nIndex, char ch);
  int Insert(int nIndex, LPCTSTR pstr);
  int Delete(int nIndex, int nCount = 1);

  CString& Trim();
  CString& Trim(char chTarget);
  CString& Trim(LPCTSTR lpszTargets);
  CString& TrimLeft();
  CString& TrimLeft(char chTarget);
  CString& TrimLeft(LPCTSTR lpszTargets);
  CString& TrimRight();
  CString& TrimRight(char chTarget);
  CString& TrimRight(LPCTSTR lpszTargets);

  int Find(char ch) const { return Find(ch, 0); }
  int Find(char ch, int nStart) const;
  int Find(LPCTSTR lpszSub) const { return Find(lpszSub, 0); }
  int Find(LPCTSTR lpszSub, int nStart) const;
  int ReverseFind(char ch) const;
  int FindOneOf(LPCTSTR lpszCharSet) const;

  template <typename... Args>
  void Format(LPCTSTR lpszFormat, const Args&... args) {
    FormatRaw(lpszFormat, afx::VarArg(args)...);
  }
  template <typename... Args>
  void Format(UINT nFormatID, const Args&... args) {
    CString format;
    if (format.LoadString(nFormatID)) FormatRaw(format, afx::VarArg(args)...);
  }
  template <typename... Args>
  void AppendFormat(LPCTSTR lpszFormat, const Args&... args) {
    AppendFormatRaw(lpszFormat, afx::VarArg(args)...);
  }
  void FormatV(LPCTSTR lpszFormat, va_list argList);
  void AppendFormatV(LPCTSTR lpszFormat, va_list argList);

  // "%1".."%99" take the arguments in order, "%1!d!" with a printf
  // conversion; "%%" is a percent sign, "%n" a line break, "%0" ends the
  // text. An insert with no argument stays empty.
  template <typename... Args>
  void FormatMessage(LPCTSTR lpszFormat, const Args&... args) {
    const afx::FormatInsert inserts[] = {afx::MakeInsert(args)..., afx::FormatInsert{}};
    FormatMessageInserts(lpszFormat, inserts, sizeof...(Args));
  }
  template <typename... Args>
  void FormatMessage(UINT nFormatID, const Args&... args) {
    CString format;
    if (format.LoadString(nFormatID)) FormatMessage(static_cast<LPCTSTR>(format), args...);
  }
  void FormatMessageInserts(LPCTSTR lpszFormat, const afx::FormatInsert* inserts, size_t count);

  BOOL LoadString(UINT nID);

  LPTSTR GetBuffer(int nMinBufLength);
  LPTSTR GetBuffer() { return GetBuffer(0); }
  LPTSTR GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);
  void FreeExtra() { m_str.shrink_to_fit(); }
  LPTSTR LockBuffer() { return GetBuffer(0); }
  void UnlockBuffer() {}

 private:
  void FormatRaw(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));
  void AppendFormatRaw(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));
  void SetFromPointer(LPCTSTR lpsz);

  std::string m_str;
};

CString operator+(const CString& string1, const CString& string2);
CString operator+(const CString& string, char ch);
CString operator+(char ch, const CString& string);
CString operator+(const CString& string, LPCTSTR lpsz);
CString operator+(LPCTSTR lpsz, const CString& string);

bool operator==(const CString& s1, const CString& s2);
bool operator==(const CString& s1, LPCTSTR s2);
bool operator==(LPCTSTR s1, const CString& s2);
bool operator!=(const CString& s1, const CString& s2);
bool operator!=(const CString& s1, LPCTSTR s2);
bool operator!=(LPCTSTR s1, const CString& s2);
bool operator<(const CString& s1, const CString& s2);
bool operator<(const CString& s1, LPCTSTR s2);
bool operator<(LPCTSTR s1, const CString& s2);
bool operator>(const CString& s1, const CString& s2);
bool operator>(const CString& s1, LPCTSTR s2);
bool operator>(LPCTSTR s1, const CString& s2);
bool operator<=(const CString& s1, const CString& s2);
bool operator<=(const CString& s1, LPCTSTR s2);
bool operator<=(LPCTSTR s1, const CString& s2);
bool operator>=(const CString& s1, const CString& s2);
bool operator>=(const CString& s1, LPCTSTR s2);
bool operator>=(LPCTSTR s1, const CString& s2);

inline const char* afx::TextOf(const CString& str) { return str.GetString(); }

// Builds the text of a "%1".."%9" pattern from a list of strings.
void AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString);
void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2);
// The iSubString'th field of a separated list; FALSE past the last field.
BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep = '\n');

// The module whose resources LoadString uses.
HINSTANCE AfxGetResourceHandle();
