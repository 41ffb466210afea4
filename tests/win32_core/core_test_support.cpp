#include "core_test_support.h"

#include <algorithm>
#include <optional>

namespace core_test {
namespace {

Handler& CurrentHandler() {
  static Handler handler;
  return handler;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Log().push_back(Recorded{hwnd, msg, wp, lp});
  if (CurrentHandler()) {
    if (auto r = CurrentHandler()(hwnd, msg, wp, lp)) return *r;
  }
  return DefWindowProc(hwnd, msg, wp, lp);
}

bool Ignored(UINT m, const std::vector<UINT>& ignore) {
  return std::find(ignore.begin(), ignore.end(), m) != ignore.end();
}

}  // namespace

std::vector<Recorded>& Log() {
  static std::vector<Recorded> log;
  return log;
}

void SetHandler(Handler handler) { CurrentHandler() = std::move(handler); }

std::vector<UINT> MessagesOf(HWND hwnd, const std::vector<UINT>& ignore) {
  std::vector<UINT> out;
  for (const auto& r : Log()) {
    if (r.hwnd == hwnd && !Ignored(r.message, ignore)) out.push_back(r.message);
  }
  return out;
}

std::vector<UINT> Messages(const std::vector<UINT>& ignore) {
  std::vector<UINT> out;
  for (const auto& r : Log()) {
    if (!Ignored(r.message, ignore)) out.push_back(r.message);
  }
  return out;
}

HWND MakeTop(const char* title, DWORD style, HWND owner) {
  return CreateWindowEx(0, kClass, title, style, 100, 100, 300, 200, owner, nullptr, nullptr, nullptr);
}

HWND MakeChild(HWND parent, int id, DWORD style, RECT r) {
  return CreateWindowEx(0, kClass, "child", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void Pump() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

void CoreTest::SetUp() {
  win32::ResetWindowSystem();
  win32::UseVirtualClock(true);
  Log().clear();
  SetHandler(nullptr);
  WNDCLASS wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = RecordingProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  ASSERT_NE(RegisterClass(&wc), 0);
}

void CoreTest::TearDown() {
  SetHandler(nullptr);
  win32::ResetWindowSystem();
}

}  // namespace core_test
