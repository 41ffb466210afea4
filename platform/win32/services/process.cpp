// Child processes behind waitable kernel handles. A watcher thread per
// child marks its handles signalled when it ends.
//
// Clock: under the virtual clock a watcher counts as a running thread of
// the window system for up to kVirtualWatchMs of real time, so virtual
// time stands still while the child runs and a timed wait on it ends when
// the child does; past that bound the watcher stops counting and the wait's
// time-out can come. Under the real clock waits are plain real waits.
#include <poll.h>
#include <signal.h>
// This glibc's header lacks C linkage declarations.
extern "C" {
#include <sys/pidfd.h>
}
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <future>
#include <map>
#include <thread>

#include "internal/core_kernel.h"
#include "services/spawn.h"
#include "win32/services.h"

namespace win32::svc {
namespace {

constexpr int kVirtualWatchMs = 30000;

struct Child {
  pid_t pid = 0;  // 0 once reaped, so a reused id is never signalled
  bool terminated = false;
  DWORD terminateCode = 0;
  std::weak_ptr<core::KernelObject> object;
};

struct Children {
  std::mutex mu;
  std::map<const core::KernelObject*, Child> byObject;
  ProcessLauncherHook hook;
};

Children& Kids() {
  static Children kids;
  return kids;
}

std::atomic<DWORD> g_recordedIds{0x40000};

using internal::ProcessObject;

// Waits up to `ms` (-1: for ever) for the child to end, leaving it unreaped.
bool AwaitExit(int pidfd, int ms) {
  pollfd p{pidfd, POLLIN, 0};
  for (;;) {
    const int r = poll(&p, 1, ms);
    if (r >= 0) return r > 0;
    if (errno != EINTR) return true;
  }
}

void Reap(const core::KernelObject* key, pid_t pid, const std::vector<ProcessObject>& objs) {
  bool terminated = false;
  DWORD terminateCode = 0;
  {
    std::lock_guard lock(Kids().mu);
    Child& c = Kids().byObject[key];
    c.pid = 0;
    terminated = c.terminated;
    terminateCode = c.terminateCode;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  DWORD code = WIFEXITED(status) ? static_cast<DWORD>(WEXITSTATUS(status))
                                 : static_cast<DWORD>(128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0));
  internal::FinishProcessObjects(objs, terminated ? terminateCode : code);
}

void Watch(pid_t pid, int pidfd, std::vector<ProcessObject> objs, bool counted) {
  if (counted && !AwaitExit(pidfd, kVirtualWatchMs)) {
    // Hand over to a watcher the clock does not count, and end this one.
    std::thread(Watch, pid, pidfd, std::move(objs), false).detach();
    return;
  }
  if (pidfd >= 0) {
    AwaitExit(pidfd, -1);
    close(pidfd);
  }
  Reap(objs.front().get(), pid, objs);
}

// Starts the watcher; under the virtual clock it is registered with the
// window system before the caller goes on, so no wait can see the clock
// free to move while the child runs.
void StartWatcher(pid_t pid, const std::vector<ProcessObject>& objs) {
  const int pidfd = pidfd_open(pid, 0);
  const bool counted = IsVirtualClock() && pidfd >= 0;
  std::promise<void> registered;
  auto ready = registered.get_future();
  std::thread([=, &registered] {
    if (counted) internal::CountCallingThread();
    registered.set_value();
    Watch(pid, pidfd, objs, counted);
  }).detach();
  ready.wait();
}

void Remember(const ProcessObject& obj, pid_t pid) {
  std::lock_guard lock(Kids().mu);
  std::erase_if(Kids().byObject, [](const auto& entry) { return entry.second.object.expired(); });
  Kids().byObject[obj.get()] = Child{pid, false, 0, obj};
}

struct Launch {
  std::string program;  // as the caller named it
  std::vector<std::string> argv;
  std::vector<std::string> env;
  std::string dir;
};

// Windows' environment block: "NAME=value" strings, each NUL-ended, then
// one more NUL.
std::vector<std::string> EnvironmentBlock(LPVOID block) {
  std::vector<std::string> vars;
  for (auto p = static_cast<const char*>(block); p && *p; p += std::strlen(p) + 1) vars.emplace_back(p);
  return vars;
}

// Runs or records a launch; fills `info` with its handles when asked.
bool StartProcess(const Launch& launch, LPPROCESS_INFORMATION info) {
  ProcessLauncherHook hook;
  {
    std::lock_guard lock(Kids().mu);
    hook = Kids().hook;
  }
  std::optional<DWORD> recordedCode;
  pid_t pid = 0;
  if (hook) {
    recordedCode = hook(launch.program, launch.argv);
    if (!recordedCode) {
      SetLastError(ERROR_FILE_NOT_FOUND);
      return false;
    }
  } else {
    const std::string path = FindProgram(launch.program);
    if (path.empty()) {
      SetLastError(ERROR_FILE_NOT_FOUND);
      return false;
    }
    int error = 0;
    pid = Spawn(path, launch.argv, launch.env, launch.dir, error);
    if (!pid) {
      SetLastError(error == ENOENT    ? ERROR_FILE_NOT_FOUND
                   : error == ENOEXEC ? ERROR_BAD_EXE_FORMAT
                                      : ERROR_ACCESS_DENIED);
      return false;
    }
  }
  const DWORD id = pid ? static_cast<DWORD>(pid) : g_recordedIds++;
  std::vector<ProcessObject> objs{internal::NewProcessObject(id), internal::NewProcessObject(id)};
  Remember(objs[0], pid);
  if (info)
    *info = PROCESS_INFORMATION{internal::AddProcessObject(objs[0]), internal::AddProcessObject(objs[1]), id, id};
  if (recordedCode) {
    internal::FinishProcessObjects(objs, *recordedCode);
  } else {
    StartWatcher(pid, objs);
  }
  return true;
}

}  // namespace
}  // namespace win32::svc

