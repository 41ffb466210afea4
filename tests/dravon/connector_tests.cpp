// Connectors on the server, their resource table, and properties with
// the standard list and its dependencies.
#include <memory>
#include <vector>

#include "DravonAdmin.h"
#include "dravon_test_support.h"

namespace dravon_test {
namespace {

using ConnectorTest = DravonTest;

CQRConnector* AddSample(CDataManager& dm, const char* name) {
  CList<CQRSupportedBO*, CQRSupportedBO*> bos;
  CQRSupportedBO customer{"Customer", 1, 4};
  bos.AddTail(&customer);
  HvProperty transport("DeliveryTransport", "JMS", HvPropString, "component restart", 0);
  HvProperty secret("Password", "c2VjcmV0", HvPropCipherText, "agent restart", HvPropFlagNew);
  CList<HvProperty*, HvProperty*> std, app;
  std.AddTail(&transport);
  app.AddTail(&secret);
  return dm.AddConnector(name, "2.1.0", 4, bos, std, app);
}

TEST_F(ConnectorTest, AddedConnectorsAreStoredWithEverything) {
  ASSERT_TRUE(LogIn());
  CQRConnector* added = AddSample(Dm(), "Sap");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->GetState(), HvStateOnServer | HvStateSavedToServer);
  EXPECT_EQ(AddSample(Dm(), "SAP"), nullptr) << "the name is taken";
  EXPECT_EQ(Dm().IsUnique(HvObjConnector, "sap"), 0);
  ASSERT_TRUE(added->SetStdProperty("PollInterval", "500"));
  EXPECT_FALSE(added->SetStdProperty("PollInterval", "often")) << "an integer property";
  EXPECT_FALSE(added->SetStdProperty("NoSuchProperty", "x"));
  ASSERT_TRUE(added->SetTransLevel("Stringent"));
  EXPECT_FALSE(added->SetTransLevel("Whatever"));
  ASSERT_TRUE(added->setResValue(0, 3));
  ASSERT_TRUE(added->setMaxAllocValue(0, 1, 9));
  CMapTable maps;
  maps["Customer"] = NameType("CustToSap", "Native", 1);
  ASSERT_TRUE(added->UpdateMaps(maps));
  ASSERT_EQ(added->Save(), 1);

  delete CDataManager::PeekInstance();
  ASSERT_TRUE(LogIn());
  EXPECT_NE(Dm().RefreshConnectors(1)->Find("Sap"), nullptr);
  CQRConnector* c = Dm().GetConnector("Sap");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(Dm().GetConnector("Sap"), c);
  EXPECT_EQ(c->GetVersion(), "2.1.0");
  EXPECT_EQ(c->GetTransLevel(), 5);
  ASSERT_EQ(c->GetStandardProperties().GetSize(), 2);
  EXPECT_EQ(c->GetStandardProperties()[0]->GetName(), "DeliveryTransport");
  EXPECT_EQ(c->GetStandardProperties()[1]->GetValue(), "500");
  ASSERT_EQ(c->GetAppProperties().GetSize(), 1);
  EXPECT_EQ(c->GetAppProperties()[0]->GetType(), HvPropCipherText);
  EXPECT_EQ(c->GetAppProperties()[0]->GetUpdateMethod(), "agent restart");
  ASSERT_EQ(c->GetSupportedBOs().GetSize(), 1);
  EXPECT_EQ(c->GetSupportedBOs()[0]->agentSupport, 1);
  EXPECT_EQ(c->getResValue(0), 3);
  EXPECT_EQ(c->getMaxAllocValue(0, 1), 9);
  EXPECT_EQ(c->getResClass(0, 0), "Call Triggered Requests");
  CStringList one, all;
  one.AddTail("Customer");
  const NameType* map = c->GetImplicitMap(one, all);
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->m_strName, "CustToSap");
  EXPECT_EQ(map->m_nFlag, 1);

  EXPECT_EQ(Dm().DeleteObject(HvObjConnector, "Sap", 0), 1);
  EXPECT_EQ(Dm().RefreshConnectors(1)->Find("Sap"), nullptr);
  EXPECT_EQ(Dm().DeleteObject(HvObjConnector, "Sap", 0), 0);
}

TEST_F(ConnectorTest, ImplicitMapsComeFromTheServersMaps) {
  std::string error;
  ASSERT_TRUE(dravon::admin::AddObject(kServer, HvObjNativeMap, "OrderMap", {"Order"}, error)) << error;
  ASSERT_TRUE(LogIn());
  CQRConnector* c = AddSample(Dm(), "Erp");
  ASSERT_NE(c, nullptr);
  CStringList one, all;
  one.AddTail("Order");
  const NameType* map = c->GetImplicitMap(one, all);
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->m_strName, "OrderMap");
  EXPECT_EQ(map->m_nFlag, 0);
  CStringList none;
  none.AddTail("Unmapped");
  EXPECT_EQ(c->GetImplicitMap(none, all), nullptr);
  EXPECT_EQ(c->GetImplicitMap(CStringList(), all), nullptr);
}

