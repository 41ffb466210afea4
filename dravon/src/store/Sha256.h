// SHA-256 (FIPS 180-4) and the salted password hash of user accounts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dravon {

using Digest = std::array<uint8_t, 32>;

Digest Sha256(std::string_view data);
std::string ToHex(const uint8_t* bytes, size_t count);

// The stored form of a password: hex of SHA-256 applied repeatedly to
// salt and password, so a stolen database is slow to guess from.
std::string HashPassword(std::string_view salt, std::string_view password);
// A fresh random salt, as hex.
std::string MakeSalt();

}  // namespace dravon
