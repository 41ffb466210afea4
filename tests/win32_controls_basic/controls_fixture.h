// A top-level parent with a recording window procedure, and helpers that
// drive controls with injected input.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "raw_input.h"
#include "win32/input.h"
#include "windows.h"

namespace controls_test {

using namespace halvane::test::raw_input;

struct Notice {
  UINT msg;
  int id;
  UINT code;
};

inline std::vector<Notice>& Recorded() {
  static std::vector<Notice> notices;
  return notices;
}

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) Recorded().push_back({msg, LOWORD(wParam), HIWORD(wParam)});
  if (msg == WM_VSCROLL || msg == WM_HSCROLL) Recorded().push_back({msg, 0, LOWORD(wParam)});
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    win32::UseVirtualClock(true);
    Recorded().clear();
    WNDCLASSEX wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = RecordingProc;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = "ControlsTestParent";
    RegisterClassEx(&wc);
    parent_ = CreateWindowEx(0, "ControlsTestParent", "Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 480, 360,
                             nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override { win32::ResetWindowSystem(); }

 public:
  HWND Child(const char* cls, const char* text, DWORD style, int id, RECT r) {
    HWND hwnd = CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                               nullptr);
    EXPECT_NE(hwnd, nullptr) << cls;
    return hwnd;
  }



  static POINT Center(HWND hwnd) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return ScreenPoint(hwnd, rc.right / 2, rc.bottom / 2);
  }


  static std::vector<UINT> CommandCodes(int id) {
    std::vector<UINT> codes;
    for (const Notice& n : Recorded()) {
      if (n.msg == WM_COMMAND && n.id == id) codes.push_back(n.code);
    }
    return codes;
  }

 protected:
  HWND parent_ = nullptr;
};

}  // namespace controls_test
