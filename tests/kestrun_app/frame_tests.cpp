// The main frame and the connector windows: their look in each mode, the
// save questions of a close, Close All, the results bar, and the lost
// server, which offers to save each changed window before the program
// ends.
#include <filesystem>

#include "kestrun_app_fixture.h"
#include "resource.h"

namespace kestrun_app_test {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

constexpr int kButtonBase = 1024;  // the message box's button ids

class FrameTest : public KestrunAppTest {
 protected:
  void LoseServer() {
    for (const char* suffix : {".db", ".db-wal", ".db-shm"})
      std::filesystem::remove(folder_ / ("servers/" + std::string(kServer) + suffix));
  }
  // One poll of the data manager.
  void Poll() { robot.advance(1000); }
  // The question of a close of a window while disconnected, answered.
  void AnswerSaveQuestion(const std::string& name, int button, int* asked = nullptr) {
    robot.onDialog("Save", [name, button, asked](Robot& r, Window box) {
      if (asked != nullptr) ++*asked;
      const auto texts = r.texts(box);
      EXPECT_NE(std::find(texts.begin(), texts.end(), "Do you want to save the changes for connector " + name + " ?"),
                texts.end());
      r.click(box.child(button));
    });
  }
};

TEST_F(FrameTest, TheMainFrameAndAConnectorWindowInEachModeLookRight) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    EXPECT_EQ(Frame().GetToolBarManager().GetToolBarCount(), 1);
    EXPECT_NE(Frame().GetToolBarManager().FindToolBar("Standard"), nullptr);
    CRect rect;
    Frame().GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 800);
    EXPECT_EQ(rect.Height(), 500);
    EXPECT_EQ(StatusText(0), "Ready");
    robot.snapshot(FrameWindow(), "main_frame");
    // The class library's View commands show and hide the bars.
    robot.chooseMenu({"&View", "&Toolbar"});
    EXPECT_FALSE(Frame().GetToolBarManager().IsToolBarVisible(AFX_IDW_TOOLBAR));
    robot.chooseMenu({"&View", "&Toolbar"});
    EXPECT_TRUE(Frame().GetToolBarManager().IsToolBarVisible(AFX_IDW_TOOLBAR));
    robot.chooseMenu({"&View", "&Status Bar"});
    EXPECT_FALSE(Frame().GetStatusBar().IsWindowVisible());
    robot.chooseMenu({"&View", "&Status Bar"});
    EXPECT_TRUE(Frame().GetStatusBar().IsWindowVisible());

    NewConnector("Alpha");
    EXPECT_EQ(FrameWindow().text(), "Kestrun - QVS - Alpha*") << "the application's title, a dash, the window's";
    Frame().MDIGetActive()->MDIMaximize();
    robot.pumpUntilIdle();
    robot.snapshot(FrameWindow(), "qvs_window");
    // Opened while the other is maximised, it takes the whole area in front.
    NewConnector("Beta", true);
    EXPECT_TRUE(FrameOf("Beta", CONNECTOR_KBRX)->IsZoomed());
    robot.snapshot(FrameWindow(), "kbrx_window");
  });
  EXPECT_TRUE(ran);
}

TEST_F(FrameTest, AnUnchangedWindowClosesWithoutAQuestionAChangedOneAsks) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    Doc("Alpha")->SetModifiedFlag(FALSE);
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_TRUE(OpenTitles().empty());

    NewConnector("Beta");
    AnswerSaveQuestion("Beta", IDCANCEL);
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"QVS - Beta*"}) << "Cancel keeps it";
    // Yes saves to a file first: a cancelled file dialog keeps the window.
    AnswerSaveQuestion("Beta", IDYES);
    robot.onDialog("Save File Connector", [](Robot& r, Window files) { r.click(files.child(IDCANCEL)); });
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_EQ(OpenTitles().size(), 1u);
    AnswerSaveQuestion("Beta", IDYES);
    AnswerFileDialog("Save File Connector", Path("beta.cfg"));
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_TRUE(std::filesystem::exists(Path("beta.cfg")));

    NewConnector("Gamma");
    AnswerSaveQuestion("Gamma", IDNO);
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_TRUE(OpenTitles().empty());
  });
  EXPECT_TRUE(ran);
}

