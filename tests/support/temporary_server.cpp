#include "temporary_server.h"

#include <DravonAdmin.h>
#include <DravonTestHooks.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace halvane::test {

TemporaryServer::TemporaryServer(std::string name) : name_(std::move(name)) {
  EXPECT_FALSE(folder_.path().empty());
  setenv("HALVANE_SERVERS", folder_.path().c_str(), 1);
  // Full-strength password hashes take a quarter second each.
  dravon::test::SetPasswordIterations(1000);
  std::string error;
  EXPECT_TRUE(dravon::admin::CreateServer(name_, kUser, kPassword, error)) << error;
  EXPECT_NE(Dm().LogToServer(name_.c_str(), kUser, kPassword), 0);
}

TemporaryServer::~TemporaryServer() {
  delete CDataManager::PeekInstance();
  unsetenv("HALVANE_SERVERS");
}

void TemporaryServer::AddObject(_E_HvObjType type, const std::string& name) const {
  std::string error;
  EXPECT_TRUE(dravon::admin::AddObject(name_, type, name, {}, error)) << error;
}

}  // namespace halvane::test
