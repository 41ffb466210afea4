#include <gtest/gtest.h>

#include <string>

#include "afxdisp.h"

namespace {

struct Accepted {
  const char* text;
  int year, month, day, hour, minute, second;
};

TEST(COleDateTimeTest, ParsesTheAcceptedForms) {
  const Accepted cases[] = {
      {"2024-02-29", 2024, 2, 29, 0, 0, 0},
      {"  2/29/2024 ", 2024, 2, 29, 0, 0, 0},
      {"2/3/24", 2024, 2, 3, 0, 0, 0},
      {"12/31/30", 1930, 12, 31, 0, 0, 0},
      {"Feb 29, 2024", 2024, 2, 29, 0, 0, 0},
      {"february 29 2024", 2024, 2, 29, 0, 0, 0},
      {"29 Feb. 2024", 2024, 2, 29, 0, 0, 0},
      {"13:05", 1899, 12, 30, 13, 5, 0},
      {"1:05:09 pm", 1899, 12, 30, 13, 5, 9},
      {"12:00AM", 1899, 12, 30, 0, 0, 0},
      {"12:30 PM", 1899, 12, 30, 12, 30, 0},
      {"2024-02-29T23:59:59", 2024, 2, 29, 23, 59, 59},
      {"1/5/1850 6:00", 1850, 1, 5, 6, 0, 0},
  };
  for (const Accepted& c : cases) {
    COleDateTime t;
    ASSERT_TRUE(t.ParseDateTime(c.text)) << c.text;
    EXPECT_EQ(t.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(t.GetYear(), c.year) << c.text;
    EXPECT_EQ(t.GetMonth(), c.month) << c.text;
    EXPECT_EQ(t.GetDay(), c.day) << c.text;
    EXPECT_EQ(t.GetHour(), c.hour) << c.text;
    EXPECT_EQ(t.GetMinute(), c.minute) << c.text;
    EXPECT_EQ(t.GetSecond(), c.second) << c.text;
  }
}

TEST(COleDateTimeTest, RejectsEverythingElseAndIsLeftInvalid) {
  for (const char* text : {"", "   ", "abc", "12", "3.5", "2023-02-29", "2/30/2024", "13/1/2024", "1/1/999",
                           "24:00", "13:5", "0:30 AM", "13:00 PM", "1/1/2024 12", "2024-1-1x", "Febr 3 2024",
                           "1/1/2024 10:00 XM", "10:00 AMX"}) {
    COleDateTime t(2020, 1, 1, 0, 0, 0);
    EXPECT_FALSE(t.ParseDateTime(text)) << text;
    EXPECT_EQ(t.GetStatus(), COleDateTime::invalid) << text;
    EXPECT_EQ(t.GetYear(), -1) << text;
  }
  COleDateTime none;
  EXPECT_FALSE(none.ParseDateTime(nullptr));
}

TEST(COleDateTimeTest, DateValuesCountDaysFromTheEndOf1899) {
  EXPECT_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).m_dt, 0.0);
  EXPECT_EQ(COleDateTime(1900, 1, 1, 18, 0, 0).m_dt, 2.75);
  EXPECT_EQ(COleDateTime(2000, 1, 1, 0, 0, 0).m_dt, 36526.0);
  // Before day 0 the time still counts forward: 29 December, 06:00.
  const COleDateTime before(1899, 12, 29, 6, 0, 0);
  EXPECT_EQ(before.m_dt, -1.25);
  EXPECT_EQ(COleDateTime(-1.25).GetHour(), 6);
  EXPECT_TRUE(before < COleDateTime(1899, 12, 29, 7, 0, 0));
  EXPECT_TRUE(COleDateTime(1899, 12, 28, 23, 0, 0) < before);
  EXPECT_EQ(COleDateTime(2024, 2, 29, 0, 0, 0).GetDayOfWeek(), 5);  // a Thursday

  COleDateTime t;
  EXPECT_EQ(t.SetDateTime(2023, 2, 29, 0, 0, 0), 1);
  EXPECT_EQ(t.GetStatus(), COleDateTime::invalid);
  EXPECT_EQ(t.SetTime(23, 59, 59), 0);
  EXPECT_EQ(t.GetDay(), 30);
  EXPECT_EQ(t.GetSecond(), 59);
}

TEST(COleDateTimeTest, FlagsDropAPartAndFormatsReadBack) {
  COleDateTime t;
  ASSERT_TRUE(t.ParseDateTime("3/4/2021 5:06:07 PM", VAR_DATEVALUEONLY));
  EXPECT_EQ(t.m_dt, COleDateTime(2021, 3, 4, 0, 0, 0).m_dt);
  ASSERT_TRUE(t.ParseDateTime("3/4/2021 5:06:07 PM", VAR_TIMEVALUEONLY));
  EXPECT_EQ(t.m_dt, COleDateTime(1899, 12, 30, 17, 6, 7).m_dt);

  const COleDateTime both(2021, 3, 4, 17, 6, 7);
  EXPECT_EQ(std::string(both.Format()), "3/4/2021 5:06:07 PM");
  EXPECT_EQ(std::string(COleDateTime(2021, 3, 4, 0, 0, 0).Format()), "3/4/2021");
  EXPECT_EQ(std::string(COleDateTime(1899, 12, 30, 0, 0, 5).Format()), "12:00:05 AM");
  EXPECT_EQ(std::string(both.Format(VAR_DATEVALUEONLY)), "3/4/2021");
  EXPECT_EQ(std::string(both.Format("%Y-%m-%d %H:%M:%S %a")), "2021-03-04 17:06:07 Thu");
  COleDateTime back;
  ASSERT_TRUE(back.ParseDateTime(both.Format()));
  EXPECT_TRUE(back == both);
  COleDateTime bad;
  bad.SetStatus(COleDateTime::invalid);
  EXPECT_EQ(std::string(bad.Format()), "");
}

}  // namespace
