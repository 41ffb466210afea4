// Saving connectors: to a configuration file through every filled tab of
// the document's own window, to repository copies, under another name, all
// windows to files and to the server, with the failures reported and
// nothing lost.
#include <DravonTestHooks.h>
#include <gxall.h>

#include <filesystem>

#include "kestrun_app_fixture.h"
#include "resource.h"

namespace kestrun_app_test {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class SaveTest : public KestrunAppTest {
 protected:
  // Runs a command of the active window's menu.
  void SaveToFile() { robot.chooseMenu({"&File", "Sa&ve", "To &File\tCtrl+E"}); }
  void SaveAsToFile() { robot.chooseMenu({"&File", "Save &As", "To File\tCtrl+Alt+F"}); }
  void SaveAllToFile() { robot.chooseMenu({"&File", "Save All", "To File"}); }
  void SaveAllToServer() { robot.chooseMenu({"&File", "Save All", "To Server"}); }
  // Answers the Files Save dialog: each row's file replaced by `files`
  // (empty: kept as proposed); the proposals land in `proposals`.
  void AnswerFilesSave(std::vector<std::string> files, std::vector<std::string>* proposals = nullptr,
                       int button = IDOK) {
    robot.onDialog("Files Save", [files, proposals, button](Robot& r, Window dlg) {
      auto* pGrid = DYNAMIC_DOWNCAST(CGXGridWnd, CWnd::FromHandlePermanent(dlg.child(IDC_FILE_NAME_GRID).hwnd()));
      ASSERT_NE(pGrid, nullptr);
      for (ROWCOL row = 1; row <= pGrid->GetRowCount(); ++row) {
        if (proposals != nullptr) proposals->push_back(std::string(pGrid->GetValueRowCol(row, 2)));
        if (row <= files.size() && !files[row - 1].empty())
          pGrid->SetValueRange(CGXRange(row, 2), files[row - 1].c_str());
      }
      r.click(dlg.child(button));
    });
  }
};

TEST_F(SaveTest, AConfigurationFileHoldsTheHeaderAndTheFilledTabsOfItsOwnWindow) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    NewConnector("Beta");
    AddTestTab(Doc("Alpha"));
    AddTestTab(Doc("Beta"));
    // Alpha is not the window in front; its own tabs write its file.
    ASSERT_TRUE(CKestrunView::WriteConfigFile(Path("alpha.cfg").c_str(), Doc("Alpha")));
    const std::string text = ReadFile("alpha.cfg");
    EXPECT_EQ(text.rfind("[CONFIGURATION_FILE]\r\nVersion = 3.1.2\r\nINSTALLID=", 0), 0u) << text;
    EXPECT_TRUE(Contains(text, "\r\n\r\n[ConnectorAgent Alpha]\r\nApplicationName = Alpha\r\n")) << text;
    EXPECT_TRUE(Contains(text, "\r\n[LOGGING]\r\n")) << text;
    EXPECT_TRUE(Contains(text, "\r\nTestTab = Alpha\r\n")) << "the test tab, after the window's own tabs: " << text;
    EXPECT_FALSE(Contains(text, "Beta"));
    EXPECT_EQ(Doc("Alpha")->GetTitle(), "QVS - Alpha") << "written: no longer modified";
    EXPECT_EQ(ResultLines().back(), "Save configuration file was successful");
    // A tab that was never filled gives no section.
    Doc("Beta")->GetChildFrame()->GetTabView(6)->m_bFilled = FALSE;
    ASSERT_TRUE(CKestrunView::WriteConfigFile(Path("beta.cfg").c_str(), Doc("Beta")));
    EXPECT_FALSE(Contains(ReadFile("beta.cfg"), "TestTab"));
  });
  EXPECT_TRUE(ran);
}

TEST_F(SaveTest, ATabThatRefusesItsSectionLeavesTheOldFileWhole) {
  WriteFile("alpha.cfg", "the old file\r\n");
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    AddTestTab(Doc("Alpha"));
    CTestTabView::s_bWrites = FALSE;
    EXPECT_FALSE(CKestrunView::WriteConfigFile(Path("alpha.cfg").c_str(), Doc("Alpha")));
    EXPECT_EQ(ReadFile("alpha.cfg"), "the old file\r\n");
    EXPECT_TRUE(Doc("Alpha")->IsModified());
  });
  EXPECT_TRUE(ran);
}

