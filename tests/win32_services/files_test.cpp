#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "win32/services.h"
#include "win32/shellapi.h"

namespace fs = std::filesystem;

namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/svc_files_XXXXXX";
    root_ = mkdtemp(dir);
  }
  void TearDown() override { fs::remove_all(root_); }
  void Touch(const std::string& name, const std::string& text = "x") { std::ofstream(root_ + "/" + name) << text; }
  std::vector<std::string> Find(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATA fd{};
    HANDLE h = FindFirstFile(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do names.emplace_back(fd.cFileName);
    while (FindNextFile(h, &fd));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_FILES), GetLastError());
    EXPECT_TRUE(FindClose(h));
    EXPECT_FALSE(FindClose(h));
    return names;
  }
  std::string root_;
};

using Names = std::vector<std::string>;

TEST_F(FilesTest, FindFirstFilePatterns) {
  Touch("Alpha.TXT", "12345");
  Touch("beta.txt");
  Touch("gamma.log");
  Touch("noext");
  ASSERT_TRUE(CreateDirectory((root_ + "\\Sub").c_str(), nullptr));
  EXPECT_EQ((Names{".", "..", "Alpha.TXT", "beta.txt", "gamma.log", "noext", "Sub"}), Find(root_ + "/*.*"));
  EXPECT_EQ((Names{".", "..", "Alpha.TXT", "beta.txt", "gamma.log", "noext", "Sub"}), Find(root_ + "/*"));
  EXPECT_EQ((Names{"Alpha.TXT", "beta.txt"}), Find(root_ + "\\*.txt"));
  EXPECT_EQ((Names{"beta.txt"}), Find(root_ + "/?eta.*"));
  EXPECT_EQ((Names{"noext"}), Find(root_ + "/NOEXT"));
  WIN32_FIND_DATA fd{};
  HANDLE h = FindFirstFile((root_ + "/alpha.txt").c_str(), &fd);
  ASSERT_NE(INVALID_HANDLE_VALUE, h);
  EXPECT_EQ(5u, fd.nFileSizeLow);
  EXPECT_NE(0u, fd.ftLastWriteTime.dwHighDateTime);
  FindClose(h);
  h = FindFirstFile((root_ + "/Sub").c_str(), &fd);
  EXPECT_TRUE(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  FindClose(h);
  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFile((root_ + "/*.none").c_str(), &fd));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFile((root_ + "/missing/*").c_str(), &fd));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
}

