// Program start: a window-system program beside one that links the
// product's libraries, each started as its own process and waited for.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench_support.h"

extern char** environ;

namespace {

std::string BenchFolder() {
  char path[4096] = {};
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string self(path, n > 0 ? static_cast<size_t>(n) : 0);
  return self.substr(0, self.rfind('/'));
}

// Runs the program once; the number of libraries it loaded, or -1.
int RunOnce(const std::string& program) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  pid_t pid = 0;
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  char buffer[32] = {};
  const ssize_t got = spawned == 0 ? read(pipeFds[0], buffer, sizeof buffer - 1) : -1;
  close(pipeFds[0]);
  int status = 0;
  if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return got > 0 ? std::atoi(buffer) : -1;
}

void Start(benchmark::State& state, const char* name) {
  const std::string program = BenchFolder() + "/" + name;
  int libraries = 0;
  for (auto _ : state) {
    libraries = RunOnce(program);
    if (libraries < 0) state.SkipWithError("the program did not run");
  }
  state.counters["libraries"] = libraries;
}

void BM_StartWindowSystemOnly(benchmark::State& state) { Start(state, "startup_bare"); }
BENCHMARK(BM_StartWindowSystemOnly)->Unit(benchmark::kMillisecond);

void BM_StartWithProductLibraries(benchmark::State& state) { Start(state, "startup_libraries"); }
BENCHMARK(BM_StartWithProductLibraries)->Unit(benchmark::kMillisecond);

}  // namespace
