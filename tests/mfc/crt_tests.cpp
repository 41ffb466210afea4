#include <gtest/gtest.h>

#include <mbstring.h>
#include <tchar.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "afx.h"

namespace {

struct SplitResult {
  char drive[_MAX_DRIVE];
  char dir[_MAX_DIR];
  char fname[_MAX_FNAME];
  char ext[_MAX_EXT];
};

SplitResult Split(const char* path) {
  SplitResult r{};
  _splitpath(path, r.drive, r.dir, r.fname, r.ext);
  return r;
}

TEST(CrtTest, SplitPathAcceptsBothSeparators) {
  const SplitResult slash = Split("/home/user/file.tar.gz");
  EXPECT_STREQ(slash.drive, "");
  EXPECT_STREQ(slash.dir, "/home/user/");
  EXPECT_STREQ(slash.fname, "file.tar");
  EXPECT_STREQ(slash.ext, ".gz");

  const SplitResult back = Split("data\\sub/name.cfg");
  EXPECT_STREQ(back.dir, "data\\sub/");
  EXPECT_STREQ(back.fname, "name");
  EXPECT_STREQ(back.ext, ".cfg");

  const SplitResult bare = Split("noext");
  EXPECT_STREQ(bare.dir, "");
  EXPECT_STREQ(bare.fname, "noext");
  EXPECT_STREQ(bare.ext, "");

  const SplitResult dotDir = Split("a.b\\c");
  EXPECT_STREQ(dotDir.dir, "a.b\\");
  EXPECT_STREQ(dotDir.fname, "c");
  EXPECT_STREQ(dotDir.ext, "");

  const SplitResult folder = Split("only/folder/");
  EXPECT_STREQ(folder.dir, "only/folder/");
  EXPECT_STREQ(folder.fname, "");
}

TEST(CrtTest, SplitPathToleratesNullOutputs) {
  char fname[_MAX_FNAME];
  _splitpath("x/y.z", nullptr, nullptr, fname, nullptr);
  EXPECT_STREQ(fname, "y");
}

TEST(CrtTest, MakePathAddsSeparatorAndDot) {
  char path[_MAX_PATH];
  _makepath(path, "C", "dir", "name", "txt");
  EXPECT_STREQ(path, "dir/name.txt");
  _makepath(path, nullptr, "dir\\", "name", ".txt");
  EXPECT_STREQ(path, "dir\\name.txt");
  _makepath(path, nullptr, nullptr, "name", nullptr);
  EXPECT_STREQ(path, "name");
}

TEST(CrtTest, CaseInsensitiveComparesFoldOnlyAscii) {
  EXPECT_EQ(_stricmp("Hello", "hELLO"), 0);
  EXPECT_LT(_stricmp("abc", "ABD"), 0);
  EXPECT_GT(_stricmp("abcd", "ABC"), 0);
  EXPECT_EQ(_strnicmp("PREFIXrest", "prefixOTHER", 6), 0);
  EXPECT_NE(_strnicmp("PREFIXrest", "prefixOTHER", 7), 0);
  const auto* upper = reinterpret_cast<const unsigned char*>("\xc3\x89T\xc3\xa9");
  const auto* lower = reinterpret_cast<const unsigned char*>("\xc3\x89t\xc3\xa9");
  EXPECT_EQ(_mbsicmp(upper, lower), 0);
  EXPECT_NE(
      _mbsicmp(reinterpret_cast<const unsigned char*>("\xc3\x89"), reinterpret_cast<const unsigned char*>("\xc3\xa9")),
      0);
  EXPECT_EQ(_mbsnicmp(upper, lower, 2), 0);
  // "_" sorts between the cases of letters; folding to lower case puts it before them.
  EXPECT_LT(_stricmp("_", "a"), 0);
  char text[] = "MiXed 9";
  EXPECT_STREQ(_strupr(text), "MIXED 9");
  EXPECT_STREQ(_strlwr(text), "mixed 9");
}

TEST(CrtTest, IntegerConversions) {
  EXPECT_EQ(_atoi64(" \t-9223372036854775807x"), -9223372036854775807LL);
  EXPECT_EQ(_atoi64("99999999999999999999"), INT64_MAX);
  char* end = nullptr;
  EXPECT_EQ(_strtoi64("  0x1fZ", &end, 16), 0x1f);
  EXPECT_EQ(*end, 'Z');
  char buffer[72];
  EXPECT_STREQ(_itoa(-42, buffer, 10), "-42");
  EXPECT_STREQ(_itoa(-1, buffer, 16), "ffffffff");
  EXPECT_STREQ(_itoa(5, buffer, 2), "101");
  EXPECT_STREQ(_ltoa(123456, buffer, 10), "123456");
  EXPECT_STREQ(_ultoa(35, buffer, 36), "z");
  EXPECT_STREQ(_i64toa(-9000000000LL, buffer, 10), "-9000000000");
}

// Programs include the runtime's own headers for these names.
TEST(CrtTest, RuntimeHeadersGiveTheMultibyteAndGenericTextNames) {
  EXPECT_EQ(_mbsnicmp(reinterpret_cast<const unsigned char*>("CF_QROBJ"),
                      reinterpret_cast<const unsigned char*>("cf_qrobj tail"), 8),
            0);
  EXPECT_EQ(_tcslen(_T("abc")), 3u);
  EXPECT_EQ(_tcsicmp(_T("Orvex"), _T("ORVEX")), 0);
}

// Five bytes: an odd size shows faults in the byte moves.
struct Row {
  char key;
  char seq[4];
};

int ByKey(const void* a, const void* b) { return static_cast<const Row*>(a)->key - static_cast<const Row*>(b)->key; }

TEST(CrtTest, StableSortKeepsTheOrderOfEqualKeys) {
  // Enough rows that an introsort-like sort would reorder equal keys.
  std::vector<Row> rows;
  for (int i = 0; i < 60; ++i) {
    Row r{static_cast<char>('a' + (i * 7) % 5), {}};
    std::snprintf(r.seq, sizeof r.seq, "%03u", static_cast<unsigned>(i) % 1000u);
    rows.push_back(r);
  }
  qsort_stable(rows.data(), rows.size(), sizeof(Row), ByKey);
  for (size_t i = 1; i < rows.size(); ++i) {
    ASSERT_LE(rows[i - 1].key, rows[i].key) << i;
    if (rows[i - 1].key == rows[i].key) {
      EXPECT_LT(std::string(rows[i - 1].seq), std::string(rows[i].seq)) << i;
    }
  }
  EXPECT_STREQ(rows.front().seq, "000");
  EXPECT_STREQ(rows.back().seq, "057");
  // Degenerate calls leave the data alone.
  qsort_stable(rows.data(), 1, sizeof(Row), ByKey);
  qsort_stable(nullptr, 3, sizeof(Row), ByKey);
  qsort_stable(rows.data(), 0, sizeof(Row), ByKey);
  EXPECT_STREQ(rows.front().seq, "000");
}

TEST(CrtTest, AccessTellsExistenceAndWritability) {
  char folder[] = "/tmp/crt_access_XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string file = std::string(folder) + "/f.txt";
  std::FILE* f = std::fopen(file.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  const std::string windowsForm = std::string(folder) + "\\f.txt";
  EXPECT_EQ(_access(windowsForm.c_str(), 0), 0);
  EXPECT_EQ(_access(file.c_str(), 6), 0);
  EXPECT_EQ(_access(folder, 2), 0);
  EXPECT_EQ(_access((std::string(folder) + "/missing").c_str(), 0), -1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(_access(file.c_str(), 1), -1);  // no execute test on Windows
  EXPECT_EQ(errno, EINVAL);
  if (geteuid() != 0) {  // root may write anywhere
    chmod(file.c_str(), 0444);
    EXPECT_EQ(_access(file.c_str(), 4), 0);
    EXPECT_EQ(_access(file.c_str(), 2), -1);
  }
  std::remove(file.c_str());
  rmdir(folder);
}

}  // namespace
