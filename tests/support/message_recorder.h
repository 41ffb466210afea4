// Records what an existing window receives by subclassing it for the
// recorder's lifetime; the previous window procedure still answers.
// Recorders of several windows can share one log to keep their relative
// order (which window was destroyed first).
#pragma once

#include "message_log.h"
#include "window.h"

namespace halvane::test {

class MessageRecorder : public MessageLog {
 public:
  explicit MessageRecorder(Window window, MessageLog* sharedLog = nullptr);
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // False once the window is gone (its messages up to WM_NCDESTROY stay).
  bool attached() const { return hwnd_ != nullptr; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void detach();

  MessageLog* log_;
  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;
};

}  // namespace halvane::test
