// The connector model: standard defaults and dependencies, the setters and
// their modified state, records, resources, and loading from and saving to
// a server connector.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "Connector.h"
#include "DataManager.h"
#include "kestrun_fixture.h"
#include "temporary_server.h"

namespace kestrun_test {
namespace {

std::vector<std::string> Names(const CList<HvProperty*, HvProperty*>& list) {
  std::vector<std::string> names;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) names.push_back(Text(list.GetNext(pos)->GetName()));
  return names;
}

bool Active(const CConnector& c, const char* name) { return c.FindStdProperty(name)->IsActive() != FALSE; }

TEST(ConnectorModel, NewConnectorHoldsTheStandardListThenTheDependentsOnce) {
  const auto connector = NewConnector();
  HvProperty::LoadStandard();
  std::vector<std::string> expected;
  for (INT_PTR i = 0; i < HvProperty::m_stdProperties.GetSize(); ++i)
    expected.push_back(Text(HvProperty::m_stdProperties[i]->GetName()));
  for (const char* dependent : {"QueueManager", "InputQueue", "ReplyQueue", "ErrorQueue", "QueueFactoryClass"})
    expected.push_back(dependent);
  EXPECT_EQ(expected, Names(connector->m_stdPropertyList));

  const HvProperty* transport = connector->FindStdProperty("DeliveryTransport");
  EXPECT_EQ(HvProperty::FindStandard("DeliveryTransport"), transport->GetTemplate());
  EXPECT_EQ("ORB", Text(transport->GetDefaultValue()));
  EXPECT_EQ(HvPropFlagNew, transport->GetFlags());
  HvProperty* queue = connector->FindStdProperty("QueueManager");
  EXPECT_TRUE(queue->IsBroughtByDependency());
  ASSERT_EQ(1, queue->GetBringers().GetSize());
  EXPECT_EQ(transport, queue->GetBringers()[0]);
  // The default transport needs no queues.
  EXPECT_FALSE(Active(*connector, "QueueManager"));
  EXPECT_TRUE(Active(*connector, "DeliveryTransport"));
}

TEST(ConnectorModel, EveryFieldStartsAtItsDefault) {
  for (const auto& connector : {NewConnector(), std::make_unique<CConnector>(nullptr)}) {
    EXPECT_EQ(nullptr, connector->m_pServerConnector);
    EXPECT_EQ(CONNECTOR_QVS, connector->m_nType);
    EXPECT_EQ(2, connector->m_nTransLevel);
    EXPECT_EQ(CONNECTOR_NEW | CONNECTOR_MODIFIED, connector->m_nFlags);
    EXPECT_EQ("Parallel Process Degree", Text(connector->m_strDegreeName));
    EXPECT_EQ(1, connector->m_nParallelDegree);
    EXPECT_EQ("Call Triggered Requests", Text(connector->GetResourceClass(0, 0)));
    EXPECT_EQ("Event Triggered Requests", Text(connector->GetResourceClass(0, 1)));
    EXPECT_EQ("", Text(connector->GetResourceClass(0, 2)));
    EXPECT_EQ("", Text(connector->GetResourceClass(1, 0)));
    for (const CResourcePool& pool : connector->m_pools) {
      EXPECT_EQ(0, pool.m_nMinAlloc);
      EXPECT_EQ(0, pool.m_nMaxAlloc);
    }
    EXPECT_EQ("1.0.0", Text(connector->GetVersion()));
    EXPECT_EQ("STDOUT", Text(connector->m_log.m_strFileName));
    EXPECT_EQ("Bytes", Text(connector->m_trace.m_strSizeUnit));
    EXPECT_TRUE(connector->m_log.m_bToStdout);
    EXPECT_FALSE(connector->m_trace.m_bToFile);
    EXPECT_FALSE(connector->m_stdPropertyList.IsEmpty());
  }
  // A saved-mark from the caller brings the second mark with it.
  EXPECT_EQ(CONNECTOR_SAVED | CONNECTOR_SAVED_MARK, CConnector("x", CONNECTOR_QVS, CONNECTOR_SAVED).m_nFlags);
}

TEST(ConnectorModel, DeliveryTransportSwitchesItsQueuesAndReportsTheChange) {
  const auto connector = NewConnector();
  connector->m_nFlags = 0;
  EXPECT_TRUE(connector->SetStdProperty("DeliveryTransport", "JMS"));
  EXPECT_TRUE(Active(*connector, "QueueManager"));
  EXPECT_TRUE(Active(*connector, "QueueFactoryClass"));
  EXPECT_TRUE(connector->IsModified());
  // Nothing changes activity: false, but the value is taken.
  EXPECT_FALSE(connector->SetStdProperty("DeliveryTransport", "KBRX-JMS"));
  EXPECT_EQ("KBRX-JMS", StdValue(*connector, "DeliveryTransport"));
  EXPECT_TRUE(connector->SetStdProperty("DeliveryTransport", "ORB"));
  EXPECT_FALSE(Active(*connector, "ErrorQueue"));
}

TEST(ConnectorModel, RefusedValuesAndUnknownNamesChangeNothing) {
  const auto connector = NewConnector();
  connector->m_nFlags = 0;
  EXPECT_FALSE(connector->SetStdProperty("", "x"));
  EXPECT_FALSE(connector->SetStdProperty(nullptr, "x"));
  EXPECT_FALSE(connector->SetStdProperty("NoSuchProperty", "x"));
  EXPECT_FALSE(connector->SetStdProperty("DeliveryTransport", "Carrier pigeon"));
  EXPECT_FALSE(connector->SetStdProperty("PollInterval", "often"));
  EXPECT_EQ("ORB", StdValue(*connector, "DeliveryTransport"));
  EXPECT_EQ("5000", StdValue(*connector, "PollInterval"));
  EXPECT_FALSE(connector->IsModified());
}

TEST(ConnectorModel, ValidationJudgesTheGivenValue) {
  const auto connector = NewConnector();
  EXPECT_EQ(0, connector->ValidateStdProperty("NoSuchProperty", "x"));
  // A value other than the current one is checked by the property's rule.
  EXPECT_EQ(0, connector->ValidateStdProperty("DeliveryTransport", "Carrier pigeon"));
  EXPECT_EQ(0, connector->ValidateStdProperty("PollInterval", "often"));
  EXPECT_EQ(1, connector->ValidateStdProperty("DeliveryTransport", "JMS"));
  EXPECT_EQ(1, connector->ValidateStdProperty("PollInterval", "500"));
  // The current value passes.
  EXPECT_EQ(1, connector->ValidateStdProperty("DeliveryTransport", "ORB"));
}

// Templates of the test's own: A brings B while A is "on", B brings C while
// B is not empty.
class DependencyChain : public ::testing::Test {
 protected:
  void SetUp() override {
    HvProperty::LoadStandard();
    a_ = std::make_unique<HvProperty>("ChainA", "on", HvPropString, "dynamic");
    b_ = std::make_unique<HvProperty>("ChainB", "b", HvPropString, "dynamic");
    c_ = std::make_unique<HvProperty>("ChainC", "c", HvPropString, "dynamic");
    Link(*a_, HvProperty::HvDependency::Equals, "on", *b_);
    Link(*b_, HvProperty::HvDependency::NotEmpty, "", *c_);
    HvProperty::m_stdProperties.Add(a_.get());
  }
  void TearDown() override { HvProperty::m_stdProperties.RemoveAt(HvProperty::m_stdProperties.GetSize() - 1); }

