// The repository as an editor uses it: saving, listing and opening 500
// business-object definitions of 20 attributes each on an embedded server
// in a temporary servers folder.
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "DataManager.h"
#include "DravonAdmin.h"
#include "bench_support.h"

namespace {

using halvane::bench::PeakMemory;

constexpr int kDefinitions = 500;
constexpr int kAttributes = 20;
constexpr const char* kServer = "BenchServer";
constexpr const char* kUser = "bench";
constexpr const char* kPassword = "secret";

std::string DefinitionName(int i) { return "Object" + std::to_string(i); }

// A fresh server of its own; the data manager is logged in to it.
class Server {
 public:
  Server() : folder_("dravon-bench") {
    setenv("HALVANE_SERVERS", folder_.Path().c_str(), 1);
    halvane::bench::ResetWindowSystem();
    std::string error;
    if (!dravon::admin::CreateServer(kServer, kUser, kPassword, error)) throw std::runtime_error(error);
    Reconnect();
  }
  ~Server() { delete CDataManager::PeekInstance(); }
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // A new session, with nothing cached from the last one.
  void Reconnect() {
    delete CDataManager::PeekInstance();
    if (Dm().LogToServer(kServer, kUser, kPassword) == 0) throw std::runtime_error("cannot log in");
  }
  CDataManager& Dm() { return *CDataManager::InitInstance(); }

  // Saves every definition; false when one of them was refused.
  bool SaveAll() {
    for (int i = 0; i < kDefinitions; ++i) {
      CQRBusObjDef* def = Dm().GetBO(DefinitionName(i).c_str(), 1, 1);
      if (def == nullptr) return false;
      for (int a = 1; a <= kAttributes; ++a) {
        const std::string name = "Attribute" + std::to_string(a);
        def->GetAttrs().Add(new CBODefAttr(a, name.c_str(), a % 3 == 0 ? "Integer" : "String"));
      }
      if (def->Save() != 1) return false;
    }
    return true;
  }

 private:
  halvane::bench::TempFolder folder_;
};

void BM_DravonSave500(benchmark::State& state) {
  PeakMemory peak;
  for (auto _ : state) {
    state.PauseTiming();
    auto server = std::make_unique<Server>();
    state.ResumeTiming();
    if (!server->SaveAll()) state.SkipWithError("a definition was not saved");
    state.PauseTiming();
    server.reset();
    state.ResumeTiming();
  }
  peak.Report(state);
  state.SetItemsProcessed(state.iterations() * kDefinitions);
}
BENCHMARK(BM_DravonSave500)->Unit(benchmark::kMillisecond);

void BM_DravonList500(benchmark::State& state) {
  Server server;
  if (!server.SaveAll()) state.SkipWithError("a definition was not saved");
  for (auto _ : state) {
    const CStringList* names = server.Dm().RefreshBONames(1);
    if (names == nullptr || names->GetCount() != kDefinitions) state.SkipWithError("the listing is incomplete");
  }
}
BENCHMARK(BM_DravonList500)->Unit(benchmark::kMillisecond);

void BM_DravonOpen500(benchmark::State& state) {
  Server server;
  if (!server.SaveAll()) state.SkipWithError("a definition was not saved");
  PeakMemory peak;
  for (auto _ : state) {
    state.PauseTiming();
    server.Reconnect();
    state.ResumeTiming();
    for (int i = 0; i < kDefinitions; ++i) {
      CQRBusObjDef* def = server.Dm().GetBO(DefinitionName(i).c_str(), 0, 1);
      if (def == nullptr || def->GetAttrs().GetSize() != kAttributes) state.SkipWithError("a definition is wrong");
    }
  }
  peak.Report(state);
  state.SetItemsProcessed(state.iterations() * kDefinitions);
}
BENCHMARK(BM_DravonOpen500)->Unit(benchmark::kMillisecond);

}  // namespace
