// Bars in a frame: the layout of toolbar, status bar and view, the idle
// update of buttons and panes from the frame's handlers, the key
// indicators, menu prompts and "Ready" in the message pane, and View >
// Toolbar / Status Bar showing and hiding the bars.
#include <filesystem>
#include <string>

#include "bars_fixture.h"

namespace {

using FrameBarsTest = BarsTest;
using halvane::test::Robot;
using halvane::test::Window;

CView* ViewOf(CFrameWnd& frame) { return static_cast<CView*>(frame.GetDlgItem(AFX_IDW_PANE_FIRST)); }

// What the layout gave the view.
CRect ViewArea(CFrameWnd& frame) { return RectInParent(*ViewOf(frame)); }

TEST_F(FrameBarsTest, TheViewGetsWhatTheDockedToolbarAndTheStatusBarLeave) {
  CBarsFrame* frame = CBarsFrame::Open("Layout");
  ASSERT_NE(frame, nullptr);
  CDockBar* top = dynamic_cast<CDockBar*>(frame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
  ASSERT_NE(top, nullptr) << "EnableDocking makes the dock bars";
  EXPECT_NE(frame->GetControlBar(AFX_IDW_DOCKBAR_RIGHT), nullptr);
  EXPECT_EQ(frame->GetControlBar(AFX_IDW_TOOLBAR), &frame->m_wndToolBar);
  EXPECT_EQ(frame->GetControlBar(AFX_IDW_STATUS_BAR), &frame->m_wndStatusBar);
  EXPECT_EQ(frame->m_wndToolBar.m_pDockBar, top);
  EXPECT_EQ(frame->m_wndToolBar.GetDockingFrame(), frame);

  CRect client;
  frame->GetClientRect(&client);
  const CRect toolbar = RectInParent(*top);
  const CRect status = RectInParent(frame->m_wndStatusBar);
  const CRect view = ViewArea(*frame);
  EXPECT_EQ(toolbar.top, 0);
  EXPECT_GT(toolbar.Height(), 22);
  EXPECT_EQ(status.bottom, client.bottom);
  EXPECT_EQ(status.Width(), client.Width());
  EXPECT_EQ(view, CRect(0, toolbar.bottom, client.right, status.top));

  // The frame's own size changes lay the bars out again.
  frame->SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  frame->GetClientRect(&client);
  EXPECT_EQ(RectInParent(frame->m_wndStatusBar).bottom, client.bottom);
  EXPECT_EQ(ViewArea(*frame).bottom, RectInParent(frame->m_wndStatusBar).top);
  frame->DestroyWindow();
}

TEST_F(FrameBarsTest, ButtonsAndPanesFollowTheFramesHandlersAtIdle) {
  CBarsFrame* frame = CBarsFrame::Open("Idle");
  ASSERT_NE(frame, nullptr);
  CToolBar& bar = frame->m_wndToolBar;
  CStatusBar& status = frame->m_wndStatusBar;
  bar.SetButtonInfo(1, ID_TOOL_ORPHAN, TBBS_BUTTON, 1);

  frame->cutEnabled = false;
  frame->boldCheck = 1;
  RunIdle(frame);
  EXPECT_FALSE(bar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_CUT));
  EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONCHECKED, ID_TOOL_BOLD));
  EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_BOLD)) << "it has a command handler";
  EXPECT_FALSE(bar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_ORPHAN)) << "no handler: grey";
  EXPECT_EQ(Shown(status, 1), "") << "a disabled indicator is blank";
  EXPECT_EQ(std::string(status.GetPaneText(1)), "Disconnected") << "and keeps its text";

  frame->cutEnabled = true;
  frame->boldCheck = 2;
  RunIdle(frame);
  EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_CUT));
  EXPECT_FALSE(bar.SendMessage(TB_ISBUTTONCHECKED, ID_TOOL_BOLD));
  EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONINDETERMINATE, ID_TOOL_BOLD));
  EXPECT_EQ(Shown(status, 1), "Disconnected");

  // A click on an enabled button reaches the frame's handler.
  CRect cut;
  bar.GetItemRect(0, &cut);
  robot.click(Window(bar.m_hWnd), cut.CenterPoint());
  EXPECT_EQ(frame->commands, (std::vector<UINT>{ID_TOOL_CUT}));

  // A hidden bar is left alone.
  frame->ShowControlBar(&bar, FALSE, FALSE);
  frame->cutEnabled = false;
  RunIdle(frame);
  EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_CUT));
  frame->DestroyWindow();
}

