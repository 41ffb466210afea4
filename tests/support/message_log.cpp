#include "message_log.h"

#include <algorithm>
#include <ostream>

#include <windows.h>

#include "message_names.h"

namespace halvane::test {
namespace {

bool Listed(std::initializer_list<UINT> only, UINT message) {
  return std::find(only.begin(), only.end(), message) != only.end();
}

// The message the thread took from its queue last, until it is delivered.
thread_local MSG t_taken{};
thread_local bool t_takenPending = false;

LRESULT CALLBACK WatchQueue(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam != 0) {
    t_taken = *reinterpret_cast<const MSG*>(lParam);
    t_takenPending = true;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool TakeIfPosted(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!t_takenPending || t_taken.hwnd != hwnd || t_taken.message != message || t_taken.wParam != wParam ||
      t_taken.lParam != lParam)
    return false;
  t_takenPending = false;
  return true;
}

}  // namespace

MessageLog::MessageLog() : queueWatch_(SetWindowsHookEx(WH_GETMESSAGE, WatchQueue, nullptr, GetCurrentThreadId())) {}

MessageLog::~MessageLog() {
  if (queueWatch_ != nullptr) UnhookWindowsHookEx(queueWatch_);
}

MessageLog::MessageLog(const MessageLog& other) : MessageLog() { messages_ = other.messages_; }

MessageLog& MessageLog::operator=(const MessageLog& other) {
  messages_ = other.messages_;
  return *this;
}

void PrintTo(const Command& command, std::ostream* out) {
  *out << "{id " << command.id << ", " << (command.name.empty() ? std::to_string(command.code) : command.name) << "}";
}

void PrintTo(const Message& message, std::ostream* out) {
  *out << message.name;
  if (!message.notification.empty()) *out << ' ' << message.notification;
  *out << " (" << message.wParam << ", " << message.lParam << ")";
}

void MessageLog::add(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  messages_.push_back({hwnd, message, wParam, lParam, MessageName(message, hwnd),
                       NotificationName(message, wParam, lParam), TakeIfPosted(hwnd, message, wParam, lParam)});
}

std::vector<std::string> MessageLog::names() const {
  std::vector<std::string> out;
  out.reserve(messages_.size());
  for (const Message& m : messages_) out.push_back(m.name);
  return out;
}

std::vector<std::string> MessageLog::names(std::initializer_list<UINT> only) const {
  std::vector<std::string> out;
  for (const Message& m : messages_) {
    if (Listed(only, m.message)) out.push_back(m.name);
  }
  return out;
}

std::vector<Message> MessageLog::filtered(std::initializer_list<UINT> only) const {
  std::vector<Message> out;
  std::copy_if(messages_.begin(), messages_.end(), std::back_inserter(out),
               [&](const Message& m) { return Listed(only, m.message); });
  return out;
}

std::vector<Command> MessageLog::commands() const {
  std::vector<Command> out;
  for (const Message& m : messages_) {
    if (m.message == WM_COMMAND) out.push_back({LOWORD(m.wParam), HIWORD(m.wParam), m.notification});
  }
  return out;
}

std::vector<std::string> MessageLog::notifications() const {
  std::vector<std::string> out;
  for (const Message& m : messages_) {
    if (!m.notification.empty()) out.push_back(m.name + ' ' + m.notification);
  }
  return out;
}

bool MessageLog::contains(UINT message) const {
  return std::any_of(messages_.begin(), messages_.end(), [&](const Message& m) { return m.message == message; });
}

}  // namespace halvane::test
