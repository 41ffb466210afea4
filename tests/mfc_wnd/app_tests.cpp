// The application object run in-process: start-up, the message pump with
// its idle calls, the profile, command line, help, message boxes and a
// clean end, so that the next test can make another one.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "resource.h"
#include "wnd_fixture.h"
#include "temp_profile.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

// Routes commands on to the application, as a frame window does.
class CMainWnd : public CWnd {
 public:
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) || AfxGetApp()->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }

 protected:
  afx_msg void OnClose() { DestroyWindow(); }
  afx_msg void OnDestroy() {
    ::PostQuitMessage(3);
    CWnd::OnDestroy();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
  ON_WM_CLOSE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp("Test App") {}
  std::vector<LONG> idleCounts;
  CCommandLineInfo commandLine;
  bool failInit = false;
  int exits = 0;
  CMainWnd mainWnd;

  BOOL InitInstance() override {
    ParseCommandLine(commandLine);
    if (failInit) return FALSE;
    if (!CreateTopLevel(mainWnd, "Main")) return FALSE;
    m_pMainWnd = &mainWnd;
    mainWnd.ShowWindow(SW_SHOW);
    return TRUE;
  }
  // The second idle call (temporary objects deleted) asks to exit.
  BOOL OnIdle(LONG lCount) override {
    idleCounts.push_back(lCount);
    if (lCount == 1 && idleCounts.size() == 2) mainWnd.PostMessage(WM_COMMAND, ID_APP_EXIT);
    return CWinApp::OnIdle(lCount);
  }
  int ExitInstance() override {
    ++exits;
    return CWinApp::ExitInstance();
  }
};

class AppTest : public WndTest {
 protected:
  halvane::test::TempProfile profile_{"mfc_wnd_profile"};
};

TEST_F(AppTest, AnApplicationRunsInProcessAndEndsCleanly) {
  {
    CTestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    const int code = AfxRunApplication({"/opt/halvane/bin/orvex", "-n", "file.txt"});
    EXPECT_EQ(code, 3) << "the quit code reaches the caller";
    EXPECT_EQ(app.exits, 1);
    EXPECT_EQ(std::string(app.m_pszExeName), "orvex");
    EXPECT_EQ(std::string(app.m_pszAppName), "Test App");
    EXPECT_EQ(std::string(app.commandLine.m_strFileName), "file.txt");
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.mainWnd.m_hWnd, nullptr);
    // Idle time: count 0 (command UI), then 1, then the pump waits.
    EXPECT_EQ(app.idleCounts, (std::vector<LONG>{0, 1}));
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
  // A second application in the same process.
  CTestApp again;
  again.failInit = true;
  EXPECT_EQ(AfxRunApplication({"kestrun"}), 0);
  EXPECT_EQ(again.exits, 1);
  EXPECT_EQ(AfxGetApp(), &again);
}

class CShellApp : public CWinApp {
 public:
  CShellApp() : CWinApp("Shell") {}
  int newFiles = 0;
  CWnd mainWnd;

 protected:
  afx_msg void OnFileNew() {
    ++newFiles;
    if (CreateTopLevel(mainWnd, "New")) m_pMainWnd = &mainWnd;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CShellApp, CWinApp)
  ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

TEST_F(AppTest, ShellCommandsFromTheCommandLine) {
  CShellApp app;
  AfxWinInitArgs({"shell"});
  CCommandLineInfo nothing;
  nothing.m_nShellCommand = CCommandLineInfo::FileNothing;
  EXPECT_TRUE(app.ProcessShellCommand(nothing));
  EXPECT_EQ(app.newFiles, 0);
  CCommandLineInfo info;
  app.ParseCommandLine(info);
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
  EXPECT_TRUE(app.ProcessShellCommand(info));
  EXPECT_EQ(app.newFiles, 1);
  // Opening needs a document manager: without one the start-up stops.
  CCommandLineInfo open;
  open.m_nShellCommand = CCommandLineInfo::FileOpen;
  open.m_strFileName = "some.txt";
  EXPECT_FALSE(app.ProcessShellCommand(open));
  app.mainWnd.DestroyWindow();
}

TEST_F(AppTest, AnApplicationWithoutAMainWindowEndsAtOnce) {
  CWinApp app("Bare");
  EXPECT_EQ(AfxRunApplication({"bare"}), 0);
}

TEST_F(AppTest, ProfileValuesLiveUnderTheRegistryKey) {
  CWinApp app("Profiled");
  AfxWinInitArgs({"profiled"});
  app.SetRegistryKey("Halvane");
  EXPECT_EQ(std::string(app.m_pszRegistryKey), "Halvane");
  EXPECT_EQ(std::string(app.m_pszProfileName), "Profiled");
  EXPECT_EQ(app.GetProfileInt("Settings", "Count", 5), 5u);
  EXPECT_TRUE(app.WriteProfileInt("Settings", "Count", 12));
  EXPECT_TRUE(app.WriteProfileString("Settings", "Name", "Ada"));
  BYTE data[] = {1, 2, 250};
  EXPECT_TRUE(app.WriteProfileBinary("Settings", "Blob", data, sizeof data));
  EXPECT_EQ(app.GetProfileInt("Settings", "Count", 5), 12u);
  EXPECT_EQ(std::string(app.GetProfileString("Settings", "Name")), "Ada");
  LPBYTE read = nullptr;
  UINT size = 0;
  ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &read, &size));
  ASSERT_EQ(size, 3u);
  EXPECT_EQ(read[2], 250);
  delete[] read;
  EXPECT_FALSE(app.GetProfileBinary("Settings", "Missing", &read, &size));

  // Another profile of the same key does not see these values.
  app.m_pszProfileName = "Common";
  EXPECT_EQ(std::string(app.GetProfileString("Settings", "Name", "none")), "none");
}

