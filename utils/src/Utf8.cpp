#include "Utf8.h"

namespace utils {

std::optional<DecodedChar> DecodeUtf8(std::string_view text, size_t pos) {
  if (pos >= text.size()) return std::nullopt;
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(pos);
  if (lead < 0x80) return DecodedChar{lead, 1};
  size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || pos + length > text.size()) return std::nullopt;
  char32_t code = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (byte(pos + i) & 0x3F);
  }
  // Overlong forms, surrogates and values past the last plane are malformed.
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return std::nullopt;
  return DecodedChar{code, length};
}

std::string Utf8CharAt(std::string_view text, size_t pos) {
  return std::string(text.substr(pos, Utf8Length(text, pos)));
}

size_t Utf8Length(std::string_view text, size_t pos) {
  auto decoded = DecodeUtf8(text, pos);
  return decoded ? decoded->length : 1;
}

namespace {

bool InRanges(char32_t c, std::initializer_list<std::pair<char32_t, char32_t>> ranges) {
  for (auto [low, high] : ranges) {
    if (c >= low && c <= high) return true;
  }
  return false;
}

// The NameStartChar production of XML 1.0 (fifth edition) without ":".
bool IsNameStart(char32_t c) {
  return InRanges(c, {{'A', 'Z'},
                      {'_', '_'},
                      {'a', 'z'},
                      {0xC0, 0xD6},
                      {0xD8, 0xF6},
                      {0xF8, 0x2FF},
                      {0x370, 0x37D},
                      {0x37F, 0x1FFF},
                      {0x200C, 0x200D},
                      {0x2070, 0x218F},
                      {0x2C00, 0x2FEF},
                      {0x3001, 0xD7FF},
                      {0xF900, 0xFDCF},
                      {0xFDF0, 0xFFFD},
                      {0x10000, 0xEFFFF}});
}

bool IsNameChar(char32_t c) {
  return IsNameStart(c) ||
         InRanges(c, {{'-', '-'}, {'.', '.'}, {'0', '9'}, {0xB7, 0xB7}, {0x300, 0x36F}, {0x203F, 0x2040}});
}

}  // namespace

bool IsXmlNcName(std::string_view name) {
  if (name.empty()) return false;
  for (size_t pos = 0; pos < name.size();) {
    auto decoded = DecodeUtf8(name, pos);
    if (!decoded) return false;
    if (!(pos == 0 ? IsNameStart(decoded->code) : IsNameChar(decoded->code))) return false;
    pos += decoded->length;
  }
  return true;
}

}  // namespace utils
