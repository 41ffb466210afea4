// A temporary server holding a few definitions, a session logged in to it
// and an empty spec directory: the fixture of the instance tests, of the
// windows that show instances and of the name dialogs that check a server.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BusObjDef.h"
#include "BusObjSpecDirectory.h"
#include "DataManager.h"
#include "temporary_server.h"

namespace fennick_test {

struct AttrDef {
  AttrDef(std::string name, std::string type, std::string cardinality = "", std::string maxLength = "",
          std::string defaultValue = "", bool key = false)
      : name(std::move(name)),
        type(std::move(type)),
        cardinality(std::move(cardinality)),
        maxLength(std::move(maxLength)),
        defaultValue(std::move(defaultValue)),
        key(key) {}

  std::string name;
  std::string type;
  std::string cardinality;
  std::string maxLength;
  std::string defaultValue;
  bool key = false;
};

// A definition's attribute, outside any server.
std::unique_ptr<CBODefAttr> MakeAttr(const AttrDef& def, int position = 1);

// The temporary server with an empty spec directory, emptied again at the
// end.
class TestServer : public halvane::test::TemporaryServer {
 public:
  TestServer();
  ~TestServer();

  // Saves a definition on the server, then lets the session forget it, so
  // that type descriptions come from the server's copy.
  void Define(const char* name, const std::vector<AttrDef>& attrs, const std::vector<std::string>& verbs);
  // Address(Street String 10 "Main", Zip Integer key "12345", Verified
  // Boolean with a default that is no Boolean) and Customer(Name String
  // key, Age Integer, Home Address, Shipping Address N, Since Date).
  void DefineCustomer();
};

class FennickTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CDataManager& Dm() { return m_server->Dm(); }
  BusObjSpecDirectory& Directory() { return *BusObjSpecDirectory::getTheBusObjSpecDirectory(); }
  void Define(const char* name, const std::vector<AttrDef>& attrs, const std::vector<std::string>& verbs) {
    m_server->Define(name, attrs, verbs);
  }
  void DefineCustomer() { m_server->DefineCustomer(); }

 private:
  std::unique_ptr<TestServer> m_server;
};

}  // namespace fennick_test
