// What every benchmark program shares: the headless window system on the
// virtual clock, a message pump, peak-memory reporting and a temporary
// folder that cleans up after itself.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include <windows.h>

namespace halvane::bench {

// A clean window system with nothing registered, on the virtual clock so
// timers never make a benchmark wait.
void ResetWindowSystem();

// Dispatches every message that is ready now, without waiting.
void Pump();

// Repaints the whole of `hwnd` and its children at once.
void RepaintAll(HWND hwnd);

// Pages a grid down with its scroll bar from the first row until the top
// row stays, painting each page; the pages turned. A template, so that
// this library needs no grid of its own.
template <class Grid>
long PageDownToTheEnd(Grid& grid) {
  long pages = 0;
  grid.SetTopRow(1);
  for (decltype(grid.GetTopRow()) top = 0; top != grid.GetTopRow(); ++pages) {
    top = grid.GetTopRow();
    grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    grid.UpdateWindow();
  }
  return pages;
}

// The process's peak resident memory since construction, reported as the
// "peak_MB" counter. Construct it before the work it should cover.
class PeakMemory {
 public:
  PeakMemory();
  void Report(benchmark::State& state) const;
};

// A folder under /tmp, removed with everything in it on destruction.
class TempFolder {
 public:
  explicit TempFolder(const char* prefix);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace halvane::bench