TEST_F(FrameBarsTest, KeyIndicatorsFollowTheToggleKeys) {
  CBarsFrame* frame = CBarsFrame::Open("Keys");
  ASSERT_NE(frame, nullptr);
  CStatusBar& status = frame->m_wndStatusBar;
  const bool capsOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
  RunIdle(frame);
  EXPECT_EQ(Shown(status, 2), capsOn ? "CAP" : "");
  robot.key(VK_CAPITAL);
  RunIdle(frame);
  EXPECT_EQ(Shown(status, 2), capsOn ? "" : "CAP");
  robot.key(VK_NUMLOCK);
  RunIdle(frame);
  EXPECT_EQ(Shown(status, 3), (::GetKeyState(VK_NUMLOCK) & 1) ? "NUM" : "");
  robot.key(VK_CAPITAL);
  robot.key(VK_NUMLOCK);
  RunIdle(frame);
  EXPECT_EQ(Shown(status, 2), capsOn ? "CAP" : "");
  frame->DestroyWindow();
}

TEST_F(FrameBarsTest, MenuPromptsShowInTheMessagePaneAndReadyComesBack) {
  CBarsFrame* frame = CBarsFrame::Open("Prompts");
  ASSERT_NE(frame, nullptr);
  robot.pumpUntilIdle();
  CStatusBar& status = frame->m_wndStatusBar;
  EXPECT_EQ(Shown(status, 0), "Ready");

  std::string whileOpen;
  robot.onMenu([&](Robot& r, Window) {
    r.key(VK_DOWN);
    whileOpen = Shown(status, 0);
    r.key(VK_ESCAPE);
    r.key(VK_ESCAPE);
  });
  robot.keys({VK_MENU, 'V'});
  EXPECT_EQ(whileOpen, "Show or hide the toolbar") << "the prompt part of the item's string";
  RunIdle(frame);
  EXPECT_EQ(Shown(status, 0), "Ready");
  frame->DestroyWindow();
}

TEST_F(FrameBarsTest, ViewToolbarAndStatusBarToggleTheBarsWithACheck) {
  CBarsFrame* frame = CBarsFrame::Open("Toggles");
  ASSERT_NE(frame, nullptr);
  CMenu* view = frame->GetMenu()->GetSubMenu(1);
  ASSERT_NE(view, nullptr);
  auto checked = [&](UINT nID) {
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view->m_hMenu), 1);
    return (view->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  EXPECT_TRUE(checked(ID_VIEW_TOOLBAR));
  EXPECT_TRUE(checked(ID_VIEW_STATUS_BAR));
  const int viewTop = ViewArea(*frame).top;
  ASSERT_GT(viewTop, 0);

  robot.chooseMenu({"&View", "&Toolbar"});
  EXPECT_FALSE(frame->m_wndToolBar.IsWindowVisible());
  EXPECT_FALSE(checked(ID_VIEW_TOOLBAR));
  EXPECT_EQ(ViewArea(*frame).top, 0) << "the empty dock bar takes nothing";

  frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
  CRect client;
  frame->GetClientRect(&client);
  EXPECT_EQ(ViewArea(*frame).bottom, client.bottom);
  EXPECT_FALSE(checked(ID_VIEW_STATUS_BAR));

  robot.chooseMenu({"&View", "&Toolbar"});
  EXPECT_TRUE(checked(ID_VIEW_TOOLBAR));
  EXPECT_EQ(ViewArea(*frame).top, viewTop);

  // A delayed show waits for the idle layout.
  frame->ShowControlBar(&frame->m_wndStatusBar, TRUE, TRUE);
  EXPECT_FALSE(frame->m_wndStatusBar.IsWindowVisible());
  EXPECT_TRUE(frame->m_wndStatusBar.IsVisible());
  EXPECT_TRUE(checked(ID_VIEW_STATUS_BAR));
  RunIdle(frame);
  EXPECT_TRUE(frame->m_wndStatusBar.IsWindowVisible());
  EXPECT_EQ(ViewArea(*frame).bottom, RectInParent(frame->m_wndStatusBar).top);
  frame->DestroyWindow();
}

