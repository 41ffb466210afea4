// Kestrun's configuration files at size: a connector of 5,000 application
// properties read into the model and written out again, beside a plain scan
// of the same file's lines and beside Python's configparser reading it.
#include <afx.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ConfigFileText.h"
#include "ConnectorFileCodec.h"
#include "bench_support.h"

namespace {

using halvane::bench::PeakMemory;
using halvane::bench::TempFolder;

constexpr int kProperties = 5000;

// Values pass as they are: the benchmark measures the files, not Java.
class PlainEncryption : public IValueEncryption {
 public:
  bool Start() override { return true; }
  bool IsRunning() const override { return true; }
  CString UnavailableReason() const override { return CString(); }
  bool GenerateKey(CString& out) override {
    out = "bench-key";
    return true;
  }
  bool Encrypt(const CString& clear, const CString&, CString& out) override {
    out = clear;
    return true;
  }
  bool Decrypt(const CString& value, const CString&, CString& out) override {
    out = value;
    return true;
  }
};

std::unique_ptr<CConnectorFileCodec> MakeCodec() {
  return std::make_unique<CConnectorFileCodec>(std::make_unique<PlainEncryption>());
}

// One connector of kProperties application properties, one in ten of them
// kept encrypted, with every other section the tabs write.
std::unique_ptr<CConnector> MakeConnector() {
  auto connector = std::make_unique<CConnector>("BenchFeed", CONNECTOR_QVS, CONNECTOR_NEW);
  for (int i = 0; i < kProperties; ++i) {
    const std::string name = "Property" + std::to_string(i);
    const std::string value = "value number " + std::to_string(i) + " of the bench connector";
    connector->AddAppProperty(new HvProperty(name.c_str(), value.c_str(), i % 10 == 0 ? HvPropCipherText : HvPropString,
                                             "agent restart", HvPropFlagNew));
  }
  connector->SetSupportedBO("Customer", 1);
  return connector;
}

// The sample file, written once per benchmark.
struct Sample {
  TempFolder folder{"bench-kestrun"};
  CString path;
  Sample() : path((folder.Path() + "/bench.cfg").c_str()) {
    auto codec = MakeCodec();
    CConfigFileText::WriteWholeFile(*codec, *MakeConnector(), path);
  }
};

void KestrunReadConfig5000(benchmark::State& state) {
  halvane::bench::ResetWindowSystem();
  Sample sample;
  auto codec = MakeCodec();
  PeakMemory peak;
  for (auto _ : state) {
    CConnector connector("", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
    if (!codec->ReadConfigFile(sample.path, &connector) || connector.m_appPropertyList.GetCount() != kProperties) {
      state.SkipWithError("the file did not read whole");
      break;
    }
  }
  peak.Report(state);
}
BENCHMARK(KestrunReadConfig5000)->Unit(benchmark::kMillisecond);

void KestrunWriteConfig5000(benchmark::State& state) {
  halvane::bench::ResetWindowSystem();
  TempFolder folder("bench-kestrun");
  const CString path((folder.Path() + "/out.cfg").c_str());
  auto codec = MakeCodec();
  auto connector = MakeConnector();
  PeakMemory peak;
  for (auto _ : state) {
    if (!CConfigFileText::WriteWholeFile(*codec, *connector, path)) {
      state.SkipWithError("the file was not written");
      break;
    }
  }
  peak.Report(state);
}
BENCHMARK(KestrunWriteConfig5000)->Unit(benchmark::kMillisecond);

// The least a reader can do: every line, split at its first "=".
void PlainLineScan5000(benchmark::State& state) {
  Sample sample;
  for (auto _ : state) {
    std::vector<std::pair<std::string, std::string>> fields;
    FILE* file = std::fopen(sample.path, "rb");
    char line[4096];
    while (file != nullptr && std::fgets(line, sizeof line, file) != nullptr) {
      const std::string text(line);
      const size_t eq = text.find('=');
      if (eq != std::string::npos) fields.emplace_back(text.substr(0, eq), text.substr(eq + 1));
    }
    if (file != nullptr) std::fclose(file);
    benchmark::DoNotOptimize(fields.data());
  }
}
BENCHMARK(PlainLineScan5000)->Unit(benchmark::kMillisecond);

// Python's configparser reading the same file, timed inside Python so that
// the interpreter's start is not counted.
void PythonConfigParser5000(benchmark::State& state) {
  Sample sample;
  const std::string command = "python3 " HALVANE_BENCH_DIR "/configparser_read.py '" + std::string(sample.path) + "'";
  for (auto _ : state) {
    FILE* pipe = popen(command.c_str(), "r");
    double seconds = -1;
    if (pipe == nullptr || std::fscanf(pipe, "%lf", &seconds) != 1 || pclose(pipe) != 0 || seconds < 0) {
      state.SkipWithError("python3 did not read the file");
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(PythonConfigParser5000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
