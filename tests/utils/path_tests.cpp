// Splitting paths and cleaning file names.
#include <gtest/gtest.h>

#include "UtilFunc.h"

namespace {

struct Parts {
  CString drive, folder, name, ext;
};

Parts Split(const char* path) {
  Parts p;
  CUtilFunc::splitpath(path, &p.drive, &p.folder, &p.name, &p.ext);
  return p;
}

TEST(SplitPath, SplitsAtBothSeparators) {
  Parts p = Split("/home/me/work\\Orders.cfg");
  EXPECT_EQ(CString(""), p.drive);
  EXPECT_EQ(CString("/home/me/work\\"), p.folder);
  EXPECT_EQ(CString("Orders"), p.name);
  EXPECT_EQ(CString(".cfg"), p.ext);
}

TEST(SplitPath, KeepsADriveAndTheLastDotOnly) {
  Parts p = Split("C:\\data\\archive.tar.gz");
  EXPECT_EQ(CString("C:"), p.drive);
  EXPECT_EQ(CString("\\data\\"), p.folder);
  EXPECT_EQ(CString("archive.tar"), p.name);
  EXPECT_EQ(CString(".gz"), p.ext);
}

TEST(SplitPath, EdgeCases) {
  Parts bare = Split("name");
  EXPECT_EQ(CString(""), bare.folder);
  EXPECT_EQ(CString("name"), bare.name);
  EXPECT_EQ(CString(""), bare.ext);

  Parts folder = Split("/tmp/dir/");
  EXPECT_EQ(CString("/tmp/dir/"), folder.folder);
  EXPECT_EQ(CString(""), folder.name);

  Parts hidden = Split("/home/me/.profile");
  EXPECT_EQ(CString(".profile"), hidden.name);
  EXPECT_EQ(CString(""), hidden.ext);

  Parts dotInFolder = Split("/a.b/c");
  EXPECT_EQ(CString("c"), dotInFolder.name);
  EXPECT_EQ(CString(""), dotInFolder.ext);

  Parts none = Split(nullptr);
  EXPECT_TRUE(none.name.IsEmpty() && none.folder.IsEmpty());
}

TEST(SplitPath, AcceptsNullOutputs) {
  CString ext;
  CUtilFunc::splitpath("/x/y.txt", nullptr, nullptr, nullptr, &ext);
  EXPECT_EQ(CString(".txt"), ext);
}

TEST(FixHelpFileName, ReplacesEveryForbiddenCharacter) {
  CString title = "Orders: \"Line\" <1/2> | a\\b*?";
  CUtilFunc::FixHelpFileName(title);
  EXPECT_EQ(CString("Orders_ _Line_ _1_2_ _ a_b__"), title);
}

TEST(FixHelpFileName, KeepsOtherTextIncludingMultiByteCharacters) {
  CString title = "Caf\xC3\xA9 - Properties (2)";
  CUtilFunc::FixHelpFileName(title);
  EXPECT_EQ(CString("Caf\xC3\xA9 - Properties (2)"), title);
  CString tab = "a\tb";
  CUtilFunc::FixHelpFileName(tab);
  EXPECT_EQ(CString("a_b"), tab);
}

}  // namespace
