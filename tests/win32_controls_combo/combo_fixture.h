// A recording top-level parent (tests/support's RecordingWindow) that also
// notes each WM_COMMAND with the state of a watched list, combo box
// helpers, and mouse and keyboard injection.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "raw_input.h"
#include "recording_window.h"
#include "win32/input.h"
#include "windows.h"

namespace combo_test {

using namespace halvane::test::raw_input;

struct Notice {
  int id;
  UINT code;
  bool listVisible;  // whether the watched drop-down list showed at the time
};

struct Recording {
  std::vector<Notice> notices;
  HWND watchedList = nullptr;
};

inline Recording& Log() {
  static Recording recording;
  return recording;
}

// Notes a WM_COMMAND with the watched list's state at that moment.
inline LRESULT NoteCommand(HWND, WPARAM wParam, LPARAM) {
  const bool visible = Log().watchedList && IsWindowVisible(Log().watchedList);
  Log().notices.push_back({LOWORD(wParam), HIWORD(wParam), visible});
  return 0;
}

inline LPARAM Str(const char* s) { return reinterpret_cast<LPARAM>(s); }

class ComboTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::ResetWindowSystem();
    win32::UseVirtualClock(true);
    Log() = Recording{};
    window_ = std::make_unique<halvane::test::RecordingWindow>("Combo boxes", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                               RECT{20, 20, 420, 320});
    window_->answer(WM_COMMAND, NoteCommand);
    parent_ = window_->hwnd();
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override {
    window_.reset();
    Log() = Recording{};
    win32::ResetWindowSystem();
  }

  // A combo box with the given items; `cy` is its height with the list open.
  HWND Combo(DWORD style, int id, std::initializer_list<const char*> items, int y = 10, int cy = 120) {
    HWND combo = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, 10, y, 150, cy, parent_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    EXPECT_NE(combo, nullptr);
    for (const char* item : items) SendMessage(combo, CB_ADDSTRING, 0, Str(item));
    return combo;
  }

  // The popup list of a drop-down combo box: the "ComboLBox" it owns.
  static HWND DropList(HWND combo) {
    struct Search {
      HWND combo;
      HWND found;
    } search{combo, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
          auto* s = reinterpret_cast<Search*>(lParam);
          char name[32] = {};
          GetClassName(hwnd, name, sizeof(name));
          if (std::string(name) != "ComboLBox") return TRUE;
          HWND owner = GetWindow(hwnd, GW_OWNER);
          if (owner != s->combo && owner != GetAncestor(s->combo, GA_ROOT)) return TRUE;
          s->found = hwnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  static std::string Text(HWND hwnd) {
    char buffer[128] = {};
    GetWindowText(hwnd, buffer, sizeof(buffer));
    return buffer;
  }

  // The screen point in the middle of item `index` of a list.
  static POINT ItemPoint(HWND list, int index) {
    RECT rc{};
    SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
    return ScreenPoint(list, 10, (rc.top + rc.bottom) / 2);
  }

  // The middle of the drop-down button.
  static POINT ButtonPoint(HWND combo) {
    RECT rc{};
    GetClientRect(combo, &rc);
    return ScreenPoint(combo, rc.right - 10, rc.bottom / 2);
  }

  static void AltKey(UINT vk) {
    win32::input::KeyDown(VK_MENU);
    Key(vk);
    win32::input::KeyUp(VK_MENU);
    Pump();
  }

  static std::vector<UINT> Codes(int id) {
    std::vector<UINT> codes;
    for (const Notice& n : Log().notices) {
      if (n.id == id) codes.push_back(n.code);
    }
    return codes;
  }
  static void ClearLog() { Log().notices.clear(); }

  std::unique_ptr<halvane::test::RecordingWindow> window_;
  HWND parent_ = nullptr;
};

}  // namespace combo_test
