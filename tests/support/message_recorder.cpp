#include "message_recorder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace halvane::test {
namespace {

// The window property that leads the shared procedure to its recorder.
constexpr const char* kRecorderProperty = "halvane.test.MessageRecorder";

}  // namespace

MessageRecorder::MessageRecorder(Window window, MessageLog* sharedLog) : log_(sharedLog != nullptr ? sharedLog : this) {
  if (!window.exists()) {
    ADD_FAILURE() << "MessageRecorder: no such window";
    return;
  }
  if (GetProp(window.hwnd(), kRecorderProperty) != nullptr) {
    ADD_FAILURE() << "MessageRecorder: the window already has a recorder";
    return;
  }
  hwnd_ = window.hwnd();
  SetProp(hwnd_, kRecorderProperty, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageRecorder::Procedure)));
}

MessageRecorder::~MessageRecorder() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) {
    SetWindowLongPtr(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    detach();
  }
}

void MessageRecorder::detach() {
  RemoveProp(hwnd_, kRecorderProperty);
  hwnd_ = nullptr;
}

LRESULT CALLBACK MessageRecorder::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<MessageRecorder*>(GetProp(hwnd, kRecorderProperty));
  if (self == nullptr) return DefWindowProc(hwnd, message, wParam, lParam);
  self->log_->add(hwnd, message, wParam, lParam);
  const WNDPROC previous = self->previous_;
  if (message == WM_NCDESTROY) self->detach();
  return CallWindowProc(previous, hwnd, message, wParam, lParam);
}

}  // namespace halvane::test
