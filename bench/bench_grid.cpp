// The grid with a realistic table: 10,000 rows of 10 columns, painted,
// scrolled and copied; filled and sorted at 1k, 10k and 100k rows.
#include <gxall.h>

#include <memory>
#include <string>

#include "bench_support.h"

namespace {

using halvane::bench::PeakMemory;
using halvane::bench::Pump;

constexpr ROWCOL kRows = 10000;
constexpr ROWCOL kCols = 10;

// The class library wants its application object before the first window.
void EnsureApp() { static CWinApp app("Grid Bench"); }

// A frame with a grid filling its client area.
class GridWindow {
 public:
  explicit GridWindow(ROWCOL rows = kRows) : rows_(rows) {
    EnsureApp();
    halvane::bench::ResetWindowSystem();
    AfxSetResourceHandle(nullptr);
    GXInit();
    frame_.CreateEx(0, nullptr, "Grid Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 800, nullptr, nullptr);
    CRect client;
    frame_.GetClientRect(&client);
    grid_.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, client, &frame_, 1);
    grid_.Initialize();
    grid_.SetRowCount(rows_);
    grid_.SetColCount(kCols);
    Pump();
  }
  ~GridWindow() {
    frame_.DestroyWindow();
    Pump();
    CWnd::DeleteTempMap();
  }
  GridWindow(const GridWindow&) = delete;
  GridWindow& operator=(const GridWindow&) = delete;

  CGXGridWnd& Grid() { return grid_; }

  // Column 1 holds numbers in a scrambled order (a sort has work to do),
  // the others text; painted once afterwards, as an editor loading a table.
  void Fill() {
    for (ROWCOL row = 1; row <= rows_; ++row) {
      const long key = static_cast<long>((static_cast<unsigned long long>(row) * 7919) % rows_);
      grid_.SetValueRange(CGXRange(row, 1), key, gxOverride, 0, GX_INVALIDATE);
      for (ROWCOL col = 2; col <= kCols; ++col) {
        const std::string text = "r" + std::to_string(row) + "c" + std::to_string(col);
        grid_.SetValueRange(CGXRange(row, col), text.c_str(), gxOverride, 0, GX_INVALIDATE);
      }
    }
    grid_.UpdateWindow();
  }

 private:
  ROWCOL rows_;
  CWnd frame_;
  CGXGridWnd grid_;
};

void BM_GridFill(benchmark::State& state) {
  const auto rows = static_cast<ROWCOL>(state.range(0));
  PeakMemory peak;
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<GridWindow>(rows);
    state.ResumeTiming();
    window->Fill();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
  peak.Report(state);
  state.SetItemsProcessed(state.iterations() * rows * kCols);
}
BENCHMARK(BM_GridFill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_GridRepaint(benchmark::State& state) {
  GridWindow window;
  window.Fill();
  for (auto _ : state) halvane::bench::RepaintAll(window.Grid().GetSafeHwnd());
}
BENCHMARK(BM_GridRepaint)->Unit(benchmark::kMillisecond);

// Page Down on the scroll bar from the top to the last row, painting each page.
void BM_GridScrollPageByPage(benchmark::State& state) {
  GridWindow window;
  window.Fill();
  CGXGridWnd& grid = window.Grid();
  long pages = 0;
  for (auto _ : state) {
    pages += halvane::bench::PageDownToTheEnd(grid);
    if (grid.GetLastVisibleRow() != kRows) state.SkipWithError("the last row was not reached");
  }
  state.counters["pages"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GridScrollPageByPage)->Unit(benchmark::kMillisecond);

// Sorts by the numeric column, alternately down and up so no run starts sorted.
void BM_GridSortRows(benchmark::State& state) {
  GridWindow window(static_cast<ROWCOL>(state.range(0)));
  window.Fill();
  bool ascending = false;
  for (auto _ : state) {
    ascending = !ascending;
    CGXSortInfoArray info;
    info.Add(CGXSortInfo(1, ascending ? CGXSortInfo::ascending : CGXSortInfo::descending, CGXSortInfo::numeric));
    window.Grid().SortRows(CGXRange().SetTable(), info);
  }
}
BENCHMARK(BM_GridSortRows)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

size_t ClipboardTextSize() {
  if (!OpenClipboard(nullptr)) return 0;
  size_t size = 0;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* text = static_cast<const char*>(GlobalLock(data))) {
      size = std::char_traits<char>::length(text);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return size;
}

void BM_GridCopyAll(benchmark::State& state) {
  GridWindow window;
  window.Fill();
  window.Grid().SetSelection(CGXRange(1, 1, kRows, kCols));
  PeakMemory peak;
  for (auto _ : state) {
    if (!window.Grid().Copy()) state.SkipWithError("the copy failed");
  }
  peak.Report(state);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(ClipboardTextSize()));
}
BENCHMARK(BM_GridCopyAll)->Unit(benchmark::kMillisecond);

}  // namespace
