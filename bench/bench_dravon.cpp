// The repository as an editor uses it: saving, listing and opening 500
// business-object definitions of 20 attributes each on an embedded server
// in a temporary servers folder; and at 1k, 10k and 100k definitions:
// loading a repository copy beside the bare SQLite floor of the same rows,
// releasing what a session holds, and opening definitions.
#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "DataManager.h"
#include "DravonAdmin.h"
#include "DravonTestHooks.h"
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
    // The account's password hash is not what is measured.
    dravon::test::SetPasswordIterations(1000);
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
  const std::string& Folder() const { return folder_.Path(); }

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

// --- At scale ---------------------------------------------------------------

constexpr int kScaleAttributes = 10;

std::string AttributeName(int a) { return "Field" + std::to_string(a); }

// A repository copy of `count` definitions of kScaleAttributes attributes.
void WriteCopy(const std::string& path, int count) {
  std::ofstream out(path, std::ios::binary);
  out << "[Pellisk]\r\nVersion = 3.0.0\r\n[End]\r\n";
  for (int i = 0; i < count; ++i) {
    out << "[BusinessObjectDefinition]\r\nName = " << DefinitionName(i) << "\r\nVersion = 1.0.0\r\n\r\n";
    for (int a = 1; a <= kScaleAttributes; ++a) {
      out << "\t[Attribute]\r\n\tName = " << AttributeName(a) << "\r\n\tType = " << (a % 3 == 0 ? "Integer" : "String")
          << "\r\n\tMaxLength = 32\r\n\t[End]\r\n";
    }
    out << "[End]\r\n";
  }
}

bool Load(const std::string& copy, int count) {
  int loaded = 0;
  std::string error;
  return dravon::admin::LoadRepositoryCopy(kServer, copy, loaded, error) && loaded == count;
}

// A server holding `count` definitions.
std::unique_ptr<Server> FilledServer(int count) {
  auto server = std::make_unique<Server>();
  const std::string copy = server->Folder() + "/copy.in";
  WriteCopy(copy, count);
  if (!Load(copy, count)) throw std::runtime_error("the repository copy was not loaded");
  server->Reconnect();
  return server;
}

void BM_DravonLoad(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  PeakMemory peak;
  for (auto _ : state) {
    state.PauseTiming();
    auto server = std::make_unique<Server>();
    const std::string copy = server->Folder() + "/copy.in";
    WriteCopy(copy, count);
    state.ResumeTiming();
    if (!Load(copy, count)) state.SkipWithError("the repository copy was not loaded");
    state.PauseTiming();
    server.reset();
    state.ResumeTiming();
  }
  peak.Report(state);
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_DravonLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor: the same rows inserted by SQLite alone, one transaction with
// prepared statements, into the same two tables of a WAL database.
bool InsertBare(sqlite3* db, int count) {
  const char* schema =
      "PRAGMA journal_mode = WAL;"
      "CREATE TABLE bo_defs(name TEXT PRIMARY KEY, version TEXT NOT NULL, app_info TEXT NOT NULL);"
      "CREATE TABLE bo_attrs(bo TEXT NOT NULL REFERENCES bo_defs(name), seq INTEGER NOT NULL, position INTEGER "
      "NOT NULL, name TEXT NOT NULL, type TEXT NOT NULL, max_length TEXT NOT NULL, PRIMARY KEY (bo, seq));";
  if (sqlite3_exec(db, schema, nullptr, nullptr, nullptr) != SQLITE_OK) return false;
  sqlite3_stmt* def = nullptr;
  sqlite3_stmt* attr = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO bo_defs VALUES (?, '1.0.0', '')", -1, &def, nullptr);
  sqlite3_prepare_v2(db, "INSERT INTO bo_attrs VALUES (?, ?, ?, ?, ?, '32')", -1, &attr, nullptr);
  bool ok = def != nullptr && attr != nullptr && sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == 0;
  for (int i = 0; ok && i < count; ++i) {
    const std::string name = DefinitionName(i);
    sqlite3_bind_text(def, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    ok = sqlite3_step(def) == SQLITE_DONE && sqlite3_reset(def) == SQLITE_OK;
    for (int a = 1; ok && a <= kScaleAttributes; ++a) {
      const std::string field = AttributeName(a);
      sqlite3_bind_text(attr, 1, name.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int(attr, 2, a - 1);
      sqlite3_bind_int(attr, 3, a);
      sqlite3_bind_text(attr, 4, field.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(attr, 5, a % 3 == 0 ? "Integer" : "String", -1, SQLITE_STATIC);
      ok = sqlite3_step(attr) == SQLITE_DONE && sqlite3_reset(attr) == SQLITE_OK;
    }
  }
  ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_finalize(def);
  sqlite3_finalize(attr);
  return ok;
}

void BM_SqliteFloor(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    halvane::bench::TempFolder folder("sqlite-floor");
    sqlite3* db = nullptr;
    sqlite3_open((folder.Path() + "/floor.db").c_str(), &db);
    state.ResumeTiming();
    if (!InsertBare(db, count)) state.SkipWithError("the rows were not inserted");
    sqlite3_close(db);
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_SqliteFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Every definition of the server opened in a new session, then released.
void BM_DravonRelease(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto server = FilledServer(count);
  for (auto _ : state) {
    state.PauseTiming();
    server->Reconnect();
    for (int i = 0; i < count; ++i) {
      if (server->Dm().GetBO(DefinitionName(i).c_str(), 0, 1) == nullptr) state.SkipWithError("a definition is gone");
    }
    state.ResumeTiming();
    server->Dm().ReleaseBODefs();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_DravonRelease)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One hundred definitions opened on servers of growing size: the time per
// open should not grow with the server.
void BM_DravonOpen100(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto server = FilledServer(count);
  for (auto _ : state) {
    state.PauseTiming();
    server->Reconnect();
    state.ResumeTiming();
    for (int i = 0; i < 100; ++i) {
      CQRBusObjDef* def = server->Dm().GetBO(DefinitionName(i * (count / 100)).c_str(), 0, 1);
      if (def == nullptr || def->GetAttrs().GetSize() != kScaleAttributes) state.SkipWithError("a definition is wrong");
    }
  }
  state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_DravonOpen100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
