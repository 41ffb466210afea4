// The version query answers the project's version in every buffer size.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Lumeric.h"

namespace {

const int kLength = static_cast<int>(std::strlen(EXPECTED_VERSION));

TEST(LumericVersion, AnswersTheProjectVersionWhenTheBufferIsLargeEnough) {
  char buffer[32];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(LumericVersion(buffer, sizeof buffer), kLength);
  EXPECT_STREQ(buffer, EXPECTED_VERSION);
}

TEST(LumericVersion, TheTextHasThreeNumbers) {
  char buffer[32];
  LumericVersion(buffer, sizeof buffer);
  int major = -1, minor = -1, patch = -1;
  char rest = 0;
  EXPECT_EQ(std::sscanf(buffer, "%d.%d.%d%c", &major, &minor, &patch, &rest), 3) << buffer;
  EXPECT_GE(major, 1);
}

TEST(LumericVersion, ANullBufferOrZeroSizeAsksForTheLengthOnly) {
  EXPECT_EQ(LumericVersion(nullptr, 10), kLength);
  char untouched = 'u';
  EXPECT_EQ(LumericVersion(&untouched, 0), kLength);
  EXPECT_EQ(LumericVersion(&untouched, -5), kLength);
  EXPECT_EQ(untouched, 'u');
}

TEST(LumericVersion, ASmallBufferGetsATruncatedTextEndedByANul) {
  char buffer[4];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(LumericVersion(buffer, 3), kLength);
  EXPECT_EQ(std::string(buffer), std::string(EXPECTED_VERSION).substr(0, 2));
  EXPECT_EQ(buffer[3], 'x');
  char one = 'x';
  LumericVersion(&one, 1);
  EXPECT_EQ(one, '\0');
}

TEST(LumericVersion, PassesThroughItsProcedureType) {
  const LumericVersionProc proc = &LumericVersion;
  char buffer[32];
  EXPECT_EQ(proc(buffer, sizeof buffer), kLength);
  EXPECT_STREQ(buffer, EXPECTED_VERSION);
}

}  // namespace
