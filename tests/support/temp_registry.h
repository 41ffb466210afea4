// A registry of its own for a test: a registry file in a temporary folder,
// made current for the window system while the object lives; the folder
// goes with it.
#pragma once

#include <string>

#include "temp_folder.h"

namespace halvane::test {

class TempRegistry {
 public:
  explicit TempRegistry(const std::string& prefix = "registry");
  ~TempRegistry();
  TempRegistry(const TempRegistry&) = delete;
  TempRegistry& operator=(const TempRegistry&) = delete;

  // The registry file (it exists once something was written).
  const std::string& file() const { return file_; }
  // The folder it lives in, for the test's other files.
  const TempFolder& folder() const { return folder_; }
  // The file's text, empty while there is none.
  std::string text() const;

 private:
  TempFolder folder_;
  std::string file_;
};

}  // namespace halvane::test
