#include <algorithm>
#include <cstring>

#include "afxstr.h"

namespace {

std::string_view View(LPCTSTR lpsz) { return lpsz != nullptr ? std::string_view(lpsz) : std::string_view(); }

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

}  // namespace

CString::CString(char ch, int nRepeat) : m_str(static_cast<size_t>(std::max(nRepeat, 0)), ch) {}

CString::CString(LPCTSTR lpsz) { SetFromPointer(lpsz); }

CString::CString(LPCTSTR lpch, int nLength) {
  if (lpch != nullptr && nLength > 0) m_str.assign(lpch, static_cast<size_t>(nLength));
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCTSTR>(psz)) {}

CString::CString(std::string_view text) : m_str(text) {}

CString& CString::operator=(char ch) {
  m_str.assign(1, ch);
  return *this;
}

CString& CString::operator=(LPCTSTR lpsz) {
  m_str.assign(View(lpsz));
  return *this;
}

CString& CString::operator=(const unsigned char* psz) { return *this = reinterpret_cast<LPCTSTR>(psz); }

char CString::GetAt(int nIndex) const {
  ASSERT(nIndex >= 0 && nIndex < GetLength());
  return (nIndex >= 0 && nIndex < GetLength()) ? m_str[static_cast<size_t>(nIndex)] : '\0';
}

void CString::SetAt(int nIndex, char ch) {
  ASSERT(nIndex >= 0 && nIndex < GetLength());
  if (nIndex >= 0 && nIndex < GetLength()) m_str[static_cast<size_t>(nIndex)] = ch;
}

CString& CString::operator+=(const CString& string) {
  m_str += string.m_str;
  return *this;
}

CString& CString::operator+=(char ch) {
  m_str += ch;
  return *this;
}

CString& CString::operator+=(LPCTSTR lpsz) {
  // Appending the string to itself through its own pointer must still work.
  const std::string copy(View(lpsz));
  m_str += copy;
  return *this;
}

CString& CString::operator+=(std::string_view text) {
  m_str += std::string(text);
  return *this;
}

void CString::Append(LPCTSTR lpsz) { *this += lpsz; }

void CString::Append(LPCTSTR lpsz, int nLength) {
  if (lpsz != nullptr && nLength > 0) m_str += std::string(lpsz, static_cast<size_t>(nLength));
}

int CString::Compare(LPCTSTR lpsz) const { return std::strcmp(m_str.c_str(), lpsz != nullptr ? lpsz : ""); }

int CString::CompareNoCase(LPCTSTR lpsz) const { return _stricmp(m_str.c_str(), lpsz != nullptr ? lpsz : ""); }

int CString::Collate(LPCTSTR lpsz) const { return std::strcoll(m_str.c_str(), lpsz != nullptr ? lpsz : ""); }

