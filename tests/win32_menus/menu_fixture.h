// A main window with a menu bar for the menu tests:
//   &File: &New\tCtrl+N, &Open..., -, &Recent > (&1 a.txt, &2 b.txt), E&xit
//   &Edit: &Undo (grey), &Copy (checked), &Paste
//   &View: &Toolbar, &Status Bar (radio-checked)
#pragma once

#include <windows.h>

#include "recording_window.h"
#include "window_system_queries.h"
#include "robot_test.h"

namespace halvane::test {

enum MenuIds : UINT {
  kNew = 101,
  kOpen = 102,
  kExit = 103,
  kRecentA = 111,
  kRecentB = 112,
  kUndo = 201,
  kCopy = 202,
  kPaste = 203,
  kToolbar = 301,
  kStatusBar = 302,
};

HMENU BuildMainMenu();

class MenuTest : public RobotTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The ids of the WM_COMMAND messages the window got, in order.
  std::vector<UINT> commands() const;
  HMENU fileMenu() const { return GetSubMenu(menu_, 0); }
  HMENU editMenu() const { return GetSubMenu(menu_, 1); }
  // The screen centre of a bar item.
  POINT BarItemCentre(int index) const;
  // A left click at a screen point, then the queue pumped.
  void ClickScreen(POINT screen);

  std::unique_ptr<RecordingWindow> main;
  HMENU menu_ = nullptr;
};

}  // namespace halvane::test
