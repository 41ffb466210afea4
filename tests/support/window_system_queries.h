// The few window-system services the robot needs beyond the Win32 API:
// the reset, the virtual clock, input injection and PNG rendering.
#pragma once

#include <filesystem>
#include <functional>

#include "win32/wintypes.h"

namespace halvane::test::internal {

// A fresh window system on the virtual clock.
void StartCleanWindowSystem();

// Moves the virtual clock on by `ms` in steps to each timer due on the way,
// running `pump` after every step so that each timer fires in its turn.
void AdvanceClockThroughTimers(DWORD ms, const std::function<void()>& pump);

void InjectKey(UINT vk, bool down);
// The key strokes that make `c`, Shift included.
void InjectCharacter(char c);
void InjectMouseMove(POINT screen);
void InjectMouseButton(bool right, bool down, POINT screen);

// With the popups it owns (open menus) when `withPopups`.
bool RenderToPng(HWND window, const std::filesystem::path& file, bool withPopups);

}  // namespace halvane::test::internal
