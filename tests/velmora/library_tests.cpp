// The library's entry, its resource switch, the sibling-tool launcher and
// the version query.
#include <Lumeric.h>
#include <win32/services.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "VelmoraTestHooks.h"
#include "VelmoraTools.h"
#include "resource.h"
#include "velmora_fixture.h"

namespace {

class LibraryTest : public VelmoraTest {};

TEST_F(LibraryTest, TheEntryPointPutTheLibraryIntoTheResourceChain) {
  ASSERT_NE(Library(), nullptr);
  EXPECT_FALSE(win32::ModuleLoadFailed(Library()));
  EXPECT_EQ(velmora::test::LibraryInstance(), Library());
  int entries = 0;
  for (CDynLinkLibrary* library : AfxGetAppModuleState()->m_libraryList) entries += library->m_hModule == Library();
  EXPECT_EQ(entries, 1);
  // Its clip and templates are its own, and reachable through the chain.
  EXPECT_NE(::FindResource(Library(), MAKEINTRESOURCE(IDR_STATUS_CLIP), "AVI"), nullptr);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_STATUS), RT_DIALOG), Library());
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_DEF_MESSAGE_BOX), RT_DIALOG), Host())
      << "the host's own template of the same id comes first without a switch";
}

TEST_F(LibraryTest, AScopeSelectsTheLibraryAndPutsTheRecordedHostHandleBack) {
  velmora::test::RunInResourceScope([this] {
    EXPECT_EQ(AfxGetResourceHandle(), Library());
    EXPECT_EQ(velmora::test::HostResourceHandle(), Host());
    velmora::test::RunInResourceScope([this] { EXPECT_EQ(AfxGetResourceHandle(), Library()); });
    EXPECT_EQ(AfxGetResourceHandle(), Host()) << "the recorded host handle, not the one found on entry";
  });
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(LibraryTest, AnExceptionLeavingAScopeAlsoRestoresTheHostHandle) {
  EXPECT_THROW(velmora::test::RunInResourceScope([] { throw std::runtime_error("interrupted"); }), std::runtime_error);
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(LibraryTest, TheHostHandleIsRecordedOnceAtTheFirstSwitch) {
  velmora::test::RunInResourceScope([] {});
  // Later switches made while another module is current still restore the
  // host's handle.
  AfxSetResourceHandle(::GetModuleHandle("mfc"));
  velmora::test::RunInResourceScope([] {});
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

// --- Tool launcher -----------------------------------------------------------

class LauncherTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    win32::SetProcessLauncherHook(
        [this](const std::string& program, const std::vector<std::string>& argv) -> std::optional<DWORD> {
          launches.push_back(argv);
          if (program == missing) return std::nullopt;
          return 0;
        });
  }
  void TearDown() override {
    win32::SetProcessLauncherHook({});
    LibraryTest::TearDown();
  }

  std::vector<std::vector<std::string>> launches;
  std::string missing;
};

TEST_F(LauncherTest, NumbersWithoutAProgramAnswerFalseAndStartNothing) {
  for (int number : {2, 10, 0, -1}) EXPECT_FALSE(LaunchHLLDTool(number, "%s", "x")) << number;
  EXPECT_TRUE(launches.empty());
}

TEST_F(LauncherTest, AnEmptyFormatRunsTheProgramFollowedByOneBlank) {
  EXPECT_EQ(velmora::test::ToolCommandLine(8, ""), "Kestrun.exe ");
  EXPECT_TRUE(LaunchHLLDTool(8, ""));
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0], std::vector<std::string>{"Kestrun.exe"});
}

TEST_F(LauncherTest, TheToolTableAndTheFormattedArguments) {
  const std::vector<std::string> programs = {"Trebbit.exe", "",          "Quorrel.exe", "Gostrel.exe",
                                             "Fardle.exe",  "Orvex.exe", "Wendrel.exe", "Kestrun.exe",
                                             "Brannock.exe"};
  for (int number = 1; number <= 9; ++number) {
    const std::string& program = programs[static_cast<size_t>(number - 1)];
    EXPECT_EQ(velmora::test::ToolCommandLine(number, "x"), program.empty() ? "" : program + " x") << number;
  }
  EXPECT_TRUE(LaunchHLLDTool(6, "-s%s -u%s \"%s\"", "Local", "admin", "My Object"));
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0], (std::vector<std::string>{"Orvex.exe", "-sLocal", "-uadmin", "My Object"}));
}

TEST_F(LauncherTest, LongArgumentsAreCutAt1023Characters) {
  const std::string longText(3000, 'a');
  EXPECT_TRUE(LaunchHLLDTool(1, "%s", longText.c_str()));
  ASSERT_EQ(launches.size(), 1u);
  ASSERT_EQ(launches[0].size(), 2u);
  EXPECT_EQ(launches[0][1].size(), 1023u);
}

TEST_F(LauncherTest, AFailedStartAnswersFalse) {
  missing = "Quorrel.exe";
  EXPECT_FALSE(LaunchHLLDTool(3, "%d", 1));
  EXPECT_EQ(launches.size(), 1u);
}

// --- Version query -----------------------------------------------------------

TEST_F(LibraryTest, TheVersionQueryPassesItsCallToLumeric) {
  char direct[32] = {};
  char passed[32] = {};
  const int length = LumericVersion(direct, sizeof direct);
  EXPECT_EQ(GetLumericVersion(passed, sizeof passed), length);
  EXPECT_STREQ(passed, direct);
  EXPECT_GT(length, 0);
  char small[3] = {'x', 'x', 'x'};
  EXPECT_EQ(GetLumericVersion(small, sizeof small), length);
  EXPECT_EQ(std::string(small), std::string(direct, 2));
  EXPECT_EQ(GetLumericVersion(nullptr, 0), length);
}

}  // namespace
