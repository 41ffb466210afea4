// Registry writers in separate processes.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "internal/svc_registry.h"
#include "win32/winreg.h"

namespace {

void WriteValues(const char* prefix, int count) {
  HKEY key = nullptr;
  RegCreateKey(HKEY_CURRENT_USER, "Software\\Shared", &key);
  for (int i = 0; i < count; ++i) {
    const std::string name = prefix + std::to_string(i);
    const DWORD v = static_cast<DWORD>(i);
    RegSetValueEx(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), 4);
  }
  RegCloseKey(key);
}

class RegistryProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/svc_regp_XXXXXX";
    folder_ = mkdtemp(dir);
    file_ = folder_ + "/registry.reg";
    win32::SetRegistryFile(file_);
  }
  void TearDown() override {
    win32::internal::SetRegistryBeforeRenameHook(nullptr);
    win32::SetRegistryFile("");
    std::system(("rm -rf " + folder_).c_str());
  }
  std::string folder_, file_;
};

TEST_F(RegistryProcessTest, TwoWritingProcessesKeepAllTheirValues) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    WriteValues("child", 200);
    _exit(0);
  }
  WriteValues("parent", 200);
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  ASSERT_TRUE(WIFEXITED(status));
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Shared", 0, KEY_READ, &key));
  DWORD values = 0;
  RegQueryInfoKey(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                  nullptr);
  EXPECT_EQ(400u, values);
  for (const char* prefix : {"child", "parent"}) {
    for (int i = 0; i < 200; i += 37) {
      DWORD v = 999, size = 4;
      const std::string name = prefix + std::to_string(i);
      ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&v), &size))
          << name;
      EXPECT_EQ(static_cast<DWORD>(i), v);
    }
  }
  RegCloseKey(key);
}

TEST_F(RegistryProcessTest, AWriteKilledBeforeTheRenameLeavesTheOldFile) {
  WriteValues("kept", 3);
  std::ifstream before(file_, std::ios::binary);
  std::ostringstream old;
  old << before.rdbuf();

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    win32::internal::SetRegistryBeforeRenameHook([](const std::string&) { raise(SIGKILL); });
    WriteValues("lost", 1);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  ASSERT_TRUE(WIFSIGNALED(status));

  std::ifstream after(file_, std::ios::binary);
  std::ostringstream now;
  now << after.rdbuf();
  EXPECT_EQ(old.str(), now.str());
  // The lock died with the writer: this process can write at once.
  WriteValues("next", 1);
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKey(HKEY_CURRENT_USER, "Software\\Shared", &key));
  DWORD size = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "next0", nullptr, nullptr, nullptr, &size));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueEx(key, "lost0", nullptr, nullptr, nullptr, &size));
  RegCloseKey(key);
}

}  // namespace