TEST_F(ConnectorTest, AnotherProcessesChangesReachLoadedConnectors) {
  ASSERT_TRUE(LogIn());
  CQRConnector* c = AddSample(Dm(), "Shared");
  ASSERT_NE(c, nullptr);
  HWND main = MakeWindow();
  Dm().UniteObject(nullptr, main);
  ASSERT_EQ(RunOtherClient({"save-connector", "Shared"}), 0);
  PollOnce();
  ASSERT_EQ(c->GetSupportedBOs().GetSize(), 2) << "an unmodified connector is read again";
  EXPECT_EQ(c->GetSupportedBOs()[1]->name, "FromOtherClient");
  EXPECT_TRUE(MessagesOf(main).empty());
  ASSERT_EQ(RunOtherClient({"delete-connector", "Shared"}), 0);
  PollOnce();
  ASSERT_EQ(MessagesOf(main), std::vector<UINT>{WM_HV_OBJECT_DELETED});
  EXPECT_EQ(NoticesOf(main)[0].wParam, static_cast<WPARAM>(HvObjConnector));
  EXPECT_EQ(NoticesOf(main)[0].lParam, reinterpret_cast<LPARAM>(c));
  EXPECT_EQ(Dm().RefreshConnectors(0)->Find("Shared"), nullptr);
  EXPECT_EQ(Dm().GetConnector("Shared"), nullptr);
  EXPECT_EQ(c->GetState() & HvStateOnServer, 0);
}

TEST_F(ConnectorTest, ResourceTableAnswersMinusOneWithoutATable) {
  CQRConnector c("Bare", nullptr, HvStateNew);
  EXPECT_EQ(c.GetResTable(), nullptr);
  EXPECT_EQ(c.getResValue(0), -1);
  EXPECT_EQ(c.getMinAllocValue(0, 0), -1);
  EXPECT_EQ(c.getMaxAllocValue(0, 1), -1);
  EXPECT_FALSE(c.setMinAllocValue(0, 0, 5));
  EXPECT_FALSE(c.setResClass(0, 1, "Events")) << "class names live in the table too";
  EXPECT_EQ(c.getResClass(0, 1), "");
  c.CreateResTable();
  ASSERT_NE(c.GetResTable(), nullptr);
  EXPECT_EQ(c.GetResTable()[0], 1) << "degree 1 by default";
  EXPECT_EQ(c.getResClass(0, 1), "") << "the class set without a table was not kept";
  EXPECT_TRUE(c.setResClass(0, 1, "Events"));
  EXPECT_EQ(c.getResClass(0, 1), "Events");
  EXPECT_FALSE(c.setResClass(0, 2, "Out of range"));
  EXPECT_FALSE(c.setResClass(1, 0, "Other resource"));
  EXPECT_TRUE(c.setMinAllocValue(0, 0, 5));
  EXPECT_EQ(c.GetResTable()[1], 5);
  EXPECT_EQ(c.getMinAllocValue(0, 2), -1);
}

TEST(HvPropertyTest, ValuesAreCheckedAgainstTypeAndAllowedValues) {
  HvProperty number("Count", "1", HvPropInteger, "dynamic");
  EXPECT_EQ(number.SetValue("12"), 1);
  EXPECT_EQ(number.SetValue("12x"), 0);
  EXPECT_EQ(number.GetValue(), "12");
  HvProperty flag("Flag", "true", HvPropBoolean, "dynamic");
  EXPECT_EQ(flag.SetValue("FALSE"), 1);
  EXPECT_EQ(flag.SetValue("yes"), 0);
  HvProperty choice("Mode", "A", HvPropString, "dynamic");
  choice.GetAllowedValues().Add("A");
  choice.GetAllowedValues().Add("B");
  EXPECT_EQ(choice.SetValue("b"), 1);
  EXPECT_EQ(choice.SetValue("C"), 0);
}

