#include "message_sequence.h"

#include <algorithm>
#include <sstream>

#include <windows.h>

#include "message_names.h"

namespace halvane::test {
namespace {

// The window a row names: the control for notifications, else the receiver.
HWND Subject(const Message& m) {
  if (m.message == WM_COMMAND && m.lParam != 0) return reinterpret_cast<HWND>(m.lParam);
  if (m.message == WM_NOTIFY && m.lParam != 0) return reinterpret_cast<const NMHDR*>(m.lParam)->hwndFrom;
  return m.hwnd;
}

int CodeOf(const Message& m) {
  if (m.message == WM_COMMAND) return HIWORD(m.wParam);
  if (m.message == WM_NOTIFY && m.lParam != 0) return static_cast<int>(reinterpret_cast<const NMHDR*>(m.lParam)->code);
  return -1;
}

bool Fits(const ExpectedMessage& row, const Message& m) {
  if (row.message != m.message) return false;
  if (row.hwnd != nullptr && row.hwnd != Subject(m)) return false;
  if (row.code != -1 && row.code != CodeOf(m)) return false;
  if ((row.flags & kPosted) && !m.posted) return false;
  if ((row.flags & kSent) && m.posted) return false;
  return true;
}

std::string Describe(const ExpectedMessage& row) {
  std::ostringstream out;
  out << MessageName(row.message);
  if (row.code != -1) {
    const std::string name = row.message == WM_COMMAND ? NotificationName(WM_COMMAND, MAKEWPARAM(0, row.code),
                                                                          reinterpret_cast<LPARAM>(row.hwnd))
                                                       : "";
    out << ' ' << (name.empty() ? std::to_string(row.code) : name);
  }
  if (row.hwnd != nullptr) out << " of " << row.hwnd;
  if (row.flags & kPosted) out << " (posted)";
  if (row.flags & kSent) out << " (sent)";
  if (row.flags & kOptional) out << " (optional)";
  return out.str();
}

std::string Describe(const Message& m) {
  std::ostringstream out;
  out << m.name;
  if (!m.notification.empty()) out << ' ' << m.notification;
  out << " of " << Subject(m) << (m.posted ? " (posted)" : "");
  return out.str();
}

}  // namespace

::testing::AssertionResult MatchesSequence(const MessageLog& log, const std::vector<ExpectedMessage>& expected,
                                           SequenceMatch match) {
  std::vector<Message> actual;
  for (const Message& m : log.messages()) {
    const bool named = std::any_of(expected.begin(), expected.end(),
                                   [&](const ExpectedMessage& row) { return row.message == m.message; });
    if (match == SequenceMatch::Exact || named) actual.push_back(m);
  }
  size_t at = 0;
  std::ostringstream fault;
  for (size_t row = 0; row < expected.size() && fault.str().empty(); ++row) {
    if (at < actual.size() && Fits(expected[row], actual[at])) {
      ++at;
    } else if (!(expected[row].flags & kOptional)) {
      fault << "row " << row << " expects " << Describe(expected[row]) << " but "
            << (at < actual.size() ? "got " + Describe(actual[at]) : std::string("the log ended"));
    }
  }
  if (fault.str().empty() && at < actual.size()) fault << "more came after the last row: " << Describe(actual[at]);
  if (fault.str().empty()) return ::testing::AssertionSuccess();
  std::ostringstream whole;
  whole << fault.str() << "\n  recorded:";
  for (const Message& m : actual) whole << "\n    " << Describe(m);
  return ::testing::AssertionFailure() << whole.str();
}

}  // namespace halvane::test
