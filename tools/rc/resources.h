// Compiled resources and the little-endian writer that lays them out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rc {

// A resource type or name: an integer id or a string (upper-cased, as
// resource compilers store names).
struct ResId {
  bool isInt = false;
  uint16_t id = 0;
  std::string name;

  static ResId Int(uint16_t value) { return {true, value, {}}; }
  static ResId Name(const std::string& text);

  bool operator==(const ResId&) const = default;
};

// The standard type numbers.
namespace type {
constexpr uint16_t kCursor = 1, kBitmap = 2, kIcon = 3, kMenu = 4, kDialog = 5, kString = 6, kAccelerator = 9,
                   kRcData = 10, kGroupCursor = 12, kGroupIcon = 14, kVersion = 16, kHtml = 23, kManifest = 24,
                   kDlgInit = 240, kToolbar = 241;
}

struct Resource {
  ResId type;
  ResId name;
  uint16_t language = 0;
  std::vector<uint8_t> data;
};

class ByteWriter {
 public:
  void byte(uint32_t v) { bytes_.push_back(uint8_t(v)); }
  void word(uint32_t v) {
    byte(v);
    byte(v >> 8);
  }
  void dword(uint32_t v) {
    word(v);
    word(v >> 16);
  }
  void align(size_t n) {
    while (bytes_.size() % n) byte(0);
  }
  void append(const std::vector<uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  // UTF-16 code units, without a terminator.
  void utf16(const std::u16string& units) {
    for (char16_t u : units) word(u);
  }
  // A NUL-terminated UTF-16 string from UTF-8.
  void sz(const std::string& utf8);
  // A name field: 0xFFFF + ordinal, or a string.
  void nameOrOrdinal(const ResId& id);
  void patchWord(size_t at, uint32_t v) {
    bytes_[at] = uint8_t(v);
    bytes_[at + 1] = uint8_t(v >> 8);
  }
  size_t size() const { return bytes_.size(); }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace rc
