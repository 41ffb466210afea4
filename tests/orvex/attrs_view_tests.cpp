// The attributes tab around its grid: layout, the business-object names of
// the type list, the data manager's notices, the commands' enabling, the
// release of expansions, printing to paper and the text export; and the
// pictures of both tabs.
#include <gtest/gtest.h>

#include <commdlg.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "BusObjAttrsView.h"
#include "ChildFrame.h"
#include "grid_fixture.h"
#include "print_fixture.h"
#include "resource.h"

namespace orvex_test {
namespace {

CBusObjAttrsView& ViewOf(CAttrGridCtrl& grid) { return *DYNAMIC_DOWNCAST(CBusObjAttrsView, grid.GetParent()); }

bool Enabled(CCmdTarget& target, UINT id) {
  CTestCmdUI state;
  state.m_nID = id;
  target.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
  return state.m_bEnabled != FALSE;
}

Strings TypeList(CAttrGridCtrl& grid) {
  Strings items;
  CComboBox* pList = grid.GetTypeList();
  for (int i = 0; i < pList->GetCount(); ++i) {
    CString item;
    pList->GetLBText(i, item);
    items.emplace_back(static_cast<LPCTSTR>(item));
  }
  return items;
}

bool Held(const char* name) { return CDataManager::InitInstance()->GetBO(name, 0, 0) != nullptr; }

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class AttrsViewTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    PutOrderModel();
  }
};

TEST_F(AttrsViewTest, TheGridCoversTheTabWhateverItsSizeAndTheFormNeverScrolls) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CBusObjAttrsView& view = ViewOf(grid);
    auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, view.GetParentFrame());
    pFrame->MDIRestore();
    for (const CSize size : {CSize(420, 260), CSize(900, 520)}) {
      pFrame->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
      robot.pumpUntilIdle();
      CRect client, placed;
      view.GetClientRect(&client);
      grid.GetWindowRect(&placed);
      view.ScreenToClient(&placed);
      EXPECT_EQ(placed, client);
      EXPECT_EQ(view.GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
    }
  });
}

TEST_F(AttrsViewTest, NamesCreatedAndDeletedElsewhereReachEveryOpenTypeListInSortedPlace) {
  PutOnServer("Archive", {"Id:Integer"});
  RunConnected([&] {
    CAttrGridCtrl& order = OpenAttrs("Order");
    CAttrGridCtrl& archive = OpenAttrs("Archive");
    const Strings fixed{"New business object", "Boolean", "Integer", "Float", "Double", "String", "Date", "LongText"};
    Strings expected = fixed;
    for (const char* name : {"Address", "Archive", "Customer", "Order", "OrderLine"}) expected.emplace_back(name);
    EXPECT_EQ(TypeList(order), expected);
    AnswerNewDialog("billing");
    robot.chooseMenu({"&File", "&New..."});
    expected.insert(expected.begin() + 10, "billing");
    EXPECT_EQ(TypeList(order), expected) << "in place, whatever the case";
    EXPECT_EQ(TypeList(archive), expected);
    COrvexDoc::BroadcastToViews(COrvexDoc::kNameRemoved, "Customer");
    expected.erase(expected.begin() + 11);
    EXPECT_EQ(TypeList(order), expected);
    EXPECT_EQ(TypeList(archive), expected);
  });
}

// The tab keeps its window registered for the shown definition all along.
TEST_F(AttrsViewTest, ARefreshNoticeFillsTheRowsAgain) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    Def("Order")->GetAttrs()[0]->SetName("Number");
    CDataManager::InitInstance()->SendRefreshMsg("Order");
    robot.pumpUntilIdle();
    EXPECT_EQ(Cell(grid, 1, Col::kName), "Number");
  });
}

TEST_F(AttrsViewTest, AWithdrawnContainedObjectCollapsesAndAWithdrawnShownOneClosesTheWindow) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    grid.ExpandAll();
    CDataManager::InitInstance()->CloseBO("Address", nullptr);
    robot.pumpUntilIdle();
    EXPECT_FALSE(grid.GetRowAttr(5)->IsExpanded());
    EXPECT_EQ(Cell(grid, 6, Col::kName), "Lines");
    EXPECT_TRUE(grid.GetRowAttr(2)->IsExpanded()) << "the rest stays";
    EXPECT_EQ(OpenTitles(), Strings{"Order"});
    // The name is read for the length the notice gives, no further.
    const CString longer = "OrderLine";
    ViewOf(grid).SendMessage(WM_HV_DEF_GONE, 5, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(longer)));
    EXPECT_TRUE(OpenTitles().empty());
  });
}

