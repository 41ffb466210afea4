#include "recording_window.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace halvane::test {
namespace {

// The window being created on this thread: messages sent before
// WM_NCCREATE (WM_GETMINMAXINFO) have no window data to lead to it yet.
thread_local RecordingWindow* creating = nullptr;

void RegisterRecordingClass(WNDPROC procedure) {
  const HINSTANCE instance = GetModuleHandle(nullptr);
  WNDCLASSEX existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoEx(instance, RecordingWindow::kClassName, &existing)) return;
  WNDCLASSEX wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = RecordingWindow::kClassName;
  if (RegisterClassEx(&wc) == 0) ADD_FAILURE() << "RecordingWindow: RegisterClassEx failed";
}

}  // namespace

RecordingWindow::RecordingWindow(const std::string& title, DWORD style, RECT rect, Window parent, int id) {
  RegisterRecordingClass(&RecordingWindow::Procedure);
  RecordingWindow* const outer = creating;
  creating = this;
  hwnd_ = CreateWindowEx(0, kClassName, title.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandle(nullptr), this);
  creating = outer;
  if (hwnd_ == nullptr) ADD_FAILURE() << "RecordingWindow: CreateWindowEx failed";
}

RecordingWindow::~RecordingWindow() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

RecordingWindow* RecordingWindow::From(HWND hwnd, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<RecordingWindow*>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams);
    SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
    return self;
  }
  if (auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA))) return self;
  return creating;
}

LRESULT CALLBACK RecordingWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  RecordingWindow* self = From(hwnd, message, lParam);
  if (self == nullptr) return DefWindowProc(hwnd, message, wParam, lParam);
  return self->handle(hwnd, message, wParam, lParam);
}

LRESULT RecordingWindow::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  add(hwnd, message, wParam, lParam);
  const auto answer = answers_.find(message);
  const LRESULT result =
      answer != answers_.end() ? answer->second(hwnd, wParam, lParam) : DefWindowProc(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtr(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
  }
  return result;
}

}  // namespace halvane::test
