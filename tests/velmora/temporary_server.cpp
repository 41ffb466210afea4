#include <DravonAdmin.h>
#include <DravonTestHooks.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "temporary_server.h"

namespace {

constexpr const char* kUser = "designer";
constexpr const char* kPassword = "drafts";

}  // namespace

TemporaryServer::TemporaryServer() {
  setenv("HALVANE_SERVERS", folder_.path().c_str(), 1);
  // Full-strength password hashes take a quarter second each.
  dravon::test::SetPasswordIterations(1000);
  std::string error;
  EXPECT_TRUE(dravon::admin::CreateServer(kServer, kUser, kPassword, error)) << error;
  EXPECT_NE(Dm()->LogToServer(kServer, kUser, kPassword), 0);
}

TemporaryServer::~TemporaryServer() {
  delete CDataManager::PeekInstance();
  unsetenv("HALVANE_SERVERS");
}

void TemporaryServer::AddObject(_E_HvObjType type, const std::string& name) const {
  std::string error;
  EXPECT_TRUE(dravon::admin::AddObject(kServer, type, name, {}, error)) << error;
}

void TemporaryServer::AddBusinessObject(const std::string& name) const {
  CQRBusObjDef* def = Dm()->GetBO(name.c_str(), 1, 1);
  ASSERT_NE(def, nullptr);
  def->GetAttrs().Add(new CBODefAttr(1, "Id", "String"));
  EXPECT_EQ(def->Save(), 1);
  Dm()->CloseBO(name.c_str(), nullptr);
  Dm()->ReleaseBODefs();
}
