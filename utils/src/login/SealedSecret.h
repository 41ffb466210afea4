// Passwords of the login history are sealed with AES-256-GCM under the
// user's key: "hv2:" and the Base64 of a fresh 12-byte nonce, the cipher
// text and the 16-byte tag. The context (where the value is kept) is
// authenticated too, so a sealed value copied to another place does not
// open there. Values of the older "hv1:" form were only scrambled; they
// are read once so that they can be sealed in their place.
#pragma once

#include <optional>
#include <string>

#include "login/LoginKey.h"

namespace utils::login {

// Empty when sealing fails.
std::string Seal(const Key& key, const std::string& clear, const std::string& context);
// Nothing for a value that is not sealed, or was sealed under another key
// or context, or was changed.
std::optional<std::string> Open(const Key& key, const std::string& sealed, const std::string& context);

// Whether `stored` is of the older scrambled form, and its clear text.
bool IsScrambled(const std::string& stored);
std::optional<std::string> Unscramble(const std::string& scrambled);

}  // namespace utils::login
