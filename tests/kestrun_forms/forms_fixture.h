// The fixture of the form tabs' tests: Kestrun's application object run
// in-process over the fake encryption service, against a temporary registry
// and servers folder with one server, its script played by the robot from
// the first idle time. The script opens connector windows and works their
// tabs through the robot.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ChildFrame.h"
#include "Connector.h"
#include "KestrunApp.h"
#include "KestrunDoc.h"
#include "KestrunView.h"
#include "mfc_test.h"
#include "temp_folder.h"

namespace kforms_test {

inline constexpr const char* kServer = "FormsServer";
inline constexpr const char* kUser = "tester";
inline constexpr const char* kPassword = "secret";

class CFormsTestApp : public CKestrunApp {
 public:
  std::function<void()> m_script;
  BOOL OnIdle(LONG lCount) override;

 protected:
  std::unique_ptr<CConnectorFileCodec> CreateCodec() override;
};

class FormsTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs Kestrun; `script` runs at the first idle time. Windows it leaves
  // open are closed without questions.
  void Run(const std::function<void()>& script);
  CFormsTestApp& App() { return *app_; }
  halvane::test::Window MainWindow() const;

  // A window over a new connector of the mode, as the New command makes it
  // from the template, unmodified.
  CKestrunDoc* OpenNew(const std::string& name, int typeCode);
  // A window over the configuration file's text.
  CKestrunDoc* OpenConfig(const std::string& text);
  // Maximises the document's window.
  void ShowWhole(CKestrunDoc* doc);
  // Clicks the tab of the document's window.
  void ShowTab(CKestrunDoc* doc, const std::string& label);
  // The view of the tab of that label; null when the window has none.
  template <class View>
  View* Tab(CKestrunDoc* doc, const std::string& label) {
    return dynamic_cast<View*>(TabView(doc, label));
  }
  CKestrunView* TabView(CKestrunDoc* doc, const std::string& label);
  std::vector<std::string> TabLabels(CKestrunDoc* doc);

  // The results bar's lines.
  void ClearResults();
  std::vector<std::string> ResultLines();
  // Writes the document as the save command does; the file's text.
  std::string SavedConfig(CKestrunDoc* doc);
  // The lines of the text's section from its header up to the next header
  // or empty line.
  static std::vector<std::string> Section(const std::string& text, const std::string& header);
  // Answers every message box with OK from now on; its texts land in
  // `messages`, in order.
  void AnswerMessages();

  // Beeps made with Beep (not MessageBeep) since the last call.
  std::vector<std::pair<DWORD, DWORD>> TakeBeeps();

  std::string Path(const std::string& name) const { return folder_ / name; }

  halvane::test::TempFolder folder_{"kforms-test"};
  std::vector<std::string> messages;

 private:
  CFormsTestApp* app_ = nullptr;
  int files_ = 0;
};

std::string Text(const CString& text);

}  // namespace kforms_test
