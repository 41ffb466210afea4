// The "Standard Properties" tab in a real connector window: the rows of
// each mode, editing values of each kind of cell, the switch of modes by
// "DeliveryTransport", validation, the configuration-file lines, the copy
// to the server's connector and the upgrade offer.
#include "DataManager.h"
#include "StdPropsView.h"
#include "SuppBOViewNVRT.h"
#include "tabs_fixture.h"

namespace kestrun_tabs_test {
namespace {

using halvane::test::Robot;
using halvane::test::Window;

class StdPropsTest : public TabsTest {
 protected:
  static CStdPropGridCtrl& Grid(CKestrunDoc* doc) { return Tab<CStdPropsView>(doc, 0)->PropGrid(); }
  static ROWCOL Row(CKestrunDoc* doc, const char* name) { return Grid(doc).FindPropertyRow(name); }
  static std::string Value(CKestrunDoc* doc, const char* name) {
    const HvProperty* property = doc->GetConnector()->FindStdProperty(name);
    return property != nullptr ? Text(property->GetValue()) : "<none>";
  }
};

const std::vector<std::string> kQvsNames = {"ApplicationName",   "CharacterSet",    "ContainerManagedEvents",
                                            "DeliveryTransport", "MessageFile",     "PollInterval",
                                            "RepositoryFolder",  "StoreAndForward", "TraceLevel"};

TEST_F(StdPropsTest, AQvsConnectorShowsTheActivePropertiesSortedByName) {
  Run([&] {
    CKestrunDoc* doc = Open(NewModel("Alpha"));
    CStdPropGridCtrl& grid = Grid(doc);
    EXPECT_EQ(Rows(grid, {1}), kQvsNames);
    EXPECT_EQ(grid.GetColCount(), 3u) << "no Encrypt column";
    EXPECT_EQ(Cell(grid, 0, 3), "Update Method");
    const ROWCOL transport = Row(doc, "DeliveryTransport");
    EXPECT_EQ(Rows(grid, {1, 2, 3})[transport - 1], "DeliveryTransport|ORB|component restart");
    EXPECT_EQ(grid.LookupStyleRowCol(transport, 2).GetControl(), GX_IDS_CTRL_CBS_DROPDOWNLIST);
    EXPECT_EQ(Text(grid.LookupStyleRowCol(transport, 2).GetChoiceList()), "ORB\nJMS\nKBRX-JMS\n");
    EXPECT_TRUE(grid.LookupStyleRowCol(transport, 1).GetReadOnly());
    EXPECT_TRUE(grid.LookupStyleRowCol(transport, 3).GetReadOnly());
    EXPECT_EQ(grid.LookupStyleRowCol(Row(doc, "CharacterSet"), 2).GetControl(), GX_IDS_CTRL_EDIT);
    ROWCOL row = 0, col = 0;
    ASSERT_TRUE(grid.GetCurrentCell(row, col));
    EXPECT_EQ(row, 1u);
    EXPECT_EQ(col, 2u);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(Tab<CKestrunView>(doc, 0)->m_bFilled);
  });
}

TEST_F(StdPropsTest, AKbrxConnectorShowsTheQueuesAndTheQueueManagersUpdateMethodOnEveryRow) {
  Run([&] {
    CKestrunDoc* doc = Open(NewModel("Beta", true));
    CStdPropGridCtrl& grid = Grid(doc);
    EXPECT_TRUE(grid.IsBrokerMode());
    EXPECT_EQ(grid.GetRowCount(), kQvsNames.size() + 5);
    EXPECT_NE(Row(doc, "QueueManager"), 0u);
    EXPECT_NE(Row(doc, "QueueFactoryClass"), 0u);
    for (const std::string& line : Rows(grid, {3})) EXPECT_EQ(line, "agent restart");
  });
}

TEST_F(StdPropsTest, AValueGoesToTheModelAndTheSameValueInOtherCaseChangesNothing) {
  Run([&] {
    CKestrunDoc* doc = Open(NewModel("Alpha"));
    CStdPropGridCtrl& grid = Grid(doc);
    TypeInto(grid, Row(doc, "CharacterSet"), 2, "utf-8");
    EXPECT_EQ(Value(doc, "CharacterSet"), "UTF-8");
    EXPECT_FALSE(doc->IsModified());

    TypeInto(grid, Row(doc, "TraceLevel"), 2, "5");
    EXPECT_EQ(Value(doc, "TraceLevel"), "5");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Text(doc->GetTitle()), "QVS - Alpha*");
  });
}

TEST_F(StdPropsTest, DeleteClearsOnlyAValue) {
  Run([&] {
    CKestrunDoc* doc = Open(NewModel("Alpha"));
    CStdPropGridCtrl& grid = Grid(doc);
    const ROWCOL charset = Row(doc, "CharacterSet");
    ClickCell(grid, charset, 1);
    robot.key(VK_DELETE);
    EXPECT_EQ(Cell(grid, charset, 1), "CharacterSet");
    ClickCell(grid, charset, 3);
    robot.key(VK_DELETE);
    EXPECT_EQ(Cell(grid, charset, 3), "component restart");
    ClickCell(grid, charset, 2);
    robot.key(VK_DELETE);
    EXPECT_EQ(Cell(grid, charset, 2), "");
    EXPECT_EQ(Value(doc, "CharacterSet"), "");
  });
}

TEST_F(StdPropsTest, ValidationReportsEveryBadValueWithItsDefault) {
  auto connector = NewModel("Alpha");
  // A list of values that the empty value is not on.
  connector->FindStdProperty("ApplicationName")->GetAllowedValues().Add("Alpha");
  Run([&] {
    CKestrunDoc* doc = Open(std::move(connector));
    CStdPropGridCtrl& grid = Grid(doc);
    TypeInto(grid, Row(doc, "PollInterval"), 2, "often");
    EXPECT_EQ(Cell(grid, Row(doc, "PollInterval"), 2), "often") << "a refused value stays in its cell";
    EXPECT_EQ(Value(doc, "PollInterval"), "5000");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(Tab<CStdPropsView>(doc, 0)->Validate());
    EXPECT_EQ(ResultLines(),
              (std::vector<std::string>{
                  "Validating standard properties ",
                  "Property 'ApplicationName' must have a valid value. (Default value should be  ).",
                  "Property 'PollInterval' has an incorrect value (often). (Default value should be  5000).",
              }));
  });
}

TEST_F(StdPropsTest, TheConfigurationLinesHoldEveryStandardPropertyTrimmed) {
  auto connector = NewModel("Alpha");
  connector->SetStdProperty("ApplicationName", "Alpha");
  connector->FindStdProperty("RepositoryFolder")->SetType(HvPropCipherText);
  connector->FindStdProperty("RepositoryFolder")->SetValue("Secret");
  Run([&] {
    CKestrunDoc* doc = Open(std::move(connector));
    CStdPropGridCtrl& grid = Grid(doc);
    EXPECT_EQ(grid.LookupStyleRowCol(Row(doc, "RepositoryFolder"), 2).GetControl(), GX_IDS_CTRL_PASSWORD);
    TypeInto(grid, Row(doc, "CharacterSet"), 2, "  ISO-8859-1  ");
    CString text;
    ASSERT_TRUE(Tab<CStdPropsView>(doc, 0)->AppendConfigText(text));
    const std::string key = Text(App().GetCodec()->m_strSessionKey);
    EXPECT_EQ(Text(text),
              "ApplicationName = Alpha\r\n"
              "CharacterSet = ISO-8859-1\r\n"
              "ContainerManagedEvents = \r\n"
              "DeliveryTransport = ORB\r\n"
              "MessageFile = HalvaneConnector.txt\r\n"
              "PollInterval = 5000\r\n"
              "RepositoryFolder *= " +
                  kestrun_test::FakeEncrypted("Secret", key) +
                  "\r\n"
                  "StoreAndForward = true\r\n"
                  "TraceLevel = 0\r\n"
                  "QueueManager = \r\n"
                  "InputQueue = \r\n"
                  "ReplyQueue = \r\n"
                  "ErrorQueue = \r\n"
                  "QueueFactoryClass = \r\n");
    EXPECT_EQ(ResultLines(), (std::vector<std::string>{"Saving Standard Properties..."}));
  });
}

TEST_F(StdPropsTest, TheBrokerTransportSwitchesTheWindowToTheBrokerTabsAndBack) {
  auto connector = NewModel("Alpha");
  connector->SetSupportedBO("Orders", 0);
  connector->SetMessageSet("Orders", "MS-1");
  connector->SetMessageSet("Stale", "MS-2");
  Run([&] {
    CKestrunDoc* doc = Open(std::move(connector));
    EXPECT_EQ(TabLabels(doc), (std::vector<std::string>{"Standard Properties", "Application Config Properties",
                                                        "Supported Business Objects", "Associated Maps", "Resources",
                                                        "Trace/Log Files"}));
    CStdPropGridCtrl& grid = Grid(doc);
    ChooseInCell(grid, Row(doc, "DeliveryTransport"), 2, "KBRX-JMS");
    EXPECT_FALSE(doc->IsQvsMode());
    EXPECT_EQ(doc->GetConnector()->m_nType, CONNECTOR_KBRX);
    EXPECT_EQ(TabLabels(doc),
              (std::vector<std::string>{"Standard Properties", "Application Config Properties",
                                        "Supported Business Objects", "Trace/Log Files", "Data Handler"}));
    EXPECT_NE(Tab<CSuppBOViewNVRT>(doc, 2), nullptr);
    EXPECT_EQ(FrameOf(doc)->GetTabWnd().GetActiveTab(), 0);
    EXPECT_EQ(Text(doc->GetTitle()), "KBRX - Alpha*");
    EXPECT_EQ(Value(doc, "DeliveryTransport"), "KBRX-JMS");
    EXPECT_NE(Row(doc, "QueueManager"), 0u) << "the queues came in";
    for (const std::string& line : Rows(grid, {3})) EXPECT_EQ(line, "agent restart");
    ASSERT_EQ(doc->GetConnector()->m_messageSets.GetCount(), 1) << "a message set without its object goes";
    EXPECT_EQ(Text(doc->GetConnector()->m_messageSets.GetHead()->m_strName), "Orders");

    ChooseInCell(grid, Row(doc, "DeliveryTransport"), 2, "ORB");
    EXPECT_TRUE(doc->IsQvsMode());
    EXPECT_EQ(TabLabels(doc).size(), 6u);
    EXPECT_EQ(Text(doc->GetTitle()), "QVS - Alpha*");
    EXPECT_EQ(Row(doc, "QueueManager"), 0u);
    ASSERT_EQ(doc->GetConnector()->m_supportedBOs.GetCount(), 1);
    EXPECT_EQ(doc->GetConnector()->m_supportedBOs.GetHead()->agentSupport, 1)
        << "the objects come back from the message sets";
  });
}

TEST_F(StdPropsTest, TheSwitchIsRefusedWhileAnotherWindowShowsTheConnectorInThatMode) {
  Run([&] {
    Open(NewModel("Alpha", true));
    CKestrunDoc* doc = Open(NewModel("Alpha"));
    AnswerMessages();
    CStdPropGridCtrl& grid = Grid(doc);
    ChooseInCell(grid, Row(doc, "DeliveryTransport"), 2, "KBRX-JMS");
    EXPECT_EQ(messages, (std::vector<std::string>{"The connector 'Alpha' document exists!"}));
    EXPECT_TRUE(doc->IsQvsMode());
    EXPECT_EQ(TabLabels(doc).size(), 6u);
    EXPECT_EQ(Cell(grid, Row(doc, "DeliveryTransport"), 2), "ORB");
    EXPECT_EQ(Value(doc, "DeliveryTransport"), "ORB");
    EXPECT_TRUE(doc->IsModified());
  });
}

TEST_F(StdPropsTest, SavingToTheServerSetsTheValuesOnItsConnector) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    CKestrunDoc* doc = Open(NewModel("StdOne"));
    TypeInto(Grid(doc), Row(doc, "CharacterSet"), 2, "ISO-8859-1");
    ASSERT_TRUE(doc->SaveToServer());
    CQRConnector* server = CDataManager::InitInstance()->GetConnector("StdOne");
    ASSERT_NE(server, nullptr);
    const auto& properties = server->GetStandardProperties(0);
    CString charset;
    for (INT_PTR i = 0; i < properties.GetSize(); ++i) {
      if (properties[i]->GetName() == "CharacterSet") charset = properties[i]->GetValue();
    }
    EXPECT_EQ(Text(charset), "ISO-8859-1");
  });
}

