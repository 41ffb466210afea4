// The "Associated Maps" tab in a real connector window: a row per
// supported business object, explicit bindings picked from the maps that
// use the object, implicit ones shown as the server would bind them, the
// configuration-file line and the table handed to the server's connector.
#include <DravonAdmin.h>

#include <algorithm>

#include "AssocMapsView.h"
#include "DataManager.h"
#include "tabs_fixture.h"

namespace kestrun_tabs_test {
namespace {

using halvane::test::Window;

constexpr int kMapsTab = 3;
constexpr ROWCOL kMap = CAssocMapsGrid::COL_MAP;

class AssocMapsTest : public TabsTest {
 protected:
  void SetUp() override {
    TabsTest::SetUp();
    PutBOsOnServer({"Customer", "Order"});
    std::string error;
    ASSERT_TRUE(dravon::admin::AddObject(kServer, HvObjNativeMap, "CustomerMap", {"Customer"}, error)) << error;
    ASSERT_TRUE(dravon::admin::AddObject(kServer, HvObjNativeMap, "OrderMap", {"Order"}, error)) << error;
  }
  // Customer bound explicitly to CustomerMap, Order implicitly, and a
  // stale record; on the server when `onServer`.
  std::unique_ptr<CConnector> Sample(const char* name, bool onServer) {
    auto connector = NewModel(name);
    connector->SetSupportedBO("Customer", 1);
    connector->SetSupportedBO("Order", 0);
    connector->SetSupportedBO("Gone", 0);
    connector->FindSupportedBO("Gone")->state |= RECORD_STALE;
    NameType explicitMap("CustomerMap", "HlMap", 1);
    connector->m_maps.SetAt("Customer", explicitMap);
    if (onServer) {
      EXPECT_NE(connector->GetServerConnector(), nullptr);
    }
    return connector;
  }
  CAssocMapsView* OpenTab(std::unique_ptr<CConnector> connector) {
    CKestrunDoc* doc = Open(std::move(connector));
    if (doc == nullptr) return nullptr;
    ShowTab(doc, "Associated Maps");
    return Tab<CAssocMapsView>(doc, kMapsTab);
  }
};

TEST_F(AssocMapsTest, EachSupportedObjectHasARowBoundExplicitlyOrAsTheServerWould) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    CAssocMapsView* view = OpenTab(Sample("Maps", true));
    ASSERT_NE(view, nullptr);
    CAssocMapsGrid& grid = view->MapsGrid();
    EXPECT_EQ(Rows(grid, {1, 2, 3, 4}),
              (std::vector<std::string>{"Customer|CustomerMap|HlMap|TRUE", "Order|OrderMap|Native|FALSE"}))
        << "a stale object has no row";
    EXPECT_EQ(Text(grid.LookupStyleRowCol(1, kMap).GetChoiceList()), "<None>\nCustomerMap\n");
    EXPECT_FALSE(grid.LookupStyleRowCol(1, kMap).GetReadOnly());
    EXPECT_TRUE(grid.LookupStyleRowCol(2, kMap).GetReadOnly());
    EXPECT_EQ(Cell(grid, 0, 4), "Explicit Binding");
    EXPECT_TRUE(view->m_bFilled);
  });
}

TEST_F(AssocMapsTest, TheBindingDecidesWhetherTheMapIsChosenOrShown) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    CAssocMapsView* view = OpenTab(Sample("Maps", true));
    ASSERT_NE(view, nullptr);
    CAssocMapsGrid& grid = view->MapsGrid();
    ClickCheckBox(grid, 2, 4);
    EXPECT_EQ(Cell(grid, 2, 4), "TRUE");
    EXPECT_FALSE(grid.LookupStyleRowCol(2, kMap).GetReadOnly());
    ChooseInCell(grid, 2, kMap, "<None>");
    EXPECT_EQ(Cell(grid, 2, kMap), "<None>");
    ChooseInCell(grid, 2, kMap, "OrderMap");
    EXPECT_EQ(Cell(grid, 2, kMap), "OrderMap");
    EXPECT_TRUE(view->GetDocument()->IsModified());

    ClickCheckBox(grid, 1, 4);
    EXPECT_EQ(Rows(grid, {1, 2, 4})[0], "Customer|CustomerMap|FALSE") << "the map the server would take";
    EXPECT_TRUE(grid.LookupStyleRowCol(1, kMap).GetReadOnly());
  });
}

