// The questions a definition window asks when it closes: every answer of
// both questions for a new, a server and a file definition, the
// remembered answers of Close All, what a revert does in each state, and
// the end of the windows when the server is lost.
#include <DravonTestHooks.h>

#include <string>

#include "orvex_fixture.h"

namespace orvex_test {
namespace {

constexpr int kYesToServer = 14;
constexpr int kYesToFile = 15;
constexpr const char* kSaveDialog = "Save Business Object to File";
constexpr const char* kNeverSaved = "This definition was never saved. Do you want to save changes?";
constexpr const char* kSavedToFile = "This definition was saved to a file. Do you want to save it to the server?";
constexpr const char* kApplyNeverSaved = "Apply this action to all definitions that were never saved.";

class CloseTest : public OrvexTest {
 protected:
  // Answers the close question with the text: the button (and the box ticked first).
  void AnswerQuestion(const std::string& caption, const std::string& text, int button, bool tick = false) {
    robot.onDialog(caption, [text, button, tick](Robot& r, Window box) {
      const std::vector<std::string> texts = r.texts(box);
      EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << "the question is " << text;
      if (tick) r.click(box.childByText(kApplyNeverSaved));
      r.click(box.child(kButtonBase + button));
    });
  }
  void NewDefinition(const std::string& name) {
    AnswerNewDialog(name);
    robot.chooseMenu({"&File", "&New..."});
  }
  // A new definition that passes the validation: it has a key.
  void NewSavableDefinition(const std::string& name) {
    NewDefinition(name);
    CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO(name.c_str(), 0, 0);
    ASSERT_NE(pDef, nullptr);
    auto* pKey = new CBODefAttr(1, "Id", "String");
    pKey->SetKey(TRUE);
    pDef->GetAttrs().Add(pKey);
  }
  // Closes the definition's window with the File menu's Close.
  void Close(const std::string& name) {
    CChildFrame* pFrame = FrameOf(name);
    ASSERT_NE(pFrame, nullptr) << name;
    pFrame->MDIActivate();
    robot.chooseMenu({"&File", "&Close"});
  }
  bool IsOpen(const std::string& name) { return FrameOf(name) != nullptr; }
  std::string Path(const std::string& file) { return folder_ / file; }
};

TEST_F(CloseTest, ANewDefinitionSavedToAFileClosesAndACancelledSaveKeepsItOpen) {
  RunScript(Login(), [&] {
    NewDefinition("Draft");
    AnswerQuestion("Save", kNeverSaved, kYesToFile);
    CancelFileDialog(kSaveDialog);
    Close("Draft");
    EXPECT_TRUE(IsOpen("Draft")) << "nothing was saved: the window stays";
    EXPECT_EQ(StatusText(0), "Export failed/cancelled.");

    AnswerQuestion("Save", kNeverSaved, kYesToFile);
    AnswerFileDialog(kSaveDialog, Path("Draft.txt"));
    Close("Draft");
    EXPECT_FALSE(IsOpen("Draft")) << "saved: the window closes";
    const std::string text = ReadFile(Path("Draft.txt"));
    EXPECT_TRUE(text.rfind("[Pellisk]\r\nVersion = 3.0.0\r\n[End]\r\n", 0) == 0) << text;
    EXPECT_TRUE(Contains(text, "Name = Draft\r\n")) << text;
    EXPECT_TRUE(Contains(Results(), "Succeeded saving \"Draft\" to file"));
    const CQRBusObjDef* pDraft = CDataManager::InitInstance()->GetBO("Draft", 0, 0);
    ASSERT_NE(pDraft, nullptr) << "the session keeps the definition";
    EXPECT_EQ(pDraft->GetState() & (HvStateNew | HvStateWrittenToFile), HvStateWrittenToFile);
  });
}

TEST_F(CloseTest, YesToServerSavesAndClosesAndAFailedSaveOffersAFileInstead) {
  RunScript(Login(), [&] {
    NewSavableDefinition("Draft");
    AnswerQuestion("Save", kNeverSaved, kYesToServer);
    Close("Draft");
    EXPECT_FALSE(IsOpen("Draft"));

    NewSavableDefinition("Refused");
    dravon::test::RefuseSave(true);
    // A failed save with the file declined keeps the window.
    AnswerQuestion("Save", kNeverSaved, kYesToServer);
    std::string offer;
    robot.onDialog("Failed to save to the server", [&](Robot& r, Window box) {
      offer = r.texts(box).empty() ? "" : r.texts(box).front();
      for (const std::string& text : r.texts(box)) {
        if (Contains(text, "could not be saved")) offer = text;
      }
      r.click(box.child(IDNO));
    });
    Close("Refused");
    EXPECT_EQ(offer,
              "Business object \"Refused\" could not be saved to the server. Would you like to save it to a file "
              "instead?");
    EXPECT_TRUE(IsOpen("Refused"));
    EXPECT_TRUE(Contains(Results(), "Save cannot be completed for Refused"));

    // Accepted, the file save closes it.
    AnswerQuestion("Save", kNeverSaved, kYesToServer);
    robot.onMessageBox("Failed to save to the server", IDYES);
    AnswerFileDialog(kSaveDialog, Path("Refused.txt"));
    Close("Refused");
    EXPECT_FALSE(IsOpen("Refused"));
    EXPECT_TRUE(Contains(ReadFile(Path("Refused.txt")), "Name = Refused\r\n"));
    dravon::test::RefuseSave(false);
  });
  EXPECT_TRUE(OnServer("Draft").exists);
  EXPECT_FALSE(OnServer("Refused").exists);
}

TEST_F(CloseTest, CancelAndAnUnansweredBoxKeepTheWindowAndNoThrowsANewOneAway) {
  RunScript(Login(), [&] {
    App().m_pPreferences->m_nDoDelBODef = 1;  // the delete of a new one asks nothing more
    NewDefinition("Draft");
    AnswerQuestion("Save", kNeverSaved, IDCANCEL);
    Close("Draft");
    EXPECT_TRUE(IsOpen("Draft"));
    // A box that ends without an answer counts as Cancel.
    robot.onDialog("Save", [](Robot&, Window box) { ::EndDialog(box.hwnd(), 0); });
    Close("Draft");
    EXPECT_TRUE(IsOpen("Draft"));
    AnswerQuestion("Save", kNeverSaved, IDNO);
    Close("Draft");
    EXPECT_FALSE(IsOpen("Draft"));
    CDataManager* pDM = CDataManager::InitInstance();
    EXPECT_EQ(pDM->GetBO("Draft", 0, 0), nullptr) << "No throws the new definition away";
    EXPECT_EQ(pDM->RefreshBONames(0)->Find("Draft"), nullptr);
  });
}

TEST_F(CloseTest, AChangedServerDefinitionIsRevertedOrSaved) {
  PutOnServer("Customer", {"Id:String"});
  PutOnServer("Order", {"Id:String"});
  std::vector<std::string> args = Login();
  args.push_back("-oCustomer");
  RunScript(args, [&] {
    OpenFromMenu({"Order"});
    CDataManager* pDM = CDataManager::InitInstance();
    for (const char* name : {"Customer", "Order"}) {
      CQRBusObjDef* pDef = pDM->GetBO(name, 0, 0);
      pDef->GetAttrs().Add(new CBODefAttr(2, "Extra", "String"));
      pDef->AddState(HvStateModified);
    }
    AnswerQuestion("Save", kNeverSaved, IDNO);
    Close("Customer");
    EXPECT_FALSE(IsOpen("Customer"));
    EXPECT_EQ(Content(pDM->GetBO("Customer", 0, 0)).attributes, std::vector<std::string>{"Id:String"})
        << "No puts the server's copy back";

    AnswerQuestion("Save", kNeverSaved, kYesToServer);
    Close("Order");
    EXPECT_FALSE(IsOpen("Order"));
  });
  EXPECT_EQ(OnServer("Customer").attributes, std::vector<std::string>{"Id:String"});
  EXPECT_EQ(OnServer("Order").attributes, (std::vector<std::string>{"Id:String", "Extra:String"}));
}

TEST_F(CloseTest, ADefinitionSavedToAFileIsAskedAboutTheServerAndAChangedOneGoesBackToItsFile) {
  RunScript(Login(), [&] {
    NewDefinition("Draft");
    CDataManager* pDM = CDataManager::InitInstance();
    CQRBusObjDef* pDraft = pDM->GetBO("Draft", 0, 0);
    auto* pKey = new CBODefAttr(1, "Id", "String");
    pKey->SetKey(TRUE);
    pDraft->GetAttrs().Add(pKey);
    AnswerFileDialog(kSaveDialog, Path("Draft.txt"));
    robot.chooseMenu({"&File", "Save To File"});
    EXPECT_EQ(StatusText(0), "Exported to file " + Path("Draft.txt"));

    // Changed since: the first question; No reads the file again.
    pDraft->GetAttrs().Add(new CBODefAttr(2, "Extra", "String"));
    pDraft->AddState(HvStateModified);
    pDraft->RemoveState(HvStateWrittenToFile);
    AnswerQuestion("Save", kNeverSaved, IDNO);
    Close("Draft");
    EXPECT_FALSE(IsOpen("Draft"));
    ASSERT_EQ(pDM->GetBO("Draft", 0, 0), pDraft);
    EXPECT_EQ(Content(pDraft).attributes, std::vector<std::string>{"Id:String"}) << "as in the file";
    EXPECT_EQ(pDraft->GetState() & HvStateModified, 0);

    // Written to the file and not changed since: the second question.
    App().OpenBODefWindow(pDraft);
    dravon::test::RefuseSave(true);
    AnswerQuestion("Save", kSavedToFile, IDYES);
    Close("Draft");
    EXPECT_TRUE(IsOpen("Draft")) << "a failed save keeps the window";
    dravon::test::RefuseSave(false);
    AnswerQuestion("Save", kSavedToFile, IDCANCEL);
    Close("Draft");
    EXPECT_TRUE(IsOpen("Draft"));
    AnswerQuestion("Save", kSavedToFile, IDYES);
    Close("Draft");
    EXPECT_FALSE(IsOpen("Draft"));
  });
  EXPECT_EQ(OnServer("Draft").attributes, std::vector<std::string>{"Id:String"});
}

TEST_F(CloseTest, CloseAllGivesTheTickedFileAnswerToTheRestAndAFailedSaveStopsIt) {
  RunScript(Login(), [&] {
    for (const char* name : {"First", "Second", "Third"}) NewDefinition(name);
    AnswerQuestion("Save Business Object \"First\"", kNeverSaved, kYesToFile, true);
    AnswerFileDialog(kSaveDialog, Path("First.txt"));
    CancelFileDialog(kSaveDialog);
    robot.chooseMenu({"&Window", "Close All"});
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"Second", "Third"}))
        << "the second got the ticked answer without a box; its cancelled save stopped the rest";
    EXPECT_TRUE(Contains(ReadFile(Path("First.txt")), "Name = First\r\n"));

