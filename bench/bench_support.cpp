#include "bench_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <win32/winuser.h>

namespace halvane::bench {

namespace {

// VmHWM of /proc/self/status, in kB.
long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return 0;
}

}  // namespace

void ResetWindowSystem() {
  win32::ResetWindowSystem();
  win32::UseVirtualClock(true);
}

void Pump() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

void RepaintAll(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

PeakMemory::PeakMemory() {
  // Writing 5 resets the kernel's peak to the current resident size, so
  // each benchmark reports its own peak rather than the program's.
  std::ofstream("/proc/self/clear_refs") << "5";
}

void PeakMemory::Report(benchmark::State& state) const {
  state.counters["peak_MB"] = static_cast<double>(PeakResidentKb()) / 1024.0;
}

TempFolder::TempFolder(const char* prefix) {
  std::string pattern = std::string("/tmp/") + prefix + "-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder under /tmp");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace halvane::bench
