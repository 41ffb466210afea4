// The fixture of the frame tests: a fresh window system, a profile and a
// folder of their own, and the test program started without its pump.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include "frames_app.h"
#include "mfc_test.h"
#include "temp_profile.h"

class FramesTest : public halvane::test::MfcTest {
 protected:
  void SetUp() override {
    MfcTest::SetUp();
    ASSERT_FALSE(folder_.path().empty());
    RouteLog().clear();
    CMainFrame::s_appFirst = false;
    CChildFrame::s_size = CSize(0, 0);
  }
  void TearDown() override { MfcTest::TearDown(); }

  std::string PathOf(const std::string& name) const { return folder_ / name; }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  halvane::test::TempProfile profile_{"mfc_frames"};
  const halvane::test::TempFolder& folder_ = profile_.folder();
};

inline std::string TextOf(const CWnd* pWnd) { return halvane::test::Window(pWnd->m_hWnd).text(); }

// The program after InitInstance, its pump left to the robot; the end
// destroys its windows as the program's end would.
class StartedApp {
 public:
  StartedApp() {
    AfxWinInitArgs({"frames"});
    started = app.InitApplication() && app.InitInstance();
  }
  ~StartedApp() { AfxWinTerm(); }
  StartedApp(const StartedApp&) = delete;
  StartedApp& operator=(const StartedApp&) = delete;

  CMainFrame* MainFrame() const { return static_cast<CMainFrame*>(app.m_pMainWnd); }
  CMDIChildWnd* ActiveChild() const { return MainFrame()->MDIGetActive(); }
  CNoteDoc* NewNote() { return static_cast<CNoteDoc*>(app.m_pNoteTemplate->OpenDocumentFile(nullptr)); }
  void Command(UINT nID) const { MainFrame()->SendMessage(WM_COMMAND, nID); }

  CFramesApp app;
  bool started = false;
};
