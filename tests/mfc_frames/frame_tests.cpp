// Frames: their titles, the routing of commands, the command-UI state of
// menus, status-line messages, accelerators and closing.
#include "frames_fixture.h"

namespace {

using halvane::test::Window;
using Strings = std::vector<std::string>;

TEST_F(FramesTest, TitlesNameTheActiveDocumentAndItsWindowNumber) {
  StartedApp s;
  ASSERT_TRUE(s.started);
  EXPECT_EQ(TextOf(s.MainFrame()), "Frames Test");
  CNoteDoc* doc = s.NewNote();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(TextOf(s.MainFrame()), "Note1 - Frames Test");
  CMDIChildWnd* first = s.ActiveChild();
  EXPECT_EQ(TextOf(first), "Note1");

  // A second window on the same document: both are numbered.
  s.Command(ID_WINDOW_NEW);
  CMDIChildWnd* second = s.ActiveChild();
  ASSERT_NE(second, first);
  EXPECT_EQ(TextOf(first), "Note1:1");
  EXPECT_EQ(TextOf(second), "Note1:2");
  EXPECT_EQ(second->GetActiveDocument(), doc);
  robot.pumpUntilIdle();

  // Renaming the document renames every window.
  doc->SetTitle("Plan");
  EXPECT_EQ(TextOf(first), "Plan:1");
  EXPECT_EQ(TextOf(s.MainFrame()), "Plan - Frames Test");

  // A delayed title change waits for the idle time.
  s.MainFrame()->SetTitle("Planner");
  s.MainFrame()->DelayUpdateFrameTitle();
  EXPECT_EQ(TextOf(s.MainFrame()), "Plan - Frames Test");
  s.MainFrame()->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  EXPECT_EQ(TextOf(s.MainFrame()), "Plan - Planner");
  s.MainFrame()->SetTitle("Frames Test");

  // Closing one window leaves the document and an unnumbered title.
  second->SendMessage(WM_CLOSE);
  robot.pumpUntilIdle();
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 1);
  EXPECT_EQ(TextOf(first), "Plan");

  // Maximised, the window system shows the child in brackets.
  first->MDIMaximize();
  robot.pumpUntilIdle();
  EXPECT_EQ(TextOf(s.MainFrame()), "Frames Test - [Plan]");
  first->MDIRestore();
  first->SendMessage(WM_CLOSE);
  robot.pumpUntilIdle();
  EXPECT_EQ(TextOf(s.MainFrame()), "Frames Test");
}

TEST_F(FramesTest, WithoutThePrefixStyleTheApplicationComesFirst) {
  CMainFrame::s_appFirst = true;
  StartedApp s;
  s.NewNote();
  EXPECT_EQ(TextOf(s.MainFrame()), "Frames Test - Note1");
}

TEST_F(FramesTest, SettingAWindowTextChangesOnlyWhatDiffersAndTakesNullAsEmpty) {
  StartedApp s;
  const HWND frame = s.MainFrame()->m_hWnd;
  AfxSetWindowText(frame, "Frames Test");
  EXPECT_EQ(TextOf(s.MainFrame()), "Frames Test");
  AfxSetWindowText(frame, "Other");
  EXPECT_EQ(TextOf(s.MainFrame()), "Other");
  AfxSetWindowText(frame, nullptr);
  EXPECT_EQ(TextOf(s.MainFrame()), "");
}

TEST_F(FramesTest, CommandsGoFromTheActiveViewOutwards) {
  StartedApp s;
  s.Command(ID_ROUTE_PROBE);
  EXPECT_EQ(RouteLog(), (Strings{"main frame", "app"}));
  RouteLog().clear();
  s.NewNote();
  s.Command(ID_ROUTE_PROBE);
  EXPECT_EQ(RouteLog(), (Strings{"view", "document", "template", "child frame", "main frame", "app"}));

  // The active child's own command; a second note gets the stamps.
  RouteLog().clear();
  s.Command(ID_FRAME_ONLY);
  EXPECT_EQ(RouteLog(), (Strings{"frame only"}));
  CNoteDoc* first = static_cast<CNoteDoc*>(s.ActiveChild()->GetActiveDocument());
  CNoteDoc* second = s.NewNote();
  s.Command(ID_NOTE_STAMP);
  EXPECT_EQ(second->m_stamps, 1);
  EXPECT_EQ(first->m_stamps, 0);
  // Activating the first child sends the next stamp there.
  s.MainFrame()->MDINext();
  EXPECT_EQ(s.ActiveChild()->GetActiveDocument(), first);
  s.Command(ID_NOTE_STAMP);
  EXPECT_EQ(first->m_stamps, 1);
}