int CString::CollateNoCase(LPCTSTR lpsz) const {
  CString self(*this);
  CString other(lpsz);
  return self.MakeLower().Collate(other.MakeLower());
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
  const int first = Clamp(nFirst, 0, GetLength());
  const int count = Clamp(nCount, 0, GetLength() - first);
  return CString(std::string_view(m_str).substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
  const int count = Clamp(nCount, 0, GetLength());
  return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const {
  return Left(static_cast<int>(std::strspn(m_str.c_str(), lpszCharSet != nullptr ? lpszCharSet : "")));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const {
  return Left(static_cast<int>(std::strcspn(m_str.c_str(), lpszCharSet != nullptr ? lpszCharSet : "")));
}

CString CString::Tokenize(LPCTSTR pszTokens, int& iStart) const {
  const std::string_view tokens = View(pszTokens);
  if (iStart >= 0 && iStart < GetLength()) {
    const size_t begin = m_str.find_first_not_of(tokens, static_cast<size_t>(iStart));
    if (begin != std::string::npos) {
      const size_t end = std::min(m_str.find_first_of(tokens, begin), m_str.size());
      iStart = static_cast<int>(end) + 1;
      return Mid(static_cast<int>(begin), static_cast<int>(end - begin));
    }
  }
  iStart = -1;
  return CString();
}

CString& CString::MakeUpper() {
  _strupr(m_str.data());
  return *this;
}

CString& CString::MakeLower() {
  _strlwr(m_str.data());
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_str.begin(), m_str.end());
  return *this;
}

int CString::Replace(char chOld, char chNew) {
  int count = 0;
  for (char& ch : m_str) {
    if (ch == chOld) {
      ch = chNew;
      ++count;
    }
  }
  return count;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew) {
  const std::string from(View(lpszOld));
  const std::string to(View(lpszNew));
  if (from.empty()) return 0;
  int count = 0;
  std::string result;
  size_t pos = 0;
  for (size_t hit; (hit = m_str.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
    result.append(m_str, pos, hit - pos).append(to);
    ++count;
  }
  result.append(m_str, pos, std::string::npos);
  m_str = std::move(result);
  return count;
}

int CString::Remove(char chRemove) {
  const size_t before = m_str.size();
  std::erase(m_str, chRemove);
  return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, char ch) { return Insert(nIndex, std::string(1, ch).c_str()); }

int CString::Insert(int nIndex, LPCTSTR pstr) {
  const std::string text(View(pstr));
  m_str.insert(static_cast<size_t>(Clamp(nIndex, 0, GetLength())), text);
  return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
  const int first = Clamp(nIndex, 0, GetLength());
  const int count = Clamp(nCount, 0, GetLength() - first);
  m_str.erase(static_cast<size_t>(first), static_cast<size_t>(count));
  return GetLength();
}

namespace {

constexpr std::string_view kWhitespace = " \t\n\v\f\r";

void TrimLeftSet(std::string& str, std::string_view set) {
  str.erase(0, std::min(str.find_first_not_of(set), str.size()));
}

void TrimRightSet(std::string& str, std::string_view set) {
  const size_t last = str.find_last_not_of(set);
  str.erase(last == std::string::npos ? 0 : last + 1);
}

}  // namespace

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(LPCTSTR lpszTargets) { return TrimRight(lpszTargets).TrimLeft(lpszTargets); }

CString& CString::TrimLeft() {
  TrimLeftSet(m_str, kWhitespace);
  return *this;
}

CString& CString::TrimLeft(char chTarget) {
  TrimLeftSet(m_str, std::string_view(&chTarget, 1));
  return *this;
}

CString& CString::TrimLeft(LPCTSTR lpszTargets) {
  TrimLeftSet(m_str, View(lpszTargets));
  return *this;
}

CString& CString::TrimRight() {
  TrimRightSet(m_str, kWhitespace);
  return *this;
}

CString& CString::TrimRight(char chTarget) {
  TrimRightSet(m_str, std::string_view(&chTarget, 1));
  return *this;
}

CString& CString::TrimRight(LPCTSTR lpszTargets) {
  TrimRightSet(m_str, View(lpszTargets));
  return *this;
}

int CString::Find(char ch, int nStart) const {
  if (nStart < 0 || nStart >= GetLength()) return -1;
  const size_t hit = m_str.find(ch, static_cast<size_t>(nStart));
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const {
  if (lpszSub == nullptr || nStart < 0 || nStart > GetLength()) return -1;
  const size_t hit = m_str.find(lpszSub, static_cast<size_t>(nStart));
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::ReverseFind(char ch) const {
  const size_t hit = m_str.rfind(ch);
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const {
  const size_t hit = m_str.find_first_of(View(lpszCharSet));
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

LPTSTR CString::GetBuffer(int nMinBufLength) {
  if (nMinBufLength > GetLength()) m_str.resize(static_cast<size_t>(nMinBufLength));
  return m_str.data();
}

LPTSTR CString::GetBufferSetLength(int nNewLength) {
  m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)));
  return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
  const size_t length =
      nNewLength < 0 ? std::strlen(m_str.c_str()) : std::min(static_cast<size_t>(nNewLength), m_str.size());
  m_str.resize(length);
}

CString operator+(const CString& string1, const CString& string2) {
  CString result(string1);
  return result += string2;
}

CString operator+(const CString& string, char ch) {
  CString result(string);
  return result += ch;
}

CString operator+(char ch, const CString& string) {
  CString result(ch);
  return result += string;
}

CString operator+(const CString& string, LPCTSTR lpsz) {
  CString result(string);
  return result += lpsz;
}

CString operator+(LPCTSTR lpsz, const CString& string) {
  CString result(View(lpsz));
  return result += string;
}

namespace {

int Cmp(const CString& s1, LPCTSTR s2) { return s1.Compare(s2); }

}  // namespace

bool operator==(const CString& s1, const CString& s2) { return Cmp(s1, s2) == 0; }
bool operator==(const CString& s1, LPCTSTR s2) { return Cmp(s1, s2) == 0; }
bool operator==(LPCTSTR s1, const CString& s2) { return Cmp(s2, s1) == 0; }
bool operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
bool operator!=(const CString& s1, LPCTSTR s2) { return Cmp(s1, s2) != 0; }
bool operator!=(LPCTSTR s1, const CString& s2) { return Cmp(s2, s1) != 0; }
bool operator<(const CString& s1, const CString& s2) { return Cmp(s1, s2) < 0; }
bool operator<(const CString& s1, LPCTSTR s2) { return Cmp(s1, s2) < 0; }
bool operator<(LPCTSTR s1, const CString& s2) { return Cmp(s2, s1) > 0; }
bool operator>(const CString& s1, const CString& s2) { return Cmp(s1, s2) > 0; }
bool operator>(const CString& s1, LPCTSTR s2) { return Cmp(s1, s2) > 0; }
bool operator>(LPCTSTR s1, const CString& s2) { return Cmp(s2, s1) < 0; }
bool operator<=(const CString& s1, const CString& s2) { return Cmp(s1, s2) <= 0; }
bool operator<=(const CString& s1, LPCTSTR s2) { return Cmp(s1, s2) <= 0; }
bool operator<=(LPCTSTR s1, const CString& s2) { return Cmp(s2, s1) >= 0; }
bool operator>=(const CString& s1, const CString& s2) { return Cmp(s1, s2) >= 0; }
bool operator>=(const CString& s1, LPCTSTR s2) { return Cmp(s1, s2) >= 0; }
bool operator>=(LPCTSTR s1, const CString& s2) { return Cmp(s2, s1) <= 0; }
