#include "mfc/oledatetime.h"

#include <array>
#include <cctype>
#include <cmath>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

constexpr long long kSecondsPerDay = 86400;
// Day 0 of DATE, 30 December 1899, counted from 1 January 1970.
constexpr long long kEpochDay = -25569;

struct Parts {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, Parts& parts) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  parts.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  parts.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  parts.year = static_cast<int>(yoe + era * 400 + (parts.month <= 2));
}

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[static_cast<size_t>(month - 1)];
}

bool IsValid(const Parts& p) {
  return p.year >= 100 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 &&
         p.day <= DaysInMonth(p.year, p.month) && p.hour >= 0 && p.hour <= 23 && p.minute >= 0 && p.minute <= 59 &&
         p.second >= 0 && p.second <= 59;
}

DATE ToDate(const Parts& p) {
  const long long days = DaysFromCivil(p.year, p.month, p.day) - kEpochDay;
  const double fraction = static_cast<double>(p.hour * 3600 + p.minute * 60 + p.second) / kSecondsPerDay;
  // Below day 0 the fraction still counts forward from midnight.
  return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

// Calendar day (from day 0) and second of the day, rounded to the second.
std::optional<std::pair<long long, long long>> Split(DATE dt) {
  if (!std::isfinite(dt) || dt < -657434.0 || dt >= 2958466.0) return std::nullopt;
  const double whole = std::trunc(dt);
  long long days = static_cast<long long>(whole);
  long long seconds = std::llround(std::fabs(dt - whole) * kSecondsPerDay);
  if (seconds == kSecondsPerDay) {
    seconds = 0;
    ++days;
  }
  return std::make_pair(days, seconds);
}

std::optional<Parts> ToParts(DATE dt) {
  const auto split = Split(dt);
  if (!split) return std::nullopt;
  Parts parts;
  CivilFromDays(split->first + kEpochDay, parts);
  parts.hour = static_cast<int>(split->second / 3600);
  parts.minute = static_cast<int>(split->second / 60 % 60);
  parts.second = static_cast<int>(split->second % 60);
  return parts;
}

// Reads the accepted forms left to right; every reader restores the
// position when it does not match.
class DateScanner {
 public:
  explicit DateScanner(std::string_view text) : m_text(text) {}

  bool AtEnd() const { return m_pos == m_text.size(); }

  bool Blanks() {
    const size_t start = m_pos;
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) ++m_pos;
    return m_pos > start;
  }

  bool Char(char c) {
    if (m_pos < m_text.size() && std::tolower(static_cast<unsigned char>(m_text[m_pos])) == c) {
      ++m_pos;
      return true;
    }
    return false;
  }

  // A number of minDigits..maxDigits digits.
  bool Number(int& value, size_t minDigits, size_t maxDigits, size_t* pDigits = nullptr) {
    size_t n = 0;
    int v = 0;
    while (m_pos + n < m_text.size() && n < maxDigits && std::isdigit(static_cast<unsigned char>(m_text[m_pos + n]))) {
      v = v * 10 + (m_text[m_pos + n] - '0');
      ++n;
    }
    if (n < minDigits || (m_pos + n < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos + n]))))
      return false;
    m_pos += n;
    value = v;
    if (pDigits) *pDigits = n;
    return true;
  }

  // A month's full English name or its first three letters (with an
  // optional dot).
  bool Month(int& month) {
    static constexpr std::array<std::string_view, 12> kMonths = {"january", "february", "march",     "april",
                                                                 "may",     "june",     "july",      "august",
                                                                 "september", "october", "november", "december"};
    size_t n = 0;
    while (m_pos + n < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[m_pos + n]))) ++n;
    std::string word(m_text.substr(m_pos, n));
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t i = 0; i < kMonths.size(); ++i) {
      if (word == kMonths[i] || (word.size() == 3 && kMonths[i].substr(0, 3) == word)) {
        m_pos += n;
        if (word.size() == 3) Char('.');
        month = static_cast<int>(i) + 1;
        return true;
      }
    }
    return false;
  }

  // Tries each form from the same start; a form that fails half-way
  // leaves neither the position nor the parts changed.
  bool Date(Parts& parts, bool& iso) {
    using Form = bool (DateScanner::*)(Parts&);
    static constexpr std::array<Form, 4> kForms = {&DateScanner::IsoDate, &DateScanner::UsDate,
                                                   &DateScanner::NamedMonthFirst, &DateScanner::DayFirst};
    const size_t start = m_pos;
    for (Form form : kForms) {
      Parts trial = parts;
      if ((this->*form)(trial)) {
        iso = form == kForms[0];
        parts = trial;
        return true;
      }
      m_pos = start;
    }
    return false;
  }

  bool Time(Parts& parts) {
    const size_t start = m_pos;
    int hour = 0, minute = 0, second = 0;
    if (!Number(hour, 1, 2) || !Char(':') || !Number(minute, 2, 2) ||
        (Char(':') && !Number(second, 2, 2))) {
      m_pos = start;
      return false;
    }
    const size_t beforeMarker = m_pos;
    Blanks();
    const bool am = Marker('a'), pm = !am && Marker('p');
    if (!am && !pm) m_pos = beforeMarker;
    if ((am || pm) && (hour < 1 || hour > 12)) {
      m_pos = start;
      return false;
    }
    parts.hour = am || pm ? hour % 12 + (pm ? 12 : 0) : hour;
    parts.minute = minute;
    parts.second = second;
    return true;
  }

 private:
  bool Marker(char first) {
    const size_t start = m_pos;
    if (Char(first) && Char('m') && (AtEnd() || !std::isalpha(static_cast<unsigned char>(m_text[m_pos])))) return true;
    m_pos = start;
    return false;
  }

  bool Year(int& year) {
    size_t digits = 0;
    if (!Number(year, 2, 4, &digits) || digits == 3) return false;
    if (digits == 2) year += year < 30 ? 2000 : 1900;
    return true;
  }

  bool IsoDate(Parts& p) {
    return Number(p.year, 4, 4) && Char('-') && Number(p.month, 1, 2) && Char('-') && Number(p.day, 1, 2);
  }
  bool UsDate(Parts& p) {
    return Number(p.month, 1, 2) && Char('/') && Number(p.day, 1, 2) && Char('/') && Year(p.year);
  }
  bool NamedMonthFirst(Parts& p) {
    if (!Month(p.month)) return false;
    Blanks();
    if (!Number(p.day, 1, 2)) return false;
    Char(',');
    return Blanks() && Year(p.year);
  }
  bool DayFirst(Parts& p) {
    if (!Number(p.day, 1, 2) || !Blanks() || !Month(p.month)) return false;
    return Blanks() && Year(p.year);
  }

  std::string_view m_text;
  size_t m_pos = 0;
};

