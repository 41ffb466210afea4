#include "temporary_server.h"

#include <DravonAdmin.h>
#include <DravonTestHooks.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace halvane::test {

TemporaryServer::TemporaryServer(std::string name) : name_(std::move(name)), folder_(std::in_place, "test-server") {
  EXPECT_FALSE(folder_->path().empty());
  Create(folder_->path());
  EXPECT_NE(Dm().LogToServer(name_.c_str(), kUser, kPassword), 0);
}

TemporaryServer::TemporaryServer(std::string name, const std::string& serversFolder) : name_(std::move(name)) {
  Create(serversFolder);
}

TemporaryServer::~TemporaryServer() {
  delete CDataManager::PeekInstance();
  unsetenv("HALVANE_SERVERS");
}

void TemporaryServer::Create(const std::string& serversFolder) const {
  setenv("HALVANE_SERVERS", serversFolder.c_str(), 1);
  // Full-strength password hashes take a quarter second each.
  dravon::test::SetPasswordIterations(1000);
  std::string error;
  EXPECT_TRUE(dravon::admin::CreateServer(name_, kUser, kPassword, error)) << error;
}

void TemporaryServer::AddObject(_E_HvObjType type, const std::string& name) const {
  std::string error;
  EXPECT_TRUE(dravon::admin::AddObject(name_, type, name, {}, error)) << error;
}

}  // namespace halvane::test