TEST(HvPropertyTest, TheStandardListKnowsItsPropertiesAndDependencies) {
  HvProperty::LoadStandard();
  HvProperty::LoadStandard();
  const INT_PTR count = HvProperty::m_stdProperties.GetSize();
  ASSERT_GT(count, 0);
  HvProperty::LoadStandard();
  EXPECT_EQ(HvProperty::m_stdProperties.GetSize(), count) << "loaded once";
  EXPECT_TRUE(HvProperty("ApplicationName", "", HvPropString, "").IsStandard());
  EXPECT_FALSE(HvProperty("MyOwn", "", HvPropString, "").IsStandard());
  EXPECT_EQ(HvProperty::GetUpdateMethod("QueueManager"), "agent restart");
  EXPECT_EQ(HvProperty::GetUpdateMethod("Nothing"), "");

  HvProperty* transport = HvProperty::FindStandard("DeliveryTransport");
  ASSERT_NE(transport, nullptr);
  ASSERT_EQ(transport->GetDependencies().GetSize(), 1);
  const HvProperty::HvDependency& queues = *transport->GetDependencies()[0];
  EXPECT_TRUE(queues.IsOpValid("JMS"));
  EXPECT_TRUE(queues.IsOpValid("kbrx-jms"));
  EXPECT_FALSE(queues.IsOpValid("ORB"));
  bool bringsQueueManager = false;
  for (INT_PTR i = 0; i < queues.GetDependents().GetSize(); ++i) {
    bringsQueueManager = bringsQueueManager || queues.GetDependents()[i]->GetName() == "QueueManager";
  }
  EXPECT_TRUE(bringsQueueManager);
  for (INT_PTR i = 0; i < count; ++i) {
    EXPECT_NE(HvProperty::m_stdProperties[i]->GetName(), "QueueManager") << "dependents are not listed";
  }
}

TEST_F(ConnectorTest, SavedStandardPropertiesAskForNoUpgradeAndApplicationOnesKeepTheirFlags) {
  ASSERT_TRUE(LogIn());
  CQRConnector* added = AddSample(Dm(), "Upgraded");
  ASSERT_NE(added, nullptr);
  HvProperty* transport = added->GetStandardProperties()[0];
  transport->SetTemplate(HvProperty::FindStandard("DeliveryTransport"));
  transport->SetFlags(HvPropFlagNew);
  ASSERT_TRUE(transport->NeedsUpgrade()) << "as a server with a newer list would hand it out";
  ASSERT_EQ(added->Save(), 1);
  EXPECT_FALSE(transport->NeedsUpgrade()) << "saved, it is upgraded";

  delete CDataManager::PeekInstance();
  ASSERT_TRUE(LogIn());
  CQRConnector* c = Dm().GetConnector("Upgraded");
  ASSERT_NE(c, nullptr);
  EXPECT_FALSE(c->GetStandardProperties()[0]->NeedsUpgrade());
  EXPECT_EQ(c->GetAppProperties()[0]->GetFlags(), HvPropFlagNew);
}

TEST(HvPropertyTest, EveryStandardPropertyExplainsItselfAndItsDefaultFits) {
  HvProperty::LoadStandard();
  std::vector<const HvProperty*> all;
  for (INT_PTR i = 0; i < HvProperty::m_stdProperties.GetSize(); ++i) {
    const HvProperty* p = HvProperty::m_stdProperties[i];
    all.push_back(p);
    for (INT_PTR d = 0; d < p->GetDependencies().GetSize(); ++d) {
      const HvPropertyArray& dependents = p->GetDependencies()[d]->GetDependents();
      for (INT_PTR q = 0; q < dependents.GetSize(); ++q) all.push_back(dependents[q]);
    }
  }
  for (const HvProperty* p : all) {
    EXPECT_FALSE(p->GetDescription().IsEmpty()) << p->GetName();
    EXPECT_EQ(p->ValidateValue(p->GetDefaultValue()), 1) << p->GetName();
    EXPECT_EQ(p->GetValue(), p->GetDefaultValue()) << p->GetName();
  }
  const HvProperty* transport = HvProperty::FindStandard("DeliveryTransport");
  ASSERT_NE(transport, nullptr);
  EXPECT_FALSE(transport->GetValueText().IsEmpty()) << "the value cell's text";
  std::unique_ptr<HvProperty> clone(transport->Clone());
  EXPECT_EQ(clone->GetValueText(), transport->GetValueText());
  EXPECT_EQ(clone->GetDescription(), transport->GetDescription());
}

TEST(HvPropertyTest, NewPropertiesFromTheListNeedAnUpgrade) {
  HvProperty copied("CharacterSet", "UTF-8", HvPropString, "component restart", HvPropFlagNew);
  EXPECT_FALSE(copied.NeedsUpgrade()) << "no template";
  copied.SetTemplate(HvProperty::FindStandard("CharacterSet"));
  EXPECT_TRUE(copied.NeedsUpgrade());
  copied.SetFlags(HvPropFlagRead);
  EXPECT_FALSE(copied.NeedsUpgrade());
  std::unique_ptr<HvProperty> clone(copied.Clone());
  EXPECT_EQ(clone->GetTemplate(), copied.GetTemplate());
  EXPECT_EQ(clone->GetValue(), "UTF-8");
}

}  // namespace
}  // namespace dravon_test
