// The help keys and commands, help authoring switched on by the login
// history, and the Connect command through the log-in dialog with the
// command line's values in it.
#include <HLUtilWinRegistry.h>
#include <HvSplash.h>

#include <filesystem>

#include <string>

#include "orvex_fixture.h"

namespace orvex_test {
namespace {

constexpr int kUserCombo = 1001;
constexpr int kServerCombo = 1002;
constexpr int kPasswordEdit = 1007;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class HelpLoginTest : public OrvexTest {
 protected:
  void TearDown() override {
    HvSplash::CloseSplashScreen();
    HvSplash::EnableSplashScreen(FALSE, TRUE);
    OrvexTest::TearDown();
  }
  // A key as the application's own message loop offers it: TRUE when the
  // application took it.
  BOOL Offer(UINT vk) {
    MSG msg{};
    msg.hwnd = Frame().GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = vk;
    return App().PreTranslateMessage(&msg);
  }
};

TEST_F(HelpLoginTest, F1AndTheHelpMenuOpenTheHelpOfTheWindowInFront) {
  RunScript({}, [&] {
    EXPECT_FALSE(App().m_bHelpAuthoring);
    // The start-up picture takes the first key, and only closes.
    EXPECT_TRUE(Offer(VK_F1));
    EXPECT_TRUE(opened_.empty());
    EXPECT_TRUE(Offer(VK_F1));
    ASSERT_EQ(opened_.size(), 1u);
    // This program's help folder holds no topics: the page for that.
    EXPECT_TRUE(EndsWith(opened_[0], "/tests/help/NoHelp.html")) << opened_[0];
    robot.chooseMenu({"&Help", "Help Topics"});
    robot.chooseMenu({"&Help", "Halvane Documentation"});
    ASSERT_EQ(opened_.size(), 3u);
    EXPECT_TRUE(EndsWith(opened_[2], "/documentation/welcome.html")) << opened_[2];
    // The class library's help requests go to the same place.
    App().WinHelp(0);
    EXPECT_EQ(opened_.size(), 4u);
    // F11 is nobody's key without authoring.
    EXPECT_FALSE(Offer(VK_F11));
    EXPECT_FALSE(Offer('A'));
    EXPECT_EQ(opened_.size(), 4u);
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
    robot.onDialog("Connect to Tressel Server", [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
    robot.chooseMenu({"&Server", "&Connect..."});
    EXPECT_FALSE(App().IsConnected());

    robot.onDialog("Connect to Tressel Server", [](Robot& r, Window dlg) {
      EXPECT_EQ(dlg.child(kUserCombo).text(), kUser);
      EXPECT_EQ(dlg.child(kPasswordEdit).text(), kPassword);
      ::SetWindowText(dlg.child(kServerCombo).hwnd(), kServer);
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&Server", "&Connect..."});
    EXPECT_TRUE(App().IsConnected());
    EXPECT_EQ(StatusText(2), kServer);

    // A wrong password at the dialog: the refusal, no session.
    App().Disconnect(true);
    robot.onDialog("Connect to Tressel Server", [](Robot& r, Window dlg) {
      ::SetWindowText(dlg.child(kServerCombo).hwnd(), kServer);
      ::SetWindowText(dlg.child(kPasswordEdit).hwnd(), "wrong");
      r.click(dlg.child(IDOK));
    });
    robot.onMessageBox("Orvex", IDOK);
    robot.chooseMenu({"&Server", "&Connect..."});
    EXPECT_FALSE(App().IsConnected());
  });
}

}  // namespace
}  // namespace orvex_test
