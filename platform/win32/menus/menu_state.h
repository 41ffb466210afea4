// The menus' share of the window-system state: the windows' system menus,
// the running menu loop and the keyboard and caption-button states that
// start one. Emptied whenever the window system is made anew.
#pragma once

#include <map>
#include <mutex>

#include <windows.h>

namespace win32::menus {

class MenuTracker;

struct MenusState {
  std::mutex mutex;
  std::map<HWND, HMENU> systemMenus;
  MenuTracker* tracker = nullptr;  // the running loop, owned by its caller's frame
  bool altArmed = false;
  HWND pressedWindow = nullptr;  // a caption button held down
  UINT pressedHit = 0;
};

MenusState& State();
// The running menu loop of this process, or null.
MenuTracker* ActiveTracker();

}  // namespace win32::menus
