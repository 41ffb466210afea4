// A definition window's save commands: Save To File with and without a
// file, Save As To File with the rename and a spreadsheet, Save As To
// Server, Save All To Server, and printing a tab.
#include <DravonTestHooks.h>

#include <filesystem>
#include <string>

#include "BusObjVerbsView.h"
#include "orvex_fixture.h"
#include "print_fixture.h"

namespace orvex_test {
namespace {

constexpr const char* kSaveDialog = "Save Business Object to File";
constexpr int kRenameOption = 1070;

class SaveTest : public OrvexTest {
 protected:
  std::string Path(const std::string& file) { return folder_ / file; }
  bool IsOpen(const std::string& name) { return FrameOf(name) != nullptr; }
  CQRBusObjDef* Held(const std::string& name) { return CDataManager::InitInstance()->GetBO(name.c_str(), 0, 0); }
  // Changes the held definition as an edit would.
  void Change(const std::string& name) {
    CQRBusObjDef* pDef = Held(name);
    pDef->GetAttrs().Add(new CBODefAttr(static_cast<int>(pDef->GetAttrs().GetSize()) + 1, "Extra", "String"));
    pDef->AddState(HvStateModified);
    pDef->RemoveState(HvStateWrittenToFile);
  }
};

TEST_F(SaveTest, SaveToFileAsksOnceThenWritesToTheSameFile) {
  PutOnServer("Customer", {"Id:String", "Name:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    AnswerFileDialog(kSaveDialog, Path("Customer.in"));
    robot.chooseMenu({"&File", "Save To File"});
    EXPECT_EQ(StatusText(0), "Exported to file " + Path("Customer.in"));
    EXPECT_EQ(std::string(COrvexDoc::FindByName("Customer")->m_strFilePath), Path("Customer.in"));
    std::string text = ReadFile(Path("Customer.in"));
    EXPECT_TRUE(Contains(text, "[BusinessObjectDefinition]\r\nName = Customer\r\n")) << text;
    EXPECT_TRUE(Contains(text, "\tName = Name\r\n")) << text;

    // The second time no dialog is asked (an unanswered one fails the test).
    Change("Customer");
    Frame().GetResultsView().ClearText();
    robot.chooseMenu({"&File", "Save To File"});
    text = ReadFile(Path("Customer.in"));
    EXPECT_TRUE(Contains(text, "\tName = Extra\r\n")) << text;
    EXPECT_EQ(Results(), "Succeeded saving \"Customer\" to file\r\n");
    EXPECT_EQ(Held("Customer")->GetState() & HvStateWrittenToFile, HvStateWrittenToFile);
    Held("Customer")->RemoveState(HvStateModified | HvStateWrittenToFile);
  });
}

TEST_F(SaveTest, SaveAsToFileUnderAnotherNameOpensTheCopyAndClosesTheOriginal) {
  PutOnServer("Customer", {"Id:String", "Name:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    Change("Customer");
    AnswerFileDialog(kSaveDialog, Path("Client.txt"), [](Robot&, Window dlg) {
      EXPECT_EQ(FileOptions(dlg).child(kRenameOption).checked(), BST_CHECKED) << "rename is the default";
    });
    robot.chooseMenu({"&File", "Save As", "To File..."});
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Client"}) << "the copy's window in place of the original";
    EXPECT_EQ(Content(Held("Client")).attributes,
              (std::vector<std::string>{"Id:String", "Name:String", "Extra:String"}));
    EXPECT_EQ(Content(Held("Customer")).attributes, (std::vector<std::string>{"Id:String", "Name:String"}))
        << "the original's changes were undone";
    EXPECT_TRUE(Contains(ReadFile(Path("Client.txt")), "Name = Client\r\n"));
    EXPECT_EQ(std::string(COrvexDoc::FindByName("Client")->m_strFilePath), Path("Client.txt"));

    // Without the rename the definition keeps its name in any file.
    AnswerFileDialog(kSaveDialog, Path("other.txt"),
                     [](Robot& r, Window dlg) { r.click(FileOptions(dlg).child(kRenameOption)); });
    robot.chooseMenu({"&File", "Save As", "To File..."});
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Client"});
    EXPECT_TRUE(Contains(ReadFile(Path("other.txt")), "Name = Client\r\n"));
  });
}

TEST_F(SaveTest, ASpreadsheetGetsTheTabsGridAsTextAndNothingElse) {
  PutOnServer("Customer", {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    CChildFrame* pFrame = FrameOf("Customer");
    pFrame->GetTabWnd().ActivateTab(CChildFrame::kGeneralTab);
    auto* pView = DYNAMIC_DOWNCAST(CBusObjVerbsView, pFrame->GetTabView(CChildFrame::kGeneralTab));
    ASSERT_NE(pView, nullptr);
    // The rename stays checked: a spreadsheet renames nothing.
    AnswerFileDialog(kSaveDialog, Path("verbs.xls"));
    robot.chooseMenu({"&File", "Save As", "To File..."});
    CGXGridWnd& grid = pView->GetVerbGrid();
    std::string expected;
    for (ROWCOL row = 1; row <= grid.GetRowCount(); ++row) {
      for (ROWCOL col = 1; col <= grid.GetColCount(); ++col) {
        expected += (col > 1 ? "\t" : "") + std::string(grid.GetValueRowCol(row, col));
      }
      expected += "\r\n";
    }
    ASSERT_TRUE(std::filesystem::exists(Path("verbs.xls")));
    EXPECT_EQ(ReadFile(Path("verbs.xls")), expected) << "the grid's rows, tab-separated";
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"});
    EXPECT_EQ(Held("verbs"), nullptr) << "no copy was made for the file's name";
    EXPECT_EQ(COrvexDoc::FindByName("Customer")->m_strFilePath, CString());

    // A file that cannot be made says so and writes nothing.
    std::string message;
    robot.onDialog("Orvex", [&](Robot& r, Window box) {
      for (const std::string& text : r.texts(box)) {
        if (Contains(text, "could not be opened")) message = text;
      }
      r.click(box.child(IDOK));
    });
    AnswerFileDialog(kSaveDialog, Path("missing/verbs.xls"));
    robot.chooseMenu({"&File", "Save As", "To File..."});
    EXPECT_EQ(message, "File " + Path("missing/verbs.xls") + " could not be opened!");
  });
}

TEST_F(SaveTest, AFullDiskFailsEitherTabsTextFileAndSaysSo) {
  PutOnServer("Customer", {"Id:String", "Name:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    CChildFrame* pFrame = FrameOf("Customer");
    for (int tab : {CChildFrame::kGeneralTab, CChildFrame::kAttributesTab}) {
      SCOPED_TRACE(tab);
      auto* pView = dynamic_cast<COrvexView*>(pFrame->GetTabView(tab));
      ASSERT_NE(pView, nullptr);
      std::vector<std::string> messages;
      robot.onDialog("Orvex", [&](Robot& r, Window box) {
        for (const std::string& text : r.texts(box)) {
          if (Contains(text, "/dev/full")) messages.push_back(text);
        }
        r.click(box.child(IDOK));
      });
      // The device opens like any file and refuses every byte written.
      EXPECT_FALSE(pView->WriteGridToTextFile("/dev/full"));
      EXPECT_EQ(messages, std::vector<std::string>{"File /dev/full could not be written!"});
    }
  });
}

TEST_F(SaveTest, SaveAsToServerReplacesTheWindowOnlyWhenTheCopyIsSaved) {
  PutOnServer("Customer", {"Id:String", "Name:String"}, "table=CUSTOMER");
  RunScript(LoginAndOpen("Customer"), [&] {
    Change("Customer");
    dravon::test::RefuseSave(true);
    AnswerNewDialog("Client", "table=CLIENT");
    robot.chooseMenu({"&File", "Save As", "To Server..."});
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"}) << "a failed save leaves the window";
    EXPECT_EQ(Content(Held("Customer")).attributes.size(), 3u) << "with its changes";
    EXPECT_EQ(Held("Client"), nullptr) << "and makes no copy";
    EXPECT_EQ(CDataManager::InitInstance()->RefreshBONames(0)->Find("Client"), nullptr);

    dravon::test::RefuseSave(false);
    AnswerNewDialog("Client", "table=CLIENT");
    robot.chooseMenu({"&File", "Save As", "To Server..."});
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Client"});
    EXPECT_EQ(Content(Held("Customer")).attributes.size(), 2u) << "the original's changes were undone";
    EXPECT_TRUE(Contains(Results(), "Save completed for Client"));
  });
  const DefContent client = OnServer("Client");
  EXPECT_EQ(client.attributes, (std::vector<std::string>{"Id:String", "Name:String", "Extra:String"}));
  EXPECT_EQ(client.appInfo, "table=CLIENT");
  EXPECT_EQ(OnServer("Customer").attributes.size(), 2u);
}

TEST_F(SaveTest, SaveAllToServerClosesWhatIsSavedOrUnchangedAndKeepsWhatFailed) {
  for (const char* name : {"Customer", "Order", "Product"}) PutOnServer(name, {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    OpenFromMenu({"Order", "Product"});
    ASSERT_EQ(OpenTitles().size(), 3u);
    Change("Order");
    Change("Product");
    dravon::test::RefuseSave(true);
    robot.chooseMenu({"&File", "Save All", "To Server"});
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"Order", "Product"})) << "the unchanged one closed";
    dravon::test::RefuseSave(false);
    robot.chooseMenu({"&File", "Save All", "To Server"});
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_TRUE(Contains(Results(), "Save completed for Product"));
  });
  EXPECT_EQ(OnServer("Order").attributes.size(), 2u);
  EXPECT_EQ(OnServer("Product").attributes.size(), 2u);
}

