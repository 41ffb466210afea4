// Runs the JVM host's probe program in a child process with its own
// environment, and reads what it reported.
#pragma once

#include <map>
#include <optional>
#include <string>

// Skips a test that needs the built jar (and so a JDK at configure time).
#define REQUIRE_JAR() \
  if (!HALVANE_HAVE_JAR) GTEST_SKIP() << "lib/Halvane.jar was not built (no JDK at configure time)"

namespace jvmtest {

// Runs the probe with the variables set (an empty value removes the
// variable) and answers what it printed on standard output and error.
std::string RunProbe(const std::string& classPath, const std::map<std::string, std::string>& variables);

// The value of the "key: value" line in the probe's output; nullopt when absent.
std::optional<std::string> ProbeLine(const std::string& output, const std::string& key);

}  // namespace jvmtest
