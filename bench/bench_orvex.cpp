// Orvex's start-up to its main window, headless, beside a bare start of the
// window system with one top-level window: what the application object,
// its frame, bars, results pane, templates and preferences add. Both run in
// the benchmark's own process, so neither counts loading the program.
//
// And the repository-copy commands over 10,000 definitions of 20
// attributes, beside a plain line scan of the same file: the export of
// every definition of the session (Save All To One File's work) and the
// reading and commit of that file into a fresh session (Open From File's).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "BOImpExp.h"
#include "DataManager.h"
#include "MainFrame.h"
#include "OrvexApp.h"
#include "bench_support.h"
#include "repocopy_definitions.h"

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

// --- Repository-copy files through the commands ---------------------------------------

// Definitions of the session, the new ones filled.
void SessionDefinitions(int count, CBODefArray& defs) {
  CDataManager* pDM = CDataManager::InitInstance();
  for (int i = 0; i < count; ++i) {
    CQRBusObjDef* pDef = pDM->GetBO(halvane::bench::DefinitionName(i).c_str(), 1, 0);
    if (pDef->GetAttrs().IsEmpty()) halvane::bench::FillDefinition(*pDef, i);
    defs.Add(pDef);
  }
}

void SetItemsAndBytes(benchmark::State& state, int count, const std::string& path) {
  state.SetItemsProcessed(state.iterations() * count);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The file the commands read, written once.
const std::string& ExportedFile(int count) {
  static halvane::bench::TempFolder folder("orvex-files-bench");
  static std::string path;
  if (path.empty()) {
    Profile profile;
    COrvexApp app;
    CBODefArray defs;
    SessionDefinitions(count, defs);
    path = folder.Path() + "/all.in";
    if (CBOImpExp().Export(defs, path.c_str()) != 0) throw std::runtime_error("cannot write " + path);
    delete CDataManager::PeekInstance();
  }
  return path;
}

void OrvexExportAll(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& path = ExportedFile(count);
  Profile profile;
  COrvexApp app;
  CBODefArray defs;
  SessionDefinitions(count, defs);
  const std::string target = path + ".again";
  for (auto _ : state) {
    if (CBOImpExp().Export(defs, target.c_str()) != 0) state.SkipWithError("the export failed");
  }
  delete CDataManager::PeekInstance();
  SetItemsAndBytes(state, count, target);
}
BENCHMARK(OrvexExportAll)->Arg(10000)->Unit(benchmark::kMillisecond);

void OrvexImportAll(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& path = ExportedFile(count);
  Profile profile;
  COrvexApp app;
  PeakMemory peak;
  for (auto _ : state) {
    // Read whole, as the command reads a file.
    std::string text(std::filesystem::file_size(path), '\0');
    std::ifstream(path, std::ios::binary).read(text.data(), static_cast<std::streamsize>(text.size()));
    CBOImpExp impExp;
    if (impExp.ParseText(text.c_str()) != 0) state.SkipWithError("the file did not read");
    impExp.CommitImport(FALSE, FALSE);
    if (impExp.GetImportedNames().GetSize() != count) state.SkipWithError("not every definition was committed");
    state.PauseTiming();
    delete CDataManager::PeekInstance();
    state.ResumeTiming();
  }
  peak.Report(state);
  SetItemsAndBytes(state, count, path);
}
BENCHMARK(OrvexImportAll)->Arg(10000)->Unit(benchmark::kMillisecond);

void OrvexLineScan(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& path = ExportedFile(count);
  for (auto _ : state) benchmark::DoNotOptimize(halvane::bench::ScanLines(path));
  SetItemsAndBytes(state, count, path);
}
BENCHMARK(OrvexLineScan)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
