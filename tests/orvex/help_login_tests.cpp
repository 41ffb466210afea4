// The help keys and commands, help authoring switched on by the login
// history, and the Connect command through the log-in dialog with the
// command line's values in it.
#include <HLUtilWinRegistry.h>

#include <filesystem>

#include <string>

#include "orvex_fixture.h"

namespace orvex_test {
namespace {

using HelpLoginTest = OrvexTest;

TEST_F(HelpLoginTest, F1AndTheHelpMenuOpenTheHelpOfTheWindowInFront) {
  RunScript({}, [&] {
    EXPECT_FALSE(App().m_bHelpAuthoring);
    ExpectHelpWithoutTopics({"&Help", "Help Topics"}, {"&Help", "Halvane Documentation"});
  });
}

TEST_F(HelpLoginTest, TheAccessWordOfTheLoginHistorySwitchesAuthoringOn) {
  CHLUtilWinRegistry("Common").SetUserInfo("admin", "pimrox");
  RunScript({"-x"}, [&] {
    EXPECT_TRUE(App().m_bHelpAuthoring) << "the word in any case";
    // The help folder has no topic file: the author hears so once, then
    // the topic dialog shows.
    robot.onMessageBox(std::filesystem::read_symlink("/proc/self/exe").filename().string(), IDOK);
    bool authored = false;
    robot.onDialog("Add Help Topic", [&](Robot& r, Window dlg) {
      authored = true;
      r.click(dlg.child(IDCANCEL));
    });
    EXPECT_TRUE(Offer(VK_F11));
    EXPECT_TRUE(authored);
    EXPECT_TRUE(opened_.empty());
  });
}

TEST_F(HelpLoginTest, ConnectShowsTheLoginWithTheCommandLinesValues) {
  RunScript({std::string("-u") + kUser, std::string("-p") + kPassword}, [&] {
    EXPECT_FALSE(App().IsConnected()) << "no server given: no connection at the start";
    CancelLogin();
    robot.chooseMenu({"&Server", "&Connect..."});
    EXPECT_FALSE(App().IsConnected());

    AnswerLogin({.server = kServer}, {.user = kUser, .password = kPassword});
    robot.chooseMenu({"&Server", "&Connect..."});
    EXPECT_TRUE(App().IsConnected());
    EXPECT_EQ(StatusText(2), kServer);

    // A wrong password at the dialog: the refusal, no session.
    App().Disconnect(true);
    AnswerLogin({.server = kServer, .password = "wrong"});
    robot.onMessageBox("Orvex", IDOK);
    robot.chooseMenu({"&Server", "&Connect..."});
    EXPECT_FALSE(App().IsConnected());
  });
}

}  // namespace
}  // namespace orvex_test
