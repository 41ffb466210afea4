// The fixture of the bar control tests: the robot's fresh window system on
// the virtual clock, a recording top-level parent, and helpers that make
// children and send messages with pointers.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raw_input.h"
#include "recording_window.h"
#include "robot_test.h"
#include "windows.h"
#include "commctrl.h"

namespace bars_test {

using namespace halvane::test::raw_input;
using halvane::test::RecordingWindow;

inline HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int id, RECT r, DWORD exStyle = 0) {
  HWND hwnd = CreateWindowEx(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandle(nullptr), nullptr);
  EXPECT_NE(hwnd, nullptr) << cls;
  return hwnd;
}

template <class T>
LPARAM Ptr(T* p) {
  return reinterpret_cast<LPARAM>(p);
}

inline std::string TextOf(HWND hwnd) {
  char buffer[256] = {};
  GetWindowText(hwnd, buffer, sizeof(buffer));
  return buffer;
}

inline RECT ClientRectOf(HWND hwnd) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return rc;
}

// A window's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

class BarsTest : public halvane::test::RobotTest {};

}  // namespace bars_test
