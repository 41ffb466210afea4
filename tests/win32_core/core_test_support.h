// Shared fixture of the window-system core tests: a clean window system on
// the virtual clock, and a window class whose procedure records messages.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>
#include <win32/input.h>

namespace core_test {

struct Recorded {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Messages the recording class saw, in order, for every window.
std::vector<Recorded>& Log();
// Per-message overrides of the recording procedure's answer.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
void SetHandler(Handler handler);

// The message numbers the log holds for one window, without the noise of
// messages the test does not look at.
std::vector<UINT> MessagesOf(HWND hwnd, const std::vector<UINT>& ignore = {});
std::vector<UINT> Messages(const std::vector<UINT>& ignore = {});

inline constexpr const char* kClass = "CoreTestWindow";

HWND MakeTop(const char* title = "Top", DWORD style = WS_OVERLAPPEDWINDOW, HWND owner = nullptr);
HWND MakeChild(HWND parent, int id, DWORD style = WS_CHILD | WS_VISIBLE, RECT r = RECT{10, 10, 110, 60});

// Pumps every message that is ready now, without waiting.
void Pump();

class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace core_test
