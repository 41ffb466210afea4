// A recording top-level parent (tests/support's RecordingWindow), and
// helpers that drive controls with injected input.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "raw_input.h"
#include "recording_window.h"
#include "win32/input.h"
#include "windows.h"

namespace controls_test {

using namespace halvane::test::raw_input;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    win32::UseVirtualClock(true);
    window_ = std::make_unique<halvane::test::RecordingWindow>("Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                               RECT{0, 0, 480, 360});
    parent_ = window_->hwnd();
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override {
    window_.reset();
    win32::ResetWindowSystem();
  }

 public:
  HWND Child(const char* cls, const char* text, DWORD style, int id, RECT r) {
    HWND hwnd =
        CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    EXPECT_NE(hwnd, nullptr) << cls;
    return hwnd;
  }

  static POINT Center(HWND hwnd) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return ScreenPoint(hwnd, rc.right / 2, rc.bottom / 2);
  }

  // The notification codes the parent got from control `id`, in order.
  std::vector<UINT> CommandCodes(int id) const {
    std::vector<UINT> codes;
    for (const halvane::test::Command& c : window_->commands()) {
      if (c.id == id) codes.push_back(static_cast<UINT>(c.code));
    }
    return codes;
  }

 protected:
  // What the parent received.
  halvane::test::MessageLog& Received() { return *window_; }

  std::unique_ptr<halvane::test::RecordingWindow> window_;
  HWND parent_ = nullptr;
};

}  // namespace controls_test
