// Conversions between the 8-bit code page (UTF-8) and UTF-16.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::u16string Wide(const std::string& text, DWORD flags = 0) {
  const int needed = MultiByteToWideChar(CP_UTF8, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string result(static_cast<size_t>(needed), u'\0');
  EXPECT_EQ(needed,
            MultiByteToWideChar(CP_UTF8, flags, text.data(), static_cast<int>(text.size()), result.data(), needed));
  return result;
}

std::string Narrow(const std::u16string& text) {
  const int needed =
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(needed), '\0');
  EXPECT_EQ(needed, WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), needed,
                                        nullptr, nullptr));
  return result;
}

TEST(TextConversion, EveryPlaneRoundTrips) {
  for (const std::string text : {"plain", "Grüße aus Köln", "東京", "smile \xF0\x9F\x98\x80 done", "\x7F\xC2\x80"}) {
    EXPECT_EQ(text, Narrow(Wide(text))) << text;
  }
  EXPECT_EQ(u"\U0001F600", Wide("\xF0\x9F\x98\x80"));
  EXPECT_EQ(std::string("a\0b", 3), Narrow(std::u16string(u"a\0b", 3)));
}

TEST(TextConversion, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  EXPECT_EQ(u"a\uFFFDb", Wide("a\xFF"
                              "b"));
  EXPECT_EQ(u"\uFFFD\uFFFD", Wide("\xC0\x80")) << "an overlong form";
  EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD", Wide("\xED\xA0\x80")) << "an encoded surrogate";
  EXPECT_EQ(u"x\uFFFD", Wide("x\xE6\x9D")) << "cut short at the end";
  EXPECT_EQ(u"\uFFFD(", Wide("\xE6(")) << "a lead byte without its continuation";
  EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD\uFFFD", Wide("\xF5\x80\x80\x80")) << "past the last plane";
}

TEST(TextConversion, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(
      "\xEF\xBF\xBD"
      "a",
      Narrow(std::u16string(u"\xD800"
                            u"a")));
  EXPECT_EQ("a\xEF\xBF\xBD", Narrow(std::u16string(u"a\xDC00")));
}

TEST(TextConversion, ErrorFlagsRefuseMalformedInput) {
  EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xFF", 2, nullptr, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
  const char16_t lone[] = u"\xD800";
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 1, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
}

TEST(TextConversion, TerminatedInputCountsItsNulAndShortBuffersFail) {
  EXPECT_EQ(3, MultiByteToWideChar(CP_ACP, 0, "ab", -1, nullptr, 0));
  char16_t out[2] = {};
  EXPECT_EQ(0, MultiByteToWideChar(CP_ACP, 0, "ab", -1, out, 2));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(3, WideCharToMultiByte(CP_ACP, 0, u"ab", -1, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(0, MultiByteToWideChar(1252, 0, "ab", 2, nullptr, 0)) << "only the UTF-8 code page exists here";
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

}  // namespace
