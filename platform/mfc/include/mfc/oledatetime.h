// COleDateTime: a date and time as an automation DATE (days since
// 30 December 1899, the time of day as the fraction), with the parser
// programs use to tell whether a text is a date.
#pragma once

#include <compare>

#include "afxstr.h"

typedef double DATE;

#ifndef LANG_USER_DEFAULT
#define LANG_USER_DEFAULT 0x0400
#endif
#ifndef LOCALE_USER_DEFAULT
#define LOCALE_USER_DEFAULT 0x0400
#endif
#define VAR_TIMEVALUEONLY 0x00000001
#define VAR_DATEVALUEONLY 0x00000002

class COleDateTime {
 public:
  enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

  static COleDateTime PASCAL GetCurrentTime();

  COleDateTime() = default;
  COleDateTime(DATE dtSrc) : m_dt(dtSrc) {}
  COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }

  // Out-of-range parts leave the value invalid, as the classic class does.
  int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
  int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
  int SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

  // The parts, or -1 while the value is not valid.
  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday

  // The user's default locale reads English month names and the US order
  // of numbers. Accepted, letter case and surrounding blanks aside:
  //   dates  "2024-02-29", "2/29/2024", "2/29/24", "Feb 29, 2024",
  //          "February 29 2024", "29 Feb 2024";
  //   times  "13:05", "13:05:09", "1:05 PM", "1:05:09pm";
  //   a date then a time, separated by blanks (or "T" after an ISO date).
  // Two-digit years 0..29 are 2000..2029, 30..99 are 1930..1999; a time
  // alone falls on 30 December 1899. VAR_DATEVALUEONLY drops the time from
  // the result, VAR_TIMEVALUEONLY the date. Anything else fails and leaves
  // the value invalid.
  bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

  // strftime conversions of the parts; empty while the value is not valid.
  CString Format(LPCTSTR pFormat) const;
  // The locale's form: "2/29/2024 1:05:09 PM", without the time at
  // midnight and without the date on 30 December 1899.
  CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;

  operator DATE() const { return m_dt; }
  bool operator==(const COleDateTime& other) const { return m_status == other.m_status && m_dt == other.m_dt; }
  bool operator<(const COleDateTime& other) const { return Serial() < other.Serial(); }
  bool operator>(const COleDateTime& other) const { return other < *this; }

  DATE m_dt = 0;
  DateTimeStatus m_status = valid;

 private:
  // Seconds since the epoch day, ordered as time runs (DATE is not, below 0).
  long long Serial() const;
};