// The state of each item of a popup of the frame's menu after it opens.
UINT StateAfterPopup(CMainFrame* pFrame, int popup, UINT nID) {
  HMENU hPopup = ::GetSubMenu(::GetMenu(pFrame->m_hWnd), popup);
  pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(popup, FALSE));
  return ::GetMenuState(hPopup, nID, MF_BYCOMMAND);
}

TEST_F(FramesTest, MenuItemsTakeTheirStateFromTheCommandHandlers) {
  StartedApp s;
  CNoteDoc* doc = s.NewNote();
  CMainFrame* frame = s.MainFrame();
  EXPECT_EQ(StateAfterPopup(frame, 1, ID_NOTE_STAMP), UINT(MF_ENABLED)) << "the view handles it";
  EXPECT_EQ(StateAfterPopup(frame, 1, ID_FRAME_ONLY), UINT(MF_ENABLED)) << "the child frame handles it";
  EXPECT_TRUE(StateAfterPopup(frame, 1, ID_NOTE_UNHANDLED) & MF_GRAYED);
  EXPECT_FALSE(StateAfterPopup(frame, 1, ID_NOTE_TOUCH) & MF_CHECKED);
  doc->m_bTouched = TRUE;
  EXPECT_TRUE(StateAfterPopup(frame, 1, ID_NOTE_TOUCH) & MF_CHECKED);
  EXPECT_EQ(StateAfterPopup(frame, 2, ID_WINDOW_CASCADE), UINT(MF_ENABLED));
  // The window list of the Window menu is not greyed for want of handlers.
  HMENU windowMenu = ::GetSubMenu(::GetMenu(frame->m_hWnd), 2);
  EXPECT_EQ(StateAfterPopup(frame, 2, AFX_IDM_FIRST_MDICHILD) & MF_GRAYED, 0u);
  EXPECT_NE(::GetMenuState(windowMenu, AFX_IDM_FIRST_MDICHILD, MF_BYCOMMAND), UINT(-1));
  // A frame that does not grey leaves such items as they are.
  frame->m_bAutoMenuEnable = FALSE;
  ::EnableMenuItem(::GetSubMenu(::GetMenu(frame->m_hWnd), 1), ID_NOTE_UNHANDLED, MF_BYCOMMAND | MF_ENABLED);
  EXPECT_EQ(StateAfterPopup(frame, 1, ID_NOTE_UNHANDLED) & MF_GRAYED, 0u);
  // A disabled command is not carried out even when it arrives.
  frame->m_bAutoMenuEnable = TRUE;
  RouteLog().clear();
  s.Command(ID_NOTE_UNHANDLED);
  EXPECT_TRUE(RouteLog().empty());
}

TEST_F(FramesTest, TheMenuFollowsTheActiveChildsTemplate) {
  StartedApp s;
  CMainFrame* frame = s.MainFrame();
  const HMENU own = ::GetMenu(frame->m_hWnd);
  s.NewNote();
  EXPECT_EQ(::GetMenu(frame->m_hWnd), s.app.m_pNoteTemplate->m_hMenuShared);
  s.app.m_pFormTemplate->OpenDocumentFile(nullptr);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), s.app.m_pFormTemplate->m_hMenuShared);
  s.MainFrame()->MDINext();
  EXPECT_EQ(::GetMenu(frame->m_hWnd), s.app.m_pNoteTemplate->m_hMenuShared);
  s.app.CloseAllDocuments(FALSE);
  robot.pumpUntilIdle();
  EXPECT_EQ(::GetMenu(frame->m_hWnd), own) << "the frame's own menu comes back";
  EXPECT_TRUE(::IsMenu(s.app.m_pNoteTemplate->m_hMenuShared)) << "the shared menu outlives the children";
}

TEST_F(FramesTest, TheStatusLineShowsTheMenuItemsPrompt) {
  StartedApp s;
  CMainFrame* frame = s.MainFrame();
  // The status bar's message pane shows the messages.
  HWND status = frame->m_wndStatusBar.m_hWnd;
  ASSERT_EQ(::GetDlgItem(frame->m_hWnd, AFX_IDW_STATUS_BAR), status);
  robot.pumpUntilIdle();
  EXPECT_EQ(Window(status).text(), "Ready") << "the idle message after creation";
  HMENU hMenu = ::GetMenu(frame->m_hWnd);
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW, MF_STRING), reinterpret_cast<LPARAM>(hMenu));
  EXPECT_EQ(Window(status).text(), "Makes a new note") << "up to the newline";
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), reinterpret_cast<LPARAM>(hMenu));
  EXPECT_EQ(Window(status).text(), "");
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(Window(status).text(), "Ready");
  frame->SetMessageText("Working");
  EXPECT_EQ(Window(status).text(), "Working");
  // A prompt asked for while busy is shown at the next idle time.
  frame->m_nIDTracking = ID_NOTE_STAMP;
  frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  EXPECT_EQ(Window(status).text(), "Adds a stamp to the note");
}

