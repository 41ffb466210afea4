// The repository-copy reader under libFuzzer. Besides not crashing,
// leaking or running into undefined behaviour, every input must keep these:
// - the reader gives the same answer from a stream as from memory;
// - a text it reads it can write, and what it writes reads back into
//   definitions that write the very same bytes again;
// - a failed read leaves no definition alive;
// - the definition found by its name alone is the one the full read gave.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "RepositoryCopyBO.h"

namespace {

using namespace dravon::repocopy;
using Defs = std::vector<std::unique_ptr<CQRBusObjDef>>;

int g_live = 0;

class CountedDef : public CQRBusObjDef {
 public:
  explicit CountedDef(const char* name) : CQRBusObjDef(name, nullptr, HvStateNew) { ++g_live; }
  ~CountedDef() override { --g_live; }
};

[[noreturn]] void Broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "fuzz_repocopy: %s %s\n", what, detail.c_str());
  std::abort();
}

bool SameError(const Error& a, const Error& b) { return a.code == b.code && a.line == b.line && a.text == b.text; }

std::string Written(const Defs& defs) {
  std::vector<const CQRBusObjDef*> pointers;
  for (const auto& def : defs) pointers.push_back(def.get());
  std::string text;
  if (const WriteError error = WriteText(text, pointers))
    Broken("a definition that was read cannot be written:", error.message.str());
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  Defs fromMemory;
  std::vector<Error> warnings;
  LineReader memory(text);
  const Error error = ReadDefinitions(memory, fromMemory, {[&](const Error& w) { warnings.push_back(w); }, {}});

  std::istringstream stream(text);
  LineReader streamed(stream);
  CBODefArray fromStream;
  const DefMaker make = [](const char* name) -> CQRBusObjDef* { return new CountedDef(name); };
  const Error streamError = ReadDefinitions(streamed, fromStream, make);
  if (!SameError(error, streamError)) Broken("stream and memory disagree:", ErrorText(error).str());
  if (error) {
    if (!fromMemory.empty() || fromStream.GetSize() != 0 || g_live != 0) Broken("a failed read left definitions");
    if (ErrorText(error).IsEmpty()) Broken("an error without text");
    return 0;
  }
  if (static_cast<size_t>(fromStream.GetSize()) != fromMemory.size()) Broken("stream and memory read apart");
  for (INT_PTR i = 0; i < fromStream.GetSize(); ++i) delete fromStream[i];
  if (g_live != 0) Broken("definitions outlived their owner");

  const std::string once = Written(fromMemory);
  Defs again;
  LineReader reread(once);
  if (const Error e = ReadDefinitions(reread, again)) Broken("written text does not read:", ErrorText(e).str());
  if (Written(again) != once) Broken("the written text changed on a second round");

  std::unique_ptr<CQRBusObjDef> found;
  LineReader named(once);
  const Error namedError = ReadDefinitionNamed(named, fromMemory.back()->name(), found);
  if (namedError || !found) Broken("a written definition is not found by its name:", ErrorText(namedError).str());
  std::string wanted;
  std::string gotAgain;
  LineWriter wantedOut(wanted);
  LineWriter gotOut(gotAgain);
  WriteDefinition(wantedOut, *fromMemory.back());
  WriteDefinition(gotOut, *found);
  if (wanted != gotAgain) Broken("the definition found by its name differs from the one read");
  return 0;
}
