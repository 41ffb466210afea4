// The broker export's tests: a temporary folder standing in for TEMP, an
// output folder, HALVANE naming the build tree (whose lib/ holds the jars)
// and an owner that records the detail texts.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "KBRXExportTransaction.h"
#include "temp_folder.h"

// Skips a test that needs the built jar and a Java runtime on PATH.
#define REQUIRE_TRANSLATOR()                                                                         \
  if (!HALVANE_HAVE_JAR) GTEST_SKIP() << "lib/Halvane.jar was not built (no JDK at configure time)"; \
  if (win32::FindProgram("java.exe").empty()) GTEST_SKIP() << "no java program on PATH"

namespace brokertest {

class RecordingOwner : public IKBRXTransactionOwner {
 public:
  void SetDetailText(const CString& strText) override { texts.push_back(strText.str()); }
  std::vector<std::string> texts;
};

// Sets an environment variable for the test's life (nullopt removes it)
// and puts the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::optional<std::string>& value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// The names in the folder, sorted.
std::vector<std::string> FolderNames(const std::string& folder);

// "~<stem><process id>.dll" in the folder.
std::string TemporaryName(const std::string& folder, const std::string& stem);

class BrokerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string temp(const std::string& stem) const { return TemporaryName(temp_.path(), stem); }

  halvane::test::TempFolder temp_{"broker-temp"};
  halvane::test::TempFolder out_{"broker-out"};
  std::optional<ScopedVariable> tempVariable_;
  std::optional<ScopedVariable> homeVariable_;
  RecordingOwner owner_;
};

}  // namespace brokertest
