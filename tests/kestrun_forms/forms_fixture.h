// The fixture of the form tabs' tests: the scenario tests' fixture (Kestrun
// run in-process over the fake encryption service, against a server of its
// own) with what the tabs' tests add: windows opened from the template or a
// configuration file's text, their tabs shown through the robot, the text a
// save writes, and the beeps of the fields' rules.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "kestrun_app_fixture.h"

namespace kforms_test {

class FormsTest : public kestrun_app_test::KestrunAppTest {
 protected:
  void SetUp() override;

  // Runs Kestrun; `script` runs at the first idle time. An unknown flag
  // keeps the start-up picture away.
  void Run(const std::function<void()>& script) { KestrunAppTest::Run({"-x"}, script); }

  // A window over a new connector of the mode, as the New command makes it
  // from the template, unmodified.
  CKestrunDoc* OpenNew(const std::string& name, int typeCode);
  // A window over the configuration file's text.
  CKestrunDoc* OpenConfig(const std::string& text);
  // The view of the tab of that label; null when the window has none.
  template <class View>
  View* Tab(CKestrunDoc* doc, const std::string& label) {
    return dynamic_cast<View*>(TabView(doc, label));
  }
  CKestrunView* TabView(CKestrunDoc* doc, const std::string& label);

  // Writes the document as the save command does; the file's text.
  std::string SavedConfig(CKestrunDoc* doc);
  // The lines of the text's section from its header up to the next header
  // or empty line.
  static std::vector<std::string> Section(const std::string& text, const std::string& header);
  // Beeps made with Beep (not MessageBeep) since the last call.
  std::vector<std::pair<DWORD, DWORD>> TakeBeeps();

 private:
  // The window fills the main window, so that its tabs along the bottom show.
  void ShowWhole(CKestrunDoc* doc);

  int files_ = 0;
  size_t beepsTaken_ = 0;
};

}  // namespace kforms_test