TEST_F(SaveTest, SaveAllToFileWritesEachWindowAndACancelStopsTheRest) {
  for (const char* name : {"Customer", "Order", "Product"}) PutOnServer(name, {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    AnswerFileDialog(kSaveDialog, Path("Customer.txt"));
    robot.chooseMenu({"&File", "Save To File"});
    OpenFromMenu({"Order", "Product"});
    ASSERT_EQ(OpenTitles(), (std::vector<std::string>{"Customer", "Order", "Product"}));
    Change("Customer");
    // Customer goes to its file unasked, Order's dialog is cancelled, and
    // Product is not asked at all.
    CancelFileDialog(kSaveDialog);
    robot.chooseMenu({"&File", "Save All", "To File"});
    EXPECT_TRUE(Contains(ReadFile(Path("Customer.txt")), "\tName = Extra\r\n"));
    EXPECT_FALSE(std::filesystem::exists(Path("Product.txt")));

    AnswerFileDialog(kSaveDialog, Path("Order.txt"));
    AnswerFileDialog(kSaveDialog, Path("Product.txt"));
    robot.chooseMenu({"&File", "Save All", "To File"});
    EXPECT_TRUE(Contains(ReadFile(Path("Product.txt")), "Name = Product\r\n"));
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"Customer", "Order", "Product"}));
    for (const char* name : {"Customer", "Order", "Product"})
      Held(name)->RemoveState(HvStateWrittenToFile | HvStateModified);
  });
}