TEST_F(AssocMapsTest, WithoutAServerConnectorAnImplicitBindingShowsNoMap) {
  Run([&] {
    CAssocMapsView* view = OpenTab(Sample("Local", false));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Rows(view->MapsGrid(), {1, 2, 4}),
              (std::vector<std::string>{"Customer|CustomerMap|TRUE", "Order|<None>|FALSE"}));
    EXPECT_EQ(Text(view->MapsGrid().LookupStyleRowCol(1, kMap).GetChoiceList()), "<None>\n");
  });
}

TEST_F(AssocMapsTest, TheConfigurationLineLeavesOutAnExplicitBindingWithoutAMap) {
  auto connector = NewModel("Local");
  connector->SetSupportedBO("Customer", 1);
  connector->SetSupportedBO("Order", 0);
  connector->SetSupportedBO("Invoice", 0);
  NameType customer("CustomerMap", "", 1);
  connector->m_maps.SetAt("Customer", customer);
  NameType invoice("", "HlMap", 1);
  connector->m_maps.SetAt("Invoice", invoice);
  Run([&] {
    CAssocMapsView* view = OpenTab(std::move(connector));
    ASSERT_NE(view, nullptr);
    CString text;
    ASSERT_TRUE(view->AppendConfigText(text));
    EXPECT_EQ(Text(text), "AssociatedMaps = Customer=CustomerMap,HlMap,TRUE;Order=<None>,HlMap,FALSE\r\n");
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"'Invoice' Business object is not associated with any map. "
                                                       "Implicit binding will be applied."}));
    EXPECT_EQ(Text(Frame().GetStatusBar().GetPaneText(0)), "Saving Associated Maps...");
  });
}

TEST_F(AssocMapsTest, AConnectorWithoutSupportedObjectsWritesAnEmptyLine) {
  Run([&] {
    CAssocMapsView* view = OpenTab(NewModel("Empty"));
    ASSERT_NE(view, nullptr);
    CString text;
    ASSERT_TRUE(view->AppendConfigText(text));
    EXPECT_EQ(Text(text), "AssociatedMaps = \r\n");
  });
}

TEST_F(AssocMapsTest, SavingToTheServerHandsItTheTableAndRefillsFromTheModel) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    CAssocMapsView* view = OpenTab(Sample("Maps", true));
    ASSERT_NE(view, nullptr);
    ClickCheckBox(view->MapsGrid(), 2, 4);
    ChooseInCell(view->MapsGrid(), 2, kMap, "OrderMap");
    ASSERT_TRUE(view->GetDocument()->SaveToServer());
    CQRConnector* server = CDataManager::InitInstance()->GetConnector("Maps");
    ASSERT_NE(server, nullptr);
    std::vector<std::string> maps;
    const auto& stored = server->GetMapps(0);
    for (INT_PTR i = 0; i < stored.GetSize(); ++i) {
      maps.push_back(Text(stored[i]->boName) + "=" + Text(stored[i]->mapName) + "," + Text(stored[i]->mapType) + "," +
                     std::to_string(stored[i]->flag));
    }
    std::sort(maps.begin(), maps.end());
    EXPECT_EQ(maps, (std::vector<std::string>{"Customer=CustomerMap,HlMap,1", "Order=OrderMap,HlMap,1"}));
    EXPECT_EQ(Rows(view->MapsGrid(), {1, 2, 4}),
              (std::vector<std::string>{"Customer|CustomerMap|TRUE", "Order|OrderMap|TRUE"}));
    const std::vector<std::string> lines = ResultLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Saving associated maps..."), lines.end());
  });
}

TEST_F(AssocMapsTest, AHeaderClickSortsAndASecondReverses) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    CAssocMapsView* view = OpenTab(Sample("Maps", true));
    ASSERT_NE(view, nullptr);
    ClickCell(view->MapsGrid(), 0, 1);
    EXPECT_EQ(Rows(view->MapsGrid(), {1}), (std::vector<std::string>{"Customer", "Order"}));
    ClickCell(view->MapsGrid(), 0, 1);
    EXPECT_EQ(Rows(view->MapsGrid(), {1}), (std::vector<std::string>{"Order", "Customer"}));
  });
}

TEST_F(AssocMapsTest, Snapshot) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    OpenTab(Sample("Maps", true));
    robot.snapshot(Window(Frame().GetSafeHwnd()), "associated_maps");
  });
}

}  // namespace
}  // namespace kestrun_tabs_test
