// Orvex's start-up to its main window, headless, beside a bare start of the
// window system with one top-level window: what the application object,
// its frame, bars, results pane, templates and preferences add. Both run in
// the benchmark's own process, so neither counts loading the program.
//
// And the repository-copy commands over 10,000 definitions of 20
// attributes, beside a plain line scan of the same file: the export of
// every definition of the session (Save All To One File's work) and the
// reading and commit of that file into a fresh session (Open From File's).
//
// Then a large definition's window: 2,000 attributes of which 50 hold a
// contained business object of 20 attributes each, opened from the server,
// expanded whole (3,000 rows), scrolled page by page and sorted.
#include <DravonAdmin.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "AttrGridCtrl.h"
#include "BOImpExp.h"
#include "BusObjAttrsView.h"
#include "ChildFrame.h"
#include "DataManager.h"
#include "MainFrame.h"
#include "OrvexApp.h"
#include "OrvexDoc.h"
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

constexpr int kAttributes = 2000;
constexpr int kContained = 50;
constexpr int kContainedAttributes = 20;
constexpr const char* kServer = "BenchServer";

// Orvex logged in to a server that holds the large definition.
class LargeDefinition {
 public:
  LargeDefinition() {
    halvane::bench::ResetWindowSystem();
    std::string error;
    if (!dravon::admin::CreateServer(kServer, "bench", "bench", error)) throw std::runtime_error(error);
    Store();
    m_app = std::make_unique<COrvexApp>();
    if (!AfxWinInitArgs({"orvex", std::string("-s") + kServer, "-ubench", "-pbench"}) || !m_app->InitApplication() ||
        !m_app->InitInstance() || !m_app->IsConnected())
      throw std::runtime_error("Orvex did not log in");
    halvane::bench::Pump();
  }
  ~LargeDefinition() {
    if (m_app->GetMainFrame() != nullptr) m_app->GetMainFrame()->DestroyWindow();
    AfxWinTerm();
    m_app->ExitInstance();
    delete CDataManager::PeekInstance();
  }
  LargeDefinition(const LargeDefinition&) = delete;
  LargeDefinition& operator=(const LargeDefinition&) = delete;

  // Opens the window of the definition and answers its attribute grid.
  CAttrGridCtrl& Open() {
    CQRBusObjDef* pDef = CDataManager::InitInstance()->GetBO("Large", 0, 1);
    if (pDef == nullptr || m_app->OpenBODefWindow(pDef) == nullptr) throw std::runtime_error("no window");
    halvane::bench::Pump();
    auto* pFrame = DYNAMIC_DOWNCAST(CChildFrame, COrvexDoc::FindByName("Large")->GetFrame());
    pFrame->MDIMaximize();
    pFrame->GetTabWnd().ActivateTab(CChildFrame::kAttributesTab);
    halvane::bench::Pump();
    CAttrGridCtrl& grid =
        DYNAMIC_DOWNCAST(CBusObjAttrsView, pFrame->GetTabView(CChildFrame::kAttributesTab))->GetAttrGrid();
    if (grid.GetRowCount() != kAttributes + 1) throw std::runtime_error("rows missing");
    return grid;
  }
  // Closes the window without questions and lets the definitions go.
  void Close() {
    if (COrvexDoc* pDoc = COrvexDoc::FindByName("Large")) pDoc->GetFrame()->DestroyWindow();
    halvane::bench::Pump();
    CDataManager::InitInstance()->ReleaseSelectedBODefs();
  }

 private:
  // The contained objects and the large one, saved once through a session of its own.
  static void Store() {
    CDataManager* pDM = CDataManager::InitInstance();
    if (!pDM->LogToServer(kServer, "bench", "bench")) throw std::runtime_error("no log-in");
    for (int c = 0; c < kContained; ++c) {
      const std::string name = "Part" + std::to_string(c);
      CQRBusObjDef part(name.c_str(), pDM->GetServer(), HvStateNew);
      for (int a = 1; a <= kContainedAttributes; ++a)
        part.GetAttrs().Add(new CBODefAttr(a, ("Field" + std::to_string(a)).c_str(), "String"));
      if (part.Save() == 0) throw std::runtime_error("a part was refused");
    }
    CQRBusObjDef large("Large", pDM->GetServer(), HvStateNew);
    const int step = kAttributes / kContained;
    for (int a = 1; a <= kAttributes; ++a) {
      // Names in no order, so that the sort has work to do.
      const std::string name = "Attr" + std::to_string((a * 7919) % kAttributes);
      const std::string type = a % step == 0 ? "Part" + std::to_string(a / step - 1) : std::string("Integer");
      large.GetAttrs().Add(new CBODefAttr(a, name.c_str(), type.c_str()));
    }
    large.SetDefaultVerbs();
    if (large.Save() == 0) throw std::runtime_error("the large definition was refused");
    delete pDM;
  }

  Profile m_profile;
  std::unique_ptr<COrvexApp> m_app;
};

void AttrGridOpen2000(benchmark::State& state) {
  LargeDefinition large;
  PeakMemory peak;
  for (auto _ : state) {
    large.Open();
    state.PauseTiming();
    large.Close();
    state.ResumeTiming();
  }
  peak.Report(state);
}
BENCHMARK(AttrGridOpen2000)->Unit(benchmark::kMillisecond);

void AttrGridExpandAll(benchmark::State& state) {
  LargeDefinition large;
  CAttrGridCtrl& grid = large.Open();
  PeakMemory peak;
  for (auto _ : state) {
    grid.ExpandAll();
    state.PauseTiming();
    if (grid.GetRowCount() != kAttributes + kContained * kContainedAttributes + 1)
      state.SkipWithError("the contained objects did not expand");
    grid.CollapseAll();
    state.ResumeTiming();
  }
  peak.Report(state);
}
BENCHMARK(AttrGridExpandAll)->Unit(benchmark::kMillisecond);

// Page Down on the scroll bar from the first row to the last, each page painted.
void AttrGridScrollExpanded(benchmark::State& state) {
  LargeDefinition large;
  CAttrGridCtrl& grid = large.Open();
  grid.ExpandAll();
  long pages = 0;
  for (auto _ : state) {
    pages += halvane::bench::PageDownToTheEnd(grid);
    if (grid.GetLastVisibleRow() != grid.GetRowCount()) state.SkipWithError("the last row was not reached");
  }
  state.counters["pages"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kAvgIterations);
}
BENCHMARK(AttrGridScrollExpanded)->Unit(benchmark::kMillisecond);

// A click on the "Name" header: the shown and the 50 contained definitions
// sorted, up and down in turn, and the 3,000 rows filled again.
void AttrGridSortExpanded(benchmark::State& state) {
  LargeDefinition large;
  CAttrGridCtrl& grid = large.Open();
  grid.ExpandAll();
  CGXGridCore& core = grid;
  for (auto _ : state) core.OnClickedButtonRowCol(0, CBOColumnTable::kName);
}
BENCHMARK(AttrGridSortExpanded)->Unit(benchmark::kMillisecond);

}  // namespace
