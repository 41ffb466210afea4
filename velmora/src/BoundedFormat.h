// printf-style formatting into fixed buffers that never overflows them:
// text past the buffer is cut, and the result always ends with a NUL.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace velmora {

// A null format gives an empty text.
void FormatBounded(char* buffer, std::size_t size, const char* format, va_list args);

}  // namespace velmora