TEST_F(SaveTest, SaveToFileAsksForAFileAndWritesItsKindOrRefusesOthers) {
  WriteRepositoryCopy("repo.out", {"Gamma"});
  AnswerMessages();
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    // A name typed without an extension is a configuration file.
    AnswerFileDialog("Save File Connector", Path("alpha"));
    SaveToFile();
    EXPECT_EQ(Doc("Alpha")->m_strPath, Path("alpha.cfg").c_str());
    EXPECT_TRUE(Contains(ReadFile("alpha.cfg"), "[ConnectorAgent Alpha]"));
    EXPECT_EQ(Doc("Alpha")->GetTitle(), "QVS - Alpha");
    // Saved again: to its file, without a question.
    Doc("Alpha")->SetModifiedFlag(TRUE);
    SaveToFile();
    EXPECT_EQ(Doc("Alpha")->GetTitle(), "QVS - Alpha");

    // A repository copy's connector asks; an unknown extension is refused.
    AnswerFileDialog("Open File Connector", Path("repo.out"));
    robot.chooseMenu({"&File", "&Open", "From File...\tCtrl+I"});
    CKestrunDoc* pGamma = Doc("Gamma");
    ASSERT_NE(pGamma, nullptr);
    pGamma->SetModifiedFlag(TRUE);
    AnswerFileDialog("Save File Connector", Path("gamma.txt"));
    SaveToFile();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0], "gamma.txt")) << messages[0];
    EXPECT_TRUE(pGamma->m_strPath.IsEmpty());
    EXPECT_TRUE(pGamma->IsModified());
    EXPECT_FALSE(std::filesystem::exists(Path("gamma.txt")));
    // To a repository copy: its kind is kept for the next save.
    AnswerFileDialog("Save File Connector", Path("gamma.out"));
    SaveToFile();
    EXPECT_EQ(pGamma->m_strPath, Path("gamma.out").c_str());
    EXPECT_EQ(pGamma->m_nFileKind, FILE_KIND_REPOSITORY);
    EXPECT_TRUE(Contains(ReadFile("gamma.out"), "[Pellisk]"));
    EXPECT_EQ(ResultLines().back(), "Save connector repository file was successful");
    EXPECT_EQ(pGamma->GetTitle(), "QVS - Gamma");
  });
  EXPECT_TRUE(ran);
}

TEST_F(SaveTest, AValidationFailureStopsEverySaveBeforeAnyDialog) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    AddTestTab(Doc("Alpha"));
    CTestTabView::s_bValid = FALSE;
    SaveToFile();
    EXPECT_EQ(ResultLines(),
              (std::vector<std::string>{"Validating standard properties ", "Validating Logging and tracing...",
                                        "The test tab is not valid.", "Validation failed ..."}));
    SaveAllToFile();
    EXPECT_EQ(ResultLines(),
              (std::vector<std::string>{"Validating standard properties ", "Validating Logging and tracing...",
                                        "The test tab is not valid.", "Validation failed ..."}));
    EXPECT_TRUE(Doc("Alpha")->m_strPath.IsEmpty());
  });
  EXPECT_TRUE(ran);
}

