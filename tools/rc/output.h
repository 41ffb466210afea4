// Writes the generated C++ source that registers the compiled resources.
#pragma once

#include <string>
#include <vector>

#include "resources.h"

namespace rc {

struct OutputOptions {
  std::string module;
  bool program = false;  // the program's own module rather than a library's
  std::string script;    // for the banner
};

std::string GenerateSource(const std::vector<Resource>& resources, const OutputOptions& options);

// A make-style dependency file: `target: files...`.
std::string GenerateDepfile(const std::string& target, const std::vector<std::string>& files);

}  // namespace rc
