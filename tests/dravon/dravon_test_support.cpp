#include "dravon_test_support.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "DravonAdmin.h"
#include "session/Notifier.h"

namespace dravon_test {

namespace {

std::vector<Notice>& Recorded() {
  static std::vector<Notice> notices;
  return notices;
}

bool IsNameNotice(UINT msg) { return msg == WM_HV_DEF_GONE || msg == WM_HV_DEF_CLOSE || msg == WM_HV_DEF_CHANGED; }

LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_HV_SERVER_LOST || msg == WM_HV_OBJECT_DELETED || IsNameNotice(msg)) {
    std::string name;
    if (IsNameNotice(msg)) name.assign(reinterpret_cast<const char*>(lParam), wParam);
    if (msg == WM_HV_OBJECT_DELETED) name = reinterpret_cast<CQRObj*>(lParam)->name();
    Recorded().push_back({wnd, msg, wParam, lParam, name});
    return 0;
  }
  return DefWindowProc(wnd, msg, wParam, lParam);
}

constexpr const char* kClass = "DravonTestWindow";

}  // namespace

void DravonTest::SetUp() {
  ASSERT_FALSE(m_folder.path().empty());
  setenv("HALVANE_SERVERS", m_folder.path().c_str(), 1);
  win32::ResetWindowSystem();
  win32::UseVirtualClock(true);
  dravon::test::ResetFaults();
  // Full-strength password hashes take a quarter second each.
  dravon::test::SetPasswordIterations(kTestPasswordIterations);
  Recorded().clear();
  WNDCLASS wc{};
  wc.lpfnWndProc = RecordingProc;
  wc.lpszClassName = kClass;
  RegisterClass(&wc);
  std::string error;
  ASSERT_TRUE(dravon::admin::CreateServer(kServer, kUser, kPassword, error)) << error;
}

void DravonTest::TearDown() {
  delete CDataManager::PeekInstance();
  dravon::test::ResetFaults();
  win32::ResetWindowSystem();
  std::error_code ec;
  std::filesystem::permissions(ServerFilePath(), std::filesystem::perms::owner_all, ec);
}

HWND DravonTest::MakeWindow() {
  return CreateWindowEx(0, kClass, "Notices", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
}

void DravonTest::Pump() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

void DravonTest::PollOnce() {
  Pump();
  win32::AdvanceClock(dravon::Notifier::kPollMs);
  Pump();
}

std::vector<Notice> DravonTest::NoticesOf(HWND wnd) const {
  std::vector<Notice> out;
  for (const Notice& n : Recorded()) {
    if (n.wnd == wnd) out.push_back(n);
  }
  return out;
}

std::vector<UINT> DravonTest::MessagesOf(HWND wnd) const {
  std::vector<UINT> out;
  for (const Notice& n : NoticesOf(wnd)) out.push_back(n.message);
  return out;
}

void DravonTest::ClearNotices() { Recorded().clear(); }

void DravonTest::PutOnServer(const char* name, const std::vector<std::string>& attrTypes) {
  CQRBusObjDef* def = Dm().GetBO(name, 1, 1);
  ASSERT_NE(def, nullptr);
  int position = 1;
  for (const std::string& type : attrTypes) {
    def->GetAttrs().Add(new CBODefAttr(position, ("A" + std::to_string(position)).c_str(), type.c_str()));
    ++position;
  }
  ASSERT_EQ(def->Save(), 1);
}

int DravonTest::RunOtherClient(const std::vector<std::string>& ops) {
  std::string command = std::string(DRAVON_CLIENT) + " " + kServer + " " + kUser + " " + kPassword;
  for (const std::string& op : ops) command += " " + op;
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace dravon_test
