#include "store/Names.h"

namespace dravon {
namespace {

// The length of the UTF-8 sequence at the start of `text` (shortest form,
// no surrogates, at most U+10FFFF), or 0 when it is none.
size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if ((lead & 0xe0) == 0xc0) {
    length = 2, code = lead & 0x1f, minimum = 0x80;
  } else if ((lead & 0xf0) == 0xe0) {
    length = 3, code = lead & 0x0f, minimum = 0x800;
  } else if ((lead & 0xf8) == 0xf0) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xc0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3f);
  }
  if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return 0;
  // C1 control characters are as unprintable as the C0 ones.
  if (code >= 0x80 && code < 0xa0) return 0;
  return length;
}

}  // namespace

std::string TextNameFault(std::string_view name, size_t maxBytes) {
  if (name.empty()) return "the name is empty";
  if (name.size() > maxBytes) return "the name is longer than " + std::to_string(maxBytes) + " bytes";
  for (size_t at = 0; at < name.size();) {
    const auto c = static_cast<unsigned char>(name[at]);
    if (c < 0x20 || c == 0x7f) return "the name holds a control character";
    const size_t length = Utf8SequenceLength(name.substr(at));
    if (length == 0) return "the name is not valid UTF-8 text";
    at += length;
  }
  return {};
}

std::string ServerNameFault(std::string_view name) {
  if (std::string fault = TextNameFault(name, kMaxServerNameBytes); !fault.empty()) return fault;
  if (name.find_first_of("/\\") != std::string_view::npos) return "the name holds a path separator";
  if (name.front() == '.') return "the name starts with a dot";
  return {};
}

}  // namespace dravon
