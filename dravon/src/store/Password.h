// The stored form of account passwords: PBKDF2-HMAC-SHA256 over a random
// salt, written as "pbkdf2-sha256$<iterations>$<hex of the key>", so the
// work factor can grow while old entries still verify. Entries of the
// first repositories (64 hex digits of a salted, iterated SHA-256) verify
// too and ask to be stored again.
#pragma once

#include <string>
#include <string_view>

namespace dravon {

// The stored form of a password with the current work factor; empty when
// the hash could not be made.
std::string HashPassword(std::string_view salt, std::string_view password);
// Whether the password gives the stored form; the comparison takes the
// same time wherever the forms differ.
bool VerifyPassword(std::string_view salt, std::string_view stored, std::string_view password);
// Whether a stored form is weaker than what HashPassword makes now.
bool NeedsRehash(std::string_view stored);
// A fresh random salt (16 bytes), as hex.
std::string MakeSalt();

}  // namespace dravon
