#include "broker_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "win32/services.h"

namespace brokertest {

ScopedVariable::ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
  if (const char* old = std::getenv(name)) saved_ = old;
  if (value) {
    setenv(name, value->c_str(), 1);
  } else {
    unsetenv(name);
  }
}

ScopedVariable::~ScopedVariable() {
  if (saved_) {
    setenv(name_.c_str(), saved_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::string TemporaryName(const std::string& folder, const std::string& stem) {
  return folder + "/~" + stem + std::to_string(getpid()) + ".dll";
}

void BrokerTest::SetUp() {
  win32::ResetWindowSystem();
  ASSERT_FALSE(temp_.path().empty());
  ASSERT_FALSE(out_.path().empty());
  tempVariable_.emplace("TEMP", temp_.path());
  homeVariable_.emplace("HALVANE", std::string(HALVANE_BUILD_DIR));
  CKBRXExportTransaction::ResetTemporaryFolder();
}

void BrokerTest::TearDown() {
  win32::SetProcessLauncherHook({});
  homeVariable_.reset();
  tempVariable_.reset();
  CKBRXExportTransaction::ResetTemporaryFolder();
  win32::ResetWindowSystem();
}

}  // namespace brokertest
