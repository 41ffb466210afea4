// A user of its own for a test: a fresh registry file and a fresh data
// folder ($XDG_DATA_HOME, where the login key lives) in a temporary folder,
// both put back when it goes.
#pragma once

#include <optional>
#include <string>

#include "temp_folder.h"

namespace halvane::test {

class TempProfile {
 public:
  TempProfile();
  ~TempProfile();
  TempProfile(const TempProfile&) = delete;
  TempProfile& operator=(const TempProfile&) = delete;

  std::string registryFile() const { return folder_ / "registry.reg"; }
  std::string dataFolder() const { return folder_ / "data"; }
  // The registry file's text.
  std::string registryText() const;

 private:
  TempFolder folder_{"halvane-profile"};
  std::optional<std::string> savedDataHome_;
};

}  // namespace halvane::test
