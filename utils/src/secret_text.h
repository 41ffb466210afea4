// Passwords of the login history are kept scrambled, never as clear text.
// This hides them from a casual look at the registry file; it is not
// encryption, since the product must hand the password back unchanged.
#pragma once

#include <optional>
#include <string>

namespace utils {

std::string ScrambleSecret(const std::string& clear);
// Nothing for a text that ScrambleSecret did not make.
std::optional<std::string> UnscrambleSecret(const std::string& scrambled);

}  // namespace utils
