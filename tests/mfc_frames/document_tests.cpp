// Documents and templates: numbering, opening an open file, the archive
// round trip, failed saves and loads, single-document reuse.
#include <filesystem>

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

TEST_F(FramesTest, ADocumentInADeepFolderKeepsItsWholePath) {
  StartedApp s;
  const std::string folder = PathOf(std::string(100, 'a')) + "/" + std::string(100, 'b') + "/" + std::string(100, 'c');
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/deep.note";
  ASSERT_GT(path.size(), static_cast<size_t>(MAX_PATH));
  CNoteDoc* doc = s.NewNote();
  doc->m_text = "deep";
  ASSERT_TRUE(doc->DoSave(path.c_str()));
  EXPECT_EQ(std::string(doc->GetPathName()), path);
  EXPECT_EQ(doc->GetTitle(), "deep.note");
  doc->OnCloseDocument();

  auto* opened = static_cast<CNoteDoc*>(s.app.OpenDocumentFile(path.c_str()));
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(std::string(opened->m_text), "deep");
  EXPECT_EQ(std::string(opened->GetPathName()), path);
  EXPECT_EQ(s.app.OpenDocumentFile(path.c_str()), opened) << "found open by its whole path";
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

  // A read-only file is not replaced either.
  std::filesystem::remove(path + ".~sav");
  ::SetFileAttributes(path.c_str(), FILE_ATTRIBUTE_READONLY);
  robot.onMessageBox("Frames Test", IDOK);
  EXPECT_FALSE(doc->DoSave(path.c_str()));
  EXPECT_EQ(Contents(path), before);
}

TEST_F(FramesTest, ASaveKeepsTheFilesPermissionsAndLinks) {
  namespace fs = std::filesystem;
  StartedApp s;
  CNoteDoc* doc = s.NewNote();
  const std::string path = PathOf("private.note");
  doc->m_text = "first";
  ASSERT_TRUE(doc->OnSaveDocument(path.c_str()));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  doc->m_text = "second";
  ASSERT_TRUE(doc->OnSaveDocument(path.c_str()));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write)
      << "a private file stays private";

  // Saved through a link, the file it names is replaced and the link stays.
  const std::string link = PathOf("link.note");
  fs::create_symlink(path, link);
  const std::string before = Contents(path);
  doc->m_text = "third, a longer text";
  ASSERT_TRUE(doc->OnSaveDocument(link.c_str()));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_NE(Contents(path), before);
  EXPECT_EQ(Contents(link), Contents(path));
}

// One document in the main frame, reused by File New.
class CSdiApp : public CWinApp {
 public:
  CSdiApp() : CWinApp("Frames Test") {}
  CSingleDocTemplate* m_pTemplate = nullptr;
  BOOL InitInstance() override {
    m_pTemplate = new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CFrameWnd),
                                         RUNTIME_CLASS(CNoteView));
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

namespace {

using halvane::test::Robot;

TEST_F(FramesTest, TheRecentFileListReopensFilesAndForgetsMissingOnes) {
  StartedApp s;
  CNoteDoc* doc = s.NewNote();
  doc->m_text = "kept";
  const std::string path = PathOf("recent.note");
  ASSERT_TRUE(doc->DoSave(path.c_str()));
  doc->OnCloseDocument();
  ASSERT_EQ(s.app.GetOpenDocumentCount(), 0);
  s.Command(ID_FILE_MRU_FILE1);
  ASSERT_EQ(s.app.GetOpenDocumentCount(), 1);
  EXPECT_EQ(std::string(static_cast<CNoteDoc*>(s.MainFrame()->GetActiveDocument())->m_text), "kept");
  s.app.CloseAllDocuments(FALSE);

  std::filesystem::remove(path);
  robot.onMessageBox("Frames Test", IDOK);
  s.Command(ID_FILE_MRU_FILE1);
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 0);
  EXPECT_TRUE((*s.app.m_pRecentFileList)[0].IsEmpty()) << "a file that is gone leaves the list";
}

