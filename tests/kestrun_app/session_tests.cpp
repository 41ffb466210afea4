// The session with the server: Connect through the login dialog, a refused
// log-in, Disconnect leaving the windows open and detached from the data
// manager's objects, and the help keys and commands.
#include <HLUtilWinRegistry.h>

#include <filesystem>

#include "kestrun_app_fixture.h"

namespace kestrun_app_test {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

using SessionTest = KestrunAppTest;

TEST_F(SessionTest, ConnectAndDisconnectFollowTheMenus) {
  PutOnServer("Alpha");
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    CancelLogin();
    robot.chooseMenu({"&Server", "&Connect...\tCtrl+K"});
    EXPECT_FALSE(App().IsConnected()) << "a cancelled login connects nothing";

    Connect();
    EXPECT_FALSE(robot.tryChooseMenu({"&Server", "&Connect...\tCtrl+K"})) << "greyed while connected";
    robot.onDialog("Open Connector Document", [](Robot& r, Window dlg) {
      r.clickListViewItem(dlg.child(1019), "Alpha");
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&Open", "From Server...\tCtrl+O"});
    CKestrunDoc* pDoc = Doc("Alpha");
    ASSERT_NE(pDoc, nullptr);
    ASSERT_NE(pDoc->GetConnector()->m_pServerConnector, nullptr);

    robot.chooseMenu({"&Server", "&Disconnect\tCtrl+D"});
    EXPECT_FALSE(App().IsConnected());
    EXPECT_EQ(App().m_pServer, nullptr);
    EXPECT_EQ(OpenTitles().size(), 1u) << "open windows stay";
    EXPECT_EQ(pDoc->GetConnector()->m_pServerConnector, nullptr) << "no model keeps the data manager's connector";
    EXPECT_FALSE(robot.tryChooseMenu({"&File", "Save All", "To Server"}));
    // A second disconnect finds nothing to end.
    App().Disconnect();
    EXPECT_FALSE(App().IsConnected());
  });
  EXPECT_TRUE(ran);
}

TEST_F(SessionTest, ARefusedLoginSaysSoAndStaysDisconnected) {
  AnswerMessages();
  bool ran = false;
  Run({std::string("-s") + kServer, std::string("-u") + kUser, "-pwrong"}, [&] {
    ran = true;
    AnswerLogin({});
    robot.chooseMenu({"&Server", "&Connect...\tCtrl+K"});
    EXPECT_FALSE(App().IsConnected());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::string("Connection to the server '") + kServer + "' failed for user '" + kUser + "'");
    // A server that does not exist is refused the same way.
    messages.clear();
    AnswerLogin({.server = "Nowhere", .password = kPassword});
    robot.chooseMenu({"&Server", "&Connect...\tCtrl+K"});
    EXPECT_FALSE(App().IsConnected());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::string("Connection to the server 'Nowhere' failed for user '") + kUser + "'");
  });
  EXPECT_TRUE(ran);
}

TEST_F(SessionTest, F1AndTheHelpMenuOpenTheHelpOfTheWindowInFront) {
  bool ran = false;
  Run({}, [&] {
    ran = true;
    EXPECT_FALSE(App().m_bHelpAuthoring);
    ExpectHelpWithoutTopics({"&Help", "&Help Topics\tF1"}, {"&Help", "&Halvane Documentation"});
  });
  EXPECT_TRUE(ran);
}

TEST_F(SessionTest, TheAccessWordSwitchesAuthoringOnForF11AndTheClassLibrarysHelp) {
  CHLUtilWinRegistry("Common").SetUserInfo("admin", "PIMROX");
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    EXPECT_EQ(App().m_bHelpAuthoring, 1) << "the word in any case";
    robot.onMessageBox(std::filesystem::read_symlink("/proc/self/exe").filename().string(), IDOK).always();
    int authored = 0;
    robot
        .onDialog("Add Help Topic",
                  [&](Robot& r, Window dlg) {
                    ++authored;
                    r.click(dlg.child(IDCANCEL));
                  })
        .always();
    EXPECT_TRUE(Offer(VK_F11));
    EXPECT_EQ(authored, 1);
    // The class library's help with F11 held authors as the key does.
    robot.press(VK_F11);
    App().WinHelp(0);
    robot.release(VK_F11);
    EXPECT_EQ(authored, 2);
    EXPECT_TRUE(opened_.empty());
  });
  EXPECT_TRUE(ran);
}

TEST_F(SessionTest, AboutShowsThePictureUntilAKey) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    robot.chooseMenu({"&Help", "&About Kestrun..."});
    EXPECT_TRUE(Splash());
    robot.advance(5000);
    EXPECT_TRUE(Splash()) << "no timer: it stays";
    // The application's loop offers the next key to the picture first.
    EXPECT_TRUE(Offer('A'));
    EXPECT_FALSE(Splash());
  });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kestrun_app_test