TEST_F(StdPropsTest, AServerConnectorAskingForAnUpgradeIsSavedAtOnceWhenTheUserAgrees) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    {
      CConnector made("Upgrade", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
      ASSERT_NE(made.GetServerConnector(), nullptr);
    }
    CQRConnector* server = CDataManager::InitInstance()->GetConnector("Upgrade");
    ASSERT_NE(server, nullptr);
    auto& properties = server->GetStandardProperties(0);
    for (INT_PTR i = 0; i < properties.GetSize(); ++i) {
      if (properties[i]->GetName() == "CharacterSet" || properties[i]->GetName() == "PollInterval")
        properties[i]->SetFlags(HvPropFlagNew);
    }
    std::string shown;
    robot.onDialog("Upgrade Standard Properties", [&](Robot& r, Window dlg) {
      shown = dlg.child(1023).text();
      r.click(dlg.childByText("Upgrade"));
    });
    CKestrunDoc* doc = App().OpenConnectorWindow(std::make_unique<CConnector>(server));
    robot.pumpUntilIdle();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(shown, "CharacterSet\r\nPollInterval\r\n");
    const std::vector<std::string> lines = ResultLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "Connector 'Upgrade' is saved successfully.");
    EXPECT_FALSE(doc->IsModified());
    for (INT_PTR i = 0; i < properties.GetSize(); ++i) EXPECT_FALSE(properties[i]->NeedsUpgrade());

    // Opened again, it asks nothing and is not modified.
    FrameOf(doc)->DestroyWindow();
    CKestrunDoc* again = App().OpenConnectorWindow(std::make_unique<CConnector>(server));
    robot.pumpUntilIdle();
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->IsModified());
  });
}

TEST_F(StdPropsTest, AnUpgradeTheUserCancelsLeavesTheConnectorUnmodified) {
  Run([&] {
    ASSERT_TRUE(ConnectDirectly());
    {
      CConnector made("Later", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
      ASSERT_NE(made.GetServerConnector(), nullptr);
    }
    CQRConnector* server = CDataManager::InitInstance()->GetConnector("Later");
    server->GetStandardProperties(0)[0]->SetFlags(HvPropFlagNew);
    robot.onDialog("Upgrade Standard Properties", [](Robot& r, Window dlg) { r.click(dlg.child(IDCANCEL)); });
    CKestrunDoc* doc = App().OpenConnectorWindow(std::make_unique<CConnector>(server));
    robot.pumpUntilIdle();
    ASSERT_NE(doc, nullptr);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(ResultLines().empty()) << "nothing was saved";
  });
}

TEST_F(StdPropsTest, Snapshot) {
  Run([&] {
    Open(NewModel("Alpha"));
    robot.snapshot(Window(Frame().GetSafeHwnd()), "standard_properties");
  });
}

}  // namespace
}  // namespace kestrun_tabs_test
