// Files replaced whole: a failed write never costs the file that was there.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "RepositoryCopy.h"
#include "repocopy_test_support.h"
#include "temp_folder.h"

namespace repocopy_test {
namespace {

using dravon::repocopy::ReplacingFile;

class ReplacingFileTest : public ::testing::Test {
 protected:
  mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
  }

  halvane::test::TempFolder m_folder{"repocopy-file"};
  std::string m_path = m_folder / "copy.in";
};

TEST_F(ReplacingFileTest, ACommittedFileReplacesTheOldOneAndLeavesNothingBeside) {
  WriteFileText(m_path, "old");
  chmod(m_path.c_str(), 0600);
  {
    ReplacingFile file(m_path);
    ASSERT_TRUE(file.Open()) << file.ErrorMessage();
    ASSERT_TRUE(file.Write("new "));
    ASSERT_TRUE(file.Write("text"));
    EXPECT_EQ(FileText(m_path), "old") << "the old file stays until the commit";
    ASSERT_TRUE(file.Commit()) << file.ErrorMessage();
  }
  EXPECT_EQ(FileText(m_path), "new text");
  EXPECT_EQ(ModeOf(m_path), 0600u) << "a private file stays private";
  EXPECT_EQ(FolderEntries(m_folder.path()), std::vector<std::string>{"copy.in"});
}

TEST_F(ReplacingFileTest, AnUncommittedWriteLeavesTheOldFileAndRemovesItsTemporary) {
  WriteFileText(m_path, "good");
  {
    ReplacingFile file(m_path);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("half"));
  }
  EXPECT_EQ(FileText(m_path), "good");
  EXPECT_EQ(FolderEntries(m_folder.path()), std::vector<std::string>{"copy.in"});
}

TEST_F(ReplacingFileTest, ANewFileTakesTheProcessMask) {
  const mode_t old = umask(027);
  {
    ReplacingFile file(m_path);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Commit());
  }
  umask(old);
  EXPECT_EQ(ModeOf(m_path), 0640u);
}

TEST_F(ReplacingFileTest, ThroughALinkTheFileItNamesIsReplaced) {
  const std::string real = m_folder / "real.in";
  WriteFileText(real, "old");
  std::filesystem::create_symlink(real, m_path);
  ReplacingFile file(m_path);
  ASSERT_TRUE(file.Open());
  ASSERT_TRUE(file.Write("new"));
  ASSERT_TRUE(file.Commit());
  EXPECT_TRUE(std::filesystem::is_symlink(m_path));
  EXPECT_EQ(FileText(real), "new");
}

TEST_F(ReplacingFileTest, FailuresNameTheFileAndTheReason) {
  std::filesystem::create_directory(m_folder / "folder");
  ReplacingFile folder(m_folder / "folder");
  EXPECT_FALSE(folder.Open());
  EXPECT_EQ(folder.ErrorNumber(), EISDIR);
  EXPECT_NE(folder.ErrorMessage().find(m_folder / "folder"), std::string::npos) << folder.ErrorMessage();

  ReplacingFile missing(m_folder / "no/such/folder/copy.in");
  EXPECT_FALSE(missing.Open());
  EXPECT_EQ(missing.ErrorNumber(), ENOENT);
  EXPECT_FALSE(missing.Write("x")) << "writing after a failed open fails";
  EXPECT_FALSE(missing.Commit());
  EXPECT_EQ(missing.ErrorNumber(), ENOENT) << "the first reason is kept";

  if (geteuid() != 0) {
    WriteFileText(m_path, "read-only");
    chmod(m_path.c_str(), 0444);
    ReplacingFile readOnly(m_path);
    EXPECT_FALSE(readOnly.Open()) << "replacing would get round the read-only mark";
    EXPECT_EQ(readOnly.ErrorNumber(), EACCES);
    EXPECT_EQ(FileText(m_path), "read-only");
  }
}

}  // namespace
}  // namespace repocopy_test