  static void Link(HvProperty& from, HvProperty::HvDependency::Op op, const char* operand, HvProperty& to) {
    CStringArray operands;
    operands.Add(operand);
    auto* dependency = new HvProperty::HvDependency(op, operands);
    dependency->GetDependents().Add(&to);
    from.GetDependencies().Add(dependency);
  }

  std::unique_ptr<HvProperty> a_, b_, c_;
};

TEST_F(DependencyChain, DeactivationRunsDownTheChainAndBack) {
  const auto connector = NewConnector();
  const auto names = Names(connector->m_stdPropertyList);
  EXPECT_EQ(1, std::count(names.begin(), names.end(), "ChainB"));
  EXPECT_EQ(1, std::count(names.begin(), names.end(), "ChainC"));
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  EXPECT_TRUE(Active(*connector, "ChainB") && Active(*connector, "ChainC"));

  EXPECT_TRUE(connector->SetStdProperty("ChainA", "off"));
  EXPECT_FALSE(Active(*connector, "ChainB"));
  EXPECT_FALSE(Active(*connector, "ChainC"));
  EXPECT_TRUE(connector->SetStdProperty("ChainA", "on"));
  EXPECT_TRUE(Active(*connector, "ChainB"));
  EXPECT_TRUE(Active(*connector, "ChainC"));
}

TEST_F(DependencyChain, ACircleOfDependenciesEnds) {
  Link(*c_, HvProperty::HvDependency::NotEmpty, "", *a_);
  const auto connector = NewConnector();
  const auto names = Names(connector->m_stdPropertyList);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  connector->SetStdProperty("ChainA", "off");
  EXPECT_FALSE(Active(*connector, "ChainC"));
}

TEST(ConnectorModel, RecordsAndTheirStates) {
  const auto connector = NewConnector();
  connector->m_nFlags = 0;
  EXPECT_EQ(0, connector->SetSupportedBO("", 1));
  EXPECT_EQ(1, connector->SetSupportedBO("Orders", 1));
  EXPECT_TRUE(connector->IsModified());
  CQRSupportedBO* orders = connector->FindSupportedBO("ORDERS");
  ASSERT_NE(nullptr, orders);
  EXPECT_EQ(RECORD_NEW, orders->state);
  // A current record is left as it is; a stale one comes back with the value.
  connector->SetSupportedBO("orders", 0);
  EXPECT_EQ(1, orders->agentSupport);
  orders->state = RECORD_STALE;
  connector->SetSupportedBO("Orders", 0);
  EXPECT_EQ(0, orders->agentSupport);
  EXPECT_EQ(RECORD_CHANGED, orders->state);
  EXPECT_EQ(1, connector->m_supportedBOs.GetCount());

  connector->m_nFlags = 0;
  EXPECT_EQ(1, connector->SetMessageSet("Orders", "7"));
  EXPECT_TRUE(connector->IsModified());
  connector->m_nFlags = 0;
  EXPECT_EQ(1, connector->SetMessageSet("ORDERS", "8"));
  EXPECT_TRUE(connector->IsModified()) << "an existing record marks the connector modified as well";
  EXPECT_EQ("8", Text(connector->FindMessageSet("orders")->m_strId));
  EXPECT_EQ(RECORD_NEW | RECORD_CHANGED, connector->FindMessageSet("orders")->m_nState);
  connector->SetMessageSet("Invoices", "9");
  connector->RebuildSupportedBOsFromMessageSets();
  ASSERT_EQ(2, connector->m_supportedBOs.GetCount());
  EXPECT_EQ("Invoices", Text(connector->m_supportedBOs.GetTail()->name));
  EXPECT_EQ(1, connector->m_supportedBOs.GetTail()->agentSupport);
  connector->RemoveSupportedBO("invoices");
  connector->DropOrphanMessageSets();
  ASSERT_EQ(1, connector->m_messageSets.GetCount());
  EXPECT_EQ("Orders", Text(connector->m_messageSets.GetHead()->m_strName));

  connector->AddCodecRecord("", 1);
  connector->AddCodecRecord("Orders", 1);
  EXPECT_EQ(1, connector->m_deltaSupport.GetCount());
  EXPECT_EQ(1, connector->SetTransactionLevel("Stringent"));
  EXPECT_EQ(5, connector->m_nTransLevel);
}

TEST(ConnectorModel, ApplicationPropertiesAndTheUndecryptableMark) {
  const auto connector = NewConnector();
  auto* secret = new HvProperty("Secret", "ENC-text", HvPropCipherText, "agent restart", HvPropFlagNew);
  connector->AddAppProperty(secret);
  connector->AddAppProperty(new HvProperty("Plain", "p", HvPropString, "agent restart", HvPropFlagNew));
  EXPECT_EQ(secret, connector->FindAppProperty("Secret"));
  EXPECT_EQ(nullptr, connector->FindAppProperty("secret"));
  connector->MarkUndecryptable(secret);
  EXPECT_TRUE(connector->IsUndecryptable(secret));
  // A new value is the user's own: the mark no longer holds.
  EXPECT_EQ(1, connector->SetAppProperty("Secret", "typed anew"));
  EXPECT_FALSE(connector->IsUndecryptable(secret));
  EXPECT_EQ(0, connector->SetAppProperty("Missing", "x"));
  connector->RemoveAppProperty("Secret");
  EXPECT_EQ(nullptr, connector->FindAppProperty("Secret"));
  EXPECT_EQ(1, connector->m_appPropertyList.GetCount());
}

// A temporary server, logged in.
class ConnectorServerTest : public kestrun_test::KestrunTest {
 protected:
  void SetUp() override {
    KestrunTest::SetUp();
    server_ = std::make_unique<halvane::test::TemporaryServer>("KestrunServer");
    ASSERT_FALSE(HasFailure());
  }
  void TearDown() override {
    server_.reset();
    KestrunTest::TearDown();
  }
  std::unique_ptr<halvane::test::TemporaryServer> server_;
};

TEST_F(ConnectorServerTest, SavedConnectorLoadsBackWithEverything) {
  const auto connector = NewConnector();
  connector->SetName("Orders");
  connector->SetStdProperty("PollInterval", "250");
  connector->AddAppProperty(new HvProperty("Region", "north", HvPropString, "agent restart", HvPropFlagNew));
  connector->SetSupportedBO("Customer", 1);
  CQRConnector* server = connector->GetServerConnector();
  ASSERT_NE(nullptr, server);
  EXPECT_EQ(0, connector->m_nFlags & CONNECTOR_NEW);
  EXPECT_EQ(server, connector->GetServerConnector());
  // The server copied what it was given: the model still owns its own.
  EXPECT_NE(server->GetAppProperties()[0], connector->FindAppProperty("Region"));

  connector->m_nParallelDegree = 4;
  connector->m_pools[0] = {"Call Triggered Requests", "", 1, 3};
  connector->m_pools[1] = {"Event Triggered Requests", "", 0, 1};
  connector->ApplyResources(server);
  // A property the library's list does not know stays with the connector.
  auto* extra = new HvProperty("SiteSpecificSetting", "kept", HvPropString, "dynamic", 0);
  server->AddStdProperty(extra);
  ASSERT_TRUE(server->Save());

  CConnector loaded(CDataManager::InitInstance()->GetConnector("Orders"));
  EXPECT_EQ("Orders", Text(loaded.m_strName));
  EXPECT_EQ("250", StdValue(loaded, "PollInterval"));
  EXPECT_EQ("kept", StdValue(loaded, "SiteSpecificSetting"));
  EXPECT_EQ("north", kestrun_test::AppValue(loaded, "Region"));
  ASSERT_NE(nullptr, loaded.FindSupportedBO("Customer"));
  EXPECT_EQ(4, loaded.m_nParallelDegree);
  EXPECT_EQ(3, loaded.m_pools[0].m_nMaxAlloc);
  EXPECT_EQ("Event Triggered Requests", Text(loaded.m_pools[1].m_strClassName));
  EXPECT_TRUE(loaded.IsModified());
}

TEST_F(ConnectorServerTest, RenamingDetachesFromTheServerConnector) {
  const auto connector = NewConnector();
  connector->SetName("First");
  CQRConnector* first = connector->GetServerConnector();
  ASSERT_NE(nullptr, first);
  connector->SetName("Second");
  EXPECT_EQ(nullptr, connector->m_pServerConnector);
  CQRConnector* second = connector->GetServerConnector();
  ASSERT_NE(nullptr, second);
  EXPECT_NE(first, second);
  EXPECT_STREQ("First", first->name());
  EXPECT_NE(nullptr, CDataManager::InitInstance()->GetConnector("First"));
}

}  // namespace
}  // namespace kestrun_test
