// Kestrun started with each form of its command line: the picture only
// without arguments, nothing connected or opened at the start, the server,
// user and password only filling the login dialog, and the flags that
// change nothing.
#include "CommandLine.h"
#include "kestrun_app_fixture.h"

namespace kestrun_app_test {
namespace {

using CommandLineTest = KestrunAppTest;

TEST(CommandLineParse, FlagsTakeTheirValueGluedToTheLetterInEitherCase) {
  CCommandLine line;
  line.ParseParam("sServer One", TRUE, FALSE);
  line.ParseParam("Uadmin", TRUE, FALSE);
  line.ParseParam("ppa=ss", TRUE, FALSE);
  line.ParseParam("cMyConnector", TRUE, FALSE);
  line.ParseParam("N", TRUE, FALSE);
  line.ParseParam("x", TRUE, FALSE);
  line.ParseParam("sIgnored", FALSE, TRUE);
  EXPECT_EQ(line.m_strServer, "Server One");
  EXPECT_EQ(line.m_strUser, "admin");
  EXPECT_EQ(line.m_strPassword, "pa=ss");
  EXPECT_EQ(line.m_strConnector, "MyConnector");
  EXPECT_TRUE(line.m_bNew);
  // A plain argument is no flag: it sets nothing, but the class library
  // takes it as a file name.
  EXPECT_EQ(line.m_strFileName, "sIgnored");
}

TEST_F(CommandLineTest, WithoutArgumentsThePictureShowsAndNothingElseHappens) {
  bool ran = false;
  EXPECT_EQ(Run({},
                [&] {
                  ran = true;
                  EXPECT_TRUE(Splash()) << "no argument: the start-up picture";
                  robot.advance(750);
                  EXPECT_FALSE(Splash()) << "it closes by its timer";
                  EXPECT_EQ(FrameWindow().text(), "Kestrun");
                  EXPECT_TRUE(FrameWindow().isVisible());
                  EXPECT_EQ(StatusText(0), "Ready");
                  EXPECT_FALSE(App().IsConnected());
                  EXPECT_TRUE(OpenTitles().empty());
                  EXPECT_NE(App().GetCodec(), nullptr);
                  EXPECT_NE(App().m_pHelp, nullptr);
                  // The folders: the program's own, its parent, the help beside it.
                  const CString folder = App().m_strProgramFolder;
                  EXPECT_EQ(folder.Right(1), "/");
                  EXPECT_EQ(App().m_strHelpFolder, folder + "help");
                  EXPECT_EQ(App().m_strInstallFolder + "/tests/", folder) << "the test program lives in tests/";
                  EXPECT_FALSE(robot.tryChooseMenu({"&Server", "&Disconnect\tCtrl+D"})) << "greyed while not connected";
                  EXPECT_FALSE(robot.tryChooseMenu({"&File", "&Open", "From Server...\tCtrl+O"}));
                  EXPECT_FALSE(robot.tryChooseMenu({"&File", "Save All", "To File"})) << "no window open";
                  robot.chooseMenu({"&File", "E&xit"});
                }),
            0);
  EXPECT_TRUE(ran);
}

TEST_F(CommandLineTest, TheLoginValuesOnlyFillTheConnectDialog) {
  bool ran = false;
  Run({std::string("-s") + kServer, std::string("-u") + kUser, std::string("-p") + kPassword, "-cAlpha", "-n"}, [&] {
    ran = true;
    EXPECT_FALSE(Splash()) << "an argument skips the picture";
    EXPECT_FALSE(App().IsConnected()) << "nothing connects until Connect is chosen";
    EXPECT_TRUE(OpenTitles().empty()) << "neither -c nor -n opens or makes a connector";
    AnswerLogin({}, {kServer, kUser, kPassword});
    robot.chooseMenu({"&Server", "&Connect...\tCtrl+K"});
    EXPECT_TRUE(App().IsConnected());
    ASSERT_NE(App().m_pServer, nullptr);
    EXPECT_STREQ(App().m_pServer->name(0), kServer);
  });
  EXPECT_TRUE(ran);
}

TEST_F(CommandLineTest, AnUnknownFlagOnlySkipsThePicture) {
  bool ran = false;
  Run({"-zzz"}, [&] {
    ran = true;
    EXPECT_FALSE(Splash());
    EXPECT_FALSE(App().IsConnected());
    EXPECT_TRUE(OpenTitles().empty());
  });
  EXPECT_TRUE(ran);
}

TEST_F(CommandLineTest, OnlyCtrlPAndCtrlSAreKeysAndCtrlSDoesNothing) {
  bool ran = false;
  Run({"-x"}, [&] {
    ran = true;
    NewConnector("Alpha");
    ASSERT_EQ(OpenTitles(), std::vector<std::string>{"QVS - Alpha*"});
    // Ctrl+N, Ctrl+O, Ctrl+K and the others are texts of the menus only.
    for (UINT letter : {'N', 'O', 'I', 'K', 'E', 'D'}) robot.keys({VK_CONTROL, letter});
    robot.pumpUntilIdle();
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"QVS - Alpha*"});
    EXPECT_FALSE(App().IsConnected());
    // Ctrl+S is the class library's own save, which the document refuses.
    robot.keys({VK_CONTROL, 'S'});
    robot.pumpUntilIdle();
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"QVS - Alpha*"});
    EXPECT_TRUE(Doc("Alpha")->m_strPath.IsEmpty());
  });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kestrun_app_test
