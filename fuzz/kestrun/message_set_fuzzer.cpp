// Fuzzes the message-set file reader and the open command's file-type tests.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CConnectorFileCodec& codec = kestrun_fuzz::Codec();
  const CString path = kestrun_fuzz::InputFile(data, size);
  CMessageSetEntries entries;
  codec.ReadMessageSetFile(path, entries);
  codec.IsRepositoryFile(path);
  codec.IsConnectorFile(path);
  codec.IsConfigurationFile(path);
  return 0;
}
