// The QVS "Supported Business Objects" tab in a real connector window: the
// names offered from the server's definitions, each once, the empty row
// while some are left, agent support, deleting and sorting rows, the
// transaction level, the configuration-file line and the copy to the
// server's connector.
#include "DataManager.h"
#include "SuppBOView.h"
#include "tabs_fixture.h"

namespace kestrun_tabs_test {
namespace {

using halvane::test::Window;

constexpr int kSuppBOTab = 2;

class SuppBOTest : public TabsTest {
 protected:
  void SetUp() override {
    TabsTest::SetUp();
    PutBOsOnServer({"Customer", "Invoice", "Order"});
  }
  // Connects, opens the connector and brings the tab to the front.
  CSuppBOView* OpenTab(std::unique_ptr<CConnector> connector, bool connect = true) {
    if (connect) {
      EXPECT_TRUE(ConnectDirectly());
    }
    CKestrunDoc* doc = Open(std::move(connector));
    if (doc == nullptr) return nullptr;
    ShowTab(doc, "Supported Business Objects");
    return Tab<CSuppBOView>(doc, kSuppBOTab);
  }
  static std::string Choices(CSuppBOGrid& grid, ROWCOL row) {
    return Text(grid.LookupStyleRowCol(row, CSuppBOGrid::COL_NAME).GetChoiceList());
  }
};

std::unique_ptr<CConnector> Supporting(const char* name, const std::vector<std::pair<const char*, int>>& objects) {
  auto connector = NewModel(name);
  for (const auto& [bo, agent] : objects) connector->SetSupportedBO(bo, agent);
  return connector;
}

TEST_F(SuppBOTest, TheRowsOfTheModelComeSortedWithAnEmptyRowOfferingTheOtherDefinitions) {
  Run([&] {
    CSuppBOView* view = OpenTab(Supporting("Alpha", {{"Order", 0}, {"Customer", 1}}));
    ASSERT_NE(view, nullptr);
    CSuppBOGrid& grid = view->BOGrid();
    EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"Customer|TRUE", "Order|FALSE", "|"}));
    EXPECT_EQ(Text(grid.GetFreeNames()), "Invoice\n");
    EXPECT_EQ(Choices(grid, 1), "Customer\nInvoice\n");
    EXPECT_EQ(Choices(grid, 3), "Invoice\n");
    EXPECT_NE(grid.GetRowItem(1, CSuppBOGrid::COL_NAME), nullptr) << "a row of the model holds its record";
    EXPECT_EQ(grid.GetRowItem(3, CSuppBOGrid::COL_NAME), nullptr);
    EXPECT_EQ(Cell(grid, 0, 1), "Business Object Name");
    EXPECT_EQ(grid.GetColWidth(1), 200);
  });
}

TEST_F(SuppBOTest, ChoosingTheLastFreeNameLeavesNoEmptyRowAndDeletingBringsItBack) {
  Run([&] {
    CSuppBOView* view = OpenTab(Supporting("Alpha", {{"Customer", 1}}));
    ASSERT_NE(view, nullptr);
    CSuppBOGrid& grid = view->BOGrid();
    CKestrunDoc* doc = view->GetDocument();
    ChooseInCell(grid, 2, 1, "Invoice");
    EXPECT_EQ(Rows(grid, {1}), (std::vector<std::string>{"Customer", "Invoice", ""}));
    EXPECT_EQ(Choices(grid, 1), "Customer\nOrder\n") << "a name in a row is offered in no other";
    EXPECT_TRUE(doc->IsModified());
    ChooseInCell(grid, 3, 1, "Order");
    EXPECT_EQ(Rows(grid, {1}), (std::vector<std::string>{"Customer", "Invoice", "Order"})) << "none left to offer";

    SelectRows(grid, 2, 2);
    EXPECT_TRUE(grid.CanDeleteRows());
    robot.key(VK_DELETE);
    EXPECT_EQ(Rows(grid, {1}), (std::vector<std::string>{"Customer", "Order", ""}));
    EXPECT_EQ(Choices(grid, 3), "Invoice\n");

    SelectRows(grid, 1, 1);
    robot.key(VK_DELETE);
    EXPECT_EQ(Rows(grid, {1}), (std::vector<std::string>{"Order", ""}));
    EXPECT_EQ(doc->GetConnector()->FindSupportedBO("Customer"), nullptr) << "a row of the model takes its record";
  });
}

