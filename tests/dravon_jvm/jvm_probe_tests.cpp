#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "jvm/jvm_library.h"
#include "probe_support.h"

namespace {

namespace fs = std::filesystem;
using jvmtest::ProbeLine;
using jvmtest::RunProbe;

// A folder that exists and holds nothing, removed at the end of the test.
class EmptyFolder {
 public:
  EmptyFolder() : path_(fs::temp_directory_path() / ("jvm_empty_" + std::to_string(getpid()))) {
    fs::create_directories(path_);
  }
  ~EmptyFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

TEST(JvmProbeTest, StartsInAFreshProcessAndGivesTheThreadItsEnvironment) {
  REQUIRE_JAR();
  std::string output = RunProbe(HALVANE_JAR, {});
  EXPECT_EQ("null", ProbeLine(output, "env before")) << output;
  EXPECT_EQ("1", ProbeLine(output, "init")) << output;
  EXPECT_EQ("1", ProbeLine(output, "init again")) << output;
  EXPECT_EQ("set", ProbeLine(output, "env after")) << output;
  EXPECT_EQ("", ProbeLine(output, "reason")) << output;
}

TEST(JvmProbeTest, JavaHomeWithoutARuntimeFailsWithTheReason) {
  EmptyFolder empty;
  std::string output = RunProbe(HALVANE_JAR, {{"JAVA_HOME", empty.path().string()}});
  EXPECT_EQ("0", ProbeLine(output, "init")) << output;
  EXPECT_EQ("0", ProbeLine(output, "init again")) << output;
  EXPECT_EQ("null", ProbeLine(output, "env after")) << output;
  std::optional<std::string> reason = ProbeLine(output, "reason");
  ASSERT_TRUE(reason) << output;
  EXPECT_NE(std::string::npos, reason->find("no libjvm.so")) << *reason;
  EXPECT_NE(std::string::npos, reason->find(empty.path().string())) << *reason;
  // The reason also reaches standard error for programs that show none.
  EXPECT_NE(std::string::npos, output.find("JVM: no libjvm.so")) << output;
}

TEST(JvmProbeTest, UnusableLibjvmFailsWithTheLoaderReason) {
  EmptyFolder home;
  fs::create_directories(home.path() / "lib/server");
  { std::ofstream(home.path() / "lib/server/libjvm.so") << "not a library"; }
  std::string output = RunProbe(HALVANE_JAR, {{"JAVA_HOME", home.path().string()}});
  EXPECT_EQ("0", ProbeLine(output, "init")) << output;
  std::optional<std::string> reason = ProbeLine(output, "reason");
  ASSERT_TRUE(reason) << output;
  EXPECT_NE(std::string::npos, reason->find("cannot load " + (home.path() / "lib/server/libjvm.so").string()))
      << *reason;
}

TEST(JvmProbeTest, MachineThatRefusesItsOptionsFailsWithTheReason) {
  REQUIRE_JAR();
  // The runtime reads these options too, and refuses the unknown one.
  std::string output = RunProbe(HALVANE_JAR, {{"JAVA_TOOL_OPTIONS", "-XX:+NoSuchOptionAtAll"}});
  EXPECT_EQ("0", ProbeLine(output, "init")) << output;
  EXPECT_EQ("0", ProbeLine(output, "init again")) << output;
  EXPECT_EQ("null", ProbeLine(output, "env after")) << output;
  std::optional<std::string> reason = ProbeLine(output, "reason");
  ASSERT_TRUE(reason) << output;
  EXPECT_NE(std::string::npos, reason->find("did not start: invalid options")) << *reason;
}

TEST(JvmLibraryTest, JavaHomeWinsOverTheDefaultAndTheLayoutsAreSearched) {
  std::string error;
  const char* before = std::getenv("JAVA_HOME");
  std::optional<std::string> saved = before != nullptr ? std::optional<std::string>(before) : std::nullopt;
  ::setenv("JAVA_HOME", "/opt/some-jdk", 1);
  EXPECT_EQ(fs::path("/opt/some-jdk"), dravon::jvm::FindJavaHome(error));
  if (saved) {
    ::setenv("JAVA_HOME", saved->c_str(), 1);
  } else {
    ::unsetenv("JAVA_HOME");
  }
  EXPECT_TRUE(error.empty());
  auto candidates = dravon::jvm::LibjvmCandidates("/opt/jdk");
  ASSERT_FALSE(candidates.empty());
  EXPECT_EQ(fs::path("/opt/jdk/lib/server/libjvm.so"), candidates.front());
}

TEST(JvmLibraryTest, WithoutJavaHomeTheDefaultOrThePathGivesAHomeWithALibjvm) {
  std::string error;
  fs::path home = dravon::jvm::FindJavaHome(error);
  if (home.empty()) GTEST_SKIP() << error;
  bool found = false;
  for (const fs::path& candidate : dravon::jvm::LibjvmCandidates(home)) found = found || fs::exists(candidate);
  EXPECT_TRUE(found) << home;
}

}  // namespace
