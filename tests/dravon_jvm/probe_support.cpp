#include "probe_support.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <vector>

extern char** environ;

namespace jvmtest {

namespace {

std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& variables) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    std::string line(*entry);
    if (!variables.contains(line.substr(0, line.find('=')))) result.push_back(line);
  }
  for (const auto& [name, value] : variables)
    if (!value.empty()) result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> result;
  for (std::string& text : texts) result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

std::string RunProbe(const std::string& classPath, const std::map<std::string, std::string>& variables) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return "pipe failed";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

  std::vector<std::string> arguments = {JVM_PROBE, classPath};
  std::vector<std::string> environment = ChildEnvironment(variables);
  pid_t child = 0;
  int spawned =
      posix_spawn(&child, JVM_PROBE, &actions, nullptr, Pointers(arguments).data(), Pointers(environment).data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);

  std::string output;
  char buffer[4096];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, size_t(n));
  close(pipeEnds[0]);
  if (spawned != 0) return "spawn failed: " + std::string(std::strerror(spawned));
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) output += "\nprobe did not exit cleanly";
  return output;
}

std::optional<std::string> ProbeLine(const std::string& output, const std::string& key) {
  std::string prefix = key + ": ";
  size_t at = output.rfind("\n" + prefix);
  size_t start = at == std::string::npos ? (output.starts_with(prefix) ? 0 : std::string::npos) : at + 1;
  if (start == std::string::npos) return std::nullopt;
  start += prefix.size();
  return output.substr(start, output.find('\n', start) - start);
}

}  // namespace jvmtest
