// The per-user key that seals the passwords of the login history. It lives
// in a file only its owner may read ($XDG_DATA_HOME/halvane/login.key, else
// ~/.local/share/halvane/login.key), never in the registry beside what it
// protects.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace utils::login {

using Key = std::array<uint8_t, 32>;

// Where the key file is.
std::string KeyFilePath();

// The key, or nothing when there is none yet or it cannot be read (a file
// that is not the user's own, or not a key). With `create`, a missing key
// is made (mode 0600, in a folder of mode 0700); two processes making it
// at once end with the same key.
std::optional<Key> LoadKey(bool create);

}  // namespace utils::login