TEST_F(AttrsViewTest, MovingUpAndDownWaitsForThePositionOrderAndTheRestForTheGridsRules) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CBusObjAttrsView& view = ViewOf(grid);
    grid.SetCurrentCell(1, Col::kName);
    EXPECT_TRUE(Enabled(view, ID_ATTR_MOVE_UP) && Enabled(view, ID_ATTR_MOVE_DOWN));
    ClickHeader(grid, Col::kName);
    EXPECT_FALSE(Enabled(view, ID_ATTR_MOVE_UP) || Enabled(view, ID_ATTR_MOVE_DOWN));
    ClickHeader(grid, Col::kPos);
    EXPECT_TRUE(Enabled(view, ID_ATTR_MOVE_UP) && Enabled(view, ID_ATTR_MOVE_DOWN));
    EXPECT_TRUE(Enabled(view, ID_ATTR_EXPAND) && Enabled(view, ID_ATTR_COLLAPSE)) << "all, always";
    grid.SetCurrentCell(1, Col::kName);
    EXPECT_FALSE(Enabled(view, ID_ATTR_TO_PARENT));
    EXPECT_FALSE(Enabled(view, ID_EDIT_DELETE_ROW));
    Command(view, ID_EDIT_SELECT_ROWS);
    EXPECT_TRUE(Enabled(view, ID_EDIT_DELETE_ROW));
    Command(view, ID_ATTR_EXPAND);
    EXPECT_EQ(grid.GetRowCount(), 14u);
    grid.SetCurrentCell(3, Col::kName);
    EXPECT_TRUE(Enabled(view, ID_ATTR_TO_PARENT));
    Command(view, ID_ATTR_COLLAPSE);
    EXPECT_EQ(grid.GetRowCount(), 6u);
  });
}

TEST_F(AttrsViewTest, ClosingTheWindowLetsItsExpansionsGo) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    grid.ExpandAll();
    CDataManager* pDM = CDataManager::InitInstance();
    pDM->ReleaseSelectedBODefs();
    EXPECT_TRUE(Held("Customer") && Held("Address")) << "the window holds what it shows";
    CQRBusObjDef& order = *Def("Order");
    robot.chooseMenu({"&File", "&Close"});
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_FALSE(order.GetAttrs()[1]->IsExpanded());
    pDM->ReleaseSelectedBODefs();
    EXPECT_FALSE(Held("Customer") || Held("Address") || Held("OrderLine"));
  });
}

TEST_F(AttrsViewTest, PrintingPutsTheNameAndPageAboveTheRowsAndCanPrintTheSelection) {
  if (!halvane::test::HasTool("pdftotext")) GTEST_SKIP() << "poppler-utils is not installed";
  halvane::test::PrintFolder printed;
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    grid.ExpandAll();
    robot.onDialog("Print", [](Robot& r, Window dialog) { r.click(dialog.child(IDOK)); });
    robot.chooseMenu({"&File", "&Print..."});
    const std::string all = halvane::test::RunTool("pdftotext '" + printed / "Order.pdf" + "' -");
    for (const char* part : {"Order 1", "OrderId", "Street", "Quantity", "ObjectEventId", "Maximum"})
      EXPECT_TRUE(Contains(all, part)) << part << " in " << all;
    std::filesystem::remove(printed / "Order.pdf");

    SelectRows(grid, 1, 2);
    robot.onDialog("Print", [](Robot& r, Window dialog) {
      EXPECT_TRUE(dialog.child(rad2).isEnabled()) << "the selection is offered";
      r.click(dialog.child(rad2));
      r.click(dialog.child(IDOK));
    });
    robot.chooseMenu({"&File", "&Print..."});
  });
  const std::string selected = halvane::test::RunTool("pdftotext '" + printed / "Order.pdf" + "' -");
  EXPECT_TRUE(Contains(selected, "OrderId") && Contains(selected, "Buyer")) << selected;
  EXPECT_FALSE(Contains(selected, "Street") || Contains(selected, "Total")) << selected;
}

