// The main frame's own parts: the results pane's lines, Disconnect,
// Refresh and Close All over the definition windows, the program's
// clipboard object, the wizard list, and the picture of the frame.
#include <Constants.h>

#include <string>

#include "message_recorder.h"
#include "orvex_fixture.h"

namespace orvex_test {
namespace {

using halvane::test::MessageRecorder;

using FrameTest = OrvexTest;

TEST_F(FrameTest, LinesAreAppendedWithoutSettingTheWholeText) {
  RunScript({"-x"}, [&] {
    CResultsView& results = Frame().GetResultsView();
    MessageRecorder recorder(Window(results.GetEdit().GetSafeHwnd()));
    results.AddLine("Saved");
    results.AddLine("Saved\r\n");
    results.AddLine("Saved\r");
    results.AddLine("");
    EXPECT_FALSE(recorder.contains(WM_SETTEXT)) << "the shown text is left as it is";
    EXPECT_FALSE(recorder.contains(WM_GETTEXT));
    EXPECT_EQ(Results(), "Saved\r\nSaved\r\nSaved\r\n\r\n");
    results.ClearText();
    EXPECT_EQ(Results(), "");
    // The modes: 1 clears before each line, 2 keeps that, 0 stops it.
    Frame().AppendResult("one", 1);
    Frame().AppendResult("two", 2);
    EXPECT_EQ(Results(), "two\r\n");
    Frame().AppendResult("three", 0);
    Frame().AppendResult("four", 2);
    EXPECT_EQ(Results(), "two\r\nthree\r\nfour\r\n");
    // Appending shows a hidden pane.
    Frame().ShowControlBar(&results, FALSE, FALSE);
    Frame().AppendResult("five", 2);
    EXPECT_TRUE(results.IsWindowVisible());
  });
}

TEST_F(FrameTest, TheMainFrameWithResults) {
  PutOnServer("Customer", {"Id:String"});
  std::vector<std::string> args = Login();
  args.push_back("-oCustomer");
  Run(args, [&] {
    Frame().SetWindowPos(nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
    Frame().AppendResult("Validating...", 2);
    Frame().AppendResult("Save completed for Customer", 2);
    robot.pumpUntilIdle();
    App().OnIdle(0);
    robot.snapshot(FrameWindow(), "main_frame");
  });
}

TEST_F(FrameTest, DisconnectAsksOnlyAboutServerDefinitionsAndClosesThem) {
  RunWithCustomerAndDraft([&] {
    CQRBusObjDef* pCustomer = CDataManager::InitInstance()->GetBO("Customer", 0, 0);
    pCustomer->GetAttrs().Add(new CBODefAttr(2, "Extra", "String"));
    pCustomer->AddState(HvStateModified);
    std::string caption;
    robot.onDialog("Save Business Object \"Customer\"", [&](Robot& r, Window box) {
      caption = box.text();
      EXPECT_TRUE(box.childByText("Apply this action to all definitions that were never saved.").exists());
      r.click(box.child(kButtonBase + IDNO));
    });
    robot.chooseMenu({"&Server", "&Disconnect"});
    EXPECT_FALSE(caption.empty()) << "two windows: the apply-to-all question";
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Draft"}) << "the local one stays, unasked";
    EXPECT_FALSE(App().IsConnected());
    COrvexDoc* pDraft = COrvexDoc::FindByName("Draft");
    ASSERT_NE(pDraft, nullptr);
    EXPECT_EQ(CDataManager::InitInstance()->GetBO("Draft", 0, 0), pDraft->m_pBODef) << "kept, not freed";
  });
  EXPECT_EQ(OnServer("Customer").attributes, std::vector<std::string>{"Id:String"}) << "No saved nothing";
}

TEST_F(FrameTest, RefreshAsksButLeavesEveryWindowOpen) {
  PutOnServer("Customer", {"Id:String"});
  std::vector<std::string> args = Login();
  args.push_back("-oCustomer");
  RunScript(args, [&] {
    CDataManager* pDM = CDataManager::InitInstance();
    CQRBusObjDef* pCustomer = pDM->GetBO("Customer", 0, 0);
    pCustomer->GetAttrs().Add(new CBODefAttr(2, "Extra", "String"));
    pCustomer->AddState(HvStateModified);
    robot.onMessageBox("Save", kButtonBase + IDNO);
    robot.chooseMenu({"&Server", "&Refresh"});
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"});
    COrvexDoc* pDoc = COrvexDoc::FindByName("Customer");
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(pDoc->m_pBODef, pCustomer) << "the window's definition is not freed under it";
    EXPECT_EQ(Content(pCustomer).attributes, std::vector<std::string>{"Id:String"}) << "No reverts it";
    EXPECT_EQ(pCustomer->GetState() & HvStateModified, 0);
  });
}

TEST_F(FrameTest, CloseAllGivesTheTickedAnswerToTheRestAndCancelStops) {
  AnswerNewDialog("First");
  RunScript({"-n"}, [&] {
    App().m_pPreferences->m_nDoDelBODef = 1;  // reverting a new one deletes it: no question for that
    for (const char* name : {"Second", "Third"}) {
      AnswerNewDialog(name);
      robot.chooseMenu({"&File", "&New..."});
    }
    ASSERT_EQ(OpenTitles().size(), 3u);
    // Cancel on the first question keeps every window.
    robot.onMessageBox("Save Business Object \"First\"", kButtonBase + IDCANCEL);
    robot.chooseMenu({"&Window", "Close All"});
    EXPECT_EQ(OpenTitles().size(), 3u);
    // No with the box ticked answers the others too.
    robot.onDialog("Save Business Object \"First\"", [](Robot& r, Window box) {
      r.click(box.childByText("Apply this action to all definitions that were never saved."));
      r.click(box.child(kButtonBase + IDNO));
    });
    robot.chooseMenu({"&Window", "Close All"});
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_TRUE(CDataManager::InitInstance()->GetBODefs(1)->IsEmpty()) << "the new ones were thrown away";
  });
}

class CCountedDef : public CQRBusObjDef {
 public:
  explicit CCountedDef(int* deletions) : CQRBusObjDef("", nullptr, HvStateNew), m_pDeletions(deletions) {}
  ~CCountedDef() override { ++*m_pDeletions; }

 private:
  int* m_pDeletions;
};

void PutOnClipboard(HWND owner, CQRObj& object, bool foreign) {
  HGLOBAL block = object.PrepareClipboardData(QR_CLIPBOARD_BODEF);
  ASSERT_NE(block, nullptr);
  if (foreign) {
    auto* data = static_cast<QRClipboardBlock*>(::GlobalLock(block));
    data->ownerToken ^= 0x5A5A;
    ::GlobalUnlock(block);
  }
  ASSERT_TRUE(::OpenClipboard(owner));
  ::EmptyClipboard();
  ::SetClipboardData(::RegisterClipboardFormat(g_strClipboardFormat), block);
  ::CloseClipboard();
}

TEST_F(FrameTest, DisconnectDeletesOnlyTheClipboardObjectThisProcessMade) {
  RunScript(Login(), [&] {
    const UINT format = ::RegisterClipboardFormat(g_strClipboardFormat);
    int deletions = 0;
    PutOnClipboard(Frame().GetSafeHwnd(), *new CCountedDef(&deletions), false);
    App().Disconnect(true);
    EXPECT_EQ(deletions, 1);
    EXPECT_FALSE(::IsClipboardFormatAvailable(format)) << "and empties the clipboard";

    // A record of another owner is left alone.
    CCountedDef foreign(&deletions);
    PutOnClipboard(Frame().GetSafeHwnd(), foreign, true);
    ASSERT_TRUE(App().ConnectToServer(kServer, kUser, kPassword));
    App().Disconnect(true);
    EXPECT_EQ(deletions, 1);
    EXPECT_FALSE(::IsClipboardFormatAvailable(format));
  });
}

TEST_F(FrameTest, AClosedWizardIsDestroyedAfterItsPause) {
  RunScript({"-x"}, [&] {
    auto* pWizard = new CPropertySheet("Wizard");
    Frame().AddWizard(pWizard);
    Frame().AddWizard(pWizard);
    EXPECT_TRUE(Frame().IsWizardListed(pWizard));
    const DWORD before = ::GetTickCount();
    Frame().PostMessage(WM_HV_WIZARD_CLOSED, 0, reinterpret_cast<LPARAM>(pWizard));
    robot.pumpUntilIdle();
    EXPECT_GE(::GetTickCount() - before, 210u);
    EXPECT_FALSE(Frame().IsWizardListed(pWizard));
    // One that is not listed is not touched.
    CPropertySheet stranger("Stranger");
    Frame().RemoveWizard(&stranger);
  });
}

}  // namespace
}  // namespace orvex_test
