#include "mfc/oledatetime.h"

#include <cmath>
#include <ctime>
#include <vector>

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
// The longest text Format makes.
constexpr size_t kMaxFormatted = 64 * 1024;

// Days since 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

const long kDayZero = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  if (!InRange(nYear, 100, 9999) || !InRange(nMonth, 1, 12) || !InRange(nDay, 1, DaysInMonth(nYear, nMonth)) ||
      !InRange(nHour, 0, 23) || !InRange(nMin, 0, 59) || !InRange(nSec, 0, 59)) {
    m_dt = 0.0;
    m_status = invalid;
    return 1;
  }
  const long days = DaysFromCivil(nYear, nMonth, nDay) - kDayZero;
  const double fraction = static_cast<double>(nHour * 3600 + nMin * 60 + nSec) / kSecondsPerDay;
  // Before day zero the fraction still counts forward from midnight, so it
  // is subtracted from the negative day number.
  m_dt = days >= 0 ? days + fraction : days - fraction;
  m_status = valid;
  return 0;
}

bool COleDateTime::GetFields(Fields& out) const {
  if (m_status != valid || !std::isfinite(m_dt)) return false;
  const double whole = std::trunc(m_dt);
  if (std::fabs(whole) > 3000000.0) return false;
  long days = static_cast<long>(whole);
  long seconds = std::lround(std::fabs(m_dt - whole) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++days;
  }
  const long z = days + kDayZero;
  CivilFromDays(z, out.year, out.month, out.day);
  out.hour = static_cast<int>(seconds / 3600);
  out.minute = static_cast<int>(seconds / 60 % 60);
  out.second = static_cast<int>(seconds % 60);
  out.dayOfWeek = static_cast<int>(z >= -4 ? (z + 4) % 7 : (z + 5) % 7 + 6) + 1;
  return true;
}

int COleDateTime::Field(int Fields::*member) const {
  Fields f{};
  return GetFields(f) ? f.*member : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetYear() const { return Field(&Fields::year); }
int COleDateTime::GetMonth() const { return Field(&Fields::month); }
int COleDateTime::GetDay() const { return Field(&Fields::day); }
int COleDateTime::GetHour() const { return Field(&Fields::hour); }
int COleDateTime::GetMinute() const { return Field(&Fields::minute); }
int COleDateTime::GetSecond() const { return Field(&Fields::second); }
int COleDateTime::GetDayOfWeek() const { return Field(&Fields::dayOfWeek); }

CString COleDateTime::Format(LPCTSTR pFormat) const {
  Fields f{};
  if (pFormat == nullptr || !GetFields(f)) return CString();
  std::tm tm{};
  tm.tm_year = f.year - 1900;
  tm.tm_mon = f.month - 1;
  tm.tm_mday = f.day;
  tm.tm_hour = f.hour;
  tm.tm_min = f.minute;
  tm.tm_sec = f.second;
  tm.tm_wday = f.dayOfWeek - 1;
  tm.tm_yday = static_cast<int>(DaysFromCivil(f.year, f.month, f.day) - DaysFromCivil(f.year, 1, 1));
  tm.tm_isdst = -1;
  // strftime answers 0 for a text too long for its buffer as for an empty
  // one: a format that may give text gets more room until it fits.
  for (size_t size = 256; size <= kMaxFormatted; size *= 2) {
    std::vector<char> buffer(size);
    const size_t n = std::strftime(buffer.data(), size, pFormat, &tm);
    if (n > 0 || pFormat[0] == '\0') return CString(buffer.data(), static_cast<int>(n));
  }
  return CString();
}
