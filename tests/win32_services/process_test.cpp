#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "win32/services.h"

namespace {

using Args = std::vector<std::string>;

struct SplitCase {
  const char* line;
  Args args;
};

TEST(CommandLineTest, SplitsByTheRuntimeRules) {
  const SplitCase cases[] = {
      {"prog a b", {"prog", "a", "b"}},
      {"  prog\t a  ", {"prog", "a"}},
      {"\"C:\\Program Files\\x.exe\" y", {"C:\\Program Files\\x.exe", "y"}},
      {"p \"a b\" c", {"p", "a b", "c"}},
      {"p a\\b\\c", {"p", "a\\b\\c"}},
      {"p a\\\\\"b c\"", {"p", "a\\b c"}},
      {"p a\\\"b", {"p", "a\"b"}},
      {"p a\\\\\\\"b", {"p", "a\\\"b"}},
      {"p \"a\\\\\"", {"p", "a\\"}},
      {"p \"\"", {"p", ""}},
      {"p \"a\"\"b c\"", {"p", "a\"b", "c"}},
      {"p ab\"c d\"e", {"p", "abc de"}},
      {"p \"unterminated arg", {"p", "unterminated arg"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.args, win32::SplitCommandLine(c.line)) << c.line;
}

TEST(CommandLineTest, JoinedArgumentsSplitBackTheSame) {
  const Args args{"/bin/my prog", "plain", "with space", "", "quote\"in", "tail\\", "back\\\\\"mix", "a\\b"};
  EXPECT_EQ(args, win32::SplitCommandLine(win32::JoinCommandLine(args)));
  EXPECT_EQ("plain", win32::QuoteArgument("plain"));
  EXPECT_EQ("\"a b\\\\\"", win32::QuoteArgument("a b\\"));
}

TEST(CommandLineTest, ProcessArgumentsComeFromTheRealCommandLine) {
  ASSERT_GE(win32::GetArgc(), 1);
  EXPECT_EQ(nullptr, win32::GetArgv()[win32::GetArgc()]);
  EXPECT_NE(std::string::npos, std::string(win32::GetArgv()[0]).find("win32_services_tests"));
  EXPECT_EQ(win32::GetArgc(), static_cast<int>(win32::SplitCommandLine(GetCommandLine()).size()));
  // The runtime's names answer the same arguments.
  ASSERT_EQ(__argc, win32::GetArgc());
  for (int i = 0; i < __argc; ++i) EXPECT_STREQ(__argv[i], win32::GetArgv()[i]);
}

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    out_ = std::filesystem::temp_directory_path() / ("svc_proc_" + std::to_string(getpid()) + ".txt");
  }
  void TearDown() override {
    win32::SetProcessLauncherHook(nullptr);
    win32::UseVirtualClock(false);
    std::filesystem::remove(out_);
    win32::ResetWindowSystem();
  }
  Args Written() const {
    Args lines;
    std::ifstream in(out_);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  }
  bool Run(std::string line, PROCESS_INFORMATION& pi) {
    STARTUPINFO si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    return CreateProcess(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
  }
  std::filesystem::path out_;
};

TEST_F(ProcessTest, ChildGetsWindowsArgumentsAndReportsItsExitCode) {
  // "Svc_Argv_Helper.exe" is the helper built beside this program.
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(Run("Svc_Argv_Helper.exe 7 " + out_.string() + " \"two words\" a\\\\\"b c\" \\\\srv\\share x\\\"y", pi));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, INFINITE));
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
  EXPECT_EQ(7u, code);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hThread, 0));
  const Args lines = Written();
  ASSERT_EQ(7u, lines.size());
  EXPECT_TRUE(lines[0].ends_with("/svc_argv_helper") || lines[0] == "Svc_Argv_Helper.exe");
  EXPECT_EQ("two words", lines[3]);
  EXPECT_EQ("a\\b c", lines[4]);
  EXPECT_EQ("\\\\srv\\share", lines[5]);
  EXPECT_EQ("x\"y", lines[6]);
  EXPECT_TRUE(CloseHandle(pi.hThread));
  EXPECT_TRUE(CloseHandle(pi.hProcess));
  EXPECT_FALSE(GetExitCodeProcess(pi.hProcess, &code));
}

TEST_F(ProcessTest, RunningChildIsStillActiveUntilTerminated) {
  win32::UseVirtualClock(true);
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(Run("svc_argv_helper wait " + out_.string(), pi));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(pi.hProcess, 0));
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
  EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), code);
  EXPECT_NE(0u, GetProcessId(pi.hProcess));
  ASSERT_TRUE(TerminateProcess(pi.hProcess, 400));
  // A timed wait on a live child is not ended by the virtual clock moving.
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 5000));
  ASSERT_TRUE(GetExitCodeProcess(pi.hProcess, &code));
  EXPECT_EQ(400u, code);
  EXPECT_FALSE(TerminateProcess(pi.hProcess, 1));
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

TEST_F(ProcessTest, MissingProgramFailsCleanly) {
  PROCESS_INFORMATION pi{};
  SetLastError(0);
  EXPECT_FALSE(Run("NoSuchProgramHere.exe -x", pi));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_EQ(nullptr, pi.hProcess);
  EXPECT_EQ(static_cast<UINT>(ERROR_FILE_NOT_FOUND), WinExec("NoSuchProgramHere.bat", SW_SHOWNORMAL));
  EXPECT_EQ(static_cast<UINT>(ERROR_FILE_NOT_FOUND), WinExec("./no/such/Dir/x.exe", SW_SHOWNORMAL));
}

TEST_F(ProcessTest, ProgramLookupMapsWindowsNames) {
  const std::string beside = win32::FindProgram("Svc_Argv_Helper.exe");
  ASSERT_FALSE(beside.empty());
  EXPECT_TRUE(beside.ends_with("/svc_argv_helper"));
  EXPECT_EQ(beside, win32::FindProgram("svc_argv_helper.BAT"));
  const std::string dir = std::filesystem::path(beside).parent_path().string();
  EXPECT_EQ(dir + "/svc_argv_helper", win32::FindProgram(dir + "\\SVC_ARGV_HELPER.exe"));
  EXPECT_FALSE(win32::FindProgram("env").empty());
  EXPECT_TRUE(win32::FindProgram("/nonexistent/env").empty());
}

TEST_F(ProcessTest, RecordingHookAnswersInsteadOfRunning) {
  std::vector<std::pair<std::string, Args>> launches;
  win32::SetProcessLauncherHook([&](const std::string& program, const Args& argv) -> std::optional<DWORD> {
    launches.emplace_back(program, argv);
    if (program == "Missing.exe") return std::nullopt;
    return 144;
  });
  EXPECT_GT(WinExec("Sprindle.exe -w3", SW_SHOWNORMAL), 31u);
  EXPECT_EQ(static_cast<UINT>(ERROR_FILE_NOT_FOUND), WinExec("Missing.exe", SW_SHOWNORMAL));
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(Run("\"Tavish.bat\" -s -u \"a b\"", pi));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, INFINITE));
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(144u, code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  ASSERT_EQ(3u, launches.size());
  EXPECT_EQ("Sprindle.exe", launches[0].first);
  EXPECT_EQ((Args{"Sprindle.exe", "-w3"}), launches[0].second);
  EXPECT_EQ((Args{"Tavish.bat", "-s", "-u", "a b"}), launches[2].second);
}

}  // namespace
