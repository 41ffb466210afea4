#include <gtest/gtest.h>

#include <string>

#include "afxdisp.h"

namespace {

struct Expected {
  const char* text;
  int year, month, day, hour, minute, second;
};

void ExpectParsed(const Expected& e, DWORD flags = 0) {
  COleDateTime t;
  ASSERT_TRUE(t.ParseDateTime(e.text, flags)) << e.text;
  EXPECT_EQ(t.GetStatus(), COleDateTime::valid) << e.text;
  EXPECT_EQ(t.GetYear(), e.year) << e.text;
  EXPECT_EQ(t.GetMonth(), e.month) << e.text;
  EXPECT_EQ(t.GetDay(), e.day) << e.text;
  EXPECT_EQ(t.GetHour(), e.hour) << e.text;
  EXPECT_EQ(t.GetMinute(), e.minute) << e.text;
  EXPECT_EQ(t.GetSecond(), e.second) << e.text;
}

TEST(OleDateTimeTest, TheValueCountsDaysFromTheEndOf1899) {
  EXPECT_DOUBLE_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).m_dt, 0.0);
  EXPECT_DOUBLE_EQ(COleDateTime(1900, 1, 1, 18, 0, 0).m_dt, 2.75);
  EXPECT_DOUBLE_EQ(COleDateTime(2000, 1, 1, 0, 0, 0).m_dt, 36526.0);
  // Before day zero the time of day still counts forward from midnight.
  const COleDateTime early(1899, 12, 29, 6, 0, 0);
  EXPECT_DOUBLE_EQ(early.m_dt, -1.25);
  EXPECT_EQ(early.GetDay(), 29);
  EXPECT_EQ(early.GetHour(), 6);
  const COleDateTime leap(2024, 2, 29, 23, 59, 59);
  EXPECT_EQ(leap.GetStatus(), COleDateTime::valid);
  EXPECT_EQ(leap.GetDay(), 29);
  EXPECT_EQ(leap.GetSecond(), 59);
  EXPECT_EQ(leap.GetDayOfWeek(), 5);  // a Thursday
  EXPECT_EQ(leap.Format("%Y-%m-%d %H:%M:%S %A day %j"), "2024-02-29 23:59:59 Thursday day 060");
}

TEST(OleDateTimeTest, ALongFormatComesBackWhole) {
  const COleDateTime t(2024, 2, 29, 23, 59, 59);
  const std::string lead(300, '-');
  EXPECT_EQ(std::string(t.Format((lead + "%Y").c_str())), lead + "2024");
  EXPECT_EQ(t.Format(""), "");
}

TEST(OleDateTimeTest, OutOfRangeFieldsMakeAnInvalidValue) {
  COleDateTime t(2023, 2, 29, 0, 0, 0);
  EXPECT_EQ(t.GetStatus(), COleDateTime::invalid);
  EXPECT_EQ(t.GetYear(), AFX_OLE_DATETIME_ERROR);
  EXPECT_EQ(t.Format("%Y"), "");
  EXPECT_EQ(t.SetDateTime(2023, 12, 31, 24, 0, 0), 1);
  EXPECT_EQ(t.SetDateTime(99, 1, 1, 0, 0, 0), 1);
  EXPECT_EQ(t.SetDateTime(2023, 13, 1, 0, 0, 0), 1);
  EXPECT_EQ(t.SetDateTime(1900, 2, 29, 0, 0, 0), 1);  // not a leap year
  EXPECT_EQ(t.SetDateTime(2000, 2, 29, 0, 0, 0), 0);  // a leap year
  EXPECT_EQ(t.GetStatus(), COleDateTime::valid);
}

TEST(OleDateTimeTest, ParsesTheFixedDateForms) {
  const Expected cases[] = {
      {"1/15/2024", 2024, 1, 15, 0, 0, 0},
      {"12-31-1999", 1999, 12, 31, 0, 0, 0},
      {"2.3.2001", 2001, 2, 3, 0, 0, 0},
      {"2024-01-15", 2024, 1, 15, 0, 0, 0},
      {"2024/1/5", 2024, 1, 5, 0, 0, 0},
      {"1/2/29", 2029, 1, 2, 0, 0, 0},
      {"1/2/30", 1930, 1, 2, 0, 0, 0},
      {"1/2/5", 2005, 1, 2, 0, 0, 0},
      {"January 15, 2024", 2024, 1, 15, 0, 0, 0},
      {"jan 15 2024", 2024, 1, 15, 0, 0, 0},
      {"15 MARCH 2024", 2024, 3, 15, 0, 0, 0},
      {"  7/4/1776  ", 1776, 7, 4, 0, 0, 0},
  };
  for (const auto& e : cases) ExpectParsed(e);
}

TEST(OleDateTimeTest, ParsesTimesAloneAndAfterADate) {
  const Expected cases[] = {
      {"13:45", 1899, 12, 30, 13, 45, 0},
      {"1:05:09", 1899, 12, 30, 1, 5, 9},
      {"12:00 AM", 1899, 12, 30, 0, 0, 0},
      {"12:30 pm", 1899, 12, 30, 12, 30, 0},
      {"5 PM", 1899, 12, 30, 17, 0, 0},
      {"9:15a", 1899, 12, 30, 9, 15, 0},
      {"1/15/2024 10:30", 2024, 1, 15, 10, 30, 0},
      {"2024-01-15T23:59:58", 2024, 1, 15, 23, 59, 58},
      {"May 5, 2020 3:04:05 PM", 2020, 5, 5, 15, 4, 5},
  };
  for (const auto& e : cases) ExpectParsed(e);
  EXPECT_DOUBLE_EQ(
      [] {
        COleDateTime t;
        t.ParseDateTime("18:00");
        return t.m_dt;
      }(),
      0.75);
}

TEST(OleDateTimeTest, RefusesEverythingElseAndBecomesInvalid) {
  const char* refused[] = {"",           "   ",   "abc",       "2/30/2024", "13/1/2024", "1/1/2024 25:00", "1/1/2024 x",
                           "12",         "12345", "1.5",       "0:60",      "13:00 PM",  "Smarch 1, 2024", "1/2",
                           "2024.01.15", "10:5",  "1/1/20245", "3 May"};
  for (const char* text : refused) {
    COleDateTime t(2020, 1, 1, 0, 0, 0);
    EXPECT_FALSE(t.ParseDateTime(text)) << text;
    EXPECT_EQ(t.GetStatus(), COleDateTime::invalid) << text;
    EXPECT_DOUBLE_EQ(t.m_dt, 0.0) << text;
  }
  COleDateTime t;
  EXPECT_FALSE(t.ParseDateTime(nullptr));
}

TEST(OleDateTimeTest, ValueOnlyFlagsRefuseTheOtherPart) {
  COleDateTime t;
  EXPECT_FALSE(t.ParseDateTime("1/15/2024 10:30", VAR_DATEVALUEONLY));
  EXPECT_TRUE(t.ParseDateTime("1/15/2024", VAR_DATEVALUEONLY));
  EXPECT_FALSE(t.ParseDateTime("1/15/2024", VAR_TIMEVALUEONLY));
  EXPECT_TRUE(t.ParseDateTime("10:30", VAR_TIMEVALUEONLY));
  // The locale argument does not change the accepted forms.
  EXPECT_TRUE(t.ParseDateTime("1/15/2024", 0, 0x0407));
  EXPECT_EQ(t.GetMonth(), 1);
}

}  // namespace
