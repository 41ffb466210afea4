// The fixture of the frame tests: a fresh window system, a profile and a
// folder of their own, and the test program started without its pump.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "frames_app.h"
#include "robot_test.h"

class FramesTest : public halvane::test::RobotTest {
 protected:
  void SetUp() override {
    RobotTest::SetUp();
    AfxSetResourceHandle(nullptr);
    dir_ = std::filesystem::temp_directory_path() / ("mfc_frames_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    ::setenv("HALVANE_REGISTRY", (dir_ / "registry.reg").c_str(), 1);
    RouteLog().clear();
    CMainFrame::s_appFirst = false;
    CChildFrame::s_size = CSize(0, 0);
  }
  void TearDown() override {
    CWnd::DeleteTempMap();
    ::unsetenv("HALVANE_REGISTRY");
    std::filesystem::remove_all(dir_);
    RobotTest::TearDown();
  }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::filesystem::path dir_;
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
