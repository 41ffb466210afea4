// A private X server for the tests of the X11 backend, started once per
// test program. Xvfb tells its display number through a pipe once it is
// ready, so starting it needs no waiting on a clock.
#pragma once

#include <sys/types.h>

#include <string>

class XvfbServer {
 public:
  // The running server, started on first use; null when Xvfb is missing or
  // would not start (why() says which).
  static XvfbServer* Get();
  static const std::string& why();

  const std::string& display() const { return display_; }
  ~XvfbServer();

 private:
  XvfbServer(pid_t pid, std::string display) : pid_(pid), display_(std::move(display)) {}
  pid_t pid_;
  std::string display_;
};
