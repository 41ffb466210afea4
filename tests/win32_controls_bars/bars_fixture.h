// The fixture of the bar control tests: the robot's fresh window system on
// the virtual clock, a recording top-level parent, and helpers that make
// children and send messages with pointers.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "commctrl.h"
#include "raw_input.h"
#include "recording_window.h"
#include "robot_test.h"
#include "windows.h"

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

// Records the codes of the WM_NOTIFY messages a window gets and answers
// them through `reply` when one is set.
struct NotifyLog {
  std::vector<UINT> codes;
  std::function<LRESULT(const NMHDR&)> reply;

  explicit NotifyLog(RecordingWindow& window) {
    window.answer(WM_NOTIFY, [this](HWND, WPARAM, LPARAM lParam) -> LRESULT {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      codes.push_back(header.code);
      return reply ? reply(header) : 0;
    });
  }
};

class BarsTest : public halvane::test::RobotTest {};

}  // namespace bars_test
