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
  // The folder's name starts with `prefix`.
  explicit TempProfile(const std::string& prefix = "halvane-profile");
  ~TempProfile();
  TempProfile(const TempProfile&) = delete;
  TempProfile& operator=(const TempProfile&) = delete;

  std::string registryFile() const { return folder_ / "registry.reg"; }
  std::string dataFolder() const { return folder_ / "data"; }
  // The registry file's text.
  std::string registryText() const;
  // The folder holding both, for the test's other files.
  const TempFolder& folder() const { return folder_; }

 private:
  TempFolder folder_;
  std::optional<std::string> savedDataHome_;
};

}  // namespace halvane::test
