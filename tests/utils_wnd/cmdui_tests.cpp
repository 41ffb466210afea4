// XUMfc::UpdateCmdUI: a context menu takes its greying, checks and texts
// from the window's update handlers, sub-menus included.
#include <XUMfc.h>

#include "utils_wnd_fixture.h"

namespace {

enum : UINT {
  ID_CUT = 57635,
  ID_COPY = 57634,
  ID_PASTE = 57637,
  ID_EXPAND = 32814,
  ID_DELETE = 32810,
  ID_OPEN = 32858
};

class CCommands : public CWnd {
 public:
  BOOL m_bCanPaste = FALSE;
  int m_nOpened = 0;

 protected:
  afx_msg void OnUpdateCut(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  afx_msg void OnUpdatePaste(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bCanPaste); }
  afx_msg void OnUpdateExpand(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(1);
    pCmdUI->SetText("&Expand All");
  }
  afx_msg void OnCopy() {}
  afx_msg void OnOpen() { ++m_nOpened; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCommands, CWnd)
  ON_UPDATE_COMMAND_UI(ID_CUT, OnUpdateCut)
  ON_UPDATE_COMMAND_UI(ID_PASTE, OnUpdatePaste)
  ON_UPDATE_COMMAND_UI(ID_EXPAND, OnUpdateExpand)
  ON_COMMAND(ID_COPY, OnCopy)
  ON_COMMAND(ID_OPEN, OnOpen)
END_MESSAGE_MAP()

bool Grey(const CMenu& menu, UINT id) { return (menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) != 0; }

class CmdUITest : public UtilsWndTest {
 protected:
  void SetUp() override {
    UtilsWndTest::SetUp();
    ASSERT_TRUE(CreateTopLevel(wnd, "Grid"));
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(sub.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_CUT, "Cu&t\tCtrl+X");
    menu.AppendMenu(MF_STRING, ID_COPY, "&Copy\t Ctrl+C");
    menu.AppendMenu(MF_STRING, ID_PASTE, "&Paste\tCtrl+V");
    menu.AppendMenu(MF_SEPARATOR, 0, nullptr);
    menu.AppendMenu(MF_STRING, ID_DELETE, "&Delete\tDEL");
    sub.AppendMenu(MF_STRING, ID_EXPAND, "&Expand");
    sub.AppendMenu(MF_STRING, ID_OPEN, "Open In Window");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "&More");
  }
  void TearDown() override {
    menu.DestroyMenu();
    wnd.DestroyWindow();
    UtilsWndTest::TearDown();
  }
  CCommands wnd;
  CMenu menu, sub;
};

TEST_F(CmdUITest, ItemsTakeTheirStateFromTheWindowsHandlers) {
  XUMfc::UpdateCmdUI(&menu, &wnd);
  EXPECT_TRUE(Grey(menu, ID_CUT)) << "its handler disables it";
  EXPECT_FALSE(Grey(menu, ID_COPY)) << "a command handler alone keeps it enabled";
  EXPECT_TRUE(Grey(menu, ID_PASTE));
  EXPECT_TRUE(Grey(menu, ID_DELETE)) << "nobody handles it";
  CMenu* more = menu.GetSubMenu(5);
  ASSERT_NE(more, nullptr);
  EXPECT_NE(more->GetMenuState(ID_EXPAND, MF_BYCOMMAND) & MF_CHECKED, 0u);
  CString text;
  more->GetMenuString(ID_EXPAND, text, MF_BYCOMMAND);
  EXPECT_EQ(text, "&Expand All");
  EXPECT_FALSE(Grey(*more, ID_OPEN));

  wnd.m_bCanPaste = TRUE;
  XUMfc::UpdateCmdUI(&menu, &wnd);
  EXPECT_FALSE(Grey(menu, ID_PASTE)) << "a second pass follows the new state";
}

TEST_F(CmdUITest, WithoutDisablingUnhandledItemsOnlyHandlersChangeThings) {
  XUMfc::UpdateCmdUI(&menu, &wnd, FALSE);
  EXPECT_FALSE(Grey(menu, ID_DELETE));
  EXPECT_TRUE(Grey(menu, ID_CUT));
  XUMfc::UpdateCmdUI(nullptr, &wnd);
  XUMfc::UpdateCmdUI(&menu, nullptr);
}

TEST_F(CmdUITest, AnUpdatedContextMenuAnswersTheChosenCommand) {
  XUMfc::UpdateCmdUI(&menu, &wnd);
  robot.onPopupMenu({"&More", "Open In Window"});
  CPoint at(50, 50);
  wnd.ClientToScreen(&at);
  const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, at.x, at.y, &wnd);
  EXPECT_EQ(chosen, static_cast<UINT>(ID_OPEN));
}

}  // namespace
