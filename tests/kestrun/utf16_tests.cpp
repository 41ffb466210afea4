// Text between the program's UTF-8 and Java's UTF-16.
#include <gtest/gtest.h>

#include "Utf16Text.h"

namespace {

TEST(Utf16Text, EveryPlaneRoundTrips) {
  for (const std::string text : {"", "plain", "Grüße aus Köln", "東京", "smile \xF0\x9F\x98\x80 done", "\x7F\xC2\x80"}) {
    EXPECT_EQ(text, Utf16ToUtf8(Utf8ToUtf16(text))) << text;
  }
  EXPECT_EQ(u"\U0001F600", Utf8ToUtf16("\xF0\x9F\x98\x80"));
  EXPECT_EQ(std::string("a\0b", 3), Utf16ToUtf8(std::u16string(u"a\0b", 3)));
}

TEST(Utf16Text, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  EXPECT_EQ(u"a\uFFFDb", Utf8ToUtf16("a\xFF" "b"));
  EXPECT_EQ(u"\uFFFD\uFFFD", Utf8ToUtf16("\xC0\x80")) << "an overlong form";
  EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD", Utf8ToUtf16("\xED\xA0\x80")) << "an encoded surrogate";
  EXPECT_EQ(u"x\uFFFD", Utf8ToUtf16("x\xE6\x9D")) << "cut short at the end";
  EXPECT_EQ(u"\uFFFD(", Utf8ToUtf16("\xE6(")) << "a lead byte without its continuation";
  EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD\uFFFD", Utf8ToUtf16("\xF5\x80\x80\x80")) << "past the last plane";
}

TEST(Utf16Text, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ("\xEF\xBF\xBD" "a", Utf16ToUtf8(std::u16string(u"\xD800" u"a")));
  EXPECT_EQ("a\xEF\xBF\xBD", Utf16ToUtf8(std::u16string(u"a\xDC00")));
}

}  // namespace