std::optional<Parts> Parse(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  DateScanner scan(text);
  Parts parts;
  bool iso = false;
  if (scan.Date(parts, iso)) {
    if (!scan.AtEnd() && !((iso && scan.Char('t')) || scan.Blanks())) return std::nullopt;
    if (!scan.AtEnd() && !scan.Time(parts)) return std::nullopt;
  } else if (!scan.Time(parts)) {
    return std::nullopt;
  }
  if (!scan.AtEnd() || !IsValid(parts)) return std::nullopt;
  return parts;
}

}  // namespace

COleDateTime PASCAL COleDateTime::GetCurrentTime() {
  const time_t now = time(nullptr);
  struct tm local {};
  localtime_r(&now, &local);
  return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                      local.tm_sec);
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  const Parts parts{nYear, nMonth, nDay, nHour, nMin, nSec};
  m_status = IsValid(parts) ? valid : invalid;
  m_dt = m_status == valid ? ToDate(parts) : 0;
  return m_status == valid ? 0 : 1;
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID) {
  const std::optional<Parts> parsed = Parse(lpszDate ? lpszDate : "");
  if (!parsed) {
    m_dt = 0;
    m_status = invalid;
    return false;
  }
  Parts parts = *parsed;
  if (dwFlags & VAR_DATEVALUEONLY) parts.hour = parts.minute = parts.second = 0;
  if (dwFlags & VAR_TIMEVALUEONLY) {
    parts.year = 1899;
    parts.month = 12;
    parts.day = 30;
  }
  m_dt = ToDate(parts);
  m_status = valid;
  return true;
}

