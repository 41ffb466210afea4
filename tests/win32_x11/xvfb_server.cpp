#include "xvfb_server.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <vector>

extern char** environ;

namespace {

std::string& Reason() {
  static std::string reason;
  return reason;
}

}  // namespace

const std::string& XvfbServer::why() { return Reason(); }

XvfbServer* XvfbServer::Get() {
  static std::unique_ptr<XvfbServer> server = []() -> std::unique_ptr<XvfbServer> {
    if (access("/usr/bin/Xvfb", X_OK) != 0) {
      Reason() = "Xvfb is not installed (tools/setup installs it)";
      return nullptr;
    }
    int fds[2];
    if (pipe(fds) != 0) {
      Reason() = "no pipe for Xvfb";
      return nullptr;
    }
    const std::string fd = std::to_string(fds[1]);
    std::vector<std::string> args = {"Xvfb",         "-displayfd", fd,    "-screen", "0",
                                     "1280x1024x24", "-nolisten",  "tcp", "-noreset"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, "/usr/bin/Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
      close(fds[0]);
      Reason() = "Xvfb would not start";
      return nullptr;
    }
    std::string number;
    char ch;
    while (read(fds[0], &ch, 1) == 1 && ch != '\n') number.push_back(ch);
    close(fds[0]);
    if (number.empty()) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
      Reason() = "Xvfb ended without naming its display";
      return nullptr;
    }
    return std::unique_ptr<XvfbServer>(new XvfbServer(pid, ":" + number));
  }();
  return server.get();
}

XvfbServer::~XvfbServer() {
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}