TEST_F(FrameBarsTest, ABarDockedOnEachSide) {
  CBarsFrame* frame = CBarsFrame::Open("Sides");
  ASSERT_NE(frame, nullptr);
  CToolBar& bar = frame->m_wndToolBar;
  const UINT sides[] = {AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_TOP};
  for (UINT side : sides) {
    frame->DockControlBar(&bar, side);
    CControlBar* dock = frame->GetControlBar(side);
    ASSERT_EQ(bar.m_pDockBar, dock);
    const CRect edge = RectInParent(*dock), view = ViewArea(*frame);
    CRect client;
    frame->GetClientRect(&client);
    const CRect status = RectInParent(frame->m_wndStatusBar);
    switch (side) {
      case AFX_IDW_DOCKBAR_LEFT:
        EXPECT_EQ(edge.left, 0);
        EXPECT_EQ(view.left, edge.right);
        EXPECT_GT(RectInParent(bar).Height(), RectInParent(bar).Width());
        break;
      case AFX_IDW_DOCKBAR_RIGHT:
        EXPECT_EQ(edge.right, client.right);
        EXPECT_EQ(view.right, edge.left);
        break;
      case AFX_IDW_DOCKBAR_BOTTOM:
        EXPECT_EQ(edge.bottom, status.top);
        EXPECT_EQ(view.bottom, edge.top);
        EXPECT_GT(RectInParent(bar).Width(), RectInParent(bar).Height());
        break;
      default:
        EXPECT_EQ(edge.top, 0);
        EXPECT_EQ(view.top, edge.bottom);
        break;
    }
  }
  frame->DestroyWindow();
}

TEST_F(FrameBarsTest, ADockedBarDraggedByItsGripperDocksOnTheNearestEdge) {
  CBarsFrame* frame = CBarsFrame::Open("Drag");
  ASSERT_NE(frame, nullptr);
  CToolBar& bar = frame->m_wndToolBar;
  // A frame point as the bar's client coordinates, where the drag runs.
  auto inBar = [&](CPoint point) {
    frame->ClientToScreen(&point);
    bar.ScreenToClient(&point);
    return point;
  };
  CRect client;
  bar.GetClientRect(&client);
  const CPoint gripper(-4, client.Height() / 2);
  robot.drag(Window(bar.m_hWnd), gripper, inBar(CPoint(6, 150)));
  EXPECT_EQ(bar.m_pDockBar, frame->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
  EXPECT_EQ(ViewArea(*frame).top, 0) << "the top edge is empty now";
  EXPECT_GT(ViewArea(*frame).left, 0);

  // Standing up, the gripper is above the buttons.
  bar.GetClientRect(&client);
  robot.drag(Window(bar.m_hWnd), CPoint(client.Width() / 2, -4), inBar(CPoint(250, 4)));
  EXPECT_EQ(bar.m_pDockBar, frame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
  EXPECT_EQ(ViewArea(*frame).left, 0);
  EXPECT_GT(RectInParent(bar).left, 100) << "at the place it was dropped along the edge";

  // A press on the buttons is a click, not a drag.
  CRect cut;
  bar.GetItemRect(0, &cut);
  robot.click(Window(bar.m_hWnd), cut.CenterPoint());
  EXPECT_EQ(frame->commands, (std::vector<UINT>{ID_TOOL_CUT}));
  frame->DestroyWindow();
}

TEST_F(FrameBarsTest, SnapshotOfAFrameWithAToolbarAndAStatusBar) {
  CBarsFrame* frame = CBarsFrame::Open("Bars");
  ASSERT_NE(frame, nullptr);
  frame->boldCheck = 1;
  robot.pumpUntilIdle();
  RunIdle(frame);
  frame->m_wndStatusBar.SetPaneText(0, "Opened Connector QVS");
  frame->m_wndStatusBar.UpdateWindow();
  EXPECT_EQ(Shown(frame->m_wndStatusBar, 0), "Opened Connector QVS");
  EXPECT_TRUE(frame->m_wndToolBar.SendMessage(TB_ISBUTTONENABLED, ID_TOOL_CUT));
  robot.snapshot(Window(frame->m_hWnd), "frame_with_toolbar_and_status_bar");
  frame->DestroyWindow();
}

}  // namespace
