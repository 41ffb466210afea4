// The grid's text formats and small algorithms: the clipboard's table
// text, choice lists, header tokens, the automatic cell comparison and the
// cutting of a grid into pages.
#include <gtest/gtest.h>

#include "gx/cell_compare.h"
#include "gx/header_tokens.h"
#include "gx/page_layout.h"
#include "gx/text_table.h"

namespace {

TEST(GridTextTable, RowsEndWithCrLfAndCellsAreTabSeparated) {
  EXPECT_EQ("a\tb\tc\r\n1\t\t3\r\n", gx::FormatTextTable({{"a", "b", "c"}, {"1", "", "3"}}));
  EXPECT_EQ("x\ty z\r\n", gx::FormatTextTable({{"x", "y\tz"}})) << "a tab inside a cell must not add a column";
  EXPECT_EQ("a  b\r\n", gx::FormatTextTable({{"a\r\nb"}})) << "a line break inside a cell must not add a row";
}

TEST(GridTextTable, ParsingAcceptsEveryLineEndAndIgnoresTheFinalOne) {
  const gx::TextTable expected{{"a", "b"}, {"c", ""}};
  EXPECT_EQ(expected, gx::ParseTextTable("a\tb\r\nc\t\r\n"));
  EXPECT_EQ(expected, gx::ParseTextTable("a\tb\nc\t"));
  EXPECT_EQ(expected, gx::ParseTextTable("a\tb\rc\t\n"));
  EXPECT_EQ((gx::TextTable{{"a"}, {""}, {"b"}}), gx::ParseTextTable("a\r\n\r\nb\r\n")) << "an empty line is a row";
  EXPECT_TRUE(gx::ParseTextTable("").empty());
  const gx::TextTable table{{"1", "2", "3"}, {"x", "", "z"}};
  EXPECT_EQ(table, gx::ParseTextTable(gx::FormatTextTable(table)));
}

TEST(GridChoiceList, OneItemPerLineAndALeadingEmptyItemCounts) {
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), gx::SplitChoiceList("a\nb\n"));
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), gx::SplitChoiceList("a\nb"));
  EXPECT_EQ((std::vector<std::string>{"", "true", "false"}), gx::SplitChoiceList("\ntrue\nfalse"));
  EXPECT_EQ((std::vector<std::string>{"1", "N"}), gx::SplitChoiceList("1\r\nN\r\n"));
  EXPECT_TRUE(gx::SplitChoiceList("").empty());
}

TEST(GridHeaderTokens, PageNumberCountDateTimeAndDollar) {
  gx::PageTokens tokens;
  tokens.page = 3;
  tokens.pages = 7;
  tokens.when.tm_mday = 9;
  tokens.when.tm_mon = 11;
  tokens.when.tm_year = 126;
  tokens.when.tm_hour = 4;
  tokens.when.tm_min = 5;
  EXPECT_EQ("Customer 3", gx::ExpandHeaderTokens("Customer $F", tokens));
  EXPECT_EQ("Page 3 of 7", gx::ExpandHeaderTokens("Page $P of $N", tokens));
  EXPECT_EQ("09.12.2026 04:05", gx::ExpandHeaderTokens("$D $T", tokens));
  EXPECT_EQ("$F costs $5 $", gx::ExpandHeaderTokens("$$F costs $5 $", tokens)) << "unknown tokens stay as they are";
}

TEST(GridCellCompare, NumbersAsNumbersTextsWithoutCaseEmptyFirst) {
  EXPECT_LT(gx::CompareCellTexts("9", "10", false), 0);
  EXPECT_LT(gx::CompareCellTexts(" -2.5", "1e1", false), 0);
  EXPECT_EQ(0, gx::CompareCellTexts("10", "10.0", false));
  EXPECT_LT(gx::CompareCellTexts("10", "abc", false), 0) << "numbers before other texts";
  EXPECT_LT(gx::CompareCellTexts("", "0", false), 0) << "empty first";
  EXPECT_EQ(0, gx::CompareCellTexts("Name", "name", false));
  EXPECT_GT(gx::CompareCellTexts("name", "Name", true), 0);
  EXPECT_LT(gx::CompareCellTexts("abc", "ABD", false), 0);
  EXPECT_LT(gx::CompareCellTexts("ab", "abc", false), 0);
  double value = 0;
  EXPECT_FALSE(gx::ParseCellNumber("12abc", value));
  EXPECT_FALSE(gx::ParseCellNumber("nan", value));
}

TEST(GridPageLayout, RunsFitTheRoomWithTheHeaderRepeated) {
  // Header 20, rows of 30: a room of 100 holds the header and two rows.
  const auto spans = gx::SplitIntoPages({20, 30, 30, 30, 30, 30}, 100);
  ASSERT_EQ(3u, spans.size());
  EXPECT_EQ(1, spans[0].first);
  EXPECT_EQ(2, spans[0].last);
  EXPECT_EQ(5, spans[2].first);
  EXPECT_EQ(5, spans[2].last);
  const auto oversized = gx::SplitIntoPages({20, 500, 10}, 100);
  ASSERT_EQ(2u, oversized.size()) << "an item larger than the room gets a page of its own";
  EXPECT_EQ(1, oversized[0].last);
  const auto hidden = gx::SplitIntoPages({20, 40, 0, 40}, 100);
  ASSERT_EQ(1u, hidden.size()) << "a hidden item takes no room";
}

TEST(GridPageLayout, PagesGoDownFirstThenAcross) {
  const auto pages = gx::LayoutPages({20, 50, 50, 50}, {30, 60, 60}, 130, 100);
  ASSERT_EQ(4u, pages.size());
  EXPECT_EQ(1, pages[0].rows.first);
  EXPECT_EQ(1, pages[0].cols.first);
  EXPECT_EQ(3, pages[1].rows.first);
  EXPECT_EQ(1, pages[1].cols.first);
  EXPECT_EQ(2, pages[2].cols.first);
  EXPECT_EQ(1u, gx::LayoutPages({20}, {30}, 100, 100).size()) << "headers only still print one page";
}

}  // namespace
