// The class library's menus on the window system's menu loops: popup
// menus chosen through CMenu, the system menu through CWnd.
#include <vector>

#include "wnd_fixture.h"

namespace {

constexpr UINT kFirst = 601;
constexpr UINT kSecond = 602;

class CommandWnd : public CWnd {
 public:
  std::vector<UINT> commands;

 protected:
  afx_msg void OnFirst() { commands.push_back(kFirst); }
  afx_msg void OnSecond() { commands.push_back(kSecond); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandWnd, CWnd)
  ON_COMMAND(kFirst, OnFirst)
  ON_COMMAND(kSecond, OnSecond)
END_MESSAGE_MAP()

class MenuWiringTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    ASSERT_TRUE(CreateTopLevel(wnd, "Menus"));
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, kFirst, "&First");
    menu.AppendMenu(MF_STRING, kSecond, "&Second");
  }
  void TearDown() override {
    menu.DestroyMenu();
    wnd.DestroyWindow();
    WndTest::TearDown();
  }
  CommandWnd wnd;
  CMenu menu;
};

TEST_F(MenuWiringTest, ReturnCmdAnswersTheChosenIdAndRoutesNothing) {
  robot.onPopupMenu({"&Second"});
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, 40, 40, &wnd), BOOL(kSecond));
  robot.pumpUntilIdle();
  EXPECT_TRUE(wnd.commands.empty());
}

TEST_F(MenuWiringTest, AChosenItemReachesTheMessageMap) {
  robot.onPopupMenu({"&First"});
  EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 40, 40, &wnd));
  robot.pumpUntilIdle();
  EXPECT_EQ(wnd.commands, std::vector<UINT>{kFirst});
}

TEST_F(MenuWiringTest, TheSystemMenuIsTheWindowsOwnAndCanBeGreyed) {
  CMenu* system = wnd.GetSystemMenu(FALSE);
  ASSERT_NE(system, nullptr);
  EXPECT_EQ(system->GetSafeHmenu(), ::GetSystemMenu(wnd.m_hWnd, FALSE));
  system->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_TRUE(wnd.GetSystemMenu(FALSE)->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(wnd.GetSystemMenu(TRUE), nullptr);
  EXPECT_FALSE(wnd.GetSystemMenu(FALSE)->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
}

}  // namespace
