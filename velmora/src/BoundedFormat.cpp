#include "BoundedFormat.h"

#include <cstdio>

namespace velmora {

void FormatBounded(char* buffer, std::size_t size, const char* format, va_list args) {
  if (size == 0) return;
  buffer[0] = '\0';
  if (format == nullptr) return;
  // vsnprintf cuts at size - 1 and always terminates; a failed conversion
  // leaves the empty text.
  if (std::vsnprintf(buffer, size, format, args) < 0) buffer[0] = '\0';
}

}  // namespace velmora
