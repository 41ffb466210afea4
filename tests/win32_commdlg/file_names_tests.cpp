// The file dialogs' name rules: filters and patterns, typed names, default
// extensions, paths, the result layout and GetFileTitle.
#include <gtest/gtest.h>

#include <cstring>

#include "commdlg/file_names.h"

namespace win32::commdlg {
namespace {

using Strings = std::vector<std::string>;

TEST(FileNamesTest, AFilterGivesItsTypesAndPatternLists) {
  const std::vector<FileType> types = ParseFilter("Text\0*.txt\0Logs\0*.log; *.TRC\0Broken\0\0");
  ASSERT_EQ(2u, types.size());
  EXPECT_EQ("Text", types[0].description);
  EXPECT_EQ((Strings{"*.txt"}), types[0].patterns);
  EXPECT_EQ((Strings{"*.log", "*.TRC"}), types[1].patterns);
  EXPECT_TRUE(ParseFilter(nullptr).empty());
  EXPECT_TRUE(ParseFilter("").empty());
}

TEST(FileNamesTest, PatternsMatchWithoutRegardToCase) {
  EXPECT_TRUE(MatchesPattern("Report.TXT", "*.txt"));
  EXPECT_FALSE(MatchesPattern("report.txt.bak", "*.txt"));
  EXPECT_TRUE(MatchesPattern("notes", "*.*"));
  EXPECT_TRUE(MatchesPattern("a1.log", "a?.log"));
  EXPECT_FALSE(MatchesPattern("a12.log", "a?.log"));
  EXPECT_TRUE(MatchesPattern("x", "*"));
  EXPECT_TRUE(MatchesAny("c.trc", {"*.log", "*.trc"}));
  EXPECT_FALSE(MatchesAny("c.txt", {"*.log", "*.trc"}));
  EXPECT_TRUE(MatchesEverything({"*.txt", "*.*"}));
  EXPECT_FALSE(MatchesEverything({"*.txt"}));
}

TEST(FileNamesTest, TheDefaultExtensionIsAcceptedInEveryUsualSpelling) {
  EXPECT_EQ("cfg", CleanExtension(".cfg"));
  EXPECT_EQ("cfg", CleanExtension("*.cfg"));
  EXPECT_EQ("cfg", CleanExtension("cfg"));
  EXPECT_EQ("", CleanExtension("*."));
  EXPECT_EQ("txt", ExtensionToAdd({"*.txt"}, "in"));
  EXPECT_EQ("in", ExtensionToAdd({"*.in", "*.out"}, "in"));
  EXPECT_EQ("in", ExtensionToAdd({"data*.x?"}, "in"));
  EXPECT_EQ("", ExtensionToAdd({"*.*"}, "in"));
  EXPECT_EQ("", ExtensionToAdd({"*.txt"}, ""));
}

TEST(FileNamesTest, TypedNamesSplitAtQuotes) {
  EXPECT_EQ((Strings{"my file.txt"}), SplitTypedNames("  my file.txt "));
  EXPECT_EQ((Strings{"a.txt", "b c.txt"}), SplitTypedNames("\"a.txt\" \"b c.txt\""));
  EXPECT_EQ((Strings{"a.txt", "open"}), SplitTypedNames("\"a.txt\" \"open"));
  EXPECT_TRUE(SplitTypedNames("   ").empty());
}

TEST(FileNamesTest, PathsAreNormalisedAndSplit) {
  EXPECT_EQ("/a/c", NormalizePath("/a/./b/../c/"));
  EXPECT_EQ("/a/b", NormalizePath("\\a\\b"));
  EXPECT_EQ("/", NormalizePath("/.."));
  EXPECT_EQ("/x/y.txt", JoinPath("/x", "y.txt"));
  EXPECT_EQ("/abs.txt", JoinPath("/x", "/abs.txt"));
  EXPECT_EQ("/", ParentOf("/x"));
  EXPECT_EQ("/x", ParentOf("/x/y"));
  EXPECT_EQ("y.txt", LeafOf("/x/y.txt"));
  EXPECT_TRUE(HasExtension("a.b"));
  EXPECT_FALSE(HasExtension(".profile"));
  EXPECT_FALSE(HasExtension("dir.d/name"));
  EXPECT_EQ((Strings{"/", "/x", "/x/y"}), AncestorsOf("/x/y"));
}

class FileResultTest : public ::testing::Test {
 protected:
  OPENFILENAME Ofn(DWORD size) {
    OPENFILENAME ofn{};
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = size;
    ofn.lpstrFileTitle = fileTitle;
    ofn.nMaxFileTitle = sizeof fileTitle;
    return ofn;
  }
  char buffer[64] = {};
  char fileTitle[8] = {};
};

TEST_F(FileResultTest, OneNameIsAFullPathWithOffsets) {
  OPENFILENAME ofn = Ofn(sizeof buffer);
  EXPECT_EQ(0u, WriteFileResult(ofn, "/d", {"name.txt"}));
  EXPECT_STREQ("/d/name.txt", buffer);
  EXPECT_EQ(3, ofn.nFileOffset);
  EXPECT_EQ(8, ofn.nFileExtension);
  EXPECT_STREQ("name.tx", fileTitle);  // cut to its buffer
  EXPECT_EQ(0u, WriteFileResult(ofn, "/d", {"plain"}));
  EXPECT_EQ(std::strlen("/d/plain"), ofn.nFileExtension);  // the terminator
}

TEST_F(FileResultTest, SeveralNamesFollowTheFolderSeparatedByZeros) {
  OPENFILENAME ofn = Ofn(sizeof buffer);
  EXPECT_EQ(0u, WriteFileResult(ofn, "/d", {"a", "b"}));
  EXPECT_EQ(0, std::memcmp("/d\0a\0b\0\0", buffer, 9));
  EXPECT_EQ(3, ofn.nFileOffset);
}

TEST_F(FileResultTest, ATooSmallBufferGetsTheSizeNeeded) {
  OPENFILENAME ofn = Ofn(6);
  EXPECT_EQ(static_cast<DWORD>(FNERR_BUFFERTOOSMALL), WriteFileResult(ofn, "/d", {"name.txt"}));
  WORD needed = 0;
  std::memcpy(&needed, buffer, sizeof needed);
  EXPECT_EQ(12, needed);
  EXPECT_EQ(static_cast<DWORD>(FNERR_BUFFERTOOSMALL), WriteFileResult(ofn, "/d", {"a", "b"}));
  std::memcpy(&needed, buffer, sizeof needed);
  EXPECT_EQ(8, needed);
  ofn = Ofn(8);
  EXPECT_EQ(0u, WriteFileResult(ofn, "/d", {"a", "b"}));
}

TEST(GetFileTitleTest, TheTitleIsTheNameAfterTheFolder) {
  char out[16] = {};
  EXPECT_EQ(0, GetFileTitle("/x/report.txt", out, sizeof out));
  EXPECT_STREQ("report.txt", out);
  EXPECT_EQ(0, GetFileTitle("c\\a\\b.in", out, sizeof out));
  EXPECT_STREQ("b.in", out);
  EXPECT_EQ(11, GetFileTitle("/x/report.txt", out, 4));
  EXPECT_LT(GetFileTitle("/x/", out, sizeof out), 0);
  EXPECT_LT(GetFileTitle("*.txt", out, sizeof out), 0);
  EXPECT_LT(GetFileTitle(nullptr, out, sizeof out), 0);
}

}  // namespace
}  // namespace win32::commdlg