TEST_F(AttrsViewTest, TheTextExportHoldsEveryAttributeRowAndNotTheEmptyOne) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    Def("Order")->GetAttrs()[3]->SetComments("sum");
    grid.ToggleRowExpansion(3);
    const std::filesystem::path path = folder_ / "order.txt";
    ASSERT_TRUE(ViewOf(grid).WriteGridToTextFile(path.c_str()));
    EXPECT_EQ(ReadText(path),
              "1\tOrderId\tInteger\t1\t0\t0\t\t\t\t\t\r\n"
              "2\tBuyer\tCustomer\t0\t0\t0\t\t\t\t\t\r\n"
              "3\tLines\tOrderLine\t0\t0\t0\t\t\t\t\t\r\n"
              "3.1\tLineNo\tInteger\t1\t0\t0\t\t\t\t\t\r\n"
              "3.2\tProduct\tString\t0\t0\t0\t\t\t\t\t\r\n"
              "3.3\tQuantity\tInteger\t0\t0\t0\t\t\t\t\t\r\n"
              "4\tTotal\tDouble\t0\t0\t0\t\t\t\t\tsum\r\n"
              "5\tObjectEventId\tString\t\t\t\t\t\t\t\t\r\n");
    std::vector<std::string> messages;
    AnswerBox("Orvex", messages);
    const std::string folderPath = folder_.path();
    EXPECT_FALSE(ViewOf(grid).WriteGridToTextFile(folderPath.c_str()));
    EXPECT_EQ(messages, (Strings{"File " + folderPath + " could not be opened!"}));
  });
}

// --- Pictures -------------------------------------------------------------------

class AttrsPictureTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    PutOnServer("Address", {"Street:String", "City:String"});
    PutOnServer("Customer", {"CustId:Integer", "Home:Address", "Note:String"});
    PutOnServer("Order",
                {"OrderId:Integer", "Buyer:Customer", "Paid:Boolean", "Lines:Customer", "Total:Double",
                 std::string(CBODefAttr::ATTR_OBJECT_EVENT_ID) + ":String"},
                "table=ORDERS");
  }
  // Every kind of cell: indented and button names, the type list, check
  // boxes, the cardinality list, a length, a Boolean choice, grey cells.
  CAttrGridCtrl& OpenShowcase() {
    CAttrGridCtrl& grid = OpenAttrs("Order");
    CQRBusObjDef& order = *Def("Order");
    order.GetAttrs()[1]->SetCardinality("1");
    order.GetAttrs()[2]->SetDefaultValue("true");
    order.GetAttrs()[2]->SetRequired(TRUE);
    order.GetAttrs()[4]->SetAppInfo("column=TOTAL");
    order.GetAttrs()[4]->SetComments("gross");
    Def("Customer")->GetAttrs()[2]->SetMaxLength("40");
    grid.ToggleRowExpansion(2);
    grid.ToggleRowExpansion(4);
    grid.FillGrid();
    return grid;
  }
};

TEST_F(AttrsPictureTest, TheAttributesTabWithEveryKindOfCell) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenShowcase();
    grid.SetCurrentCell(3, Col::kName);
    robot.pumpUntilIdle();
    robot.snapshot(FrameWindow(), "attributes_tab");
  });
}

TEST_F(AttrsPictureTest, TheTypeListDroppedDown) {
  RunConnected([&] {
    CAttrGridCtrl& grid = OpenShowcase();
    grid.SetCurrentCell(1, Col::kType);
    robot.pumpUntilIdle();
    auto* pCombo = dynamic_cast<CGXComboBoxWnd*>(grid.GetControl(1, Col::kType));
    ASSERT_NE(pCombo, nullptr);
    pCombo->ShowDropDown(TRUE);
    robot.pumpUntilIdle();
    robot.snapshot(FrameWindow(), "type_list_open", true);
    pCombo->ShowDropDown(FALSE);
  });
}

TEST_F(AttrsPictureTest, TheGeneralTab) {
  RunConnected([&] {
    OpenShowcase();
    OpenVerbs("Order");
    robot.snapshot(FrameWindow(), "general_tab");
  });
}

TEST_F(AttrsPictureTest, ThePrintPreviewOfTheAttributesTab) {
  RunConnected([&] {
    OpenShowcase();
    robot.chooseMenu({"&File", "Print Pre&view"});
    robot.pumpUntilIdle();
    robot.snapshot(FrameWindow(), "print_preview");
    const Window bar(::GetDlgItem(Frame().GetSafeHwnd(), AFX_IDW_PREVIEW_BAR));
    ASSERT_TRUE(bar.exists());
    robot.click(bar.child(AFX_ID_PREVIEW_CLOSE));
  });
}

}  // namespace
}  // namespace orvex_test