TEST_F(SuppBOTest, AgentSupportTogglesAndHeaderClicksSortBothWays) {
  Run([&] {
    CSuppBOView* view = OpenTab(Supporting("Alpha", {{"Customer", 1}, {"Order", 0}, {"Invoice", 1}}));
    ASSERT_NE(view, nullptr);
    CSuppBOGrid& grid = view->BOGrid();
    ClickCheckBox(grid, 3, 2);
    EXPECT_EQ(Rows(grid, {1, 2}), (std::vector<std::string>{"Customer|TRUE", "Invoice|TRUE", "Order|TRUE"}));
    EXPECT_TRUE(view->GetDocument()->IsModified());
    ClickCell(grid, 0, 1);
    EXPECT_EQ(Rows(grid, {1}), (std::vector<std::string>{"Order", "Invoice", "Customer"}));
    ClickCell(grid, 0, 1);
    EXPECT_EQ(Rows(grid, {1}), (std::vector<std::string>{"Customer", "Invoice", "Order"}));
  });
}

TEST_F(SuppBOTest, WithoutAServerNoNameIsOfferedAndTheRowsStay) {
  Run([&] {
    CSuppBOView* view = OpenTab(Supporting("Alpha", {{"Customer", 1}}), false);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Rows(view->BOGrid(), {1, 2}), (std::vector<std::string>{"Customer|TRUE"}));
  });
}

TEST_F(SuppBOTest, TheConfigurationLineListsTheRowsWithoutSpaces) {
  Run([&] {
    CSuppBOView* view = OpenTab(Supporting("Alpha", {{"Order", 0}}));
    ASSERT_NE(view, nullptr);
    ChooseInCell(view->BOGrid(), 2, 1, "Customer");
    ClickCheckBox(view->BOGrid(), 2, 2);
    CString text;
    ASSERT_TRUE(view->AppendConfigText(text));
    EXPECT_EQ(Text(text), "SupportedBusinessObjects = Order=FALSE;Customer=TRUE\r\n");
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"Saving Supported Business Objects..."}));
    EXPECT_EQ(Rows(view->BOGrid(), {1, 2}), (std::vector<std::string>{"Customer|TRUE", "Order|FALSE", "|"}))
        << "filled again from the model";
    EXPECT_NE(view->GetConnector()->FindSupportedBO("Customer"), nullptr);
  });
}

TEST_F(SuppBOTest, TheLevelBoxShowsBestEffortOnlyForThatLevelAndKeepsAnyOther) {
  for (const int level : {2, 3, 4}) {
    auto connector = Supporting("Level", {});
    connector->m_nTransLevel = level;
    Run([&] {
      CSuppBOView* view = OpenTab(std::move(connector), false);
      ASSERT_NE(view, nullptr);
      CComboBox& box = view->TransLevelBox();
      ASSERT_EQ(box.GetCount(), 1);
      CString item;
      box.GetLBText(0, item);
      EXPECT_EQ(Text(item), "Best Effort");
      EXPECT_EQ(box.GetCurSel(), level == 4 ? 0 : CB_ERR) << "level " << level;
      view->ApplyToServer(nullptr);
      EXPECT_EQ(view->GetConnector()->m_nTransLevel, level) << "applying keeps the level";
    });
  }
}

TEST_F(SuppBOTest, SavingToTheServerGivesItTheObjectsAndTheChosenLevel) {
  Run([&] {
    CSuppBOView* view = OpenTab(Supporting("ServerBOs", {{"Customer", 1}}));
    ASSERT_NE(view, nullptr);
    ChooseInCell(view->BOGrid(), 2, 1, "Order");
    robot.choose(Window(view->TransLevelBox().GetSafeHwnd()), "Best Effort");
    ASSERT_TRUE(view->GetDocument()->SaveToServer());
    CQRConnector* server = CDataManager::InitInstance()->GetConnector("ServerBOs");
    ASSERT_NE(server, nullptr);
    const auto& bos = server->GetSupportedBOs(0);
    ASSERT_EQ(bos.GetSize(), 2);
    EXPECT_EQ(Text(bos[0]->name), "Customer");
    EXPECT_EQ(bos[0]->agentSupport, 1);
    EXPECT_EQ(Text(bos[1]->name), "Order");
    EXPECT_EQ(bos[1]->agentSupport, 0);
    EXPECT_EQ(server->GetTransLevel(), 4);
  });
}

TEST_F(SuppBOTest, Snapshot) {
  Run([&] {
    CSuppBOView* view = OpenTab(Supporting("Alpha", {{"Customer", 1}, {"Order", 0}}));
    ASSERT_NE(view, nullptr);
    robot.choose(Window(view->TransLevelBox().GetSafeHwnd()), "Best Effort");
    robot.snapshot(Window(Frame().GetSafeHwnd()), "supported_business_objects");
  });
}

}  // namespace
}  // namespace kestrun_tabs_test
