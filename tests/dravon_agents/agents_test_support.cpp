#include "agents_test_support.h"

#include <stdlib.h>

#include "AgentTestHooks.h"
#include "OrbTestHooks.h"

namespace agents_test {
namespace {

std::vector<Notice>& Recorded() {
  static std::vector<Notice> notices;
  return notices;
}

std::string TextAt(UINT_PTR pointer) { return pointer != 0 ? reinterpret_cast<const char*>(pointer) : ""; }

LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg >= WM_BDK_PROPERTIES_REQUEST && msg <= WM_BDK_STOPPED) {
    Notice n{msg, wParam, lParam, "", ""};
    if (msg == WM_BDK_PROPERTIES_REQUEST) {
      n.text1 = TextAt(wParam);
      n.text2 = TextAt(static_cast<UINT_PTR>(lParam));
    } else if (msg == WM_BDK_NOTIFICATION || msg == WM_BDK_STATUS) {
      n.text1 = TextAt(wParam);
    } else if (msg == WM_BDK_GENERATED_TEXT) {
      n.text1 = TextAt(static_cast<UINT_PTR>(lParam));
    }
    Recorded().push_back(n);
    return 0;
  }
  return DefWindowProc(wnd, msg, wParam, lParam);
}

constexpr const char* kClass = "AgentNoticeWindow";

}  // namespace

void AgentTest::SetUp() {
  ASSERT_FALSE(m_folder.path().empty());
  setenv("HALVANE_SERVERS", m_folder.path().c_str(), 1);
  win32::ResetWindowSystem();
  win32::UseVirtualClock(true);
  orb::test::Reset();
  Recorded().clear();
  WNDCLASS wc{};
  wc.lpfnWndProc = RecordingProc;
  wc.lpszClassName = kClass;
  RegisterClass(&wc);
  m_wnd = CreateWindowEx(0, kClass, "Notices", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(m_wnd, nullptr);
}

void AgentTest::TearDown() {
  dravon::test::RemoveScriptedAgents();
  orb::test::Reset();
  win32::ResetWindowSystem();
}

void AgentTest::Pump() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

void AgentTest::Advance(DWORD ms) {
  Pump();
  win32::AdvanceClock(ms);
  Pump();
}

std::vector<UINT> AgentTest::Messages() const {
  std::vector<UINT> out;
  for (const Notice& n : Recorded()) out.push_back(n.message);
  return out;
}

const std::vector<Notice>& AgentTest::Notices() const { return Recorded(); }

void AgentTest::ClearNotices() { Recorded().clear(); }

}  // namespace agents_test
