// A top-level window of its own class that records every message it gets:
// the parent for control tests. Answers come from DefWindowProc unless a
// test installs one with answer(). It can also be a child, to record what
// a control-like window gets.
#pragma once

#include <functional>
#include <map>
#include <string>

#include <windows.h>

#include "message_log.h"
#include "window.h"

namespace halvane::test {

class RecordingWindow : public MessageLog {
 public:
  static constexpr const char* kClassName = "HalvaneRecordingWindow";
  using Answer = std::function<LRESULT(HWND hwnd, WPARAM wParam, LPARAM lParam)>;

  // A child window when `parent` is given (style then needs WS_CHILD).
  explicit RecordingWindow(const std::string& title = "Recording window",
                           DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT rect = {100, 100, 500, 400},
                           Window parent = {}, int id = 0);
  ~RecordingWindow();
  RecordingWindow(const RecordingWindow&) = delete;
  RecordingWindow& operator=(const RecordingWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  Window window() const { return Window(hwnd_); }
  operator Window() const { return window(); }

  // Replaces DefWindowProc for one message (WM_CTLCOLORSTATIC, WM_NOTIFY...).
  void answer(UINT message, Answer answer) { answers_[message] = std::move(answer); }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static RecordingWindow* From(HWND hwnd, UINT message, LPARAM lParam);
  LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  std::map<UINT, Answer> answers_;
};

}  // namespace halvane::test
