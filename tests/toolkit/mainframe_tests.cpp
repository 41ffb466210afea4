// The toolkit's MDI main frame as the programs build it: the toolbar
// manager's "Standard" and "Programs" toolbars docked at the top, the
// Programs command showing and hiding its toolbar, and a results bar
// docked at the bottom at three quarters of the width and 130 pixels,
// with a gripper whose button hides it.
#include <secall.h>

#include <memory>

#include "resource.h"
#include "toolkit_fixture.h"

namespace {

using halvane::test::Window;

class ResultsBar : public SECControlBar {
 public:
  CEdit m_edit;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    if (SECControlBar::OnCreate(lpcs) == -1) return -1;
    return m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, CRect(10, 10, 100, 100), this, 1) ? 0 : -1;
  }
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    SECControlBar::OnSize(nType, cx, cy);
    m_edit.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ResultsBar, SECControlBar)
  ON_WM_CREATE()
  ON_WM_SIZE()
END_MESSAGE_MAP()

class MainFrame : public SECMDIFrameWnd {
 public:
  MainFrame() : m_toolBars(std::make_unique<SECToolBarManager>(this)) { SetControlBarManager(m_toolBars.get()); }
  std::unique_ptr<SECToolBarManager> m_toolBars;
  ResultsBar m_results;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    if (SECMDIFrameWnd::OnCreate(lpcs) == -1) return -1;
    if (!m_toolBars->DefineDefaultToolBar(AFX_IDW_TOOLBAR, "Standard", IDR_STANDARD) ||
        !m_toolBars->DefineDefaultToolBar(AFX_IDW_TOOLBAR + 1, "Programs", IDR_PROGRAMS))
      return -1;
    m_toolBars->SetToggleCommand(ID_VIEW_PROGRAMS, AFX_IDW_TOOLBAR + 1);
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_results.Create(this, "", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_GRIPPER, CBRS_EX_DEFAULT, 0xE700))
      return -1;
    m_results.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBarEx(&m_results, AFX_IDW_DOCKBAR_BOTTOM, 0.75f, 130);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MainFrame, SECMDIFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

class MainFrameTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    frame = new MainFrame;  // deletes itself with its window
    ASSERT_TRUE(frame->LoadFrame(IDR_STANDARD, WS_OVERLAPPEDWINDOW));
    frameWnd = frame->m_hWnd;
    frame->SetWindowPos(nullptr, 0, 0, 800, 560, SWP_NOZORDER | SWP_NOMOVE);
    frame->ShowWindow(SW_SHOW);
    frame->RecalcLayout();
    robot.pumpUntilIdle();
  }
  void TearDown() override {
    if (::IsWindow(frameWnd)) frame->DestroyWindow();
    ToolkitTest::TearDown();
  }
  CRect InFrame(CWnd& wnd) {
    CRect rc;
    wnd.GetWindowRect(&rc);
    frame->ScreenToClient(&rc);
    return rc;
  }
  int Check(UINT nID) {
    CTestCmdUI ui;
    ui.m_nID = nID;
    frame->OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &ui, nullptr);
    return ui.m_nCheck;
  }

  MainFrame* frame = nullptr;
  HWND frameWnd = nullptr;
};