TEST_F(FilesTest, AttributesCopyMoveDelete) {
  const std::string a = root_ + "/a.txt", b = root_ + "/b.txt", hidden = root_ + "/.hidden";
  Touch("a.txt", "data");
  Touch(".hidden");
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL), GetFileAttributes(a.c_str()));
  EXPECT_TRUE(GetFileAttributes(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributes((root_ + "/none").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_FALSE(CreateDirectory(root_.c_str(), nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
  EXPECT_FALSE(CreateDirectory((root_ + "/x/y").c_str(), nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());

  ASSERT_TRUE(CopyFile(a.c_str(), b.c_str(), TRUE));
  EXPECT_FALSE(CopyFile(a.c_str(), b.c_str(), TRUE));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_EXISTS), GetLastError());
  EXPECT_TRUE(CopyFile(a.c_str(), b.c_str(), FALSE));
  EXPECT_FALSE(MoveFile(a.c_str(), b.c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
  EXPECT_TRUE(MoveFileEx(a.c_str(), b.c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributes(a.c_str()));

  ASSERT_TRUE(SetFileAttributes(b.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(GetFileAttributes(b.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(DeleteFile(b.c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  ASSERT_TRUE(SetFileAttributes(b.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(DeleteFile(b.c_str()));
  EXPECT_FALSE(DeleteFile(b.c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
}

TEST_F(FilesTest, TempNamesAreUniqueAndCreated) {
  std::set<std::string> names;
  char name[MAX_PATH];
  for (int i = 0; i < 50; ++i) {
    ASSERT_NE(0u, GetTempFileName(root_.c_str(), "brk", 0, name));
    EXPECT_TRUE(fs::exists(name));
    EXPECT_TRUE(std::string(name).starts_with(root_ + "/brk"));
    names.insert(name);
  }
  EXPECT_EQ(50u, names.size());
  EXPECT_EQ(0x2Au, GetTempFileName(root_.c_str(), "abcdef", 0x2A, name));
  EXPECT_EQ(root_ + "/abc2A.tmp", name);
  EXPECT_FALSE(fs::exists(name));
}

TEST_F(FilesTest, TempPathCurrentFolderAndFullPaths) {
  char buf[MAX_PATH];
  const char* oldTemp = getenv("TEMP");
  const std::string saved = oldTemp ? oldTemp : "";
  SetEnvironmentVariable("TEMP", "\\var\\tmp");
  EXPECT_EQ(9u, GetTempPath(sizeof buf, buf));
  EXPECT_STREQ("/var/tmp/", buf);
  EXPECT_EQ(10u, GetTempPath(3, buf));
  SetEnvironmentVariable("TEMP", oldTemp ? saved.c_str() : nullptr);

  const std::string cwd = fs::current_path().string();
  ASSERT_TRUE(SetCurrentDirectory(root_.c_str()));
  EXPECT_EQ(root_.size(), GetCurrentDirectory(sizeof buf, buf));
  EXPECT_EQ(root_, buf);
  LPSTR part = nullptr;
  const DWORD n = GetFullPathName("sub\\..\\file.txt", sizeof buf, buf, &part);
  EXPECT_EQ(root_ + "/file.txt", buf);
  EXPECT_EQ(n, std::strlen(buf));
  ASSERT_NE(nullptr, part);
  EXPECT_STREQ("file.txt", part);
  EXPECT_FALSE(SetCurrentDirectory("/no/such/folder"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
  SetCurrentDirectory(cwd.c_str());
}

TEST(EnvironmentTest, GetSetAndExpand) {
  ASSERT_TRUE(SetEnvironmentVariable("SVC_TEST_VAR", "value"));
  char buf[16];
  EXPECT_EQ(5u, GetEnvironmentVariable("SVC_TEST_VAR", buf, sizeof buf));
  EXPECT_STREQ("value", buf);
  EXPECT_EQ(6u, GetEnvironmentVariable("SVC_TEST_VAR", buf, 5));
  char big[64];
  EXPECT_EQ(19u, ExpandEnvironmentStrings("a%SVC_TEST_VAR%b%SVC_NONE%c", big, sizeof big));
  EXPECT_STREQ("avalueb%SVC_NONE%c", big);
  EXPECT_EQ(19u, ExpandEnvironmentStrings("a%SVC_TEST_VAR%b%SVC_NONE%c", big, 4));
  ASSERT_TRUE(SetEnvironmentVariable("SVC_TEST_VAR", nullptr));
  EXPECT_EQ(0u, GetEnvironmentVariable("SVC_TEST_VAR", buf, sizeof buf));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND), GetLastError());
}

// Sets variables for one test and puts the old values back.
class ScopedEnvironment {
 public:
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    SetEnvironmentVariable(name, value);
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      SetEnvironmentVariable(it->first.c_str(), it->second ? it->second->c_str() : nullptr);
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(EnvironmentTest, NamesIgnoreCaseAndTheWindowsSessionVariablesAlwaysExist) {
  ScopedEnvironment env;
  env.Set("SVC_MIXED_Case", "mixed");
  char buf[256];
  EXPECT_EQ(5u, GetEnvironmentVariable("svc_mixed_case", buf, sizeof buf));
  EXPECT_STREQ("mixed", buf);
  env.Set("TEMP", nullptr);
  env.Set("TMP", nullptr);
  env.Set("TMPDIR", "/var/tmp/");
  env.Set("USERPROFILE", nullptr);
  env.Set("HOME", "/home/someone");
  EXPECT_EQ(8u, GetEnvironmentVariable("TEMP", buf, sizeof buf));
  EXPECT_STREQ("/var/tmp", buf);
  EXPECT_EQ(8u, GetEnvironmentVariable("Tmp", buf, sizeof buf));
  EXPECT_EQ(13u, GetEnvironmentVariable("USERPROFILE", buf, sizeof buf));
  EXPECT_STREQ("/home/someone", buf);
  EXPECT_EQ(23u, ExpandEnvironmentStrings("%USERPROFILE%/%temp%", buf, sizeof buf));
  EXPECT_STREQ("/home/someone//var/tmp", buf);
  env.Set("TMPDIR", nullptr);
  EXPECT_EQ(4u, GetEnvironmentVariable("TEMP", buf, sizeof buf));
  EXPECT_STREQ("/tmp", buf);
  // A value that is set wins over the session default.
  env.Set("TEMP", "/scratch");
  EXPECT_EQ(8u, GetEnvironmentVariable("TEMP", buf, sizeof buf));
  EXPECT_STREQ("/scratch", buf);
  EXPECT_EQ(0u, GetEnvironmentVariable("SVC_NOT_THERE", buf, sizeof buf));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND), GetLastError());
}

TEST(ShellTest, ExecuteChecksTheFileAndHonoursTheHook) {
  EXPECT_EQ(SE_ERR_FNF, reinterpret_cast<INT_PTR>(
                            ShellExecute(nullptr, nullptr, "/no/such/help.html", nullptr, nullptr, SW_SHOWNORMAL)));
  std::string seen;
  win32::SetShellExecuteHook([&](const std::string& verb, const std::string& file) -> INT_PTR {
    seen = verb + "|" + file;
    return 31;
  });
  EXPECT_EQ(31, reinterpret_cast<INT_PTR>(ShellExecute(nullptr, "open", "C:\\doc.html", nullptr, nullptr, 1)));
  EXPECT_EQ("open|C:/doc.html", seen);
  win32::SetShellExecuteHook(nullptr);
  char path[MAX_PATH];
  ASSERT_TRUE(SHGetSpecialFolderPath(nullptr, path, CSIDL_APPDATA, FALSE));
  EXPECT_NE(0u, std::strlen(path));
}

}  // namespace