TEST_F(FramesTest, TheChildsKeysAreTranslatedForTheFrame) {
  StartedApp s;
  CNoteDoc* doc = s.NewNote();
  CView* view = s.ActiveChild()->GetActiveView();
  ASSERT_NE(view, nullptr);
  robot.press(VK_CONTROL);
  MSG msg{view->m_hWnd, WM_KEYDOWN, 'T', 0, 0, {}};
  EXPECT_TRUE(s.app.PreTranslateMessage(&msg));
  robot.release(VK_CONTROL);
  EXPECT_EQ(doc->m_stamps, 1);
}

TEST_F(FramesTest, ClosingTheMainFrameAsksEveryDocumentFirst) {
  StartedApp s;
  CNoteDoc* first = s.NewNote();
  CNoteDoc* second = s.NewNote();
  first->SetModifiedFlag();
  second->SetModifiedFlag();
  // Cancel for the first: nothing closes.
  robot.onMessageBox("Frames Test", IDCANCEL);
  s.MainFrame()->SendMessage(WM_CLOSE);
  ASSERT_NE(s.app.m_pMainWnd, nullptr);
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 2);
  // No for both: everything goes and the program ends.
  robot.onMessageBox("Frames Test", IDNO).times(2);
  s.MainFrame()->SendMessage(WM_CLOSE);
  EXPECT_EQ(s.app.m_pMainWnd, nullptr);
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 0);
  MSG msg;
  EXPECT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace

namespace {

TEST_F(FramesTest, AModalStateDisablesTheFrameAndTheWindowsItOwns) {
  StartedApp s;
  CMainFrame* frame = s.MainFrame();
  HWND palette = ::CreateWindowEx(0, "STATIC", "Palette", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, frame->m_hWnd, nullptr,
                                  nullptr, nullptr);
  HWND asleep = ::CreateWindowEx(0, "STATIC", "Asleep", WS_POPUP | WS_DISABLED, 0, 0, 50, 50, frame->m_hWnd, nullptr,
                                 nullptr, nullptr);
  frame->BeginModalState();
  frame->BeginModalState();
  EXPECT_TRUE(frame->InModalState());
  EXPECT_FALSE(frame->IsWindowEnabled());
  EXPECT_FALSE(::IsWindowEnabled(palette));
  frame->EndModalState();
  EXPECT_FALSE(frame->IsWindowEnabled()) << "nested: still modal";
  frame->EndModalState();
  EXPECT_FALSE(frame->InModalState());
  EXPECT_TRUE(frame->IsWindowEnabled());
  EXPECT_TRUE(::IsWindowEnabled(palette));
  EXPECT_FALSE(::IsWindowEnabled(asleep)) << "what was disabled before stays so";
  frame->EndModalState();
  EXPECT_TRUE(frame->IsWindowEnabled()) << "an unmatched end changes nothing";
}

}  // namespace

namespace {

TEST_F(FramesTest, ClickingAViewActivatesItsChildAndView) {
  StartedApp s;
  CNoteDoc* first = s.NewNote();
  CMDIChildWnd* firstChild = s.ActiveChild();
  s.NewNote();
  s.MainFrame()->MDITile(MDITILE_HORIZONTAL);
  robot.pumpUntilIdle();
  ASSERT_NE(s.ActiveChild(), firstChild);
  auto* view = static_cast<CNoteView*>(firstChild->GetActiveView());
  const int activations = view->m_activations;
  robot.click(Window(view->m_hWnd));
  EXPECT_EQ(s.ActiveChild(), firstChild);
  EXPECT_EQ(s.MainFrame()->GetActiveDocument(), first);
  EXPECT_GT(view->m_activations, activations);
  EXPECT_EQ(robot.focused(), Window(view->m_hWnd));
  EXPECT_EQ(TextOf(s.MainFrame()), "Note1 - Frames Test");
}

}  // namespace

namespace {

TEST_F(FramesTest, AChildFrameTakesTheSizeItsClassAsksFor) {
  StartedApp s;
  CChildFrame::s_size = CSize(300, 200);
  s.NewNote();
  CRect rect;
  s.ActiveChild()->GetWindowRect(&rect);
  EXPECT_EQ(rect.Size(), CSize(300, 200));
  EXPECT_TRUE(s.ActiveChild()->GetStyle() & WS_CHILD);
  EXPECT_TRUE(s.ActiveChild()->GetStyle() & FWS_ADDTOTITLE);
}

}  // namespace
