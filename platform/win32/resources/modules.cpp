// Modules and the library attach/detach that stands in for a DLL's entry point.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "resources/module_registry.h"
#include "win32/winbase.h"
#include "win32/winres.h"

namespace {

using win32::internal::ModuleRegistry;

struct LibraryDetach {
  HINSTANCE module;
  win32::LibraryEntry entry;
};

// Libraries whose detach is still to run, in attach order. Immortal, as the
// handlers that read it run at exit.
struct DetachStack {
  std::mutex mutex;
  std::vector<LibraryDetach> pending;
};

DetachStack& Detaches() {
  static DetachStack* stack = new DetachStack;
  return *stack;
}

// One atexit handler per library: each pops the latest library, so the
// detaches run in reverse attach order, interleaved with the other exit
// handlers as a real loader would.
void RunNextDetach() {
  LibraryDetach next{};
  {
    std::lock_guard lock(Detaches().mutex);
    if (Detaches().pending.empty()) return;
    next = Detaches().pending.back();
    Detaches().pending.pop_back();
  }
  next.entry(next.module, DLL_PROCESS_DETACH, nullptr);
}

}  // namespace

namespace win32 {

HINSTANCE RegisterModule(const char* name, const char* fileName) {
  return ModuleRegistry::Instance().Register(name, fileName);
}

void RegisterLibraryEntry(HINSTANCE module, LibraryEntry entry) {
  if (entry == nullptr || !ModuleRegistry::Instance().Exists(module)) return;
  if (!entry(module, DLL_PROCESS_ATTACH, nullptr)) {
    // A refused attach loads nothing, so there is no detach to run.
    ModuleRegistry::Instance().SetFailed(module);
    return;
  }
  {
    std::lock_guard lock(Detaches().mutex);
    Detaches().pending.push_back({module, entry});
  }
  std::atexit(RunNextDetach);
}

BOOL ModuleLoadFailed(HINSTANCE module) { return ModuleRegistry::Instance().Failed(module) ? TRUE : FALSE; }

}  // namespace win32

HMODULE WINAPI GetModuleHandle(LPCSTR lpModuleName) {
  if (lpModuleName == nullptr) return ModuleRegistry::Instance().MainModule();
  HMODULE module = ModuleRegistry::Instance().Find(lpModuleName);
  if (module == nullptr) SetLastError(ERROR_MOD_NOT_FOUND);
  return module;
}

DWORD WINAPI GetModuleFileName(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  auto name = ModuleRegistry::Instance().FileName(hModule);
  if (!name) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (lpFilename == nullptr || nSize == 0) return 0;
  // As Win32: a short buffer gets the truncated name, terminated, and the
  // answer is the buffer size.
  DWORD length = DWORD(name->size());
  DWORD copied = length < nSize ? length : nSize - 1;
  std::memcpy(lpFilename, name->data(), copied);
  lpFilename[copied] = '\0';
  return length < nSize ? length : nSize;
}
