#include <gtest/gtest.h>

#include "afx.h"
#include "resource.h"

namespace {

TEST(ResourceStringTest, LoadStringOfAnyLength) {
  CString s;
  EXPECT_TRUE(s.LoadString(IDS_PAIR));
  EXPECT_EQ(s, "Loaded %1 and %2");
  EXPECT_TRUE(s.LoadString(IDS_LONG));
  EXPECT_EQ(s, CString('L', 300));
  EXPECT_FALSE(s.LoadString(9999));
  EXPECT_TRUE(s.IsEmpty());
}

TEST(ResourceStringTest, IntegerPointerConstructsFromTheResource) {
  const CString s(MAKEINTRESOURCE(IDS_VALUE));
  EXPECT_EQ(s, "value %d");
}

TEST(ResourceStringTest, FormatFromResourceIds) {
  CString s;
  s.Format(IDS_VALUE, 42);
  EXPECT_EQ(s, "value 42");
  s.FormatMessage(IDS_INSERTS, "ten", 3);
  EXPECT_EQ(s, "3 of ten");
  AfxFormatString1(s, IDS_PAIR, "one");
  EXPECT_EQ(s, "Loaded one and ?");
  AfxFormatString2(s, IDS_PAIR, "one", "two");
  EXPECT_EQ(s, "Loaded one and two");
}

}  // namespace