TEST_F(SaveTest, PrintingTheGeneralTabPutsTheNameAndPageInTheHeader) {
  if (!halvane::test::HasTool("pdftotext")) GTEST_SKIP() << "poppler-utils is not installed";
  halvane::test::PrintFolder printed;
  PutOnServer("Customer", {"Id:String"});
  RunScript(LoginAndOpen("Customer"), [&] {
    FrameOf("Customer")->GetTabWnd().ActivateTab(CChildFrame::kGeneralTab);
    robot.onDialog("Print", [](Robot& r, Window dialog) { r.click(dialog.child(IDOK)); });
    robot.chooseMenu({"&File", "&Print..."});

    // The preview shows the same pages and prints nothing; the main
    // window's close only ends the preview.
    robot.chooseMenu({"&File", "Print Pre&view"});
    COrvexDoc* pDoc = COrvexDoc::FindByName("Customer");
    ASSERT_NE(pDoc, nullptr);
    EXPECT_TRUE(pDoc->IsInPrintPreview());
    pDoc->m_pBODef->AddState(HvStateModified);
    Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(pDoc->IsInPrintPreview());
    EXPECT_EQ(OpenTitles(), std::vector<std::string>{"Customer"}) << "nothing was closed unasked";
    EXPECT_TRUE(App().IsConnected());
    robot.chooseMenu({"&File", "Print Pre&view"});
    const Window bar(::GetDlgItem(Frame().GetSafeHwnd(), AFX_IDW_PREVIEW_BAR));
    ASSERT_TRUE(bar.exists());
    robot.click(bar.child(AFX_ID_PREVIEW_CLOSE));
    EXPECT_FALSE(pDoc->IsInPrintPreview());
    pDoc->m_pBODef->RemoveState(HvStateModified);
  });
  ASSERT_EQ(printed.files(), std::vector<std::string>{"Customer.pdf"});
  const std::string text = halvane::test::RunTool("pdftotext '" + printed / "Customer.pdf" + "' -");
  EXPECT_TRUE(Contains(text, "Customer 1")) << text;
}

}  // namespace
}  // namespace orvex_test
