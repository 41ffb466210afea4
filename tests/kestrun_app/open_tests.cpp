// Connector windows made by New in both modes, opened from each kind of
// file and from the server, never twice for one connector, and switched
// between the two tab sets in place.
#include "kestrun_app_fixture.h"
#include "resource.h"

namespace kestrun_app_test {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

const std::vector<std::string> kQvsTabs = {"Standard Properties",
                                           "Application Config Properties",
                                           "Supported Business Objects",
                                           "Associated Maps",
                                           "Resources",
                                           "Trace/Log Files"};
const std::vector<std::string> kKbrxTabs = {"Standard Properties", "Application Config Properties",
                                            "Supported Business Objects", "Trace/Log Files", "Data Handler"};

std::string StdValue(CKestrunDoc* pDoc, const char* name) {
  const HvProperty* pProperty = pDoc->GetConnector()->FindStdProperty(name);
  return pProperty != nullptr ? std::string(pProperty->GetValue()) : "<none>";
}

class OpenTest : public KestrunAppTest {
 protected:
  void OpenFile(const std::string& file) {
    AnswerFileDialog("Open File Connector", Path(file));
    robot.chooseMenu({"&File", "&Open", "From File...\tCtrl+I"});
  }
  void OpenFromServer(const std::vector<std::string>& names) {
    robot.onDialog("Open Connector Document", [names](Robot& r, Window dlg) {
      bool first = true;
      for (const std::string& name : names) {
        r.clickListViewItem(dlg.child(IDC_OPEN_LIST), name,
                            first ? std::initializer_list<UINT>{} : std::initializer_list<UINT>{VK_CONTROL});
        first = false;
      }
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&Open", "From Server...\tCtrl+O"});
  }
};

TEST_F(OpenTest, NewMakesAConnectorFromTheTemplateInEitherMode) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    NewConnector("Beta", true);
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"QVS - Alpha*", "KBRX - Beta*"}));
    CKestrunDoc* pAlpha = Doc("Alpha");
    CKestrunDoc* pBeta = Doc("Beta", CONNECTOR_KBRX);
    ASSERT_NE(pAlpha, nullptr);
    ASSERT_NE(pBeta, nullptr);
    EXPECT_TRUE(pAlpha->IsQvsMode());
    EXPECT_FALSE(pBeta->IsQvsMode());
    EXPECT_TRUE(pAlpha->m_strPath.IsEmpty()) << "a new connector asks for its file at the first save";
    EXPECT_EQ(StdValue(pAlpha, "ApplicationName"), "Alpha");
    EXPECT_EQ(StdValue(pAlpha, "DeliveryTransport"), "ORB") << "the template's";
    EXPECT_EQ(StdValue(pAlpha, "PollInterval"), "5000") << "the template's";
    EXPECT_EQ(StdValue(pBeta, "ApplicationName"), "Beta");
    EXPECT_EQ(StdValue(pBeta, "DeliveryTransport"), "KBRX-JMS");
    EXPECT_EQ(TabLabels(pAlpha->GetChildFrame()), kQvsTabs);
    EXPECT_EQ(TabLabels(pBeta->GetChildFrame()), kKbrxTabs);
    EXPECT_EQ(pAlpha->GetChildFrame()->GetTabWnd().GetActiveTab(), 0);
    EXPECT_EQ(pBeta->GetChildFrame()->GetTabWnd().GetActiveTab(), 0);
    EXPECT_EQ(Frame().MDIGetActive(), pBeta->GetChildFrame()) << "the last made is in front";
    EXPECT_EQ(Window(pBeta->GetChildFrame()->GetSafeHwnd()).text(), "KBRX - Beta*");
    // Each tab was brought to the front once as the window came.
    for (int i = 0; i < pAlpha->GetChildFrame()->GetTabCount(); ++i)
      EXPECT_EQ(pAlpha->GetChildFrame()->GetTabView(i)->GetDocument(), pAlpha);
  });
  EXPECT_TRUE(ran);
}

TEST_F(OpenTest, ANewConnectorThatCannotBeReadFromTheTemplateOpensNothing) {
  encryption_ = kestrun_test::ServiceOff();
  AnswerMessages();
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    EXPECT_TRUE(OpenTitles().empty());
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "The connector 'Alpha' creates fail!");
  });
  EXPECT_TRUE(ran);
}

TEST_F(OpenTest, FilesOpenByTheirExtensionThenByTheirContent) {
  WriteConfig("alpha.cfg", "Alpha");
  WriteConfig("beta.txt", "Beta");
  WriteRepositoryCopy("gamma.txt", {"Gamma"});
  WriteRepositoryCopy("delta.txt", {"Delta"}, false);
  WriteFile("plain.txt", "nothing of a connector\n");
  AnswerMessages();
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    OpenFile("alpha.cfg");
    OpenFile("beta.txt");
    OpenFile("gamma.txt");
    OpenFile("delta.txt");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"QVS - Alpha", "QVS - Beta", "QVS - Gamma", "QVS - Delta"}))
        << "opened from files: not modified";
    EXPECT_EQ(Doc("Alpha")->m_strPath, Path("alpha.cfg").c_str());
    EXPECT_EQ(Doc("Alpha")->m_nFileKind, FILE_KIND_CONFIG);
    EXPECT_EQ(Doc("Beta")->m_strPath, Path("beta.txt").c_str()) << "a configuration file whatever its extension";
    EXPECT_TRUE(Doc("Gamma")->m_strPath.IsEmpty()) << "a repository copy's connector asks for a file";
    EXPECT_TRUE(Doc("Delta")->m_strPath.IsEmpty());
    OpenFile("plain.txt");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The file is not a connector repository or configuration file!");
    EXPECT_EQ(OpenTitles().size(), 4u);
  });
  EXPECT_TRUE(ran);
}

