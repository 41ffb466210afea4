#include "resources/byte_reader.h"

#include <windows.h>

namespace win32::internal {

// Through the window system's own conversion, so that resources and
// programs turn UTF-16 into the same text.
void AppendUtf8(std::string& out, const char16_t* units, size_t count) {
  if (count == 0) return;
  const int n = static_cast<int>(count);
  const size_t at = out.size();
  out.resize(at + static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, units, n, nullptr, 0, nullptr, nullptr)));
  WideCharToMultiByte(CP_UTF8, 0, units, n, out.data() + at, static_cast<int>(out.size() - at), nullptr, nullptr);
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
