#include "Lumeric.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {
constexpr std::string_view kVersion = LUMERIC_PRODUCT_VERSION;
}

extern "C" int LumericVersion(char* buffer, int size) {
  if (buffer != nullptr && size > 0) {
    const std::size_t count = std::min(kVersion.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, kVersion.data(), count);
    buffer[count] = '\0';
  }
  return static_cast<int>(kVersion.size());
}
