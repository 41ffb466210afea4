#include "secret_text.h"

#include <cstdint>

namespace utils {

namespace {

constexpr char kPrefix[] = "hv1:";
constexpr char kHex[] = "0123456789abcdef";

// A byte stream that depends on the position, so equal characters of a
// password do not show as equal bytes.
uint8_t Mask(size_t position) {
  uint32_t x = static_cast<uint32_t>(position) * 2654435761u + 0x9E3779B9u;
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return static_cast<uint8_t>(x);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string ScrambleSecret(const std::string& clear) {
  std::string out = kPrefix;
  for (size_t i = 0; i < clear.size(); ++i) {
    uint8_t byte = static_cast<uint8_t>(clear[i]) ^ Mask(i);
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
  }
  return out;
}

std::optional<std::string> UnscrambleSecret(const std::string& scrambled) {
  const std::string prefix = kPrefix;
  if (scrambled.compare(0, prefix.size(), prefix) != 0 || (scrambled.size() - prefix.size()) % 2 != 0) {
    return std::nullopt;
  }
  std::string clear;
  for (size_t i = prefix.size(); i < scrambled.size(); i += 2) {
    int high = HexValue(scrambled[i]), low = HexValue(scrambled[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    clear += static_cast<char>(static_cast<uint8_t>(high << 4 | low) ^ Mask(clear.size()));
  }
  return clear;
}

}  // namespace utils
