#include "services/spawn.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

extern char** environ;

namespace win32::svc {
namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> p;
  for (auto& s : strings) p.push_back(s.data());
  p.push_back(nullptr);
  return p;
}

}  // namespace

pid_t Spawn(const std::string& path, const std::vector<std::string>& argv, const std::vector<std::string>& env,
            const std::string& dir, int& error) {
  std::vector<std::string> args = argv;
  std::vector<std::string> vars = env;
  auto argp = Pointers(args);
  auto envp = Pointers(vars);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  pid_t pid = 0;
  error = posix_spawn(&pid, path.c_str(), &actions, nullptr, argp.data(), env.empty() ? environ : envp.data());
  posix_spawn_file_actions_destroy(&actions);
  return error == 0 ? pid : 0;
}

void ReapInBackground(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    waitpid(pid, &status, 0);
  }).detach();
}

std::string SlashPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace win32::svc