TEST_F(FrameTest, WhileConnectedAQvsWindowOffersTheServerOrAFile) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    Connect();
    NewConnector("Alpha");
    robot.onDialog("Save", [](Robot& r, Window box) {
      EXPECT_TRUE(box.childByText("Yes, to &server"));
      EXPECT_TRUE(box.childByText("Yes, to &file"));
      r.click(box.childByText("Yes, to &server"));
    });
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_EQ(ResultLines().back(), "Connector 'Alpha' is saved successfully.");

    // A KBRX window is never saved to the server: it asks Yes, No, Cancel.
    NewConnector("Kay", true);
    AnswerSaveQuestion("Kay", IDNO);
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_TRUE(OpenTitles().empty());
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(OnServer("Alpha", "ApplicationName"), "Alpha");
}

TEST_F(FrameTest, CloseAllStopsAtTheFirstWindowWhoseQuestionIsCancelled) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    NewConnector("Beta");
    NewConnector("Gamma");
    Doc("Gamma")->SetModifiedFlag(FALSE);
    int asked = 0;
    AnswerSaveQuestion("Beta", IDCANCEL, &asked);
    robot.chooseMenu({"&File", "Close All"});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"QVS - Alpha*", "QVS - Beta*"}));
    AnswerSaveQuestion("Beta", IDNO);
    AnswerSaveQuestion("Alpha", IDNO);
    robot.chooseMenu({"&File", "Close All"});
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_FALSE(robot.tryChooseMenu({"&File", "Close All"})) << "nothing left to close";
  });
  EXPECT_TRUE(ran);
}

TEST_F(FrameTest, ClosingTheProgramAsksEachWindowAndACancelKeepsItRunning) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    Connect();
    NewConnector("Kay", true);
    AnswerSaveQuestion("Kay", IDCANCEL);
    Frame().SendMessage(WM_CLOSE);
    EXPECT_TRUE(FrameWindow().isVisible());
    EXPECT_TRUE(App().IsConnected()) << "a refused close keeps the session";
    AnswerSaveQuestion("Kay", IDNO);
    Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(App().IsConnected());
  });
  EXPECT_TRUE(ran);
}

TEST_F(FrameTest, DuringAPrintPreviewTheProgramsCloseOnlyEndsThePreview) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    robot.chooseMenu({"&File", "Print Pre&view"});
    auto inPreview = [this] {
      return DYNAMIC_DOWNCAST(CPreviewView, CWnd::FromHandlePermanent(
                                                ::GetDlgItem(Frame().GetSafeHwnd(), AFX_IDW_PANE_FIRST))) != nullptr;
    };
    ASSERT_TRUE(inPreview());
    Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(inPreview());
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"QVS - Alpha*"}) << "nothing asked, nothing closed";
    EXPECT_TRUE(FrameWindow().isVisible());
  });
  EXPECT_TRUE(ran);
}

TEST_F(FrameTest, TheFirstResultLineShowsAHiddenResultsBarAgain) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    CResultsView& results = Frame().GetResultsView();
    Frame().ShowControlBar(&results, FALSE, FALSE);
    ASSERT_FALSE(results.IsWindowVisible());
    results.AddLine("A line");
    EXPECT_TRUE(results.IsWindowVisible());
    EXPECT_EQ(ResultLines(), std::vector<std::string>{"A line"});
  });
  EXPECT_TRUE(ran);
}

TEST_F(FrameTest, ALostServerOffersToSaveEachChangedWindowThenEnds) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    Connect();
    NewConnector("Alpha");
    NewConnector("Beta");
    NewConnector("Calm");
    Doc("Calm")->SetModifiedFlag(FALSE);
    robot.onMessageBox("kestrun_app_tests", IDOK);
    int asked = 0;
    robot
        .onDialog("Save",
                  [&](Robot& r, Window box) {
                    ++asked;
                    r.click(box.child(asked == 1 ? IDYES : IDNO));
                  })
        .times(2);
    AnswerFileDialog("Save File Connector", Path("alpha.cfg"));
    LoseServer();
    Poll();
    EXPECT_EQ(asked, 2) << "the two changed windows";
    EXPECT_TRUE(std::filesystem::exists(Path("alpha.cfg"))) << "saved before the end";
    EXPECT_FALSE(App().IsConnected());
    MSG quit{};
    ASSERT_TRUE(::PeekMessage(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the program ends";
    EXPECT_EQ(quit.wParam, 1u);
  });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kestrun_app_test