TEST_F(MainFrameTest, TheToolbarsAreDockedAtTheTopAndProgramsToggles) {
  SECToolBarManager& bars = *frame->m_toolBars;
  EXPECT_EQ(bars.GetToolBarCount(), 2);
  CToolBar* standard = bars.GetToolBar(AFX_IDW_TOOLBAR);
  CToolBar* programs = bars.FindToolBar("Programs");
  ASSERT_TRUE(standard && programs);
  EXPECT_EQ(Window(programs->m_hWnd).text(), "Programs");
  EXPECT_EQ(standard->GetCount(), 4) << "three buttons and a separator";
  EXPECT_EQ(programs->GetItemID(1), static_cast<UINT>(ID_TOOL_BROKER));
  for (CToolBar* bar : {standard, programs}) {
    ASSERT_NE(bar->m_pDockBar, nullptr);
    EXPECT_EQ(bar->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(bar->m_dwDockStyle, static_cast<DWORD>(CBRS_ALIGN_ANY));
    EXPECT_TRUE(bar->GetBarStyle() & CBRS_TOOLTIPS);
  }
  CRect first, second;
  standard->GetWindowRect(&first);
  programs->GetWindowRect(&second);
  EXPECT_EQ(second.top, first.top) << "one row";
  EXPECT_GE(second.left, first.right);
  EXPECT_FALSE(bars.DefineDefaultToolBar(AFX_IDW_TOOLBAR, "Again", IDR_STANDARD)) << "the id is taken";
  EXPECT_FALSE(bars.DefineDefaultToolBar(AFX_IDW_TOOLBAR + 5, "Missing", 999)) << "no such resource";

  EXPECT_TRUE(bars.IsToolBarVisible(AFX_IDW_TOOLBAR + 1));
  EXPECT_EQ(Check(ID_VIEW_PROGRAMS), 1);
  robot.chooseMenu({"&View", "P&rograms"});
  EXPECT_FALSE(programs->IsWindowVisible());
  EXPECT_EQ(Check(ID_VIEW_PROGRAMS), 0);
  EXPECT_TRUE(standard->IsWindowVisible()) << "only its own toolbar";
  frame->SendMessage(WM_COMMAND, ID_VIEW_PROGRAMS);
  EXPECT_TRUE(programs->IsWindowVisible());
  EXPECT_TRUE(bars.ShowToolBar(AFX_IDW_TOOLBAR, FALSE));
  EXPECT_FALSE(bars.IsToolBarVisible(AFX_IDW_TOOLBAR));
  EXPECT_FALSE(bars.ShowToolBar(4711, TRUE));
}

TEST_F(MainFrameTest, TheResultsBarTakesThreeQuartersOfTheBottomAndItsButtonHidesIt) {
  CRect client;
  frame->GetClientRect(&client);
  CRect bar = InFrame(frame->m_results);
  EXPECT_EQ(bar.Width(), static_cast<int>(client.Width() * 0.75 + 0.5));
  EXPECT_EQ(bar.Height(), 130);
  CWnd* bottom = frame->GetControlBar(AFX_IDW_DOCKBAR_BOTTOM);
  ASSERT_NE(bottom, nullptr);
  EXPECT_EQ(frame->m_results.GetParent(), bottom);
  EXPECT_EQ(InFrame(*bottom).bottom, client.bottom) << "no status bar below it here";
  // The edit fills the bar inside its border and gripper.
  CRect edit = InFrame(frame->m_results.m_edit);
  EXPECT_GT(edit.left, bar.left + 10) << "the gripper is on the left";
  EXPECT_GE(edit.Height(), 120);
  robot.snapshot(Window(frame->m_hWnd), "main_frame_toolbars_and_results");

  // The close button on the gripper hides the bar; the frame can show it again.
  CRect button = frame->m_results.GetCloseButtonRect();
  ASSERT_FALSE(button.IsRectEmpty());
  CRect window;
  frame->m_results.GetWindowRect(&window);
  CPoint screen(window.left + button.CenterPoint().x, window.top + button.CenterPoint().y);
  CPoint inFrame = screen;
  frame->ScreenToClient(&inFrame);
  robot.click(Window(frame->m_hWnd), inFrame);
  EXPECT_FALSE(frame->m_results.IsVisible());
  frame->ShowControlBar(&frame->m_results, TRUE, FALSE);
  EXPECT_TRUE(frame->m_results.IsWindowVisible());
  EXPECT_EQ(InFrame(frame->m_results).Height(), 130);
}

TEST_F(MainFrameTest, AlongASideTheShareIsOfTheHeightAndTheGripperLiesAcross) {
  frame->DockControlBarEx(&frame->m_results, AFX_IDW_DOCKBAR_LEFT, 0.5f, 120);
  frame->RecalcLayout();
  CRect client;
  frame->GetClientRect(&client);
  CRect bar = InFrame(frame->m_results);
  EXPECT_EQ(frame->m_results.GetParent(), frame->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(bar.Width(), 120);
  EXPECT_NEAR(bar.Height(), client.Height() * 0.5, 1.0);
  CRect edit = InFrame(frame->m_results.m_edit);
  EXPECT_GT(edit.top, bar.top + 10) << "the gripper lies across the top";
  const CRect button = frame->m_results.GetCloseButtonRect();
  EXPECT_GT(button.left, bar.Width() / 2) << "its button at the right end";
}

}  // namespace
