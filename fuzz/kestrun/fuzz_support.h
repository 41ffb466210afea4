// What every fuzzer of Kestrun's readers shares: message boxes answered at
// once, a codec over the fake encryption service, and one file for the
// input.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ConnectorFileCodec.h"

namespace kestrun_fuzz {

// The codec, made on first use together with the window system.
CConnectorFileCodec& Codec();
// Writes the input to the fuzzer's own file and answers its path.
CString InputFile(const uint8_t* data, size_t size);
// A second file, for texts the readers write out again.
CString OutputFile();

}  // namespace kestrun_fuzz
