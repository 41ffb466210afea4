#include "temp_registry.h"

#include <fstream>
#include <sstream>

#include <windows.h>

namespace halvane::test {

TempRegistry::TempRegistry(const std::string& prefix) : folder_(prefix), file_(folder_ / "registry.reg") {
  win32::SetRegistryFile(file_);
}

TempRegistry::~TempRegistry() { win32::SetRegistryFile(""); }

std::string TempRegistry::text() const {
  std::ifstream in(file_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace halvane::test
