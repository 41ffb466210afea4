// The fixture of the login and server-search tests: a user of its own (a
// fresh registry and data folder, where the servers and the login key
// live), the location service without faults, and a wait for the search's
// worker that blocks on the queue instead of spinning.
#pragma once

#include <DataManager.h>
#include <DravonAdmin.h>
#include <DravonTestHooks.h>
#include <Orb.h>
#include <OrbTestHooks.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "temp_profile.h"
#include "velmora_fixture.h"

class LoginTest : public VelmoraTest {
 protected:
  void SetUp() override {
    VelmoraTest::SetUp();
    if (const char* servers = std::getenv("HALVANE_SERVERS")) savedServers_ = servers;
    unsetenv("HALVANE_SERVERS");  // the servers live in the profile's data folder
    orb::test::Reset();
  }
  void TearDown() override {
    orb::test::Reset();
    delete CDataManager::PeekInstance();
    if (savedServers_) setenv("HALVANE_SERVERS", savedServers_->c_str(), 1);
    VelmoraTest::TearDown();
  }

  static void CreateServer(const std::string& name) {
    // Full-strength password hashes take a quarter second each.
    dravon::test::SetPasswordIterations(1000);
    std::string error;
    ASSERT_TRUE(dravon::admin::CreateServer(name, "user", "password", error)) << error;
  }
  // Dispatches the queue until `done`, sleeping on the queue between
  // messages (the search's worker posts from its own thread).
  void PumpUntil(const std::function<bool()>& done) {
    robot.pumpUntilIdle();
    while (!done()) {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
      robot.pumpUntilIdle();
    }
  }

  halvane::test::TempProfile profile;
  CWinApp app{"Login Host"};

 private:
  std::optional<std::string> savedServers_;
};
