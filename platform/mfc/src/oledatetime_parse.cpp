// COleDateTime::ParseDateTime: the fixed forms of dates and times.
#include "mfc/oledatetime.h"

#include <cctype>
#include <optional>
#include <string_view>

#include "afxcrt.h"

namespace {

struct Date {
  int year, month, day;
};
struct Time {
  int hour, minute, second;
};

// A cursor over the text; every Take* consumes only on success.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : m_text(text) {}

  bool AtEnd() const { return m_pos == m_text.size(); }
  char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }

  bool SkipBlanks() {
    const size_t start = m_pos;
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek()))) ++m_pos;
    return m_pos != start;
  }
  bool Take(char ch) {
    if (Peek() != ch) return false;
    ++m_pos;
    return true;
  }
  // 1 to 4 digits; `digits` tells how many there were.
  std::optional<int> TakeNumber(int* digits = nullptr) {
    int value = 0, n = 0;
    while (n < 5 && std::isdigit(static_cast<unsigned char>(Peek()))) {
      value = value * 10 + (Peek() - '0');
      ++m_pos;
      ++n;
    }
    if (n == 0 || n > 4) return std::nullopt;
    if (digits) *digits = n;
    return value;
  }
  std::string_view TakeWord() {
    const size_t start = m_pos;
    while (std::isalpha(static_cast<unsigned char>(Peek()))) ++m_pos;
    return m_text.substr(start, m_pos - start);
  }

 private:
  std::string_view m_text;
  size_t m_pos = 0;
};

bool SameWord(std::string_view a, const char* b) {
  return a.size() == std::char_traits<char>::length(b) && _strnicmp(a.data(), b, a.size()) == 0;
}

std::optional<int> MonthNamed(std::string_view word) {
  static const char* const kNames[] = {"january", "february", "march",     "april",   "may",      "june",
                                       "july",    "august",   "september", "october", "november", "december"};
  for (int i = 0; i < 12; ++i) {
    if (SameWord(word, kNames[i]) || (word.size() == 3 && _strnicmp(word.data(), kNames[i], 3) == 0)) return i + 1;
  }
  return std::nullopt;
}

int FullYear(int year, int digits) {
  if (digits > 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<Date> NumericDate(Cursor c, Cursor& rest) {
  int d1 = 0, d3 = 0;
  const auto n1 = c.TakeNumber(&d1);
  const char sep = c.Peek();
  if (!n1 || (sep != '/' && sep != '-' && sep != '.') || !c.Take(sep)) return std::nullopt;
  const auto n2 = c.TakeNumber();
  if (!n2 || !c.Take(sep)) return std::nullopt;
  const auto n3 = c.TakeNumber(&d3);
  if (!n3) return std::nullopt;
  rest = c;
  if (d1 == 4) {
    if (sep == '.') return std::nullopt;
    return Date{*n1, *n2, *n3};
  }
  return Date{FullYear(*n3, d3), *n1, *n2};
}

// "Month D, Y" or "Mon D Y".
std::optional<Date> MonthFirstDate(Cursor c, Cursor& rest) {
  const auto month = MonthNamed(c.TakeWord());
  if (!month || !c.SkipBlanks()) return std::nullopt;
  const auto day = c.TakeNumber();
  if (!day) return std::nullopt;
  const bool comma = c.Take(',');
  if (!c.SkipBlanks() && !comma) return std::nullopt;
  int digits = 0;
  const auto year = c.TakeNumber(&digits);
  if (!year) return std::nullopt;
  rest = c;
  return Date{FullYear(*year, digits), *month, *day};
}

// "D Month Y".
std::optional<Date> DayFirstDate(Cursor c, Cursor& rest) {
  const auto day = c.TakeNumber();
  if (!day || !c.SkipBlanks()) return std::nullopt;
  const auto month = MonthNamed(c.TakeWord());
  if (!month || !c.SkipBlanks()) return std::nullopt;
  int digits = 0;
  const auto year = c.TakeNumber(&digits);
  if (!year) return std::nullopt;
  rest = c;
  return Date{FullYear(*year, digits), *month, *day};
}

std::optional<Date> AnyDate(const Cursor& c, Cursor& rest) {
  if (auto d = NumericDate(c, rest)) return d;
  if (auto d = MonthFirstDate(c, rest)) return d;
  return DayFirstDate(c, rest);
}

// Two digits after a colon.
std::optional<int> TakeTwoDigits(Cursor& c) {
  int digits = 0;
  const auto v = c.TakeNumber(&digits);
  return v && digits == 2 ? v : std::nullopt;
}

std::optional<Time> AnyTime(Cursor c, Cursor& rest) {
  int digits = 0;
  const auto hour = c.TakeNumber(&digits);
  if (!hour || digits > 2) return std::nullopt;
  Time t{*hour, 0, 0};
  bool colon = false;
  if (c.Take(':')) {
    colon = true;
    const auto minute = TakeTwoDigits(c);
    if (!minute) return std::nullopt;
    t.minute = *minute;
    if (c.Take(':')) {
      const auto second = TakeTwoDigits(c);
      if (!second) return std::nullopt;
      t.second = *second;
    }
  }
  Cursor beforeMarker = c;
  c.SkipBlanks();
  const std::string_view marker = c.TakeWord();
  const bool am = SameWord(marker, "am") || SameWord(marker, "a");
  const bool pm = SameWord(marker, "pm") || SameWord(marker, "p");
  if (am || pm) {
    if (t.hour < 1 || t.hour > 12) return std::nullopt;
    t.hour = t.hour % 12 + (pm ? 12 : 0);
  } else {
    if (!colon) return std::nullopt;
    c = beforeMarker;
  }
  rest = c;
  return t;
}

}  // namespace

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID) {
  m_dt = 0.0;
  m_status = invalid;
  if (lpszDate == nullptr) return false;
  Cursor c{std::string_view(lpszDate)};
  c.SkipBlanks();
  Cursor rest = c;
  std::optional<Date> date = AnyDate(c, rest);
  std::optional<Time> time;
  if (date) {
    c = rest;
    Cursor afterDate = c;
    if (c.SkipBlanks() || c.Take('T') || c.Take('t')) time = AnyTime(c, rest);
    c = time ? rest : afterDate;
  } else {
    time = AnyTime(c, rest);
    c = rest;
  }
  c.SkipBlanks();
  if ((!date && !time) || !c.AtEnd()) return false;
  if ((date && (dwFlags & VAR_TIMEVALUEONLY)) || (time && (dwFlags & VAR_DATEVALUEONLY))) return false;
  const Date d = date.value_or(Date{1899, 12, 30});
  const Time t = time.value_or(Time{0, 0, 0});
  return SetDateTime(d.year, d.month, d.day, t.hour, t.minute, t.second) == 0;
}
