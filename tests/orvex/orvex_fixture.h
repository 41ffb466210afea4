// The fixture of Orvex's tests: the programs' scenario base run with Orvex's
// application object, and the helpers for its windows, dialogs and server.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ChildFrame.h"
#include "DataManager.h"
#include "MainFrame.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
#include "UserPref.h"
#include "program_test.h"

namespace orvex_test {

using halvane::test::Robot;
using halvane::test::Window;

inline constexpr const char* kServer = halvane::test::ProgramTest::kServer;
inline constexpr const char* kUser = halvane::test::ProgramTest::kUser;
inline constexpr const char* kPassword = halvane::test::ProgramTest::kPassword;
inline constexpr int kButtonBase = 1024;  // the message box's button ids

// The command line that logs in to the test server.
std::vector<std::string> Login();
// The same, opening the definition `name` too.
std::vector<std::string> LoginAndOpen(const std::string& name);
inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The application with a script for its first idle time.
class CTestOrvexApp : public halvane::test::ScriptedApp<COrvexApp> {};

// A definition as it stands: its attributes' names and types, in order.
struct DefContent {
  bool exists = false;
  std::string appInfo;
  std::vector<std::string> attributes;  // "name:type"
};

class OrvexTest : public halvane::test::ProgramTest {
 protected:
  OrvexTest() : ProgramTest("orvex-test") {}

  // Runs Orvex with the arguments after the program's name; `script` runs
  // at the first idle time. Windows the script leaves are closed without
  // questions. The exit code.
  int Run(const std::vector<std::string>& arguments, const std::function<void()>& script);
  // Runs Orvex as Run does and fails the test when the script never ran.
  void RunScript(const std::vector<std::string>& arguments, const std::function<void()>& script);
  // RunScript logged in with the server's Customer (one key attribute) open
  // and a new local Draft beside it.
  void RunWithCustomerAndDraft(const std::function<void()>& script);

  CTestOrvexApp& App() { return static_cast<CTestOrvexApp&>(*Running()); }
  CMainFrame& Frame() { return *App().GetMainFrame(); }
  halvane::test::Window FrameWindow() { return halvane::test::Window(Frame().GetSafeHwnd()); }
  // The text of the results pane.
  std::string Results();
  std::string StatusText(int pane);
  // The open definition windows' titles, in the template's order.
  std::vector<std::string> OpenTitles();
  CChildFrame* FrameOf(const std::string& name);

  // Saves a definition to the test server before Orvex runs (or after):
  // attributes "name:type", the first of them the key.
  void PutOnServer(const std::string& name, const std::vector<std::string>& attributes,
                   const std::string& appInfo = "");
  // The server's definition, read by a session of its own (outside a run).
  DefContent OnServer(const std::string& name);
  static DefContent Content(const CQRBusObjDef* pDef);
  // Every field of a definition, its attributes, verbs and properties, one
  // line per part ("(none)" for none).
  static std::string AllFields(const CQRBusObjDef* pDef);
  // Appends an attribute (the next position) with its maximum length.
  static CBODefAttr& AddAttribute(CQRBusObjDef* pDef, const std::string& name, const std::string& type,
                                  const std::string& maxLength);

  // Answers the New dialog with a name.
  void AnswerNewDialog(const std::string& name, const std::string& appInfo = "");
  // Answers the Open (or Delete) dialog by picking the rows named.
  void AnswerOpenDialog(const std::string& title, const std::vector<std::string>& names);
  // Opens the definitions named through File > Open (Orvex must be running).
  void OpenFromMenu(const std::vector<std::string>& names);

  // The options below a file dialog's list: its child dialog.
  static halvane::test::Window FileOptions(halvane::test::Window fileDialog);
  // Answers the file dialog titled `title`: `options` runs on it first (it
  // may set the options below the list), then the path is typed as the
  // file name and the dialog's OK button pressed.
  halvane::test::HandlerRegistration AnswerFileDialog(
      const std::string& title, const std::string& path,
      std::function<void(halvane::test::Robot&, halvane::test::Window)> options = {});
  // Answers the file dialog titled `title` with Cancel.
  void CancelFileDialog(const std::string& title);
  // Answers the next box of the caption with OK; `text` gets its message.
  void AnswerBoxKeepingText(std::string& text, const std::string& caption = "Orvex");
  // The contents of a file, empty when there is none.
  static std::string ReadFile(const std::string& path);
};

}  // namespace orvex_test
