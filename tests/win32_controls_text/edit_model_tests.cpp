// The edit control's text model and line layout, without windows.
#include <gtest/gtest.h>

#include "controls/edit_buffer.h"
#include "controls/edit_layout.h"

namespace win32::controls {
namespace {

TEST(EditBuffer, LimitCutsInsertAndReportsIt) {
  EditBuffer b;
  b.SetLimit(5);
  EXPECT_FALSE(b.ReplaceSelection("abc", true));
  EXPECT_TRUE(b.ReplaceSelection("defg", true));
  EXPECT_EQ(b.text(), "abcde");
  EXPECT_EQ(b.caret(), 5u);
  // Replacing a selection frees its room first.
  b.SetSelection(0, 2);
  EXPECT_FALSE(b.ReplaceSelection("XY", true));
  EXPECT_EQ(b.text(), "XYcde");
}

TEST(EditBuffer, TypingRunUndoesAsOneStepAndUndoOfUndoRedoes) {
  EditBuffer b;
  b.Reset("x");
  b.MoveCaret(1, false);
  for (char c : std::string("abc")) b.ReplaceSelection(std::string(1, c), true, true);
  EXPECT_EQ(b.text(), "xabc");
  ASSERT_TRUE(b.Undo());
  EXPECT_EQ(b.text(), "x");
  ASSERT_TRUE(b.Undo());
  EXPECT_EQ(b.text(), "xabc");
}

TEST(EditBuffer, CaretMoveEndsTypingRun) {
  EditBuffer b;
  b.ReplaceSelection("a", true, true);
  b.MoveCaret(0, false);
  b.ReplaceSelection("b", true, true);
  ASSERT_TRUE(b.Undo());
  EXPECT_EQ(b.text(), "a");
}

TEST(EditBuffer, ResetEmptiesUndoAndModify) {
  EditBuffer b;
  b.ReplaceSelection("abc", true);
  EXPECT_TRUE(b.modified());
  b.Reset("new");
  EXPECT_FALSE(b.canUndo());
  EXPECT_FALSE(b.modified());
  EXPECT_EQ(b.caret(), 0u);
}

TEST(EditBuffer, WordBoundaries) {
  EditBuffer b;
  b.Reset("one two\r\nthree");
  EXPECT_EQ(b.NextWordStart(0), 4u);
  EXPECT_EQ(b.NextWordStart(4), 7u);
  EXPECT_EQ(b.NextWordStart(7), 9u);
  EXPECT_EQ(b.PrevWordStart(9), 7u);
  EXPECT_EQ(b.PrevWordStart(6), 4u);
  EXPECT_EQ(b.WordAt(5), (std::pair<size_t, size_t>{4, 7}));
}

int CharWidth(std::string_view s) { return static_cast<int>(s.size()) * 10; }

TEST(EditLayout, SplitsOnCrLfAndLoneLf) {
  const auto lines = LayoutLines("ab\r\ncd\nef", true, 0, CharWidth);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].start, 0u);
  EXPECT_EQ(lines[0].length, 2u);
  EXPECT_EQ(lines[1].start, 4u);
  EXPECT_EQ(lines[2].start, 7u);
  EXPECT_EQ(LineOfChar(lines, 3), 0u);
  EXPECT_EQ(LineOfChar(lines, 8), 2u);
}

TEST(EditLayout, TrailingBreakMakesAnEmptyLastLine) {
  const auto lines = LayoutLines("ab\r\n", true, 0, CharWidth);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].start, 4u);
  EXPECT_EQ(lines[1].length, 0u);
}

TEST(EditLayout, WrapsAfterSpacesAndBreaksLongWords) {
  const auto lines = LayoutLines("aaa bbb", true, 45, CharWidth);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].length, 3u);
  EXPECT_EQ(lines[1].start, 4u);
  const auto word = LayoutLines("abcdefgh", true, 35, CharWidth);
  ASSERT_EQ(word.size(), 3u);
  EXPECT_EQ(word[1].start, 3u);
}

TEST(EditLayout, SingleLineIgnoresBreaks) {
  const auto lines = LayoutLines("a\r\nb", false, 0, CharWidth);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].length, 4u);
}

}  // namespace
}  // namespace win32::controls
