// Command UI: handlers set the state of menu items and buttons, commands
// nobody handles are disabled, and a disabled command is not carried out.
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

constexpr UINT ID_ALPHA = 500;
constexpr UINT ID_BETA = 501;
constexpr UINT ID_GAMMA = 502;
constexpr UINT ID_ORPHAN = 503;
constexpr UINT ID_WATCHED = 504;

class CCommandWnd : public CWnd {
 public:
  bool alphaEnabled = true;
  int alphaRuns = 0;
  int watchedRuns = 0;

 protected:
  afx_msg void OnAlpha() { ++alphaRuns; }
  afx_msg void OnUpdateAlpha(CCmdUI* pCmdUI) { pCmdUI->Enable(alphaEnabled); }
  afx_msg void OnBeta() {}
  afx_msg void OnUpdateRange(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(pCmdUI->m_nID == ID_BETA ? 1 : 0);
    pCmdUI->SetText(pCmdUI->m_nID == ID_BETA ? "Beta (on)" : "Gamma (off)");
  }
  afx_msg void OnGamma() {}
  afx_msg void OnWatch(CCmdUI* pCmdUI) {
    ++watchedRuns;
    pCmdUI->ContinueRouting();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
  ON_WM_INITMENUPOPUP()
  ON_COMMAND(ID_ALPHA, OnAlpha)
  ON_UPDATE_COMMAND_UI(ID_ALPHA, OnUpdateAlpha)
  ON_COMMAND(ID_BETA, OnBeta)
  ON_COMMAND(ID_GAMMA, OnGamma)
  ON_UPDATE_COMMAND_UI_RANGE(ID_BETA, ID_GAMMA, OnUpdateRange)
  ON_UPDATE_COMMAND_UI(ID_WATCHED, OnWatch)
END_MESSAGE_MAP()

using CmdUITest = WndTest;

// What the window system sends before it shows a popup menu.
void UpdateMenu(CMenu& menu, CWnd& wnd) {
  wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), 0);
}

TEST_F(CmdUITest, MenuItemsFollowTheirUpdateHandlers) {
  CCommandWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Commands"));
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_STRING, ID_ALPHA, "Alpha");
  menu.AppendMenu(MF_STRING, ID_BETA, "Beta");
  menu.AppendMenu(MF_STRING, ID_GAMMA, "Gamma");
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, ID_ORPHAN, "Orphan");

  wnd.alphaEnabled = false;
  UpdateMenu(menu, wnd);
  EXPECT_TRUE(menu.GetMenuState(ID_ALPHA, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(menu.GetMenuState(ID_BETA, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(menu.GetMenuState(ID_GAMMA, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED));
  // No handler at all: disabled.
  EXPECT_TRUE(menu.GetMenuState(ID_ORPHAN, MF_BYCOMMAND) & MF_GRAYED);
  CString text;
  menu.GetMenuString(ID_BETA, text, MF_BYCOMMAND);
  EXPECT_EQ(std::string(text), "Beta (on)");

  // The system menu is left alone.
  wnd.alphaEnabled = true;
  wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), MAKELPARAM(0, TRUE));
  EXPECT_TRUE(menu.GetMenuState(ID_ALPHA, MF_BYCOMMAND) & MF_GRAYED);
  UpdateMenu(menu, wnd);
  EXPECT_FALSE(menu.GetMenuState(ID_ALPHA, MF_BYCOMMAND) & MF_GRAYED);
  // The new text keeps the item's check mark.
  EXPECT_TRUE(menu.GetMenuState(ID_BETA, MF_BYCOMMAND) & MF_CHECKED);
  wnd.DestroyWindow();
}

TEST_F(CmdUITest, ADisabledCommandFromAMenuIsNotCarriedOut) {
  CCommandWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Commands"));
  wnd.alphaEnabled = false;
  EXPECT_EQ(wnd.SendMessage(WM_COMMAND, ID_ALPHA), 1);
  EXPECT_EQ(wnd.alphaRuns, 0);
  wnd.alphaEnabled = true;
  wnd.SendMessage(WM_COMMAND, ID_ALPHA);
  EXPECT_EQ(wnd.alphaRuns, 1);
  wnd.DestroyWindow();
}

TEST_F(CmdUITest, TestCmdUIRecordsAndContinueRoutingLeavesItUnhandled) {
  CCommandWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Commands"));
  CTestCmdUI state;
  state.m_nID = ID_BETA;
  EXPECT_TRUE(state.DoUpdate(&wnd, TRUE));
  EXPECT_EQ(state.m_nCheck, 1);
  EXPECT_TRUE(state.m_bEnabled);
  EXPECT_EQ(std::string(state.m_strText), "Beta (on)");

  CTestCmdUI watched;
  watched.m_nID = ID_WATCHED;
  // The watcher ran but routing goes on; no command handler: disabled.
  EXPECT_FALSE(watched.DoUpdate(&wnd, TRUE));
  EXPECT_EQ(wnd.watchedRuns, 1);
  EXPECT_FALSE(watched.m_bEnabled);
  wnd.DestroyWindow();
}

TEST_F(CmdUITest, ButtonsAsCommandItems) {
  CCommandWnd wnd;
  ASSERT_TRUE(CreateTopLevel(wnd, "Commands"));
  CButton check;
  ASSERT_TRUE(check.Create("Beta", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(5, 5, 90, 25), &wnd, ID_BETA));
  CCmdUI state;
  state.m_nID = ID_BETA;
  state.m_pOther = &check;
  state.DoUpdate(&wnd, TRUE);
  EXPECT_EQ(check.GetCheck(), BST_CHECKED);
  CString text;
  check.GetWindowText(text);
  EXPECT_EQ(std::string(text), "Beta (on)");
  wnd.alphaEnabled = false;
  state.m_nID = ID_ALPHA;
  state.DoUpdate(&wnd, TRUE);
  EXPECT_FALSE(check.IsWindowEnabled());
  wnd.DestroyWindow();
}

}  // namespace
