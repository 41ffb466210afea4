// Orvex's start-up to its main window, headless, beside a bare start of the
// window system with one top-level window: what the application object,
// its frame, bars, results pane, templates and preferences add. Both run in
// the benchmark's own process, so neither counts loading the program.
#include <cstdlib>
#include <stdexcept>

#include "DataManager.h"
#include "MainFrame.h"
#include "OrvexApp.h"
#include "bench_support.h"

namespace {

using halvane::bench::PeakMemory;

// A registry and servers folder of the benchmark's own.
class Profile {
 public:
  Profile() : folder_("orvex-bench") {
    setenv("HALVANE_REGISTRY", (folder_.Path() + "/registry.reg").c_str(), 1);
    setenv("HALVANE_SERVERS", folder_.Path().c_str(), 1);
  }

 private:
  halvane::bench::TempFolder folder_;
};

void BareWindowSystem(benchmark::State& state) {
  PeakMemory peak;
  for (auto _ : state) {
    halvane::bench::ResetWindowSystem();
    HWND window = CreateWindowEx(0, "STATIC", "Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                                 nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr) throw std::runtime_error("no window");
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    halvane::bench::Pump();
    DestroyWindow(window);
  }
  peak.Report(state);
}
BENCHMARK(BareWindowSystem)->Unit(benchmark::kMillisecond);

void OrvexToMainWindow(benchmark::State& state) {
  Profile profile;
  PeakMemory peak;
  for (auto _ : state) {
    halvane::bench::ResetWindowSystem();
    COrvexApp app;
    // Any argument: no start-up picture, whose timer would only wait.
    if (!AfxWinInitArgs({"orvex", "-x"}) || !app.InitApplication() || !app.InitInstance())
      throw std::runtime_error("Orvex did not start");
    halvane::bench::Pump();
    if (app.GetMainFrame() == nullptr || !app.GetMainFrame()->IsWindowVisible())
      throw std::runtime_error("no main window");
    state.PauseTiming();
    AfxWinTerm();
    app.ExitInstance();
    delete CDataManager::PeekInstance();
    state.ResumeTiming();
  }
  peak.Report(state);
}
BENCHMARK(OrvexToMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
