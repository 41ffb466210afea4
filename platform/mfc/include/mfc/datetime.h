// CTime (a point in time, seconds since 1970, shown in local time) and
// CTimeSpan (a signed number of seconds).
#pragma once

#include <compare>
#include <ctime>

#include "afxstr.h"

class CTimeSpan {
 public:
  CTimeSpan() = default;
  CTimeSpan(time_t time) : m_timeSpan(time) {}
  CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

  LONGLONG GetDays() const { return m_timeSpan / (24 * 3600); }
  LONGLONG GetTotalHours() const { return m_timeSpan / 3600; }
  LONG GetHours() const { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
  LONGLONG GetTotalMinutes() const { return m_timeSpan / 60; }
  LONG GetMinutes() const { return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60); }
  LONGLONG GetTotalSeconds() const { return m_timeSpan; }
  LONG GetSeconds() const { return static_cast<LONG>(GetTotalSeconds() - GetTotalMinutes() * 60); }
  time_t GetTimeSpan() const { return m_timeSpan; }

  // "%D" days, "%H" "%M" "%S" hours, minutes, seconds of the day, "%%".
  CString Format(LPCTSTR pFormat) const;

  CTimeSpan operator+(CTimeSpan span) const { return m_timeSpan + span.m_timeSpan; }
  CTimeSpan operator-(CTimeSpan span) const { return m_timeSpan - span.m_timeSpan; }
  CTimeSpan& operator+=(CTimeSpan span) {
    m_timeSpan += span.m_timeSpan;
    return *this;
  }
  CTimeSpan& operator-=(CTimeSpan span) {
    m_timeSpan -= span.m_timeSpan;
    return *this;
  }
  auto operator<=>(const CTimeSpan&) const = default;

 private:
  time_t m_timeSpan = 0;
};

class CTime {
 public:
  static CTime GetCurrentTime();

  CTime() = default;
  CTime(time_t time) : m_time(time) {}
  // Local time; nDST < 0 lets the C library decide daylight saving.
  CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
  CTime(const SYSTEMTIME& st, int nDST = -1);

  time_t GetTime() const { return m_time; }
  struct tm* GetLocalTm(struct tm* ptm) const;
  struct tm* GetGmtTm(struct tm* ptm) const;
  BOOL GetAsSystemTime(SYSTEMTIME& st) const;

  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday

  // strftime codes, in local time or in UTC.
  CString Format(LPCTSTR pFormat) const;
  CString FormatGmt(LPCTSTR pFormat) const;

  CTimeSpan operator-(CTime time) const { return m_time - time.m_time; }
  CTime operator-(CTimeSpan span) const { return m_time - span.GetTimeSpan(); }
  CTime operator+(CTimeSpan span) const { return m_time + span.GetTimeSpan(); }
  CTime& operator+=(CTimeSpan span) {
    m_time += span.GetTimeSpan();
    return *this;
  }
  CTime& operator-=(CTimeSpan span) {
    m_time -= span.GetTimeSpan();
    return *this;
  }
  auto operator<=>(const CTime&) const = default;

 private:
  struct tm Local() const;

  time_t m_time = 0;
};
