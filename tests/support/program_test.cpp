#include "program_test.h"

#include <HvSplash.h>
#include <Orb.h>
#include <DravonTestHooks.h>

#include <cstdlib>
#include <filesystem>

namespace halvane::test {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The login dialog's fields with their controls' ids.
std::vector<std::pair<int, std::optional<std::string>>> ById(const LoginFields& fields) {
  return {{ProgramTest::kServerCombo, fields.server},
          {ProgramTest::kUserCombo, fields.user},
          {ProgramTest::kPasswordEdit, fields.password}};
}

}  // namespace

void ProgramTest::SetUp() {
  MfcTest::SetUp();
  ASSERT_FALSE(folder_.path().empty());
  std::filesystem::create_directories(folder_ / "servers");
  ::setenv("HALVANE_REGISTRY", (folder_ / "registry.reg").c_str(), 1);
  dravon::test::ResetFaults();
  win32::SetShellExecuteHook([this](const std::string&, const std::string& file) -> INT_PTR {
    opened_.push_back(file);
    return 33;
  });
  server_.emplace(kServer, folder_ / "servers");
  ASSERT_FALSE(HasFailure()) << "no test server";
}

void ProgramTest::TearDown() {
  HvSplash::CloseSplashScreen();
  HvSplash::EnableSplashScreen(FALSE, TRUE);
  delete CDataManager::PeekInstance();
  dravon::test::ResetFaults();
  // A test that leaves the ORB busy does not pass that on to the next.
  SetOrbBusy(0);
  win32::SetProcessLauncherHook(nullptr);
  win32::SetShellExecuteHook(nullptr);
  MfcTest::TearDown();
  server_.reset();
  ::unsetenv("HALVANE_REGISTRY");
}

int ProgramTest::RunCommandLine(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> commandLine{program};
  commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
  return AfxRunApplication(commandLine);
}

BOOL ProgramTest::Offer(UINT vk) {
  MSG msg{};
  msg.hwnd = running_->m_pMainWnd->GetSafeHwnd();
  msg.message = WM_KEYDOWN;
  msg.wParam = vk;
  return running_->PreTranslateMessage(&msg);
}

Window ProgramTest::Splash() const {
  for (const Window& w : robot.topLevels()) {
    if (w.isVisible() && (::GetWindowLong(w.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) && (w.style() & WS_POPUP)) return w;
  }
  return Window();
}

void ProgramTest::ExpectHelpWithoutTopics(std::initializer_list<std::string> topics,
                                          std::initializer_list<std::string> documentation) {
  EXPECT_TRUE(Offer(VK_F1));
  EXPECT_TRUE(opened_.empty());
  EXPECT_TRUE(Offer(VK_F1));
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_TRUE(EndsWith(opened_[0], "/tests/help/NoHelp.html")) << opened_[0];
  robot.chooseMenu(topics);
  robot.chooseMenu(documentation);
  ASSERT_EQ(opened_.size(), 3u);
  EXPECT_TRUE(EndsWith(opened_[2], "/documentation/welcome.html")) << opened_[2];
  running_->WinHelp(0);
  EXPECT_EQ(opened_.size(), 4u);
  EXPECT_FALSE(Offer(VK_F11)) << "F11 is nobody's key without authoring";
  EXPECT_FALSE(Offer('A'));
  EXPECT_EQ(opened_.size(), 4u);
}

HandlerRegistration ProgramTest::AnswerLogin(const LoginFields& typed, const LoginFields& expected) {
  return robot.onDialog(kLoginTitle, [typed, expected](Robot& r, Window dlg) {
    for (const auto& [id, value] : ById(expected)) {
      if (value) {
        EXPECT_EQ(dlg.child(id).text(), *value) << "login field " << id;
      }
    }
    for (const auto& [id, value] : ById(typed)) {
      if (value) ::SetWindowText(dlg.child(id).hwnd(), value->c_str());
    }
    r.click(dlg.child(IDOK));
  });
}

HandlerRegistration ProgramTest::CancelLogin() {
  return robot.onDialog(kLoginTitle, [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
}

}  // namespace halvane::test
