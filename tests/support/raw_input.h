// Input for tests that drive controls below the robot: injected through the
// window system's input path, then the current thread's queue is pumped.
#pragma once

#include "win32/input.h"
#include "windows.h"

namespace halvane::test::raw_input {

inline void Pump() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

inline POINT ScreenPoint(HWND hwnd, int x, int y) {
  POINT pt{x, y};
  ClientToScreen(hwnd, &pt);
  return pt;
}

inline void Press(POINT screen) {
  win32::input::MouseMove(screen);
  win32::input::MouseButton(0, true, screen);
  Pump();
}

inline void Release(POINT screen) {
  win32::input::MouseMove(screen);
  win32::input::MouseButton(0, false, screen);
  Pump();
}

inline void Click(POINT screen) {
  Press(screen);
  Release(screen);
}

inline void Key(UINT vk) {
  win32::input::KeyDown(vk);
  win32::input::KeyUp(vk);
  Pump();
}

}  // namespace halvane::test::raw_input
