// What a window received, in the order it received it (nested sends appear
// where they started), with names resolved while the message was live.
#pragma once

#include <initializer_list>
#include <iosfwd>
#include <string>
#include <vector>

#include "win32/winuser.h"

namespace halvane::test {

struct Message {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::string name;          // "WM_COMMAND"
  std::string notification;  // "BN_CLICKED" for WM_COMMAND/WM_NOTIFY, else empty
  bool posted = false;       // it came through the queue (GetMessage/PeekMessage)
};

// A WM_COMMAND reduced to what order tests compare: control id and code.
struct Command {
  int id = 0;
  int code = 0;
  std::string name;  // the code's name, for failure output only

  bool operator==(const Command& other) const { return id == other.id && code == other.code; }
};
void PrintTo(const Command& command, std::ostream* out);
void PrintTo(const Message& message, std::ostream* out);

// Tells posted messages from sent ones by watching what the thread takes
// from its queue; a log made after the window system's reset sees them.
class MessageLog {
 public:
  MessageLog();
  ~MessageLog();
  MessageLog(const MessageLog& other);
  MessageLog& operator=(const MessageLog& other);

  void add(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void clear() { messages_.clear(); }

  const std::vector<Message>& messages() const { return messages_; }
  std::vector<std::string> names() const;
  // Names of only the listed messages, in order.
  std::vector<std::string> names(std::initializer_list<UINT> only) const;
  std::vector<Message> filtered(std::initializer_list<UINT> only) const;
  std::vector<Command> commands() const;
  // "WM_COMMAND BN_CLICKED" style names of WM_COMMAND and WM_NOTIFY only.
  std::vector<std::string> notifications() const;
  bool contains(UINT message) const;

 private:
  std::vector<Message> messages_;
  HHOOK queueWatch_ = nullptr;
};

}  // namespace halvane::test
