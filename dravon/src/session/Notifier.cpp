#include "session/Notifier.h"

#include <algorithm>

#include "session/NoticePayload.h"

namespace dravon {

namespace {
constexpr const char* kPollClass = "HvDataManagerPoll";
constexpr UINT_PTR kPollTimer = 1;

void AddOnce(std::vector<HWND>& list, HWND wnd) {
  if (wnd != nullptr && std::find(list.begin(), list.end(), wnd) == list.end()) list.push_back(wnd);
}

void Remove(std::vector<HWND>& list, HWND wnd) { std::erase(list, wnd); }

BOOL CALLBACK FirstVisible(HWND wnd, LPARAM out) {
  if (!IsWindowVisible(wnd)) return TRUE;
  *reinterpret_cast<HWND*>(out) = wnd;
  return FALSE;
}
}  // namespace

Notifier::Notifier()
    : m_droppedHook(win32::AddDroppedMessageHook([](const MSG& msg) {
        if (IsNameNotice(msg.message)) ReleaseNoticePayload(msg.lParam);
      })) {}

Notifier::~Notifier() {
  StopPolling();
  win32::RemoveDroppedMessageHook(m_droppedHook);
}

void Notifier::AddMainWindow(HWND wnd) { AddOnce(m_mainWindows, wnd); }
void Notifier::RemoveMainWindow(HWND wnd) { Remove(m_mainWindows, wnd); }
void Notifier::AddView(const std::string& name, HWND wnd) { AddOnce(m_views[name], wnd); }

void Notifier::RemoveView(const std::string& name, HWND wnd) {
  const auto it = m_views.find(name);
  if (it == m_views.end()) return;
  Remove(it->second, wnd);
  if (it->second.empty()) m_views.erase(it);
}

void Notifier::RemoveAllViews(const std::string& name) { m_views.erase(name); }

void Notifier::RenameViews(const std::string& oldName, const std::string& newName) {
  const auto it = m_views.find(oldName);
  if (it == m_views.end() || oldName == newName) return;
  std::vector<HWND> moved = std::move(it->second);
  m_views.erase(it);
  for (HWND wnd : moved) AddView(newName, wnd);
}

bool Notifier::IsHeld(const std::string& name) const {
  const auto it = m_views.find(name);
  return it != m_views.end() && std::any_of(it->second.begin(), it->second.end(), [](HWND w) { return IsWindow(w); });
}

void Notifier::PostToMain(UINT msg, WPARAM wParam, LPARAM lParam) {
  std::erase_if(m_mainWindows, [](HWND w) { return !IsWindow(w); });
  if (!m_mainWindows.empty()) {
    for (HWND wnd : m_mainWindows) PostMessage(wnd, msg, wParam, lParam);
    return;
  }
  HWND target = GetActiveWindow();
  if (target == nullptr) EnumThreadWindows(GetCurrentThreadId(), FirstVisible, reinterpret_cast<LPARAM>(&target));
  if (target != nullptr) PostMessage(target, msg, wParam, lParam);
}

void Notifier::PostName(HWND wnd, UINT msg, const std::string& name) {
  const LPARAM payload = NewNoticePayload(name);
  if (!PostMessage(wnd, msg, name.size(), payload)) ReleaseNoticePayload(payload);
}

void Notifier::PostToViews(const std::string& name, UINT msg) {
  const auto it = m_views.find(name);
  if (it == m_views.end()) return;
  for (HWND wnd : it->second) PostName(wnd, msg, name);
}

void Notifier::PostToAllViews(const std::string& name, UINT msg) {
  std::set<HWND> posted;
  for (const auto& [viewName, windows] : m_views) {
    for (HWND wnd : windows) {
      if (posted.insert(wnd).second) PostName(wnd, msg, name);
    }
  }
}

void Notifier::StartPolling(std::function<void()> onTick) {
  m_onTick = std::move(onTick);
  if (IsWindow(m_pollWnd)) return;
  WNDCLASS wc{};
  wc.lpfnWndProc = PollProc;
  wc.lpszClassName = kPollClass;
  RegisterClass(&wc);  // fails harmlessly when the class exists
  m_pollWnd = CreateWindowEx(0, kPollClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (m_pollWnd == nullptr) return;
  SetWindowLongPtr(m_pollWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetTimer(m_pollWnd, kPollTimer, kPollMs, nullptr);
}

void Notifier::StopPolling() {
  if (IsWindow(m_pollWnd)) DestroyWindow(m_pollWnd);
  m_pollWnd = nullptr;
  m_onTick = nullptr;
}

LRESULT CALLBACK Notifier::PollProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kPollTimer) {
    auto* self = reinterpret_cast<Notifier*>(GetWindowLongPtr(wnd, GWLP_USERDATA));
    // A copy: the tick may stop polling, which drops the stored function.
    if (self != nullptr && self->m_onTick) std::function<void()>(self->m_onTick)();
    return 0;
  }
  return DefWindowProc(wnd, msg, wParam, lParam);
}

}  // namespace dravon
