// Bounds-checked reading of binary resource data. Every read past the end
// marks the reader failed and answers zero, so parsers check ok() once.
#pragma once

#include <cstddef>
#include <string>

#include "internal/res_templates.h"
#include "win32/wintypes.h"

namespace win32::internal {

// Appends the UTF-8 form of `count` UTF-16 code units.
void AppendUtf8(std::string& out, const char16_t* units, size_t count);

class ByteReader {
 public:
  ByteReader(const void* data, size_t size) : data_(static_cast<const BYTE*>(data)), size_(size) {}

  bool ok() const { return ok_; }
  size_t offset() const { return pos_; }
  size_t remaining() const { return ok_ ? size_ - pos_ : 0; }
  const BYTE* current() const { return data_ + pos_; }

  BYTE byte();
  WORD word();
  DWORD dword();
  // Skips `count` bytes.
  void skip(size_t count);
  // Moves to the next multiple of `alignment` from the start of the data.
  void align(size_t alignment);
  // A NUL-terminated UTF-16 string, as UTF-8.
  std::string sz();
  // A name field: 0x0000 (none), 0xFFFF + ordinal, or a UTF-16 string.
  ResName name();

 private:
  bool take(size_t count);

  const BYTE* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace win32::internal
