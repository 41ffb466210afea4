// ShellExecute opens documents and addresses with the desktop's handler
// (xdg-open), never through a shell. Headless runs (HALVANE_HEADLESS)
// check the file and answer success without opening anything.
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "services/spawn.h"
#include "win32/services.h"
#include "win32/shellapi.h"

namespace win32::svc {
namespace {

constexpr INT_PTR kShellSuccess = 42;

struct Shell {
  std::mutex mu;
  ShellExecuteHook hook;
};

Shell& TheShell() {
  static Shell shell;
  return shell;
}

bool IsAddress(const std::string& file) { return file.find("://") != std::string::npos || file.starts_with("mailto:"); }

HINSTANCE Result(INT_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

INT_PTR Open(const std::string& target) {
  const char* headless = std::getenv("HALVANE_HEADLESS");
  if (headless && *headless && std::strcmp(headless, "0") != 0) return kShellSuccess;
  const std::string opener = FindProgram("xdg-open");
  if (opener.empty()) return SE_ERR_NOASSOC;
  int error = 0;
  const pid_t pid = Spawn(opener, {"xdg-open", target}, {}, "", error);
  if (!pid) return SE_ERR_NOASSOC;
  ReapInBackground(pid);
  return kShellSuccess;
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "/tmp";
}

std::string XdgFolder(const char* var, const char* fallback) {
  const char* v = std::getenv(var);
  return v && *v ? v : HomeFolder() + fallback;
}

}  // namespace
}  // namespace win32::svc

using namespace win32;
using namespace win32::svc;

HINSTANCE WINAPI ShellExecute(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR, LPCSTR lpDirectory, INT) {
  const std::string verb = lpOperation ? lpOperation : "";
  std::string file = SlashPath(lpFile ? lpFile : "");
  ShellExecuteHook hook;
  {
    std::lock_guard lock(TheShell().mu);
    hook = TheShell().hook;
  }
  if (hook) return Result(hook(verb, file));
  if (file.empty()) return Result(SE_ERR_FNF);
  if (!IsAddress(file)) {
    if (lpDirectory && *lpDirectory && !file.starts_with("/")) file = SlashPath(lpDirectory) + "/" + file;
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) return Result(SE_ERR_FNF);
  }
  return Result(Open(file));
}

BOOL WINAPI SHGetSpecialFolderPath(HWND, LPSTR lpszPath, int csidl, BOOL fCreate) {
  if (!lpszPath) return FALSE;
  std::string folder;
  switch (csidl & ~CSIDL_FLAG_CREATE) {
    case CSIDL_APPDATA:
      folder = XdgFolder("XDG_CONFIG_HOME", "/.config");
      break;
    case CSIDL_LOCAL_APPDATA:
    case CSIDL_COMMON_APPDATA:
      folder = XdgFolder("XDG_DATA_HOME", "/.local/share");
      break;
    case CSIDL_PERSONAL:
    case CSIDL_DESKTOP:
      folder = HomeFolder();
      break;
    default:
      return FALSE;
  }
  std::error_code ec;
  if (fCreate || (csidl & CSIDL_FLAG_CREATE)) std::filesystem::create_directories(folder, ec);
  if (folder.size() >= MAX_PATH) return FALSE;
  std::memcpy(lpszPath, folder.c_str(), folder.size() + 1);
  return TRUE;
}

namespace win32 {

void SetShellExecuteHook(ShellExecuteHook hook) {
  std::lock_guard lock(svc::TheShell().mu);
  svc::TheShell().hook = std::move(hook);
}

}  // namespace win32
