// The base of a program's scenario tests: a fresh window system on the
// virtual clock, a temporary folder holding the registry and the servers
// folder with one server of our own, the desktop's and the launcher's hooks,
// and the real application object run in-process with a command line, its
// script played by the robot from the first idle time of its pump. Each
// program's fixture derives and adds its own.
#pragma once

#include <afxwin.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mfc_test.h"
#include "scripted_app.h"
#include "temp_folder.h"
#include "temporary_server.h"

namespace halvane::test {

// The fields of the login dialog; those not given are left as they show.
struct LoginFields {
  std::optional<std::string> server = std::nullopt;
  std::optional<std::string> user = std::nullopt;
  std::optional<std::string> password = std::nullopt;
};

class ProgramTest : public MfcTest {
 public:
  static constexpr const char* kServer = "TestServer";
  static constexpr const char* kUser = TemporaryServer::kUser;
  static constexpr const char* kPassword = TemporaryServer::kPassword;
  static constexpr const char* kLoginTitle = "Connect to Tressel Server";
  static constexpr int kUserCombo = 1001;
  static constexpr int kServerCombo = 1002;
  static constexpr int kPasswordEdit = 1007;

 protected:
  // The temporary folder's name starts with `folderPrefix`.
  explicit ProgramTest(const std::string& folderPrefix) : folder_(folderPrefix) {}
  void SetUp() override;
  void TearDown() override;

  // Runs `app` with the arguments after `program`, the program's name;
  // `script` runs at the first idle time. The exit code.
  template <class Scripted>
  int RunApplication(std::unique_ptr<Scripted> app, const std::string& program,
                     const std::vector<std::string>& arguments, const std::function<void()>& script) {
    app->m_script = script;
    running_ = app.get();
    const int code = RunCommandLine(program, arguments);
    running_ = nullptr;
    return code;
  }
  // The application running now, or null.
  CWinApp* Running() const { return running_; }

  // A key as the application's own message loop offers it to the main
  // window: TRUE when the application took it.
  BOOL Offer(UINT vk);
  // The start-up picture while it shows.
  Window Splash() const;
  // From a script started without arguments, in a program whose help
  // folder holds no topics and without authoring: the picture takes the
  // first F1, the next opens the page for no topics, the help menu's
  // `topics` and `documentation` and the class library's requests open
  // their pages, and F11 and other keys are nobody's.
  void ExpectHelpWithoutTopics(std::initializer_list<std::string> topics,
                               std::initializer_list<std::string> documentation);

  // Answers the next login dialog: the fields in `expected` are checked,
  // those in `typed` filled in, then OK.
  HandlerRegistration AnswerLogin(const LoginFields& typed, const LoginFields& expected = {});
  // Answers the next login dialog with Cancel.
  HandlerRegistration CancelLogin();

  TempFolder folder_;
  // The files the desktop was asked to open (help pages).
  std::vector<std::string> opened_;

 private:
  int RunCommandLine(const std::string& program, const std::vector<std::string>& arguments);

  std::optional<TemporaryServer> server_;
  CWinApp* running_ = nullptr;
};

}  // namespace halvane::test
