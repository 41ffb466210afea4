// Log-in, the default server, the process-wide instance and the faults
// of the session itself.
#include <cstdlib>
#include <filesystem>

#include "DravonAdmin.h"
#include "dravon_test_support.h"

namespace dravon_test {
namespace {

using SessionTest = DravonTest;

TEST_F(SessionTest, InitInstanceIsOneInstanceUntilDeleted) {
  CDataManager* first = CDataManager::InitInstance();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(CDataManager::InitInstance(), first);
  first->RefreshBONames(0)->AddTail("Pending");
  delete first;
  EXPECT_EQ(CDataManager::PeekInstance(), nullptr);
  CDataManager* second = CDataManager::InitInstance();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->RefreshBONames(0)->IsEmpty()) << "a new instance starts empty";
}

TEST_F(SessionTest, LogInNeedsTheRightPasswordAndAnExistingServer) {
  EXPECT_EQ(Dm().LogToServer(kServer, kUser, "wrong"), 0);
  EXPECT_FALSE(Dm().IsConnected());
  EXPECT_EQ(Dm().LogToServer(kServer, "nobody", kPassword), 0);
  EXPECT_EQ(Dm().LogToServer("NoSuchServer", kUser, kPassword), 0);
  EXPECT_EQ(Dm().LogToServer("../TestServer", kUser, kPassword), 0);
  EXPECT_EQ(Dm().LogToServer(nullptr, kUser, kPassword), 0);
  EXPECT_NE(Dm().LogToServer(kServer, kUser, kPassword), 0);
  EXPECT_TRUE(Dm().IsConnected());
  CQRServer* server = Dm().GetServer();
  ASSERT_NE(server, nullptr);
  EXPECT_EQ(server->GetServerName(), kServer);
  EXPECT_EQ(server->GetUserName(), kUser);
  EXPECT_EQ(server->GetPassword(), kPassword);
  EXPECT_FALSE(server->is_dead());
  server->disconnect();
  EXPECT_FALSE(Dm().IsConnected());
  EXPECT_TRUE(server->is_dead());
}

TEST_F(SessionTest, GetObjectGivesOneServerObjectPerExistingServer) {
  CQRServer* server = Dm().GetObject(HvObjServer, kServer, 1);
  ASSERT_NE(server, nullptr);
  EXPECT_EQ(server->GetObjType(), HvObjServer);
  EXPECT_EQ(Dm().GetObject(HvObjServer, kServer, 0), server);
  EXPECT_EQ(Dm().GetObjectA(HvObjServer, kServer, 0), server) << "the ANSI name callers use";
  EXPECT_EQ(Dm().GetObject(HvObjServer, "Elsewhere", 1), nullptr);
  EXPECT_EQ(Dm().GetObject(HvObjBusObj, kServer, 1), nullptr);
  ASSERT_TRUE(LogIn());
  EXPECT_EQ(Dm().GetServer(), server);
}

TEST_F(SessionTest, AFreshMachineGetsTheDefaultServer) {
  std::string error;
  ASSERT_TRUE(dravon::admin::RemoveServer(kServer, error)) << error;
  ASSERT_TRUE(dravon::admin::ListServers().empty());
  EXPECT_NE(Dm().LogToServer("HalvaneServer", "admin", "admin"), 0);
  EXPECT_EQ(dravon::admin::ListServers(), std::vector<std::string>{"HalvaneServer"});
}

TEST_F(SessionTest, ServersFolderFollowsTheEnvironment) {
  const std::string saved = m_folder.path();
  const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
  unsetenv("HALVANE_SERVERS");
  setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
  EXPECT_EQ(dravon::admin::ServersFolder(), "/tmp/xdg-data/halvane/servers");
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(dravon::admin::ServersFolder(), "/home/someone/.local/share/halvane/servers");
  setenv("HOME", home.c_str(), 1);
  setenv("HALVANE_SERVERS", saved.c_str(), 1);
  EXPECT_EQ(dravon::admin::ServersFolder(), saved);
}

TEST_F(SessionTest, RefusedLogInAnswersZero) {
  dravon::test::RefuseLogin(true);
  EXPECT_EQ(Dm().LogToServer(kServer, kUser, kPassword), 0);
  dravon::test::RefuseLogin(false);
  EXPECT_NE(Dm().LogToServer(kServer, kUser, kPassword), 0);
}

TEST_F(SessionTest, SlowCallsTakeTheirTimeOnTheClock) {
  ASSERT_TRUE(LogIn());
  dravon::test::SetCallDelay(2500);
  const DWORD start = GetTickCount();
  Dm().RefreshBONames(1);
  EXPECT_EQ(GetTickCount() - start, 2500u);
}

TEST_F(SessionTest, CallsWithoutASessionFailQuietly) {
  EXPECT_EQ(Dm().GetBO("Anything", 0, 1), nullptr);
  EXPECT_EQ(Dm().DeleteBO("Anything"), 0);
  EXPECT_EQ(Dm().GetConnector("Anything"), nullptr);
  EXPECT_EQ(Dm().FindSuperDepsForBO(HvObjBusObj, "Anything")->GetSize(), 0);
  CQRBusObjDef* local = Dm().GetBO("Local", 1, 1);
  ASSERT_NE(local, nullptr);
  EXPECT_EQ(local->Save(), 0);
  EXPECT_EQ(local->GetState(), HvStateNew);
  Dm().CloseBO(nullptr, nullptr);
  Dm().AddWindowHandle(reinterpret_cast<HWND>(0x1234), "Local");
  Dm().SendRefreshMsg("Local");
}

}  // namespace
}  // namespace dravon_test
