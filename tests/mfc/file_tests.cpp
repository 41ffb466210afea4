#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <string>

#include "afx.h"

namespace {

class FileTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/mfc_files_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    m_dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  std::string PathOf(const std::string& name) const { return m_dir + "/" + name; }
  std::string Contents(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Put(const std::string& name, const std::string& data) const {
    std::ofstream(PathOf(name), std::ios::binary) << data;
  }

  std::string m_dir;
};

// The cause of the CFileException thrown by `action`, or -1.
template <class Action>
int FileFailure(Action action) {
  try {
    action();
  } catch (CFileException* e) {
    const int cause = e->m_cause;
    e->Delete();
    return cause;
  }
  return -1;
}

TEST_F(FileTest, OpenFailuresFillTheExceptionWithTheRightCause) {
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(PathOf("missing.bin").c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_lOsError, ENOENT);
  EXPECT_EQ(error.m_strFileName, PathOf("missing.bin").c_str());

  EXPECT_FALSE(file.Open(PathOf("no/such/dir.bin").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);

  Put("plain", "x");
  EXPECT_FALSE(file.Open(PathOf("plain/below").c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::badPath);

  EXPECT_FALSE(file.Open(m_dir.c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::accessDenied);

  EXPECT_EQ(FileFailure([&] { CFile thrown(PathOf("missing.bin").c_str(), CFile::modeRead); }),
            CFileException::fileNotFound);
}

TEST_F(FileTest, SharingViolationLeavesTheHeldFileIntact) {
  CFile holder;
  ASSERT_TRUE(holder.Open(PathOf("held.txt").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
  holder.Write("keep", 4);
  CFile second;
  CFileException error;
  EXPECT_FALSE(second.Open(PathOf("held.txt").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
  EXPECT_FALSE(second.Open(PathOf("held.txt").c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
  holder.Close();
  EXPECT_EQ(Contents("held.txt"), "keep");
  ASSERT_TRUE(second.Open(PathOf("held.txt").c_str(), CFile::modeRead | CFile::shareDenyWrite));
  CFile reader;
  EXPECT_TRUE(reader.Open(PathOf("held.txt").c_str(), CFile::modeRead | CFile::shareDenyWrite));
}

TEST_F(FileTest, ReadWriteSeekLengthAndNames) {
  CFile file;
  ASSERT_TRUE(file.Open((m_dir + "\\data.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite));
  EXPECT_EQ(file.GetFilePath(), PathOf("data.bin").c_str());
  EXPECT_EQ(file.GetFileName(), "data.bin");
  EXPECT_EQ(file.GetFileTitle(), "data");
  file.Write("0123456789", 10);
  EXPECT_EQ(file.GetLength(), 10u);
  EXPECT_EQ(file.Seek(-4, CFile::end), 6u);
  char buffer[8] = {};
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "6789");
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  EXPECT_EQ(file.SeekToBegin(), 0u);
  EXPECT_EQ(FileFailure([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);
  file.SetLength(3);
  EXPECT_EQ(file.SeekToEnd(), 3u);
  EXPECT_EQ(file.GetPosition(), 3u);
  file.Flush();
  file.Close();
  EXPECT_EQ(Contents("data.bin"), "012");
}

TEST_F(FileTest, ClosedFileFailsWithInvalidFile) {
  CFile file;
  char byte;
  EXPECT_EQ(FileFailure([&] { file.Read(&byte, 1); }), CFileException::invalidFile);
  EXPECT_EQ(FileFailure([&] { file.Write("x", 1); }), CFileException::invalidFile);
  EXPECT_EQ(FileFailure([&] { file.GetLength(); }), CFileException::invalidFile);
  file.Flush();
  file.Close();
  file.Abort();
  CFileStatus status;
  EXPECT_FALSE(file.GetStatus(status));
}

TEST_F(FileTest, ModeNoTruncateKeepsContents) {
  Put("log.txt", "abc");
  CFile file;
  ASSERT_TRUE(file.Open(PathOf("log.txt").c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
  file.SeekToEnd();
  file.Write("d", 1);
  file.Close();
  EXPECT_EQ(Contents("log.txt"), "abcd");
  ASSERT_TRUE(file.Open(PathOf("log.txt").c_str(), CFile::modeCreate | CFile::modeWrite));
  file.Close();
  EXPECT_EQ(Contents("log.txt"), "");
}

TEST_F(FileTest, ADeviceOpensForCreationAndAFullOneRefusesWrites) {
  CFile file;
  ASSERT_TRUE(file.Open("/dev/full", CFile::modeCreate | CFile::modeWrite)) << "nothing to truncate on a device";
  try {
    file.Write("x", 1);
    ADD_FAILURE() << "a write to a full device must throw";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::diskFull);
    e->Delete();
  }
  file.Close();
}

TEST_F(FileTest, StaticRemoveRenameAndStatus) {
  Put("a.txt", "12345");
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(PathOf("a.txt").c_str(), status));
  EXPECT_EQ(status.m_size, 5u);
  EXPECT_STREQ(status.m_szFullName, PathOf("a.txt").c_str());
  EXPECT_EQ(status.m_attribute & CFile::directory, 0);
  EXPECT_GT(status.m_mtime.GetTime(), 0);
  ASSERT_TRUE(CFile::GetStatus(m_dir.c_str(), status));
  EXPECT_NE(status.m_attribute & CFile::directory, 0);
  EXPECT_FALSE(CFile::GetStatus(PathOf("none").c_str(), status));

  CFile::Rename(PathOf("a.txt").c_str(), PathOf("b.txt").c_str());
  EXPECT_EQ(Contents("b.txt"), "12345");
  Put("c.txt", "other");
  EXPECT_EQ(FileFailure([&] { CFile::Rename(PathOf("b.txt").c_str(), PathOf("c.txt").c_str()); }),
            CFileException::accessDenied);
  EXPECT_EQ(Contents("c.txt"), "other");
  CFile::Remove(PathOf("b.txt").c_str());
  EXPECT_FALSE(std::filesystem::exists(PathOf("b.txt")));
  EXPECT_EQ(FileFailure([&] { CFile::Remove(PathOf("b.txt").c_str()); }), CFileException::fileNotFound);
  EXPECT_EQ(FileFailure([&] { CFile::Remove(m_dir.c_str()); }), CFileException::accessDenied);
}

TEST_F(FileTest, StdioTextModeWritesCrLfAndReadsLinesBack) {
  {
    CStdioFile out(PathOf("t.txt").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    out.WriteString("first\nsecond\n");
    out.WriteString("");
    out.WriteString("last");
  }
  EXPECT_EQ(Contents("t.txt"), "first\r\nsecond\r\nlast");
  CStdioFile in;
  ASSERT_TRUE(in.Open(PathOf("t.txt").c_str(), CFile::modeRead));
  CString line;
  ASSERT_TRUE(in.ReadString(line));
  EXPECT_EQ(line, "first");
  ASSERT_TRUE(in.ReadString(line));
  EXPECT_EQ(line, "second");
  ASSERT_TRUE(in.ReadString(line));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(in.ReadString(line));
  EXPECT_EQ(line, "");
}

TEST_F(FileTest, StdioAcceptsLfOnlyAndKeepsLoneCr) {
  Put("lf.txt", "a\nb\r\n\nc\rd\n");
  CStdioFile in(PathOf("lf.txt").c_str(), CFile::modeRead);
  std::vector<std::string> lines;
  for (CString line; in.ReadString(line);) lines.emplace_back(line.GetString());
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", "c\rd"}));
}

TEST_F(FileTest, StdioReadsLfAndCrLfFilesTheSame) {
  const auto linesOf = [&](const std::string& name) {
    CStdioFile in(PathOf(name).c_str(), CFile::modeRead | CFile::typeText);
    std::vector<std::string> lines;
    for (CString line; in.ReadString(line);) lines.emplace_back(line.GetString());
    return lines;
  };
  Put("unix.txt", "[Section]\nkey=value\n\nlast");
  Put("dos.txt", "[Section]\r\nkey=value\r\n\r\nlast");
  const std::vector<std::string> expected{"[Section]", "key=value", "", "last"};
  EXPECT_EQ(linesOf("unix.txt"), expected);
  EXPECT_EQ(linesOf("dos.txt"), expected);
}

TEST_F(FileTest, StdioCrLfSplitAcrossTheReadBuffer) {
  std::string data(4095, 'x');
  data += "\r\ny\r\n";
  Put("split.txt", data);
  CStdioFile in(PathOf("split.txt").c_str(), CFile::modeRead);
  CString line;
  ASSERT_TRUE(in.ReadString(line));
  EXPECT_EQ(line.GetLength(), 4095);
  ASSERT_TRUE(in.ReadString(line));
  EXPECT_EQ(line, "y");
  EXPECT_FALSE(in.ReadString(line));
}

TEST_F(FileTest, StdioFixedBufferReadKeepsTheNewline) {
  Put("buf.txt", "abc\r\ndefgh\n");
  CStdioFile in(PathOf("buf.txt").c_str(), CFile::modeRead);
  char buffer[5];
  EXPECT_STREQ(in.ReadString(buffer, sizeof buffer), "abc\n");
  EXPECT_STREQ(in.ReadString(buffer, sizeof buffer), "defg");
  EXPECT_STREQ(in.ReadString(buffer, sizeof buffer), "h\n");
  EXPECT_EQ(in.ReadString(buffer, sizeof buffer), nullptr);
}

TEST_F(FileTest, StdioBinaryModeReadsLinesWithTheirCr) {
  Put("crlf.bin", "one\r\ntwo\nthree\r");
  const auto linesOf = [&](UINT type) {
    CStdioFile in(PathOf("crlf.bin").c_str(), CFile::modeRead | type);
    std::vector<std::string> lines;
    for (CString line; in.ReadString(line);) lines.emplace_back(line.GetString());
    return lines;
  };
  EXPECT_EQ(linesOf(CFile::typeBinary), (std::vector<std::string>{"one\r", "two", "three\r"}));
  EXPECT_EQ(linesOf(CFile::typeText), (std::vector<std::string>{"one", "two", "three\r"}))
      << "text mode takes only CR LF apart";
}

TEST_F(FileTest, StdioBinaryModeWritesBytesAsGiven) {
  CStdioFile out(PathOf("b.txt").c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
  out.WriteString("a\nb\n");
  EXPECT_EQ(out.GetPosition(), 4u);
  out.SeekToBegin();
  CString line;
  ASSERT_TRUE(out.ReadString(line));
  EXPECT_EQ(line, "a");
  out.Close();
  EXPECT_EQ(Contents("b.txt"), "a\nb\n");
}

TEST_F(FileTest, ArchiveOverADiskFile) {
  {
    CFile file(PathOf("arc.dat").c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ar.m_strFileName, PathOf("arc.dat").c_str());
    ar << CString(std::string(5000, 'z')) << static_cast<WORD>(7);
  }
  CFile file(PathOf("arc.dat").c_str(), CFile::modeRead);
  CArchive ar(&file, CArchive::load);
  CString text;
  WORD w = 0;
  ar >> text >> w;
  EXPECT_EQ(text.GetLength(), 5000);
  EXPECT_EQ(w, 7);
}

TEST(CMemFileTest, GrowsSeeksPastTheEndAndDetaches) {
  CMemFile file(16);
  file.Write("abc", 3);
  file.Seek(5, CFile::begin);
  file.Write("z", 1);
  EXPECT_EQ(file.GetLength(), 6u);
  file.SeekToBegin();
  char buffer[6];
  ASSERT_EQ(file.Read(buffer, sizeof buffer), 6u);
  EXPECT_EQ(std::string(buffer, 6), std::string("abc\0\0z", 6));
  EXPECT_EQ(FileFailure([&] { file.Seek(-7, CFile::end); }), CFileException::badSeek);
  // Past the largest position the sum would overflow.
  file.Seek(2, CFile::begin);
  EXPECT_EQ(FileFailure([&] { file.Seek(std::numeric_limits<LONGLONG>::max(), CFile::current); }),
            CFileException::badSeek);
  EXPECT_EQ(file.GetPosition(), 2u) << "a refused seek leaves the position";
  BYTE* memory = file.Detach();
  ASSERT_NE(memory, nullptr);
  EXPECT_EQ(memory[5], 'z');
  std::free(memory);
  EXPECT_EQ(file.GetLength(), 0u);
}

TEST(CMemFileTest, ManySmallWritesKeepEveryByteAcrossGrowths) {
  CMemFile file(16);
  for (DWORD i = 0; i < 10000; ++i) file.Write(&i, sizeof i);
  file.Seek(8, CFile::end);
  file.Write("!", 1);
  ASSERT_EQ(file.GetLength(), 10000 * sizeof(DWORD) + 9);
  file.SeekToBegin();
  for (DWORD i = 0; i < 10000; ++i) {
    DWORD value = 0;
    ASSERT_EQ(file.Read(&value, sizeof value), sizeof value);
    ASSERT_EQ(value, i);
  }
  char tail[9];
  ASSERT_EQ(file.Read(tail, sizeof tail), 9u);
  EXPECT_EQ(std::string(tail, 9), std::string(8, '\0') + "!") << "the gap past the old end reads as zeros";
}

TEST(CMemFileTest, FixedAttachedBufferCannotGrow) {
  BYTE memory[4] = {'w', 'x', 'y', 'z'};
  CMemFile file(memory, sizeof memory);
  char buffer[4];
  EXPECT_EQ(file.Read(buffer, 4), 4u);
  file.SeekToBegin();
  file.Write("AB", 2);
  EXPECT_EQ(memory[1], 'B');
  bool outOfMemory = false;
  try {
    file.Write("CDE", 3);
  } catch (CMemoryException* e) {
    outOfMemory = true;
    e->Delete();
  }
  EXPECT_TRUE(outOfMemory);
  EXPECT_EQ(file.Detach(), memory);
}

TEST_F(FileTest, FileFindMatchesWildcardsInOneFolder) {
  Put("one.txt", "1");
  Put("two.txt", "22");
  Put("three.doc", "333");
  Put("One.TXT", "4");
  std::filesystem::create_directory(PathOf("sub.txt"));
  CFileFind finder;
  std::set<std::string> names;
  for (BOOL more = finder.FindFile((m_dir + "\\*.txt").c_str()); more;) {
    more = finder.FindNextFile();
    names.insert(finder.GetFileName().GetString());
    if (finder.GetFileName() == "two.txt") {
      EXPECT_EQ(finder.GetLength(), 2u);
      EXPECT_EQ(finder.GetFilePath(), PathOf("two.txt").c_str());
      EXPECT_EQ(finder.GetFileTitle(), "two");
      EXPECT_EQ(finder.GetRoot(), m_dir.c_str());
      EXPECT_FALSE(finder.IsDirectory());
    }
    if (finder.GetFileName() == "sub.txt") {
      EXPECT_TRUE(finder.IsDirectory());
    }
  }
  EXPECT_EQ(names, (std::set<std::string>{"one.txt", "sub.txt", "two.txt"}));
  EXPECT_TRUE(finder.FindFile(PathOf("t?o.*").c_str()));
  EXPECT_FALSE(finder.FindNextFile());
  EXPECT_EQ(finder.GetFileName(), "two.txt");
  EXPECT_FALSE(finder.FindFile(PathOf("*.none").c_str()));
  EXPECT_FALSE(finder.FindFile(PathOf("missing/*.*").c_str()));
  int dots = 0;
  for (BOOL more = finder.FindFile(PathOf("*.*").c_str()); more;) {
    more = finder.FindNextFile();
    dots += finder.IsDots() ? 1 : 0;
  }
  EXPECT_EQ(dots, 2);
}

TEST(FilePatternTest, StarsAndQuestionMarks) {
  EXPECT_TRUE(AfxMatchFilePattern("*.*", "noext"));
  EXPECT_TRUE(AfxMatchFilePattern("a*b*c", "aXXbYYc"));
  EXPECT_FALSE(AfxMatchFilePattern("a*b*c", "aXXbYY"));
  EXPECT_TRUE(AfxMatchFilePattern("??.txt", "ab.txt"));
  EXPECT_FALSE(AfxMatchFilePattern("??.txt", "abc.txt"));
  EXPECT_FALSE(AfxMatchFilePattern("*.TXT", "a.txt"));
  EXPECT_TRUE(AfxMatchFilePattern("*", ""));
}

TEST(CTimeTest, PartsArithmeticAndFormat) {
  const CTime t(2024, 2, 29, 13, 5, 9);
  EXPECT_EQ(t.GetYear(), 2024);
  EXPECT_EQ(t.GetMonth(), 2);
  EXPECT_EQ(t.GetDay(), 29);
  EXPECT_EQ(t.GetHour(), 13);
  EXPECT_EQ(t.GetMinute(), 5);
  EXPECT_EQ(t.GetSecond(), 9);
  EXPECT_EQ(t.GetDayOfWeek(), 5);  // a Thursday
  EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2024-02-29 13:05:09");
  const CTime later = t + CTimeSpan(1, 2, 3, 4);
  EXPECT_EQ(later.Format("%d %H:%M:%S"), "01 15:08:13");
  const CTimeSpan span = later - t;
  EXPECT_EQ(span.GetDays(), 1);
  EXPECT_EQ(span.GetHours(), 2);
  EXPECT_EQ(span.GetTotalMinutes(), 24 * 60 + 2 * 60 + 3);
  EXPECT_EQ(span.Format("%D days %H:%M:%S %%"), "1 days 02:03:04 %");
  EXPECT_TRUE(t < later);
  EXPECT_EQ(t.Format(""), "");
  SYSTEMTIME st{};
  ASSERT_TRUE(t.GetAsSystemTime(st));
  EXPECT_EQ(st.wYear, 2024);
  EXPECT_EQ(CTime(st).GetTime(), t.GetTime());
}

}  // namespace
