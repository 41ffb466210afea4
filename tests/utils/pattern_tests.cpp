// The wildcard language of the tree filters.
#include <gtest/gtest.h>

#include <string>

#include "UtilFunc.h"

namespace {

bool Match(const char* text, const char* pattern) { return CStdUtils::CheckPattern(text, pattern) != FALSE; }

TEST(CheckPattern, StarTakesAnyRunAndQuestionMarkOneCharacter) {
  EXPECT_TRUE(Match("CUSTOMER", "CUST*"));
  EXPECT_TRUE(Match("CUST", "CUST*"));
  EXPECT_TRUE(Match("ORDER_LINE", "*_*"));
  EXPECT_TRUE(Match("abc", "a?c"));
  EXPECT_FALSE(Match("ac", "a?c"));
  EXPECT_FALSE(Match("abbc", "a?c"));
  EXPECT_TRUE(Match("abc", "***"));
  EXPECT_FALSE(Match("CUSTOMER", "CUST"));
  EXPECT_FALSE(Match("XCUST", "CUST*"));
  EXPECT_TRUE(Match("mississippi", "*sip*"));
  EXPECT_TRUE(Match("aaab", "*a?b"));
  EXPECT_FALSE(Match("aaac", "*a?b"));
}

TEST(CheckPattern, LettersCompareIgnoringCase) {
  EXPECT_TRUE(Match("Customer", "cust*"));
  EXPECT_TRUE(Match("customer", "CUSTOMER"));
}

TEST(CheckPattern, SemicolonsSeparateAlternatives) {
  EXPECT_TRUE(Match("ORDERS", "CUST*;ORD*"));
  EXPECT_TRUE(Match("CUSTOMER", "CUST*;ORD*"));
  EXPECT_FALSE(Match("ITEMS", "CUST*;ORD*"));
  EXPECT_TRUE(Match("", "X;"));
}

TEST(CheckPattern, BackslashTakesTheNextCharacterLiterally) {
  EXPECT_TRUE(Match("a*b", "a\\*b"));
  EXPECT_FALSE(Match("axb", "a\\*b"));
  EXPECT_TRUE(Match("a?", "a\\?"));
  EXPECT_FALSE(Match("ab", "a\\?"));
  EXPECT_TRUE(Match("a;b", "a\\;b"));
  EXPECT_FALSE(Match("a", "a\\;b"));
  EXPECT_TRUE(Match("a\\", "a\\"));
}

TEST(CheckPattern, EmptyPatternMatchesEverythingAndEmptyTextOnlyStars) {
  EXPECT_TRUE(Match("anything", ""));
  EXPECT_TRUE(Match("anything", nullptr));
  EXPECT_TRUE(Match("", "*"));
  EXPECT_FALSE(Match("", "?"));
  EXPECT_FALSE(Match(nullptr, "a"));
}

TEST(CheckPattern, QuestionMarkTakesAWholeMultiByteCharacter) {
  EXPECT_TRUE(Match("caf\xC3\xA9", "caf?"));
  EXPECT_FALSE(Match("caf\xC3\xA9", "caf??"));
  EXPECT_TRUE(Match("\xE4\xB8\xAD\xE6\x96\x87", "?\xE6\x96\x87"));
}

TEST(CheckPattern, ManyStarsOnALongTextStayFast) {
  // An exponential matcher would not finish this within the test's time.
  std::string text(2000, 'a');
  std::string pattern;
  for (int i = 0; i < 40; ++i) pattern += "*a";
  pattern += "b";
  EXPECT_FALSE(Match(text.c_str(), pattern.c_str()));
  EXPECT_TRUE(Match((text + "b").c_str(), pattern.c_str()));
}

}  // namespace
