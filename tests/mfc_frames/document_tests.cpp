// Documents and templates: numbering, opening an open file, the archive
// round trip, failed saves and loads, single-document reuse.
#include "frames_fixture.h"

namespace {

using halvane::test::Window;

TEST_F(FramesTest, UntitledDocumentsAreNumberedPerTemplate) {
  StartedApp s;
  EXPECT_EQ(s.NewNote()->GetTitle(), "Note1");
  CNoteDoc* second = s.NewNote();
  EXPECT_EQ(second->GetTitle(), "Note2");
  EXPECT_EQ(s.app.m_pFormTemplate->OpenDocumentFile(nullptr)->GetTitle(), "Form1");
  second->OnCloseDocument();
  EXPECT_EQ(s.NewNote()->GetTitle(), "Note3") << "numbers are not reused";

  int notes = 0;
  POSITION pos = s.app.m_pNoteTemplate->GetFirstDocPosition();
  while (pos != nullptr) {
    EXPECT_EQ(s.app.m_pNoteTemplate->GetNextDoc(pos)->GetDocTemplate(), s.app.m_pNoteTemplate);
    ++notes;
  }
  EXPECT_EQ(notes, 2);
  // File New makes the first template's kind.
  s.Command(ID_FILE_NEW);
  EXPECT_EQ(s.ActiveChild()->GetActiveDocument()->GetTitle(), "Note4");

  CString name;
  EXPECT_TRUE(s.app.m_pNoteTemplate->GetDocString(name, CDocTemplate::filterName));
  EXPECT_EQ(std::string(name), "Note Files (*.note)");
  EXPECT_TRUE(s.app.m_pNoteTemplate->GetDocString(name, CDocTemplate::filterExt));
  EXPECT_EQ(std::string(name), ".note");
}

TEST_F(FramesTest, OpeningAFileThatIsOpenActivatesItsWindow) {
  StartedApp s;
  CNoteDoc* doc = s.NewNote();
  const std::string path = PathOf("plan.note");
  ASSERT_TRUE(doc->DoSave(path.c_str()));
  EXPECT_EQ(std::string(doc->GetPathName()), path);
  EXPECT_EQ(doc->GetTitle(), "plan.note");
  CMDIChildWnd* docFrame = s.ActiveChild();
  s.NewNote();
  ASSERT_NE(s.ActiveChild(), docFrame);
  // Another spelling of the same path finds it too.
  const std::string other = PathOf("./plan.note");
  EXPECT_EQ(s.app.OpenDocumentFile(other.c_str()), doc);
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 2);
  EXPECT_EQ(s.ActiveChild(), docFrame);
}

TEST_F(FramesTest, ADocumentRoundTripsThroughItsArchive) {
  StartedApp s;
  CNoteDoc* doc = s.NewNote();
  doc->m_text = "hello";
  doc->m_stamps = 3;
  doc->SetModifiedFlag();
  const std::string path = PathOf("round.note");
  ASSERT_TRUE(doc->DoSave(path.c_str()));
  EXPECT_FALSE(doc->IsModified());
  EXPECT_FALSE(std::filesystem::exists(path + ".~sav"));

  auto* opened = static_cast<CNoteDoc*>(s.app.OpenDocumentFile(PathOf("round.note").c_str()));
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened, doc) << "already open";
  doc->OnCloseDocument();
  opened = static_cast<CNoteDoc*>(s.app.OpenDocumentFile(path.c_str()));
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(std::string(opened->m_text), "hello");
  EXPECT_EQ(opened->m_stamps, 3);
  EXPECT_FALSE(opened->IsModified());
  EXPECT_EQ(opened->GetTitle(), "round.note");
  EXPECT_EQ(TextOf(s.MainFrame()), "round.note - Frames Test");
  ASSERT_NE(s.app.m_pRecentFileList, nullptr);
  EXPECT_EQ(std::string((*s.app.m_pRecentFileList)[0]), path);
}

TEST_F(FramesTest, AFileThatCannotBeReadIsReportedAndLeavesNoWindow) {
  StartedApp s;
  const std::string path = PathOf("broken.note");
  std::ofstream(path) << "x";
  std::string message;
  robot.onDialog("Frames Test", [&](halvane::test::Robot& r, Window box) {
    for (const std::string& text : r.texts(box)) message += text + "|";
    r.key(VK_RETURN);
  });
  EXPECT_EQ(s.app.OpenDocumentFile(path.c_str()), nullptr);
  EXPECT_NE(message.find("broken.note"), std::string::npos) << message;
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 0);
  EXPECT_EQ(s.ActiveChild(), nullptr);
  robot.onMessageBox("Frames Test", IDOK);
  EXPECT_EQ(s.app.OpenDocumentFile(PathOf("missing.note").c_str()), nullptr);
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 0);
}

TEST_F(FramesTest, AFailedSaveKeepsTheFileThatWasThere) {
  StartedApp s;
  CNoteDoc* doc = s.NewNote();
  const std::string path = PathOf("kept.note");
  doc->m_text = "first";
  ASSERT_TRUE(doc->OnSaveDocument(path.c_str()));
  const std::string before = Contents(path);
  // A folder where the temporary file would go: the save cannot start.
  std::filesystem::create_directory(path + ".~sav");
  doc->m_text = "second";
  doc->SetModifiedFlag();
  robot.onMessageBox("Frames Test", IDOK);
  EXPECT_FALSE(doc->OnSaveDocument(path.c_str()));
  EXPECT_EQ(Contents(path), before);
  EXPECT_TRUE(doc->IsModified()) << "the changes are not counted as saved";
}

// One document in the main frame, reused by File New.
class CSdiApp : public CWinApp {
 public:
  CSdiApp() : CWinApp("Frames Test") {}
  CSingleDocTemplate* m_pTemplate = nullptr;
  BOOL InitInstance() override {
    m_pTemplate =
        new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CNoteView));
    AddDocTemplate(m_pTemplate);
    OnFileNew();
    return m_pMainWnd != nullptr;
  }
};

TEST_F(FramesTest, ASingleDocumentTemplateReusesItsDocument) {
  CSdiApp app;
  AfxWinInitArgs({"frames"});
  ASSERT_TRUE(app.InitInstance());
  auto* frame = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
  ASSERT_NE(frame, nullptr);
  auto* doc = static_cast<CNoteDoc*>(frame->GetActiveDocument());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetTitle(), "Untitled");
  EXPECT_EQ(Window(frame->m_hWnd).text(), "Untitled - Frames Test");
  EXPECT_TRUE(frame->IsWindowVisible());
  // A changed document is asked about before it is reused.
  doc->SetModifiedFlag();
  robot.onMessageBox("Frames Test", IDCANCEL);
  EXPECT_EQ(app.m_pTemplate->OpenDocumentFile(nullptr), nullptr);
  EXPECT_EQ(doc->m_newCalls, 1);
  robot.onMessageBox("Frames Test", IDNO);
  EXPECT_EQ(app.m_pTemplate->OpenDocumentFile(nullptr), doc);
  EXPECT_EQ(doc->m_newCalls, 2);
  EXPECT_EQ(app.GetOpenDocumentCount(), 1);
  EXPECT_EQ(app.m_pMainWnd, frame);
  AfxWinTerm();
}

}  // namespace
