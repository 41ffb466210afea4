#include "window_system_queries.h"

#include <windows.h>

#include "win32/input.h"

namespace halvane::test::internal {

void StartCleanWindowSystem() {
  win32::ResetWindowSystem();
  win32::UseVirtualClock(true);
}

void AdvanceClockThroughTimers(DWORD ms, const std::function<void()>& pump) {
  // The window system cannot say when its next timer is due, so the clock
  // moves a millisecond at a time: each timer fires at its own due time
  // and as often as it falls due, as a real clock would make it.
  pump();
  for (DWORD step = 0; step < ms; ++step) {
    win32::AdvanceClock(1);
    pump();
  }
}

void InjectKey(UINT vk, bool down) {
  if (down) {
    win32::input::KeyDown(vk);
  } else {
    win32::input::KeyUp(vk);
  }
}

void InjectCharacter(char c) { win32::input::Char(c); }

void InjectMouseMove(POINT screen) { win32::input::MouseMove(screen); }

void InjectMouseButton(bool right, bool down, POINT screen) { win32::input::MouseButton(right ? 1 : 0, down, screen); }

bool RenderToPng(HWND window, const std::filesystem::path& file, bool withPopups) {
  return withPopups ? win32::RenderWindowWithPopupsToPng(window, file.c_str())
                    : win32::RenderWindowToPng(window, file.c_str());
}

}  // namespace halvane::test::internal
