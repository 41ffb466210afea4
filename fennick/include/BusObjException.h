// Thrown when an instance cannot be made (no type description of its type).
#pragma once

#include <stdexcept>
#include <string>

#include <mfc/export.h>

class AFX_EXT_CLASS BusObjException : public std::runtime_error {
 public:
  explicit BusObjException(const std::string& what) : std::runtime_error(what) {}
};
