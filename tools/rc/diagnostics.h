// Where a token came from, and the error the compiler stops with.
#pragma once

#include <stdexcept>
#include <string>

namespace rc {

struct Location {
  std::string file;
  int line = 0;
};

// Printed as "file(line): error: message"; the compiler exits non-zero.
class CompileError : public std::runtime_error {
 public:
  CompileError(Location where, const std::string& message) : std::runtime_error(message), where_(std::move(where)) {}
  const Location& where() const { return where_; }

 private:
  Location where_;
};

}  // namespace rc
