// The fixture of the agent tests: a temporary folder (also the servers
// folder), a clean window system on the virtual clock, and a window that
// records the agent notices it gets.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "BDKAgent.h"
#include "temp_folder.h"

namespace agents_test {

struct Notice {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::string text1;  // the texts a notice points at, read when it arrived
  std::string text2;
};

class AgentTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Dispatches what is ready now.
  void Pump();
  // Moves the virtual clock and dispatches what became ready.
  void Advance(DWORD ms);
  std::vector<UINT> Messages() const;
  const std::vector<Notice>& Notices() const;
  void ClearNotices();

  halvane::test::TempFolder m_folder{"agents-test"};
  HWND m_wnd = nullptr;
};

}  // namespace agents_test
