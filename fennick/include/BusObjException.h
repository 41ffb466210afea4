// Thrown when an instance cannot be made (no type description of its type).
#pragma once

#include <stdexcept>
#include <string>

class BusObjException : public std::runtime_error {
 public:
  explicit BusObjException(const std::string& what) : std::runtime_error(what) {}
};
