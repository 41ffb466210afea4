// Fuzzes the configuration-file reader, and the writers on what it read:
// a file that reads must write, and the written file must read again.
#include <cstdlib>

#include "ConfigFileText.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CConnectorFileCodec& codec = kestrun_fuzz::Codec();
  CConnector connector("", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
  if (!codec.ReadConfigFile(kestrun_fuzz::InputFile(data, size), &connector)) return 0;
  const CString output = kestrun_fuzz::OutputFile();
  if (!CConfigFileText::WriteWholeFile(codec, connector, output)) return 0;
  CConnector again("", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
  // The program's own file always reads.
  if (!codec.ReadConfigFile(output, &again)) std::abort();
  return 0;
}