TEST_F(OpenTest, ARepositoryCopyOpensEachConnectorTheLastFirstAndNeverOneTwice) {
  WriteRepositoryCopy("three.out", {"First", "Second", "Third"});
  WriteConfig("second.cfg", "Second");
  AnswerMessages();
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    OpenFile("three.out");
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"QVS - Third", "QVS - Second", "QVS - First"}));
    EXPECT_TRUE(messages.empty());
    // Open again: each one is there already, and says so.
    OpenFile("three.out");
    EXPECT_EQ(messages, (std::vector<std::string>{"The connector 'Third' document exists!",
                                                  "The connector 'Second' document exists!",
                                                  "The connector 'First' document exists!"}));
    messages.clear();
    // The same connector from a configuration file, in other case too.
    OpenFile("second.cfg");
    EXPECT_EQ(messages, std::vector<std::string>{"The connector 'Second' document exists!"});
    EXPECT_EQ(OpenTitles().size(), 3u);
    EXPECT_TRUE(Doc("Second")->m_strPath.IsEmpty()) << "the first window stays as it was";
  });
  EXPECT_TRUE(ran);
}

TEST_F(OpenTest, AnUnreadableRepositoryCopyOrConnectorBlockOpensNothing) {
  WriteFile("bad.out", "[Pellisk]\r\nVersion = 4.0.0\r\n");
  WriteFile("blockless.txt", "[Connector]\r\n");
  encryption_ = kestrun_test::ServiceOff();
  AnswerMessages();
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    OpenFile("bad.out");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Could not load Pellisk file. Please verify the format of the file.");
    messages.clear();
    OpenFile("blockless.txt");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Load connector repository error!");
    EXPECT_TRUE(OpenTitles().empty());
  });
  EXPECT_TRUE(ran);
}

TEST_F(OpenTest, ServerConnectorsOpenOnceAndAGoneOneIsRefused) {
  PutOnServer("Alpha", {{"PollInterval", "777"}});
  PutOnServer("Gone");
  AnswerMessages();
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    Connect();
    OpenFromServer({"Alpha"});
    ASSERT_EQ(OpenTitles().size(), 1u);
    CKestrunDoc* pAlpha = Doc("Alpha");
    ASSERT_NE(pAlpha, nullptr);
    EXPECT_EQ(StdValue(pAlpha, "PollInterval"), "777");
    EXPECT_NE(pAlpha->GetConnector()->m_pServerConnector, nullptr);
    EXPECT_EQ(StatusText(0), "Opened Connector Alpha");
    EXPECT_EQ(TabLabels(pAlpha->GetChildFrame()), kQvsTabs);

    OpenFromServer({"Alpha"});
    EXPECT_EQ(messages, std::vector<std::string>{"The connector 'Alpha' document exists!"});
    EXPECT_EQ(OpenTitles().size(), 1u);
    messages.clear();

    // Another session takes the connector away while the dialog is up.
    robot.onDialog("Open Connector Document", [](Robot& r, Window dlg) {
      r.clickListViewItem(dlg.child(IDC_OPEN_LIST), "Gone");
      EXPECT_EQ(CDataManager::InitInstance()->DeleteObject(HvObjConnector, "Gone", 0), 1);
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&Open", "From Server...\tCtrl+O"});
    EXPECT_EQ(messages, std::vector<std::string>{"The server has no connector 'Gone' any more."});
    EXPECT_EQ(OpenTitles().size(), 1u) << "no window over nothing";
  });
  EXPECT_TRUE(ran);
}

TEST_F(OpenTest, TheTabSetSwitchesInTheDocumentsOwnWindow) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    NewConnector("Other");
    CKestrunDoc* pAlpha = Doc("Alpha");
    CChildFrame* pAlphaFrame = pAlpha->GetChildFrame();
    CChildFrame* pOtherFrame = FrameOf("Other");
    ASSERT_EQ(Frame().MDIGetActive(), pOtherFrame) << "another window is in front";
    CWnd* pShared0 = pAlphaFrame->GetTabView(0);
    CWnd* pShared1 = pAlphaFrame->GetTabView(1);

    pAlpha->m_bQvsMode = false;
    pAlpha->SwitchTabSet();
    EXPECT_EQ(TabLabels(pAlphaFrame), kKbrxTabs);
    EXPECT_EQ(TabLabels(pOtherFrame), kQvsTabs) << "the window in front is left alone";
    EXPECT_EQ(pAlphaFrame->GetTabView(0), pShared0) << "the first two tabs stay";
    EXPECT_EQ(pAlphaFrame->GetTabView(1), pShared1);
    EXPECT_EQ(pAlphaFrame->GetTabWnd().GetActiveTab(), 0);
    EXPECT_EQ(pAlpha->GetTitle(), "KBRX - Alpha*");
    for (int i = 0; i < pAlphaFrame->GetTabCount(); ++i) EXPECT_EQ(pAlphaFrame->GetTabView(i)->GetDocument(), pAlpha);

    pAlpha->m_bQvsMode = true;
    pAlpha->SwitchTabSet();
    EXPECT_EQ(TabLabels(pAlphaFrame), kQvsTabs);
    EXPECT_EQ(pAlpha->GetTitle(), "QVS - Alpha*");
  });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kestrun_app_test
