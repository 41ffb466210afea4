// The general syntax: splitting lines, reading them from memory and from
// streams, writing them.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "RepositoryCopy.h"
#include "repocopy_test_support.h"

namespace repocopy_test {
namespace {

using namespace dravon::repocopy;

TEST(SyntaxTest, FieldsSplitAtTheFirstEqualsSign) {
  struct Case {
    const char* line;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"Name = Customer", "Name", "Customer"},
      {"Name=Customer", "Name", "Customer"},
      {"\tName   =   padded  ", "\tName", "padded  "},  // trailing blanks of a value stay
      {"AppSpecificInfo = a = b", "AppSpecificInfo", "a = b"},
      {"Version = ", "Version", ""},
      {"\t[End]", "\t[End]", ""},
  };
  for (const Case& c : cases) {
    const Field field = SplitField(c.line);
    EXPECT_EQ(field.key, c.key) << c.line;
    EXPECT_EQ(field.value, c.value) << c.line;
  }
}

TEST(SyntaxTest, TagsAndIndents) {
  EXPECT_TRUE(IsTag("[Pellisk]"));
  EXPECT_TRUE(IsTag("\t[Attribute]"));
  EXPECT_FALSE(IsTag("\t\t[ResourcePoolAllocation]")) << "a tag's [ is its first or second character";
  EXPECT_FALSE(IsTag("Name = [x]"));
  EXPECT_FALSE(IsTag(""));
  EXPECT_EQ(TagName("\t[Attribute]"), "Attribute");
  EXPECT_EQ(TagName("[Connector] trailing"), "Connector");
  EXPECT_EQ(TagName("[Unclosed"), "Unclosed");
  EXPECT_EQ(TagName("no tag"), "");
  EXPECT_EQ(Indent("\t\tKey = v"), 2);
  EXPECT_EQ(Indent("Key"), 0);
  EXPECT_TRUE(StartsWithNoCase("[businessobjectdefinition]x", "[BusinessObjectDefinition]"));
  EXPECT_FALSE(StartsWithNoCase("[End", "[End]"));
  EXPECT_TRUE(EqualsNoCase("NAME", "name"));
  EXPECT_FALSE(EqualsNoCase("Names", "name"));
}

std::vector<std::pair<int, std::string>> AllLines(LineReader& in, bool skipEmpty) {
  std::vector<std::pair<int, std::string>> lines;
  while (skipEmpty ? in.NextNonEmpty() : in.Next()) lines.emplace_back(in.Number(), std::string(in.Text()));
  return lines;
}

TEST(SyntaxTest, LinesSplitAtLfWithEveryCrTakenOut) {
  const std::string text = "\xEF\xBB\xBF[Pellisk]\r\nVersion = 3.0.0\n\r\n\nA\rB = x\r\r\n\tlast";
  LineReader in(text);
  const std::vector<std::pair<int, std::string>> expected = {{1, "[Pellisk]"}, {2, "Version = 3.0.0"}, {3, ""},
                                                             {4, ""},          {5, "AB = x"},          {6, "\tlast"}};
  EXPECT_EQ(AllLines(in, false), expected);
  EXPECT_EQ(in.Number(), 6);

  LineReader skipping(text);
  const std::vector<std::pair<int, std::string>> nonEmpty = {
      {1, "[Pellisk]"}, {2, "Version = 3.0.0"}, {5, "AB = x"}, {6, "\tlast"}};
  EXPECT_EQ(AllLines(skipping, true), nonEmpty) << "line numbers count the skipped lines";
}

TEST(SyntaxTest, AStreamGivesTheSameLinesAsMemoryAcrossItsReadBuffer) {
  // Lines of every length up to past the read buffer, so that some cross it.
  std::string text;
  for (int i = 0; i < 300; ++i) text += std::string(static_cast<size_t>(i * 7 % 1000), 'a' + i % 26) + "\r\n";
  text += std::string(200 * 1024, 'x') + "\r\n" + "Key = v\r" + std::string(70 * 1024, 'y');
  LineReader memory(text);
  std::istringstream stream(text);
  LineReader streamed(stream);
  const auto expected = AllLines(memory, false);
  EXPECT_EQ(AllLines(streamed, false), expected);
  ASSERT_EQ(expected.size(), 302u);
  EXPECT_EQ(expected.back().second.size(), 7 + 70 * 1024u) << "a CR inside a line is taken out";
  EXPECT_FALSE(streamed.ReadFailed());
}

TEST(SyntaxTest, PutBackGivesTheLineAgain) {
  LineReader in(std::string_view("one\ntwo\n"));
  ASSERT_TRUE(in.Next());
  ASSERT_TRUE(in.Next());
  in.PutBack();
  ASSERT_TRUE(in.Next());
  EXPECT_EQ(in.Text(), "two");
  EXPECT_EQ(in.Number(), 2);
  EXPECT_FALSE(in.Next());
}

// A stream whose device fails after the first bytes.
class FailingBuffer : public std::streambuf {
 protected:
  int_type underflow() override {
    if (m_served) throw std::ios_base::failure("device error");
    m_served = true;
    setg(m_text, m_text, m_text + 6);
    return traits_type::to_int_type(m_text[0]);
  }

 private:
  char m_text[7] = "a = b\n";
  bool m_served = false;
};

TEST(SyntaxTest, AFailingStreamIsToldFromItsEnd) {
  FailingBuffer buffer;
  std::istream stream(&buffer);
  LineReader in(stream);
  while (in.Next()) {
  }
  EXPECT_TRUE(in.ReadFailed());
}

TEST(SyntaxTest, TheWriterEndsLinesWithCrLfAndRefusesLineBreaksInValues) {
  std::string text;
  {
    LineWriter out(text);
    ASSERT_TRUE(WriteHeader(out, "4.0.0", {{"RepositoryID", "key"}}));
    out.Blank();
    out.Tag(0, "Connector");
    EXPECT_TRUE(out.Put(0, "Name", "C"));
    out.Tag(2, "ResourcePoolAllocation");
    EXPECT_TRUE(out.Put(2, "Tag", ""));
    EXPECT_FALSE(out.Put(1, "AttrValue", "two\nlines"));
    EXPECT_FALSE(out.Put(1, "AttrValue", "cr\r"));
    EXPECT_FALSE(out.Put(1, "AttrValue", std::string_view("nul\0", 4)));
    EXPECT_FALSE(out.Put(1, "Bad\nKey", "v"));
    out.End(2);
    out.End(0);
  }
  EXPECT_EQ(text, Crlf({"[Pellisk]", "Version = 4.0.0", "RepositoryID = key", "[End]", "", "[Connector]", "Name = C",
                        "\t\t[ResourcePoolAllocation]", "\t\tTag = ", "\t\t[End]", "[End]"}));
  std::string refused;
  LineWriter out(refused);
  EXPECT_FALSE(WriteHeader(out, "4.0.0", {{"RepositoryID", "k\r\nVersion = 9"}}));
  EXPECT_EQ(refused, "") << "a refused header writes nothing";
  EXPECT_FALSE(FitsOnOneLine("a\nb"));
  EXPECT_TRUE(FitsOnOneLine("a\tb"));
}

}  // namespace
}  // namespace repocopy_test
