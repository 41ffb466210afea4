// The fixture of the server-session tests: a temporary servers folder
// with one server, a clean window system on the virtual clock, and
// windows that record the notices they get.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "DataManager.h"
#include "DravonTestHooks.h"
#include "temp_folder.h"

namespace dravon_test {

inline constexpr const char* kServer = "TestServer";
inline constexpr const char* kUser = "tester";
inline constexpr const char* kPassword = "secret";
inline constexpr int kTestPasswordIterations = 1000;

struct Notice {
  HWND wnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::string name;  // the name a definition notice carries
};

class DravonTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CDataManager& Dm() { return *CDataManager::InitInstance(); }
  bool LogIn() { return Dm().LogToServer(kServer, kUser, kPassword) != 0; }
  HWND MakeWindow();
  // Dispatches what is ready now.
  void Pump();
  // Moves the clock past one poll of the repository and dispatches.
  void PollOnce();
  std::vector<Notice> NoticesOf(HWND wnd) const;
  std::vector<UINT> MessagesOf(HWND wnd) const;
  void ClearNotices();
  // A definition on the server with the given attributes (type names).
  void PutOnServer(const char* name, const std::vector<std::string>& attrTypes);
  std::string ServerFilePath() const { return m_folder / (std::string(kServer) + ".db"); }
  // Runs the other-client program; its exit code.
  int RunOtherClient(const std::vector<std::string>& ops);

  halvane::test::TempFolder m_folder{"dravon-test"};
};

}  // namespace dravon_test
