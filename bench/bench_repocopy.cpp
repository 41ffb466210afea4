// Repository-copy files at scale: exporting and importing definitions of
// 20 attributes beside a plain line scan of the same file, and
// halvane-server's load beside a bare SQLite insert of the same rows.
#include <malloc.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "DravonAdmin.h"
#include "RepositoryCopyBO.h"
#include "bench_support.h"
#include "repocopy_definitions.h"

namespace {

using halvane::bench::PeakMemory;
using Defs = std::vector<std::unique_ptr<CQRBusObjDef>>;
namespace repocopy = dravon::repocopy;

constexpr const char* kServer = "LoadBench";

Defs MakeDefinitions(int count) {
  Defs defs;
  for (int i = 0; i < count; ++i) {
    auto def = std::make_unique<CQRBusObjDef>(halvane::bench::DefinitionName(i).c_str(), nullptr, HvStateNew);
    halvane::bench::FillDefinition(*def, i);
    defs.push_back(std::move(def));
  }
  return defs;
}

std::vector<const CQRBusObjDef*> Pointers(const Defs& defs) {
  std::vector<const CQRBusObjDef*> pointers;
  for (const auto& def : defs) pointers.push_back(def.get());
  return pointers;
}

// One exported file per size, written once for the whole program.
class Files {
 public:
  static Files& Get() {
    static Files files;
    return files;
  }
  const Defs& Definitions(int count) {
    auto& defs = m_defs[count];
    if (defs.empty()) defs = MakeDefinitions(count);
    return defs;
  }
  const std::string& Path(int count) {
    std::string& path = m_paths[count];
    if (path.empty()) {
      path = m_folder.Path() + "/copy" + std::to_string(count) + ".in";
      if (repocopy::WriteFile(path, Pointers(Definitions(count)))) throw std::runtime_error("cannot write " + path);
    }
    return path;
  }
  std::string Scratch(const char* name) const { return m_folder.Path() + "/" + name; }

 private:
  halvane::bench::TempFolder m_folder{"repocopy-bench"};
  std::map<int, Defs> m_defs;
  std::map<int, std::string> m_paths;
};

double FileMB(const std::string& path) { return static_cast<double>(std::filesystem::file_size(path)) / (1 << 20); }

// VmRSS of /proc/self/status, in MB, where a peak is counted from. The
// memory an earlier run freed goes back to the system first: a run reusing
// it would show no growth at all.
double ResidentMB() {
  malloc_trim(0);
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  }
  return 0;
}