TEST_F(AppTest, RecentFilesAreReadAndWrittenWithTheProfile) {
  {
    CWinApp app("Recent");
    AfxWinInitArgs({"recent"});
    app.SetRegistryKey("Halvane");
    app.LoadStdProfileSettings(4);
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    app.AddToRecentFileList("/tmp/one.txt");
    app.AddToRecentFileList("/tmp/two.txt");
    app.ExitInstance();
  }
  CWinApp app("Recent");
  AfxWinInitArgs({"recent"});
  app.SetRegistryKey("Halvane");
  app.LoadStdProfileSettings(4);
  ASSERT_NE(app.m_pRecentFileList, nullptr);
  EXPECT_EQ(std::string((*app.m_pRecentFileList)[0]), "/tmp/two.txt");
  EXPECT_EQ(std::string((*app.m_pRecentFileList)[1]), "/tmp/one.txt");
  app.LoadStdProfileSettings(0);
  EXPECT_EQ(app.m_pRecentFileList, nullptr);
}

TEST_F(AppTest, HelpRequestsAreRecorded) {
  CWinApp app("Helpful");
  AfxWinInitArgs({"helpful"});
  AfxClearHelpRequests();
  CWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Help"));
  wnd.WinHelp(42, HELP_CONTEXT);
  app.OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, nullptr);
  const auto requests = AfxGetHelpRequests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].dwData, 42u);
  EXPECT_EQ(requests[0].nCmd, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(std::string(requests[0].strHelpFile), "helpful.HLP");
  EXPECT_EQ(requests[1].nCmd, static_cast<UINT>(HELP_FINDER));
  wnd.DestroyWindow();
}

TEST_F(AppTest, MessageBoxesUseTheApplicationsNameAndStrings) {
  CWinApp app("Boxes");
  std::vector<std::string> texts;
  robot.onDialog("Boxes", [&texts](Robot& r, Window box) {
    for (const std::string& text : r.texts(box)) texts.push_back(text);
    r.click(box.childByText("&No"));
  });
  EXPECT_EQ(AfxMessageBox("Really?", MB_YESNO), IDNO);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Really?"), texts.end());
  robot.onMessageBox("Boxes", IDOK);
  EXPECT_EQ(AfxMessageBox(IDS_APP_STRING), IDOK);
  EXPECT_EQ(AfxMessageBox(9999), 0) << "no such string: no box";
}

// Handlers that fail with the class library's exceptions.
class CFailingWnd : public CWnd {
 public:
  bool failCreate = false;
  int painted = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT cs) {
    if (failCreate) AfxThrowMemoryException();
    return CWnd::OnCreate(cs);
  }
  afx_msg void OnMissingFile() { AfxThrowFileException(CFileException::fileNotFound, ENOENT, "missing.cfg"); }
  afx_msg void OnQuietFailure() { AfxThrowUserException(); }
  afx_msg LRESULT OnUnsupported(WPARAM, LPARAM) { AfxThrowNotSupportedException(); }
  afx_msg void OnPaint() {
    ++painted;
    AfxThrowResourceException();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_COMMAND(700, OnMissingFile)
  ON_COMMAND(701, OnQuietFailure)
  ON_MESSAGE(WM_APP + 70, OnUnsupported)
END_MESSAGE_MAP()

TEST_F(AppTest, AnExceptionFromAHandlerIsReportedAndTheProgramGoesOn) {
  CWinApp app("Guarded");
  CFailingWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Failing", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  std::vector<std::string> texts;
  const auto answerTheBox = [&] {
    robot.onDialog("Guarded", [&texts](Robot& r, Window box) {
      texts = r.texts(box);
      r.click(box.childByText("OK"));
    });
  };
  answerTheBox();
  EXPECT_EQ(wnd.SendMessage(WM_COMMAND, 700), TRUE) << "a failed command counts as handled";
  EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                         [](const std::string& t) { return t.find("missing.cfg") != std::string::npos; }),
            texts.end());
  texts.clear();
  answerTheBox();
  EXPECT_EQ(wnd.SendMessage(WM_APP + 70), 0);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "An unsupported operation was attempted."), texts.end());
  texts.clear();
  EXPECT_EQ(wnd.SendMessage(WM_COMMAND, 701), TRUE);
  EXPECT_TRUE(texts.empty()) << "a user exception has been reported by whoever threw it";

  // A failed paint is not asked for again, and says nothing.
  wnd.painted = 0;
  wnd.Invalidate();
  wnd.UpdateWindow();
  EXPECT_EQ(wnd.painted, 1);
  EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
  EXPECT_TRUE(texts.empty());
  wnd.DestroyWindow();

  // A failed WM_CREATE fails the creation without a box.
  CFailingWnd refused;
  refused.failCreate = true;
  EXPECT_FALSE(CreateTopLevel(refused, "Refused"));
  EXPECT_EQ(refused.m_hWnd, nullptr);
  EXPECT_TRUE(texts.empty());
}

}  // namespace
