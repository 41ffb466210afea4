// Orvex started in-process with each form of its command line: the picture
// only without arguments, the frame and its bars, a connection made at once
// for a server given, new and named definitions, a refused log-in, the
// sibling tools and the end with a busy broker.
#include <DravonAdmin.h>
#include <HLUtilWinRegistry.h>
#include <Orb.h>

#include <optional>

#include "clipboard_text.h"
#include "orvex_fixture.h"
#include "resource.h"

namespace orvex_test {
namespace {

using halvane::test::ClipboardText;
using halvane::test::SetClipboardText;

using StartupTest = OrvexTest;

TEST_F(StartupTest, WithoutArgumentsThePictureShowsAndTheFrameIsReady) {
  SetClipboardText("left from before");
  CWinRegistry("Halvane", "Common").WriteProfileInt("Preferences", "DoDelBODef", 1);
  bool ran = false;
  EXPECT_EQ(Run({},
                [&] {
                  ran = true;
                  EXPECT_TRUE(Splash()) << "no argument: the start-up picture";
                  robot.advance(750);
                  EXPECT_FALSE(Splash()) << "it closes by its timer";
                  EXPECT_EQ(FrameWindow().text(), "Orvex");
                  EXPECT_EQ(ClipboardText(), "<none>") << "emptied at the start";
                  EXPECT_EQ(App().m_pPreferences->m_nDoDelBODef, 1) << "the preference is read before the command line";
                  EXPECT_EQ(StatusText(0), "Ready");
                  EXPECT_EQ(StatusText(1), "Server:");
                  EXPECT_EQ(StatusText(2), "Disconnected");
                  EXPECT_EQ(Frame().GetToolBarManager().GetToolBarCount(), 2);
                  EXPECT_NE(Frame().GetToolBarManager().FindToolBar("Standard"), nullptr);
                  EXPECT_NE(Frame().GetToolBarManager().FindToolBar("Programs"), nullptr);
                  // The folders: the program's own, its parent, the help beside it.
                  const CString exeDir = App().m_strExeDir;
                  EXPECT_EQ(exeDir.Right(1), "/");
                  EXPECT_EQ(App().m_strHelpDir, exeDir + "help");
                  EXPECT_EQ(App().m_strInstallDir + "/tests/", exeDir) << "the test program lives in tests/";
                  EXPECT_FALSE(App().IsConnected());
                  EXPECT_FALSE(robot.tryChooseMenu({"&Server", "&Disconnect"})) << "greyed while not connected";
                  EXPECT_FALSE(robot.tryChooseMenu({"&Server", "&Refresh"}));
                  robot.chooseMenu({"&File", "E&xit"});
                }),
            0);
  EXPECT_TRUE(ran);
}

TEST_F(StartupTest, AServerOnTheCommandLineConnectsWithoutADialogOrPicture) {
  RunScript(Login(), [&] {
    EXPECT_FALSE(Splash());
    ASSERT_TRUE(App().IsConnected());
    ASSERT_NE(App().m_pServer, nullptr);
    EXPECT_STREQ(App().m_pServer->name(0), kServer);
    EXPECT_EQ(StatusText(0), std::string("Connected to server ") + kServer);
    EXPECT_EQ(StatusText(2), kServer);
    EXPECT_FALSE(robot.tryChooseMenu({"&Server", "&Connect..."})) << "greyed while connected";
    robot.chooseMenu({"&Server", "&Disconnect"});
    EXPECT_FALSE(App().IsConnected());
    EXPECT_EQ(App().m_pServer, nullptr);
    EXPECT_EQ(StatusText(2), "Disconnected");
    // A second disconnect finds nothing to end and frees nothing held.
    App().Disconnect(true);
    EXPECT_FALSE(App().IsConnected());
  });
}

TEST_F(StartupTest, NewComesFirstThenTheNamedDefinitionOpens) {
  PutOnServer("Customer", {"Id:String", "Name:String"}, "table=customers");
  AnswerNewDialog("Order", "table=orders");
  std::vector<std::string> args = Login();
  args.insert(args.end(), {"-n", "-oCustomer"});
  RunScript(args, [&] {
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"Order", "Customer"}));
    COrvexDoc* pOrder = COrvexDoc::FindByName("Order");
    ASSERT_NE(pOrder, nullptr);
    EXPECT_EQ(pOrder->m_pBODef->GetState() & HvStateNew, HvStateNew);
    EXPECT_EQ(Content(pOrder->m_pBODef).appInfo, "table=orders");
    EXPECT_EQ(pOrder->m_pBODef->GetVerbs().GetSize(), 4) << "the default verbs";
    COrvexDoc* pCustomer = COrvexDoc::FindByName("Customer");
    ASSERT_NE(pCustomer, nullptr);
    EXPECT_EQ(Content(pCustomer->m_pBODef).attributes, (std::vector<std::string>{"Id:String", "Name:String"}));
    EXPECT_EQ(Frame().MDIGetActive(), FrameOf("Customer")) << "the last opened is in front";
    EXPECT_EQ(Window(Frame().MDIGetActive()->GetSafeHwnd()).text(), "Customer");
  });
}

