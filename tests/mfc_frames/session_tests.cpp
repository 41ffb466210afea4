// The test program run in-process through its own message pump: three
// notes, a command to the active view, menu state, the save prompt and the
// exit, driven by the robot from the first idle time.
#include "frames_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

// Answers the save prompt with `button` after reading its text.
void AnswerSavePrompt(Robot& robot, int button, std::string* prompt) {
  robot.onDialog("Frames Test", [button, prompt](Robot& r, Window box) {
    for (const std::string& text : r.texts(box))
      if (text.rfind("Save changes", 0) == 0) *prompt = text;
    r.click(box.child(button));
  });
}

TEST_F(FramesTest, AnMdiSessionFromStartToExit) {
  CFramesApp app;
  bool ran = false;
  app.m_script = [&] {
    ran = true;
    Window main = robot.topLevel("Frames Test");
    ASSERT_TRUE(main);
    for (int i = 0; i < 3; ++i) robot.chooseMenu({"&File", "&New"});
    ASSERT_EQ(app.GetOpenDocumentCount(), 3);
    auto* frame = static_cast<CMainFrame*>(app.m_pMainWnd);
    CMDIChildWnd* third = frame->MDIGetActive();
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(Window(third->m_hWnd).text(), "Note3");
    EXPECT_EQ(main.text(), "Note3 - Frames Test");

    // The menu is the note template's while a note is active; its command
    // reaches the active view.
    robot.chooseMenu({"&Note", "&Stamp"});
    auto* doc3 = static_cast<CNoteDoc*>(third->GetActiveDocument());
    EXPECT_EQ(doc3->m_stamps, 1);
    EXPECT_TRUE(doc3->IsModified());

    // Menu state comes from the handlers when the popup opens.
    robot.chooseMenu({"&Note", "&Touched"});
    EXPECT_FALSE(robot.tryChooseMenu({"&Note", "&Unhandled"})) << "no handler: greyed";
    HMENU noteMenu = ::GetSubMenu(::GetMenu(main.hwnd()), 1);
    EXPECT_EQ(::GetMenuState(noteMenu, ID_NOTE_TOUCH, MF_BYCOMMAND) & MF_CHECKED, UINT(MF_CHECKED));
    EXPECT_TRUE(::GetMenuState(noteMenu, ID_NOTE_STAMP, MF_BYCOMMAND) == MF_ENABLED);

    // The toolbar's buttons follow the same handlers at idle, and a click
    // on one reaches the active view.
    app.OnIdle(0);
    CToolBar& bar = frame->m_wndToolBar;
    EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONCHECKED, ID_NOTE_TOUCH));
    EXPECT_FALSE(bar.SendMessage(TB_ISBUTTONENABLED, ID_NOTE_UNHANDLED)) << "no handler: greyed";
    EXPECT_TRUE(bar.SendMessage(TB_ISBUTTONENABLED, ID_NOTE_STAMP));
    CRect stamp;
    bar.GetItemRect(bar.CommandToIndex(ID_NOTE_STAMP), &stamp);
    robot.click(Window(bar.m_hWnd), stamp.CenterPoint());
    EXPECT_EQ(doc3->m_stamps, 2);
    EXPECT_EQ(Window(frame->m_wndStatusBar.m_hWnd).text(), "Adds a stamp to the note")
        << "the prompt of the button under the mouse";

    // Closing a changed note asks; Cancel keeps it open and changed.
    std::string prompt;
    AnswerSavePrompt(robot, IDCANCEL, &prompt);
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_EQ(prompt, "Save changes to Note3?");
    EXPECT_EQ(app.GetOpenDocumentCount(), 3);
    EXPECT_TRUE(doc3->IsModified());
    // No closes it without saving.
    AnswerSavePrompt(robot, IDNO, &prompt);
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_EQ(app.GetOpenDocumentCount(), 2);
    EXPECT_EQ(main.text(), "Note2 - Frames Test");

    frame->MDITile(MDITILE_HORIZONTAL);
    robot.pumpUntilIdle();
    app.OnIdle(0);
    robot.snapshot(main, "mdi_two_children");

    // Yes saves under the name given in the Save As dialog.
    robot.chooseMenu({"&Note", "&Stamp"});
    const std::string path = PathOf("second.note");
    robot.onDialog("Save As", [&](Robot& r, Window dlg) {
      Window edit = dlg.child(edt1);
      ::SetWindowText(edit.hwnd(), path.c_str());
      r.click(dlg.child(IDOK));
    });
    AnswerSavePrompt(robot, IDYES, &prompt);
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_EQ(prompt, "Save changes to Note2?");
    EXPECT_EQ(app.GetOpenDocumentCount(), 1);
    EXPECT_FALSE(Contents(path).empty());
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    EXPECT_EQ(std::string((*app.m_pRecentFileList)[0]), path);

    // A modal dialog with data exchange renames the active note.
    robot.onDialog("Rename", [](Robot& r, Window dlg) {
      Window edit = dlg.child(IDC_NEW_NAME);
      EXPECT_EQ(edit.text(), "Note1");
      ::SetWindowText(edit.hwnd(), "");
      r.click(edit);
      r.type("Plan");
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&Note", "&Rename..."});
    EXPECT_EQ(main.text(), "Plan - Frames Test");

    // File Open asks for the file and shows it in a new child.
    robot.onDialog("Open", [&](Robot& r, Window dlg) {
      ::SetWindowText(dlg.child(edt1).hwnd(), path.c_str());
      r.click(dlg.child(IDOK));
    });
    robot.chooseMenu({"&File", "&Open..."});
    EXPECT_EQ(app.GetOpenDocumentCount(), 2);
    EXPECT_EQ(main.text(), "second.note - Frames Test");
    auto* reopened = static_cast<CNoteDoc*>(frame->GetActiveDocument());
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->m_stamps, 1);

    // Exit with the notes unchanged: no prompt, the pump ends.
    robot.chooseMenu({"&File", "E&xit"});
  };
  EXPECT_EQ(AfxRunApplication({"frames"}), 0);
  EXPECT_TRUE(ran);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_TRUE(robot.pendingHandlers().empty());
}

}  // namespace