void Report(benchmark::State& state, const PeakMemory& peak, double startMB, const std::string& path, int count) {
  peak.Report(state);
  state.counters["growth_MB"] = state.counters["peak_MB"] - startMB;
  state.counters["file_MB"] = FileMB(path);
  state.SetItemsProcessed(state.iterations() * count);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

void BM_RepoCopyExport(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::vector<const CQRBusObjDef*> defs = Pointers(Files::Get().Definitions(count));
  const std::string path = Files::Get().Scratch("export.in");
  for (auto _ : state) {
    if (const repocopy::WriteError error = repocopy::WriteFile(path, defs)) state.SkipWithError(error.message);
  }
  state.SetItemsProcessed(state.iterations() * count);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_RepoCopyExport)->Arg(10000)->Unit(benchmark::kMillisecond);

// Every definition read into memory, as an import holds them.
void BM_RepoCopyImport(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& path = Files::Get().Path(count);
  const double startMB = ResidentMB();
  PeakMemory peak;
  for (auto _ : state) {
    Defs defs;
    if (repocopy::ReadFile(path, defs) || defs.size() != static_cast<size_t>(count)) {
      state.SkipWithError("the file did not read back");
    }
    state.PauseTiming();
    defs.clear();
    state.ResumeTiming();
  }
  Report(state, peak, startMB, path, count);
}
BENCHMARK(BM_RepoCopyImport)->Arg(10000)->Unit(benchmark::kMillisecond);

// One definition at a time, as the load reads.
void BM_RepoCopyReadEach(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& path = Files::Get().Path(count);
  const double startMB = ResidentMB();
  PeakMemory peak;
  for (auto _ : state) {
    int read = 0;
    if (repocopy::ReadEach(path, [&](std::unique_ptr<CQRBusObjDef>) { return ++read > 0; }) || read != count) {
      state.SkipWithError("the file did not read back");
    }
  }
  Report(state, peak, startMB, path, count);
}
BENCHMARK(BM_RepoCopyReadEach)->Arg(10000)->Unit(benchmark::kMillisecond);

// The floor of any reader: every line of the file into a string.
void BM_LineScan(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& path = Files::Get().Path(count);
  for (auto _ : state) benchmark::DoNotOptimize(halvane::bench::ScanLines(path));
  state.SetItemsProcessed(state.iterations() * count);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_LineScan)->Arg(10000)->Unit(benchmark::kMillisecond);

// A fresh server of its own in a temporary servers folder.
class FreshServer {
 public:
  FreshServer() {
    setenv("HALVANE_SERVERS", m_folder.Path().c_str(), 1);
    std::string error;
    if (!dravon::admin::CreateServer(kServer, "bench", "secret", error)) throw std::runtime_error(error);
  }
  std::string Database() const { return m_folder.Path() + "/" + kServer + ".db"; }

 private:
  halvane::bench::TempFolder m_folder{"repocopy-server"};
};

void BM_LoadIntoServer(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& path = Files::Get().Path(count);
  const double startMB = ResidentMB();
  PeakMemory peak;
  for (auto _ : state) {
    state.PauseTiming();
    auto server = std::make_unique<FreshServer>();
    state.ResumeTiming();
    int loaded = 0;
    std::string error;
    if (!dravon::admin::LoadRepositoryCopy(kServer, path, loaded, error) || loaded != count) {
      state.SkipWithError(error.c_str());
    }
    state.PauseTiming();
    server.reset();
    state.ResumeTiming();
  }
  Report(state, peak, startMB, path, count);
}
BENCHMARK(BM_LoadIntoServer)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The rows the load writes, by SQLite alone: statements prepared once, one
// transaction, the definitions already in memory.
class BareInsert {
 public:
  explicit BareInsert(const std::string& database) {
    if (sqlite3_open(database.c_str(), &m_db) != SQLITE_OK) throw std::runtime_error("cannot open " + database);
    m_def = Prepare("INSERT INTO bo_defs(name, version, app_info) VALUES (?, ?, ?)");
    m_attr = Prepare(
        "INSERT INTO bo_attrs(bo, seq, position, name, type, simple, is_key, is_foreign_key, required, cardinality, "
        "max_length, default_value, app_info, comments, relationship, contained_version) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    m_verb = Prepare("INSERT INTO bo_verbs(bo, seq, name, app_info, subscription, scenario) VALUES (?, ?, ?, ?, ?, ?)");
    m_log = Prepare("INSERT INTO change_log(writer, kind, name, action) VALUES ('bench', 17, ?, 'S')");
    m_counter = Prepare("UPDATE change_counter SET value = value + 1");
  }
  ~BareInsert() {
    for (sqlite3_stmt* stmt : {m_def, m_attr, m_verb, m_log, m_counter}) sqlite3_finalize(stmt);
    sqlite3_close(m_db);
  }
  BareInsert(const BareInsert&) = delete;
  BareInsert& operator=(const BareInsert&) = delete;

  bool Run(const Defs& defs) {
    bool ok = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (const auto& def : defs) ok = ok && Insert(*def);
    return ok && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
  }

 private:
  sqlite3_stmt* Prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(m_db));
    return stmt;
  }
  static void Text(sqlite3_stmt* stmt, int index, const CString& text) {
    sqlite3_bind_text(stmt, index, text, text.GetLength(), SQLITE_STATIC);
  }
  static bool Step(sqlite3_stmt* stmt) {
    const bool done = sqlite3_step(stmt) == SQLITE_DONE;
    sqlite3_reset(stmt);
    return done;
  }
  bool Insert(const CQRBusObjDef& def) {
    const CString name = def.name();
    Text(m_def, 1, name);
    Text(m_def, 2, def.GetVersion());
    Text(m_def, 3, def.GetAppInfo());
    bool ok = Step(m_def);
    for (INT_PTR i = 0; ok && i < def.GetAttrs().GetSize(); ++i) {
      const CBODefAttr& a = *def.GetAttrs()[i];
      Text(m_attr, 1, name);
      sqlite3_bind_int64(m_attr, 2, i);
      sqlite3_bind_int(m_attr, 3, a.GetPosition());
      Text(m_attr, 4, a.GetName());
      Text(m_attr, 5, a.GetTypeName());
      sqlite3_bind_int(m_attr, 6, a.IsSimpleType() ? 1 : 0);
      sqlite3_bind_int(m_attr, 7, a.IsKey() ? 1 : 0);
      sqlite3_bind_int(m_attr, 8, a.IsForeignKey() ? 1 : 0);
      sqlite3_bind_int(m_attr, 9, a.IsRequired() ? 1 : 0);
      Text(m_attr, 10, a.GetCardinality());
      Text(m_attr, 11, a.GetMaxLength());
      Text(m_attr, 12, a.GetDefaultValue());
      Text(m_attr, 13, a.GetAppInfo());
      Text(m_attr, 14, a.GetComments());
      Text(m_attr, 15, a.GetRelationship());
      Text(m_attr, 16, a.GetContainedObjectVersion());
      ok = Step(m_attr);
    }
    for (INT_PTR i = 0; ok && i < def.GetVerbs().GetSize(); ++i) {
      const CBODefVerb& v = *def.GetVerbs()[i];
      Text(m_verb, 1, name);
      sqlite3_bind_int64(m_verb, 2, i);
      Text(m_verb, 3, v.GetName());
      Text(m_verb, 4, v.GetAppInfo());
      Text(m_verb, 5, v.GetSubscription());
      Text(m_verb, 6, v.GetScenario());
      ok = Step(m_verb);
    }
    Text(m_log, 1, name);
    return ok && Step(m_log) && Step(m_counter);
  }

  sqlite3* m_db = nullptr;
  sqlite3_stmt* m_def = nullptr;
  sqlite3_stmt* m_attr = nullptr;
  sqlite3_stmt* m_verb = nullptr;
  sqlite3_stmt* m_log = nullptr;
  sqlite3_stmt* m_counter = nullptr;
};

void BM_BareSqliteInsert(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const Defs& defs = Files::Get().Definitions(count);
  for (auto _ : state) {
    state.PauseTiming();
    auto server = std::make_unique<FreshServer>();
    auto insert = std::make_unique<BareInsert>(server->Database());
    state.ResumeTiming();
    if (!insert->Run(defs)) state.SkipWithError("SQLite refused a row");
    state.PauseTiming();
    insert.reset();
    server.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BareSqliteInsert)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
