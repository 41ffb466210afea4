// What the start-up programs share: a window made and gone, and the number
// of shared libraries loaded, printed on standard output.
#pragma once

#include <link.h>

#include <cstdio>

#include <windows.h>

namespace halvane::bench {

inline int CountLibrary(dl_phdr_info* info, size_t, void* data) {
  if (info->dlpi_name != nullptr && info->dlpi_name[0] != '\0') ++*static_cast<int*>(data);
  return 0;
}

inline int RunStartupProgram(bool (*work)()) {
  if (work != nullptr && !work()) return 1;
  HWND wnd =
      CreateWindowEx(0, "Static", "Start", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  if (wnd == nullptr) return 1;
  DestroyWindow(wnd);
  int libraries = 0;
  dl_iterate_phdr(CountLibrary, &libraries);
  std::printf("%d\n", libraries);
  return 0;
}

}  // namespace halvane::bench
