// COleDateTime: a date and time as the automation DATE (days since
// 1899-12-30, the time of day as the fraction) with a status, and a parser
// of the date and time forms users type.
#pragma once

#include "afxstr.h"

typedef double DATE;

#ifndef LANG_USER_DEFAULT
#define LANG_USER_DEFAULT 0x0400
#define LOCALE_USER_DEFAULT 0x0400
#endif
#ifndef VAR_TIMEVALUEONLY
#define VAR_TIMEVALUEONLY 0x00000001
#define VAR_DATEVALUEONLY 0x00000002
#endif
#ifndef LOCALE_NOUSEROVERRIDE
#define LOCALE_NOUSEROVERRIDE 0x80000000
#endif

class COleDateTime {
 public:
  enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

  COleDateTime() = default;
  COleDateTime(DATE dtSrc) : m_dt(dtSrc) {}
  COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

  // 0 and status valid when every field is in range (years 100 to 9999);
  // else 1, with status invalid and the value 0.
  int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
  int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
  int SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

  // The one fixed set of forms, independent of the machine's locale (the
  // locale argument is accepted and ignored), case-insensitive:
  //   dates  M/D/Y, M-D-Y, M.D.Y; Y-M-D and Y/M/D when Y has four digits;
  //          "Month D, Y", "Mon D Y", "D Month Y" (English names, full or
  //          three letters); a one- or two-digit Y below 30 is 20YY, else 19YY;
  //   times  H:MM, H:MM:SS, each optionally with AM/PM (or A/P), and H AM/PM;
  //   a date followed by a time (blank or "T" between).
  // A time alone gives the day 1899-12-30. VAR_DATEVALUEONLY refuses a
  // time part, VAR_TIMEVALUEONLY a date part. Anything else, including an
  // empty text or a day the month does not have, answers false with status
  // invalid and the value 0.
  bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }

  // -1 (AFX_OLE_DATETIME_ERROR) when the status is not valid.
  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday

  // strftime codes; empty when the status is not valid.
  CString Format(LPCTSTR pFormat) const;

  operator DATE() const { return m_dt; }

  DATE m_dt = 0.0;
  DateTimeStatus m_status = valid;

 private:
  struct Fields {
    int year, month, day, hour, minute, second, dayOfWeek;
  };
  bool GetFields(Fields& out) const;
  int Field(int Fields::*member) const;
};

#define AFX_OLE_DATETIME_ERROR (-1)