namespace {

std::optional<Parts> ValidParts(const COleDateTime& t) {
  return t.GetStatus() == COleDateTime::valid ? ToParts(t.m_dt) : std::nullopt;
}

int PartOf(const COleDateTime& t, int Parts::*member) {
  const auto parts = ValidParts(t);
  return parts ? (*parts).*member : -1;
}

}  // namespace

int COleDateTime::GetYear() const { return PartOf(*this, &Parts::year); }
int COleDateTime::GetMonth() const { return PartOf(*this, &Parts::month); }
int COleDateTime::GetDay() const { return PartOf(*this, &Parts::day); }
int COleDateTime::GetHour() const { return PartOf(*this, &Parts::hour); }
int COleDateTime::GetMinute() const { return PartOf(*this, &Parts::minute); }
int COleDateTime::GetSecond() const { return PartOf(*this, &Parts::second); }

int COleDateTime::GetDayOfWeek() const {
  const auto parts = ValidParts(*this);
  if (!parts) return -1;
  // 1 January 1970 was a Thursday (5).
  const long long days = DaysFromCivil(parts->year, parts->month, parts->day);
  return static_cast<int>(((days % 7) + 7 + 4) % 7) + 1;
}

CString COleDateTime::Format(LPCTSTR pFormat) const {
  const auto parts = ValidParts(*this);
  if (!parts || !pFormat) return CString();
  struct tm t {};
  t.tm_year = parts->year - 1900;
  t.tm_mon = parts->month - 1;
  t.tm_mday = parts->day;
  t.tm_hour = parts->hour;
  t.tm_min = parts->minute;
  t.tm_sec = parts->second;
  t.tm_wday = GetDayOfWeek() - 1;
  t.tm_yday = static_cast<int>(DaysFromCivil(parts->year, parts->month, parts->day) -
                               DaysFromCivil(parts->year, 1, 1));
  char buffer[512];
  const size_t n = strftime(buffer, sizeof buffer, pFormat, &t);
  return CString(buffer, static_cast<int>(n));
}

CString COleDateTime::Format(DWORD dwFlags, LCID) const {
  const auto parts = ValidParts(*this);
  if (!parts) return CString();
  const bool onDayZero = parts->year == 1899 && parts->month == 12 && parts->day == 30;
  const bool atMidnight = parts->hour == 0 && parts->minute == 0 && parts->second == 0;
  const bool showDate = !(dwFlags & VAR_TIMEVALUEONLY) && (!onDayZero || (dwFlags & VAR_DATEVALUEONLY));
  const bool showTime = !(dwFlags & VAR_DATEVALUEONLY) && (!atMidnight || !showDate);
  CString text;
  if (showDate) text.Format("%d/%d/%d", parts->month, parts->day, parts->year);
  if (showTime) {
    CString time;
    time.Format("%d:%02d:%02d %s", parts->hour % 12 == 0 ? 12 : parts->hour % 12, parts->minute, parts->second,
                parts->hour < 12 ? "AM" : "PM");
    text += showDate ? " " + time : time;
  }
  return text;
}

long long COleDateTime::Serial() const {
  const auto split = Split(m_dt);
  return split ? split->first * kSecondsPerDay + split->second : 0;
}