TEST_F(SaveTest, SaveAsWithRenameTakesTheFilesTitleOnlyWhenTheWriteSucceeds) {
  AnswerMessages();
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    robot.onDialog("Save File As Connector", [this](Robot& r, Window files) {
      EXPECT_EQ(files.child(chx1).text(), "Rename connector");
      EXPECT_TRUE(files.child(chx1).isVisible());
      r.click(files.child(chx1));
      const Window name = files.child(edt1);
      r.click(name);
      ::SendMessage(name.hwnd(), EM_SETSEL, 0, -1);
      r.type(Path("Renamed.cfg"));
      r.key(VK_RETURN);
    });
    SaveAsToFile();
    CKestrunDoc* pDoc = Doc("Renamed");
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(pDoc->m_strPath, Path("Renamed.cfg").c_str());
    EXPECT_TRUE(Contains(ReadFile("Renamed.cfg"), "[ConnectorAgent Renamed]"));
    EXPECT_EQ(pDoc->GetTitle(), "QVS - Renamed");

    // An extension of no connector file: refused, and name and path stay.
    robot.onDialog("Save File As Connector", [this](Robot& r, Window files) {
      r.click(files.child(chx1));
      const Window name = files.child(edt1);
      r.click(name);
      ::SendMessage(name.hwnd(), EM_SETSEL, 0, -1);
      r.type(Path("Other.txt"));
      r.key(VK_RETURN);
    });
    SaveAsToFile();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Doc("Other"), nullptr);
    EXPECT_EQ(pDoc->m_strName, "Renamed");
    EXPECT_EQ(pDoc->GetConnector()->m_strName, "Renamed");
    EXPECT_EQ(pDoc->m_strPath, Path("Renamed.cfg").c_str());
  });
  EXPECT_TRUE(ran);
}

TEST_F(SaveTest, SaveAllToFileKeysTheFilesByDocumentAndOffersConfigurationFiles) {
  WriteRepositoryCopy("both.out", {"Gamma"});
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    NewConnector("Alpha", true);
    AnswerFileDialog("Open File Connector", Path("both.out"));
    robot.chooseMenu({"&File", "&Open", "From File...\tCtrl+I"});
    // Gamma's file is a repository copy: it is offered the .cfg beside it.
    Doc("Gamma")->m_strPath = Path("both.out").c_str();
    Doc("Gamma")->m_nFileKind = FILE_KIND_REPOSITORY;
    for (CKestrunDoc* pDoc : App().GetDocuments()) AddTestTab(pDoc);
    std::vector<std::string> proposals;
    AnswerFilesSave({Path("qvs.cfg"), Path("kbrx.cfg"), ""}, &proposals);
    SaveAllToFile();
    EXPECT_EQ(proposals, (std::vector<std::string>{"Alpha.cfg", "Alpha.cfg", Path("both.cfg")}));
    EXPECT_TRUE(Contains(ReadFile("qvs.cfg"), "[ConnectorAgent Alpha]"));
    EXPECT_TRUE(Contains(ReadFile("kbrx.cfg"), "[ConnectorAgent Alpha]"));
    EXPECT_TRUE(Contains(ReadFile("both.cfg"), "[ConnectorAgent Gamma]"));
    EXPECT_TRUE(Contains(ReadFile("both.out"), "[Pellisk]")) << "the repository copy is untouched";
    EXPECT_EQ(Doc("Alpha")->m_strPath, Path("qvs.cfg").c_str());
    EXPECT_EQ(Doc("Alpha", CONNECTOR_KBRX)->m_strPath, Path("kbrx.cfg").c_str());
    EXPECT_EQ(Doc("Gamma")->m_nFileKind, FILE_KIND_CONFIG);
    EXPECT_EQ(ResultLines().back(), "Saving To File Completed");
  });
  EXPECT_TRUE(ran);
}

TEST_F(SaveTest, SaveAllToFileReportsEachFailedDocument) {
  AnswerMessages();
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    NewConnector("Beta");
    AnswerFilesSave({Path("missing/alpha.cfg"), Path("beta.cfg")});
    SaveAllToFile();
    const std::vector<std::string> lines = ResultLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "Saving To File...");
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Connector 'Alpha' was not saved to the file '" + Path("missing/alpha.cfg") + "'."),
              lines.end());
    EXPECT_EQ(lines.back(), "Saving To File Failed");
    EXPECT_EQ(messages.size(), 1u) << "the file error";
    EXPECT_TRUE(Doc("Alpha")->m_strPath.IsEmpty()) << "the path of a failed write is not kept";
    EXPECT_TRUE(Doc("Alpha")->IsModified());
    EXPECT_EQ(Doc("Beta")->m_strPath, Path("beta.cfg").c_str());
    EXPECT_FALSE(Doc("Beta")->IsModified());
  });
  EXPECT_TRUE(ran);
}