TEST_F(StartupTest, ANameTheServerDoesNotKnowOpensNothing) {
  std::vector<std::string> args = Login();
  args.push_back("-oNowhere");
  RunScript(args, [&] {
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_EQ(CDataManager::InitInstance()->GetBO("Nowhere", 0, 0), nullptr) << "and makes no definition of it";
  });
  // Without a server the name opens nothing either.
  RunScript({"-oCustomer"}, [&] { EXPECT_TRUE(OpenTitles().empty()); });
}

TEST_F(StartupTest, AnOpenWindowIsActivatedAndRestoredNotOpenedTwice) {
  PutOnServer("Customer", {"Id:String"});
  PutOnServer("Invoice", {"No:String"});
  std::vector<std::string> args = Login();
  args.push_back("-oCustomer");
  RunScript(args, [&] {
    OpenFromMenu({"Invoice"});
    CChildFrame* pCustomer = FrameOf("Customer");
    ASSERT_NE(pCustomer, nullptr);
    pCustomer->ShowWindow(SW_MINIMIZE);
    robot.pumpUntilIdle();
    CWnd* pView = App().OpenBODefWindow(CDataManager::InitInstance()->GetBO("Customer", 0, 0));
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(pView->GetParentFrame(), pCustomer);
    EXPECT_FALSE(pCustomer->IsIconic()) << "restored";
    EXPECT_EQ(Frame().MDIGetActive(), pCustomer);
    EXPECT_EQ(OpenTitles().size(), 2u);
  });
}

TEST_F(StartupTest, ARefusedLogInPutsTheLocalDefinitionsBack) {
  AnswerNewDialog("Order");
  RunScript({"-n"}, [&] {
    AnswerNewDialog("Second");
    robot.chooseMenu({"&File", "&New..."});
    ASSERT_EQ(OpenTitles(), (std::vector<std::string>{"Order", "Second"}));
    robot.onMessageBox("Orvex", IDOK);
    EXPECT_FALSE(App().ConnectToServer(kServer, kUser, "wrong"));
    EXPECT_FALSE(App().IsConnected());
    EXPECT_EQ(App().m_pServer, nullptr);
    EXPECT_EQ(StatusText(2), "Disconnected");
    CDataManager* pDM = CDataManager::InitInstance();
    CStringList* pNames = pDM->RefreshBONames(0);
    EXPECT_EQ(pNames->GetCount(), 2);
    EXPECT_NE(pNames->Find("Order"), nullptr);
    EXPECT_NE(pNames->Find("Second"), nullptr);
    EXPECT_EQ(pDM->GetBO("Order", 0, 0), COrvexDoc::FindByName("Order")->m_pBODef) << "the same definition";
    EXPECT_TRUE(App().m_mapPending.IsEmpty());
    // A server that does not exist is refused the same way.
    robot.onMessageBox("Orvex", IDCANCEL);
    EXPECT_FALSE(App().ConnectToServer("NoSuchServer", kUser, kPassword));
    EXPECT_EQ(pDM->RefreshBONames(0)->GetCount(), 2);
  });
}

TEST_F(StartupTest, ToolsGetTheSessionAsWholeArgumentsAndAMissingOneIsQuiet) {
  std::string error;
  ASSERT_TRUE(dravon::admin::AddAccount(kServer, "spacey", "se cret \"x\"", error)) << error;
  std::vector<std::vector<std::string>> launches;
  win32::SetProcessLauncherHook([&](const std::string&, const std::vector<std::string>& argv) -> std::optional<DWORD> {
    launches.push_back(argv);
    return std::nullopt;  // not installed
  });
  RunScript({"-x"}, [&] {
    robot.chooseMenu({"&Tools", "Kestrun"});
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0], (std::vector<std::string>{"Kestrun.exe"})) << "not connected: a single blank";
    ASSERT_TRUE(App().ConnectToServer(kServer, "spacey", "se cret \"x\""));
    robot.chooseMenu({"&Tools", "&Sprindle"});
    robot.chooseMenu({"&Tools", "Tavish"});
    ASSERT_EQ(launches.size(), 3u);
    EXPECT_EQ(launches[1], (std::vector<std::string>{"Sprindle.exe", "-wN", std::string("-s") + kServer, "-uspacey",
                                                     "-pse cret \"x\""}));
    EXPECT_EQ(launches[2].front(), "Tavish.bat");
  });
}

TEST_F(StartupTest, TheEndWaitsForABusyBrokerButNotForever) {
  SetOrbBusy(1);
  DWORD closedAt = 0;
  Run({"-x"}, [&] {
    closedAt = ::GetTickCount();
    robot.chooseMenu({"&File", "E&xit"});
  });
  const DWORD waited = ::GetTickCount() - closedAt;
  EXPECT_GE(waited, 30000u);
  EXPECT_LT(waited, 35000u);
  SetOrbBusy(0);
  Run({"-x"}, [&] {
    closedAt = ::GetTickCount();
    robot.chooseMenu({"&File", "E&xit"});
  });
  EXPECT_LT(::GetTickCount() - closedAt, 5000u) << "an idle broker is not waited for";
}

}  // namespace
}  // namespace orvex_test
