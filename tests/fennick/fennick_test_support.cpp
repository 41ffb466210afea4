#include "fennick_test_support.h"

#include <cstdlib>

#include <windows.h>

#include "DravonAdmin.h"
#include "DravonTestHooks.h"

namespace fennick_test {

namespace {
constexpr const char* kServer = "FennickServer";
constexpr const char* kUser = "tester";
constexpr const char* kPassword = "secret";
}  // namespace

std::unique_ptr<CBODefAttr> MakeAttr(const AttrDef& def, int position) {
  auto attr = std::make_unique<CBODefAttr>(position, def.name.c_str(), def.type.c_str());
  attr->SetCardinality(def.cardinality.c_str());
  attr->SetMaxLength(def.maxLength.c_str());
  attr->SetDefaultValue(def.defaultValue.c_str());
  attr->SetKey(def.key ? TRUE : FALSE);
  return attr;
}

TestServer::TestServer() {
  EXPECT_FALSE(m_folder.path().empty());
  setenv("HALVANE_SERVERS", m_folder.path().c_str(), 1);
  BusObjSpecDirectory::getTheBusObjSpecDirectory()->clear();
  // Full-strength password hashes take a quarter second each.
  dravon::test::SetPasswordIterations(1000);
  std::string error;
  EXPECT_TRUE(dravon::admin::CreateServer(kServer, kUser, kPassword, error)) << error;
  EXPECT_NE(Dm().LogToServer(kServer, kUser, kPassword), 0);
}

TestServer::~TestServer() {
  BusObjSpecDirectory::getTheBusObjSpecDirectory()->clear();
  delete CDataManager::PeekInstance();
  unsetenv("HALVANE_SERVERS");
}

void TestServer::AddObject(_E_HvObjType type, const std::string& name) const {
  std::string error;
  EXPECT_TRUE(dravon::admin::AddObject(kServer, type, name, {}, error)) << error;
}

void TestServer::Define(const char* name, const std::vector<AttrDef>& attrs, const std::vector<std::string>& verbs) {
  CQRBusObjDef* def = Dm().GetBO(name, 1, 0);
  ASSERT_NE(def, nullptr);
  int position = 1;
  for (const AttrDef& attr : attrs) def->GetAttrs().Add(MakeAttr(attr, position++).release());
  for (const std::string& verb : verbs) def->AddVerb(verb.c_str(), "");
  ASSERT_EQ(def->Save(), 1);
  Dm().ReleaseBODefs();
}

void TestServer::DefineCustomer() {
  Define("Address",
         {{"Street", "String", "", "10", "Main"},
          {"Zip", "Integer", "", "", "12345", true},
          {"Verified", "Boolean", "", "", "maybe"}},
         {"Create", "Retrieve"});
  Define("Customer",
         {{"Name", "String", "", "", "", true},
          {"Age", "Integer"},
          {"Home", "Address", "1"},
          {"Shipping", "Address", "N"},
          {"Since", "Date"}},
         {"Create", "Retrieve", "Update", "Delete"});
}

void FennickTest::SetUp() {
  win32::ResetWindowSystem();
  win32::UseVirtualClock(true);
  m_server = std::make_unique<TestServer>();
  ASSERT_FALSE(HasFailure());
}

void FennickTest::TearDown() {
  m_server.reset();
  win32::ResetWindowSystem();
}

}  // namespace fennick_test
