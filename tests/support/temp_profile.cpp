#include "temp_profile.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <windows.h>

namespace halvane::test {

TempProfile::TempProfile(const std::string& prefix) : folder_(prefix) {
  if (const char* home = std::getenv("XDG_DATA_HOME")) savedDataHome_ = home;
  folder_.folder("data");
  setenv("XDG_DATA_HOME", dataFolder().c_str(), 1);
  win32::SetRegistryFile(registryFile());
}

TempProfile::~TempProfile() {
  win32::SetRegistryFile("");
  if (savedDataHome_) {
    setenv("XDG_DATA_HOME", savedDataHome_->c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
}

std::string TempProfile::registryText() const {
  std::ifstream in(registryFile());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace halvane::test