    // The stop forgot the answer: the next Close All asks again.
    AnswerQuestion("Save Business Object \"Second\"", kNeverSaved, kYesToFile, true);
    AnswerFileDialog(kSaveDialog, Path("Second.txt"));
    AnswerFileDialog(kSaveDialog, Path("Third.txt"));
    robot.chooseMenu({"&Window", "Close All"});
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_TRUE(Contains(ReadFile(Path("Third.txt")), "Name = Third\r\n"));
  });
}

TEST_F(CloseTest, ARevertLeavesAloneWhatAnotherWindowShows) {
  PutOnServer("Address", {"Id:String"});
  PutOnServer("Customer", {"Id:String"});
  PutOnServer("Order", {"Id:String", "Buyer:Customer", "ShipTo:Address"});
  std::vector<std::string> args = Login();
  args.push_back("-oOrder");
  RunScript(args, [&] {
    OpenFromMenu({"Customer"});
    CDataManager* pDM = CDataManager::InitInstance();
    for (const char* name : {"Address", "Customer", "Order"}) {
      CQRBusObjDef* pDef = pDM->GetBO(name, 0, 1);
      pDef->GetAttrs().Add(new CBODefAttr(9, "Extra", "String"));
      pDef->AddState(HvStateModified);
    }
    AnswerQuestion("Save", kNeverSaved, IDNO);
    Close("Order");
    EXPECT_EQ(Content(pDM->GetBO("Order", 0, 0)).attributes.size(), 3u) << "reverted";
    EXPECT_EQ(Content(pDM->GetBO("Address", 0, 0)).attributes, std::vector<std::string>{"Id:String"})
        << "a definition it uses, shown nowhere, is reverted with it";
    EXPECT_EQ(Content(pDM->GetBO("Customer", 0, 0)).attributes, (std::vector<std::string>{"Id:String", "Extra:String"}))
        << "the one another window shows keeps its changes";
    EXPECT_NE(pDM->GetBO("Customer", 0, 0)->GetState() & HvStateModified, 0);
    pDM->GetBO("Customer", 0, 0)->RemoveState(HvStateModified);
  });
}