TEST_F(SaveTest, SaveToServerAddsOrUpdatesTheServersConnectorAndReportsEachStep) {
  PutOnServer("Beta");
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    Connect();
    NewConnector("Alpha");
    AddTestTab(Doc("Alpha"));
    robot.chooseMenu({"&File", "Sa&ve", "To &Server\tCtrl+S"});
    EXPECT_EQ(ResultLines(),
              (std::vector<std::string>{"Validating Connector 'Alpha'...", "Validating standard properties ",
                                        "Validating Logging and tracing...", "Connector is valid.",
                                        "Saving Connector 'Alpha'...", "Saving Supported Business Objects...",
                                        "Saving associated maps...", "Connector 'Alpha' is saved successfully."}));
    EXPECT_EQ(Doc("Alpha")->GetTitle(), "QVS - Alpha");
    NewConnector("Kay", true);
    Frame().ShowAndClearResults();
    EXPECT_FALSE(Doc("Kay", CONNECTOR_KBRX)->SaveToServer());
    EXPECT_EQ(ResultLines(), std::vector<std::string>{
                                 "Connector 'Kay' is not a Halvane connector.  It will not be saved to the server."});
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(OnServer("Alpha", "PollInterval"), "4242") << "each tab applied itself";
  EXPECT_EQ(OnServer("Alpha", "ApplicationName"), "Alpha");
  EXPECT_EQ(OnServer("Kay", "ApplicationName"), "<none>");
}

TEST_F(SaveTest, SaveAsToServerRenamesAndLeavesTheOldConnectorAsItWas) {
  PutOnServer("Alpha", {{"PollInterval", "111"}});
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    Connect();
    robot.onDialog("Open Connector Document", [](Robot& r, Window dlg) {
      r.clickListViewItem(dlg.child(IDC_OPEN_LIST), "Alpha");
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&Open", "From Server...\tCtrl+O"});
    ASSERT_NE(Doc("Alpha"), nullptr);
    Doc("Alpha")->GetConnector()->SetStdProperty("PollInterval", "222");
    robot.onDialog("Save As Connector", [](Robot& r, Window dlg) {
      const Window name = dlg.child(1055);
      EXPECT_EQ(name.text(), "Alpha");
      r.click(name);
      ::SendMessage(name.hwnd(), EM_SETSEL, 0, -1);
      r.type("Beta ");
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "Save &As", "To Server\tCtrl+Alt+S"});
    EXPECT_EQ(Doc("Alpha"), nullptr);
    ASSERT_NE(Doc("Beta"), nullptr);
    EXPECT_EQ(Doc("Beta")->GetTitle(), "QVS - Beta");
    EXPECT_EQ(ResultLines().back(), "Connector 'Beta' is saved successfully.");
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(OnServer("Beta", "PollInterval"), "222");
  EXPECT_EQ(OnServer("Alpha", "PollInterval"), "111") << "the old connector stays as it was";
}

TEST_F(SaveTest, SaveAllToServerSavesTheQvsConnectorsAndReportsAFailure) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    Connect();
    NewConnector("Alpha");
    NewConnector("Kay", true);
    SaveAllToServer();
    std::vector<std::string> lines = ResultLines();
    EXPECT_EQ(lines.front(), "Saving To Server...");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Connector 'Alpha' is saved successfully."), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Connector 'Kay' is not a Halvane connector.  It will not be saved to the server."),
              lines.end());
    EXPECT_EQ(lines.back(), "Saving To QVS Server Completed") << "a KBRX connector is no failure";

    dravon::test::RefuseSave(true);
    Doc("Alpha")->SetModifiedFlag(TRUE);
    SaveAllToServer();
    lines = ResultLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Connector 'Alpha' cannot be saved."), lines.end());
    EXPECT_EQ(lines.back(), "Saving To QVS Server Failed");
    EXPECT_TRUE(Doc("Alpha")->IsModified());
  });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kestrun_app_test
