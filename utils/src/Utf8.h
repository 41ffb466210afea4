// UTF-8 helpers shared by the name rules and the pattern matcher.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace utils {

struct DecodedChar {
  char32_t code;
  size_t length;  // bytes taken
};

// The character starting at `pos`, or nothing for a malformed sequence.
std::optional<DecodedChar> DecodeUtf8(std::string_view text, size_t pos);
// The bytes of the character at `pos` (one byte when malformed).
std::string Utf8CharAt(std::string_view text, size_t pos);
// The number of bytes one character at `pos` takes (1 when malformed).
size_t Utf8Length(std::string_view text, size_t pos);
// True for a well-formed XML name without a colon (an element name a schema
// can declare).
bool IsXmlNcName(std::string_view name);

}  // namespace utils
