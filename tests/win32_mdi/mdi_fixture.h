// An MDI frame for the MDI tests: a frame whose procedure hands everything
// to DefFrameProc, a client with a "&Window" menu, and children that record
// what they get and hand the rest to DefMDIChildProc.
#pragma once

#include <memory>
#include <string>

#include <windows.h>

#include "message_log.h"
#include "robot_test.h"

namespace halvane::test {

constexpr UINT kFirstChild = 0xFF00;
constexpr UINT kWindowCascade = 401;

class MdiTest : public RobotTest {
 public:
  // Every message a child got (all children in one log, in order).
  static MessageLog childLog;

 protected:
  void SetUp() override;
  void TearDown() override;

  HWND newChild(const std::string& title, DWORD style = WS_VISIBLE, int x = CW_USEDEFAULT, int y = CW_USEDEFAULT,
                int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT);
  HWND active(BOOL* maximized = nullptr) const;
  std::string frameTitle() const;
  // The texts of the window menu's items.
  std::vector<std::string> windowMenuItems() const;
  RECT childRect(HWND child) const;  // client coordinates of the MDI client

  HWND frame = nullptr;
  HWND client = nullptr;
  HMENU windowMenu = nullptr;
};

}  // namespace halvane::test
