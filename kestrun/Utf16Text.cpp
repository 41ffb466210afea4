#include "Utf16Text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point that starts at `at`, and how many bytes it takes; an
// ill-formed sequence gives one replacement character.
char32_t DecodeAt(std::string_view text, size_t at, size_t& length) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  length = 1;
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t point = 0;
  char32_t lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, point = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, point = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, point = lead & 0x07, lowest = 0x10000;
  } else {
    return kReplacement;
  }
  for (int k = 1; k <= extra; ++k) {
    // A sequence cut short counts as one character.
    if (at + k >= text.size() || (static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) {
      length = size_t(k);
      return kReplacement;
    }
    point = (point << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
  }
  // Overlong forms, surrogates and points past the last plane are not UTF-8.
  if (point < lowest || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return kReplacement;
  length = size_t(extra) + 1;
  return point;
}

void AppendUtf8(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += char(point);
  } else if (point < 0x800) {
    out += char(0xC0 | (point >> 6));
    out += char(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += char(0xE0 | (point >> 12));
    out += char(0x80 | ((point >> 6) & 0x3F));
    out += char(0x80 | (point & 0x3F));
  } else {
    out += char(0xF0 | (point >> 18));
    out += char(0x80 | ((point >> 12) & 0x3F));
    out += char(0x80 | ((point >> 6) & 0x3F));
    out += char(0x80 | (point & 0x3F));
  }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string result;
  result.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    size_t length = 0;
    char32_t point = DecodeAt(text, at, length);
    at += length;
    if (point >= 0x10000) {
      point -= 0x10000;
      result.push_back(char16_t(0xD800 + (point >> 10)));
      result.push_back(char16_t(0xDC00 + (point & 0x3FF)));
    } else {
      result.push_back(char16_t(point));
    }
  }
  return result;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t point = text[i];
    const bool high = point >= 0xD800 && point <= 0xDBFF;
    const bool low = point >= 0xDC00 && point <= 0xDFFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      point = 0x10000 + ((point - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (high || low) {
      point = kReplacement;  // a lone surrogate has no UTF-8 form
    }
    AppendUtf8(result, point);
  }
  return result;
}