TEST_F(FramesTest, CancellingTheSaveAsDialogKeepsTheProgramOpen) {
  StartedApp s;
  CNoteDoc* doc = s.NewNote();
  doc->SetModifiedFlag();
  robot.onMessageBox("Frames Test", IDYES);
  robot.onDialog("Save As", [](Robot& r, halvane::test::Window dlg) { r.click(dlg.child(IDCANCEL)); });
  s.Command(ID_APP_EXIT);
  ASSERT_NE(s.app.m_pMainWnd, nullptr);
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 1);
  EXPECT_TRUE(doc->IsModified());
}

}  // namespace

namespace {

TEST_F(FramesTest, AProgramCanMakeTheDocumentAndFrameStepByStep) {
  StartedApp s;
  CDocTemplate* pTemplate = s.app.m_pNoteTemplate;
  auto* doc = static_cast<CNoteDoc*>(pTemplate->CreateNewDocument());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetDocTemplate(), pTemplate);
  CFrameWnd* frame = pTemplate->CreateNewFrame(doc, nullptr);
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(frame->IsWindowVisible()) << "shown by the first update";
  EXPECT_EQ(TextOf(s.MainFrame()), "Frames Test") << "no title yet: nothing added";
  doc->SetTitle("Customer");
  pTemplate->InitialUpdateFrame(frame, doc, TRUE);
  EXPECT_TRUE(frame->IsWindowVisible());
  EXPECT_EQ(s.ActiveChild(), frame);
  auto* view = static_cast<CNoteView*>(frame->GetActiveView());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->GetDocument(), doc);
  EXPECT_EQ(view->m_initialUpdates, 1);
  EXPECT_EQ(TextOf(frame), "Customer");
  EXPECT_EQ(TextOf(s.MainFrame()), "Customer - Frames Test");

  // Views hear of changes made through another view, not the sender.
  doc->UpdateAllViews(nullptr);
  EXPECT_EQ(view->m_updates, 2);
  doc->UpdateAllViews(view);
  EXPECT_EQ(view->m_updates, 2);
  POSITION pos = doc->GetFirstViewPosition();
  EXPECT_EQ(doc->GetNextView(pos), view);
  EXPECT_EQ(pos, nullptr);
}

}  // namespace

namespace {

TEST_F(FramesTest, FileNewOffersTheKindsOfDocumentWhenThereAreSeveral) {
  StartedApp s;
  // Forms have no name for new documents: File New leaves them out.
  s.app.AddDocTemplate(new CMultiDocTemplate(IDR_SKETCHTYPE, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CChildFrame),
                                             RUNTIME_CLASS(CNoteView)));
  std::vector<std::string> kinds;
  robot.onDialog("New", [&](halvane::test::Robot& r, Window dlg) {
    kinds = dlg.child(AFX_IDC_LISTBOX).listItems();
    r.click(dlg.child(IDCANCEL));
  });
  s.Command(ID_FILE_NEW);
  EXPECT_EQ(kinds, (std::vector<std::string>{"Note", "Sketch"}));
  EXPECT_EQ(s.app.GetOpenDocumentCount(), 0) << "cancelled";

  robot.onDialog("New", [](halvane::test::Robot& r, Window dlg) {
    r.select(dlg.child(AFX_IDC_LISTBOX), "Sketch");
    r.click(dlg.child(IDOK));
  });
  s.Command(ID_FILE_NEW);
  ASSERT_EQ(s.app.GetOpenDocumentCount(), 1);
  EXPECT_EQ(s.MainFrame()->GetActiveDocument()->GetTitle(), "Sketch1");
  robot.onDialog("New", [](halvane::test::Robot& r, Window dlg) { r.doubleClick(dlg.child(AFX_IDC_LISTBOX)); });
  s.Command(ID_FILE_NEW);
  EXPECT_EQ(s.MainFrame()->GetActiveDocument()->GetTitle(), "Note1") << "a double click takes the item";
}

}  // namespace
