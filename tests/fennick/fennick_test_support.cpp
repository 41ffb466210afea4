#include "fennick_test_support.h"

#include <windows.h>

namespace fennick_test {

std::unique_ptr<CBODefAttr> MakeAttr(const AttrDef& def, int position) {
  auto attr = std::make_unique<CBODefAttr>(position, def.name.c_str(), def.type.c_str());
  attr->SetCardinality(def.cardinality.c_str());
  attr->SetMaxLength(def.maxLength.c_str());
  attr->SetDefaultValue(def.defaultValue.c_str());
  attr->SetKey(def.key ? TRUE : FALSE);
  return attr;
}

TestServer::TestServer() : TemporaryServer("FennickServer") {
  BusObjSpecDirectory::getTheBusObjSpecDirectory()->clear();
}

// Before the base class deletes the session the specs came from.
TestServer::~TestServer() { BusObjSpecDirectory::getTheBusObjSpecDirectory()->clear(); }

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
