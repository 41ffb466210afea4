#include "mfc/datetime.h"

#include <string>

namespace {

CString FormatTm(const struct tm& tm, LPCTSTR pFormat) {
  if (pFormat == nullptr || *pFormat == '\0') return CString();
  // strftime answers 0 both for "too small" and for an empty result: grow a
  // few times, then take the empty answer.
  for (size_t size = 256; size <= 65536; size *= 4) {
    std::string buffer(size, '\0');
    const size_t length = std::strftime(buffer.data(), buffer.size(), pFormat, &tm);
    if (length > 0) return CString(std::string_view(buffer.data(), length));
  }
  return CString();
}

}  // namespace

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(nSecs + 60 * (nMins + 60 * (nHours + static_cast<time_t>(24) * lDays))) {}

CString CTimeSpan::Format(LPCTSTR pFormat) const {
  CString result;
  for (const char* p = pFormat != nullptr ? pFormat : ""; *p != '\0'; ++p) {
    if (*p != '%' || p[1] == '\0') {
      result += *p;
      continue;
    }
    switch (*++p) {
      case 'D':
        result.AppendFormat("%lld", static_cast<long long>(GetDays()));
        break;
      case 'H':
        result.AppendFormat("%02d", GetHours());
        break;
      case 'M':
        result.AppendFormat("%02d", GetMinutes());
        break;
      case 'S':
        result.AppendFormat("%02d", GetSeconds());
        break;
      default:
        result += *p;
        break;
    }
  }
  return result;
}

CTime CTime::GetCurrentTime() { return CTime(std::time(nullptr)); }

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
  struct tm tm = {};
  tm.tm_year = nYear - 1900;
  tm.tm_mon = nMonth - 1;
  tm.tm_mday = nDay;
  tm.tm_hour = nHour;
  tm.tm_min = nMin;
  tm.tm_sec = nSec;
  tm.tm_isdst = nDST;
  m_time = std::mktime(&tm);
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST) {}

struct tm CTime::Local() const {
  struct tm tm = {};
  localtime_r(&m_time, &tm);
  return tm;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const {
  if (ptm == nullptr || localtime_r(&m_time, ptm) == nullptr) return nullptr;
  return ptm;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const {
  if (ptm == nullptr || gmtime_r(&m_time, ptm) == nullptr) return nullptr;
  return ptm;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& st) const {
  struct tm tm = {};
  if (GetLocalTm(&tm) == nullptr) return FALSE;
  st.wYear = static_cast<WORD>(tm.tm_year + 1900);
  st.wMonth = static_cast<WORD>(tm.tm_mon + 1);
  st.wDayOfWeek = static_cast<WORD>(tm.tm_wday);
  st.wDay = static_cast<WORD>(tm.tm_mday);
  st.wHour = static_cast<WORD>(tm.tm_hour);
  st.wMinute = static_cast<WORD>(tm.tm_min);
  st.wSecond = static_cast<WORD>(tm.tm_sec);
  st.wMilliseconds = 0;
  return TRUE;
}

int CTime::GetYear() const { return Local().tm_year + 1900; }
int CTime::GetMonth() const { return Local().tm_mon + 1; }
int CTime::GetDay() const { return Local().tm_mday; }
int CTime::GetHour() const { return Local().tm_hour; }
int CTime::GetMinute() const { return Local().tm_min; }
int CTime::GetSecond() const { return Local().tm_sec; }
int CTime::GetDayOfWeek() const { return Local().tm_wday + 1; }

CString CTime::Format(LPCTSTR pFormat) const { return FormatTm(Local(), pFormat); }

CString CTime::FormatGmt(LPCTSTR pFormat) const {
  struct tm tm = {};
  gmtime_r(&m_time, &tm);
  return FormatTm(tm, pFormat);
}
