#include "resources/byte_reader.h"

namespace win32::internal {

namespace {

void AppendCodePoint(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u < 0xDC00; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u < 0xE000; }

}  // namespace

void AppendUtf8(std::string& out, const char16_t* units, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    char16_t u = units[i];
    if (IsHighSurrogate(u) && i + 1 < count && IsLowSurrogate(units[i + 1])) {
      AppendCodePoint(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(units[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendCodePoint(out, 0xFFFD);  // a lone surrogate has no UTF-8 form
    } else {
      AppendCodePoint(out, u);
    }
  }
}

bool ByteReader::take(size_t count) {
  if (!ok_ || count > size_ - pos_) {
    ok_ = false;
    return false;
  }
  return true;
}

BYTE ByteReader::byte() {
  if (!take(1)) return 0;
  return data_[pos_++];
}

WORD ByteReader::word() {
  if (!take(2)) return 0;
  WORD v = WORD(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

DWORD ByteReader::dword() {
  WORD lo = word();
  WORD hi = word();
  return DWORD(lo) | (DWORD(hi) << 16);
}

void ByteReader::skip(size_t count) {
  if (take(count)) pos_ += count;
}

void ByteReader::align(size_t alignment) {
  size_t pad = (alignment - pos_ % alignment) % alignment;
  // Padding at the very end of the data may be missing; that is not an error.
  if (pad > size_ - pos_) pad = size_ - pos_;
  pos_ += pad;
}

std::string ByteReader::sz() {
  std::u16string units;
  for (;;) {
    WORD u = word();
    if (!ok_ || u == 0) break;
    units += char16_t(u);
  }
  std::string out;
  AppendUtf8(out, units.data(), units.size());
  return out;
}

ResName ByteReader::name() {
  ResName result;
  if (remaining() < 2) {
    ok_ = false;
    return result;
  }
  WORD first = WORD(data_[pos_] | (data_[pos_ + 1] << 8));
  if (first == 0) {
    pos_ += 2;
  } else if (first == 0xFFFF) {
    pos_ += 2;
    result.isOrdinal = true;
    result.ordinal = word();
  } else {
    result.text = sz();
  }
  return result;
}

}  // namespace win32::internal