class ServerLossTest : public CloseTest {
 protected:
  void LoseServer() {
    for (const char* suffix : {".db", ".db-wal", ".db-shm"})
      std::filesystem::remove(folder_ / ("servers/" + std::string(kServer) + suffix));
    robot.advance(1000);
  }
};

TEST_F(ServerLossTest, ChangedWindowsAreOfferedAFileAndTheSaveMayReplaceTheWindow) {
  RunScript(Login(), [&] {
    App().m_pPreferences->m_nDoDelBODef = 1;  // the replaced new one goes without a question
    for (const char* name : {"First", "Second"}) NewDefinition(name);
    robot.onMessageBox("Orvex", IDOK);
    int questions = 0;
    robot
        .onDialog("Save",
                  [&](Robot& r, Window box) {
                    ++questions;
                    // A second notice about the same window inside its question does
                    // not wait on the window's own lock, nor close it twice.
                    CChildFrame* pFirst = FrameOf("First");
                    if (pFirst != nullptr) {
                      EXPECT_TRUE(pFirst->CloseAfterServerLoss());
                    }
                    EXPECT_TRUE(box.exists());
                    r.click(box.child(IDYES));
                  })
        .times(2);
    // The first is saved under another name: its own save ends its window.
    AnswerFileDialog(kSaveDialog, Path("Renamed.txt"));
    AnswerFileDialog(kSaveDialog, Path("Second.txt"));
    LoseServer();
    EXPECT_EQ(questions, 2);
    EXPECT_FALSE(App().IsConnected());
    EXPECT_FALSE(IsOpen("First"));
    EXPECT_FALSE(IsOpen("Second"));
    EXPECT_TRUE(IsOpen("Renamed")) << "the copy's window came after the windows were counted";
    EXPECT_TRUE(Contains(ReadFile(Path("Renamed.txt")), "Name = Renamed\r\n"));
    EXPECT_TRUE(Contains(ReadFile(Path("Second.txt")), "Name = Second\r\n"));
  });
}

}  // namespace
}  // namespace orvex_test
