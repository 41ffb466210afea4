// Fuzzes the repository-copy reader of connector blocks, and the writer on
// what it read: every connector that reads writes, the copy reads back to
// as many connectors, and writing those again gives the same bytes. The
// same input read as a header-less block file must not fault either.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "fuzz_support.h"

namespace {

using Connectors = std::vector<std::unique_ptr<CConnector>>;

Connectors Owned(CConnectorArray& read) {
  Connectors owned;
  for (INT_PTR i = 0; i < read.GetSize(); ++i) owned.emplace_back(read[i]);
  return owned;
}

std::string Content(const CString& path) {
  std::ifstream in(static_cast<LPCTSTR>(path), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

[[noreturn]] void Broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "fuzz_kestrun_repository: %s\n%s\n", what, detail.c_str());
  std::abort();
}

// Where two texts part: the line of each.
std::string FirstDifference(const std::string& a, const std::string& b) {
  size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  const size_t start = a.rfind('\n', at == 0 ? 0 : at - 1);
  const size_t from = start == std::string::npos ? 0 : start + 1;
  auto line = [from](const std::string& text) { return text.substr(from, text.find('\n', from) - from); };
  return "first: " + line(a) + "\nagain: " + line(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CConnectorFileCodec& codec = kestrun_fuzz::Codec();
  const CString input = kestrun_fuzz::InputFile(data, size);
  CConnector* first = nullptr;
  codec.ReadRepositoryConnector(input, first);
  delete first;

  CConnectorArray read;
  const BOOL ok = codec.ReadRepositoryFile(input, read);
  const Connectors connectors = Owned(read);
  if (!ok && !connectors.empty()) Broken("a failed read handed out connectors");
  const CString output = kestrun_fuzz::OutputFile();
  for (const auto& connector : connectors) {
    // A value that cannot stand on one line is refused, not written.
    if (!codec.WriteRepositoryFile(output, connector.get())) continue;
    const std::string written = Content(output);
    CConnectorArray again;
    if (!codec.ReadRepositoryFile(output, again)) Broken("the program's own copy does not read");
    const Connectors back = Owned(again);
    if (back.size() != 1) Broken("the program's own copy does not give its one connector back");
    if (!codec.WriteRepositoryFile(output, back[0].get()))
      Broken("a connector read from the program's copy does not write");
    const std::string rewritten = Content(output);
    if (rewritten != written) Broken("a copy read and written again differs", FirstDifference(written, rewritten));
  }
  return 0;
}
