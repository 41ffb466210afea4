// The stored form of account passwords: PBKDF2-HMAC-SHA256 over a random
// salt, written as "pbkdf2-sha256$<iterations>$<hex of the key>", so the
// work factor can grow while old entries still verify. Entries of the
// first repositories (64 hex digits of a salted, iterated SHA-256) verify
// too and ask to be stored again.
#pragma once
// Internal; exported (AFX_EXT_*) only for the library's own tests.

#include <mfc/export.h>

#include <string>
#include <string_view>

namespace dravon {

// The stored form of a password with the current work factor; empty when
// the hash could not be made.
AFX_EXT_API std::string HashPassword(std::string_view salt, std::string_view password);
// Whether the password gives the stored form; the comparison takes the
// same time wherever the forms differ.
AFX_EXT_API bool VerifyPassword(std::string_view salt, std::string_view stored, std::string_view password);
// Whether a stored form is weaker than what HashPassword makes now.
AFX_EXT_API bool NeedsRehash(std::string_view stored);
// A fresh random salt (16 bytes), as hex.
AFX_EXT_API std::string MakeSalt();

}  // namespace dravon