using namespace win32;
using namespace win32::svc;

UINT WINAPI WinExec(LPCSTR lpCmdLine, UINT) {
  Launch launch;
  launch.argv = win32::SplitCommandLine(lpCmdLine ? lpCmdLine : "");
  if (launch.argv.empty()) return ERROR_FILE_NOT_FOUND;
  launch.program = launch.argv.front();
  // The program's handles are not kept: only its start is of interest.
  return StartProcess(launch, nullptr) ? 33 : ERROR_FILE_NOT_FOUND;
}

BOOL WINAPI CreateProcess(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                          BOOL, DWORD, LPVOID lpEnvironment, LPCSTR lpCurrentDirectory, LPSTARTUPINFO,
                          LPPROCESS_INFORMATION lpProcessInformation) {
  Launch launch;
  launch.argv = win32::SplitCommandLine(lpCommandLine ? lpCommandLine : (lpApplicationName ? lpApplicationName : ""));
  if (launch.argv.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  launch.program = lpApplicationName ? lpApplicationName : launch.argv.front();
  launch.env = EnvironmentBlock(lpEnvironment);
  launch.dir = lpCurrentDirectory ? SlashPath(lpCurrentDirectory) : "";
  return StartProcess(launch, lpProcessInformation) ? TRUE : FALSE;
}

BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode) {
  if (!lpExitCode) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (hProcess == GetCurrentProcess()) {
    *lpExitCode = STILL_ACTIVE;
    return TRUE;
  }
  ProcessObject obj = internal::FindKernelObject(hProcess);
  {
    std::lock_guard lock(Kids().mu);
    if (!obj || !Kids().byObject.contains(obj.get())) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
  }
  *lpExitCode = internal::ProcessObjectExitCode(obj);
  return TRUE;
}

BOOL WINAPI TerminateProcess(HANDLE hProcess, UINT uExitCode) {
  ProcessObject obj = internal::FindKernelObject(hProcess);
  std::lock_guard lock(Kids().mu);
  auto it = obj ? Kids().byObject.find(obj.get()) : Kids().byObject.end();
  if (it == Kids().byObject.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  Child& c = it->second;
  if (c.pid == 0 || c.terminated) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  c.terminated = true;
  c.terminateCode = uExitCode;
  kill(c.pid, SIGKILL);
  return TRUE;
}

DWORD WINAPI GetProcessId(HANDLE Process) {
  if (Process == GetCurrentProcess()) return GetCurrentProcessId();
  ProcessObject obj = internal::FindKernelObject(Process);
  std::lock_guard lock(Kids().mu);
  if (!obj || !Kids().byObject.contains(obj.get())) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return internal::ProcessObjectId(obj);
}

namespace win32 {

void SetProcessLauncherHook(ProcessLauncherHook hook) {
  std::lock_guard lock(svc::Kids().mu);
  svc::Kids().hook = std::move(hook);
}

}  // namespace win32
