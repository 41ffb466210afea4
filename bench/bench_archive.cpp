// CArchive with a document of many small objects: 100,000 records written
// as objects (class records and the pointer map at work) and read back.
#include <afx.h>

#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"

namespace {

using halvane::bench::PeakMemory;

constexpr int kObjects = 100000;

}  // namespace

class CBenchRecord : public CObject {
  DECLARE_SERIAL(CBenchRecord)

 public:
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar << id << name << weight;
    } else {
      ar >> id >> name >> weight;
    }
  }
  LONG id = 0;
  CString name;
  double weight = 0;
};

IMPLEMENT_SERIAL(CBenchRecord, CObject, 1)

namespace {

using Records = std::vector<std::unique_ptr<CBenchRecord>>;

Records MakeRecords() {
  Records records;
  records.reserve(kObjects);
  for (int i = 0; i < kObjects; ++i) {
    auto record = std::make_unique<CBenchRecord>();
    record->id = i;
    record->name = ("Record " + std::to_string(i)).c_str();
    record->weight = i * 0.5;
    records.push_back(std::move(record));
  }
  return records;
}

void Store(CFile& file, const Records& records) {
  CArchive ar(&file, CArchive::store);
  ar.WriteCount(records.size());
  for (const auto& record : records) ar << record.get();
  ar.Close();
}

Records Load(CFile& file) {
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  Records records(ar.ReadCount());
  for (auto& record : records) {
    CBenchRecord* loaded = nullptr;
    ar >> loaded;
    record.reset(loaded);
  }
  return records;
}

void BM_ArchiveStore100k(benchmark::State& state) {
  const Records records = MakeRecords();
  PeakMemory peak;
  ULONGLONG bytes = 0;
  for (auto _ : state) {
    CMemFile file;
    Store(file, records);
    bytes = file.GetLength();
  }
  peak.Report(state);
  state.counters["file_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
  state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_ArchiveStore100k)->Unit(benchmark::kMillisecond);

void BM_ArchiveLoad100k(benchmark::State& state) {
  CMemFile file;
  Store(file, MakeRecords());
  PeakMemory peak;
  for (auto _ : state) {
    const Records loaded = Load(file);
    if (loaded.size() != kObjects || loaded.back()->id != kObjects - 1) state.SkipWithError("records were lost");
  }
  peak.Report(state);
  state.SetItemsProcessed(state.iterations() * kObjects);
}
BENCHMARK(BM_ArchiveLoad100k)->Unit(benchmark::kMillisecond);

}  // namespace
