// Runs the resource compiler on a script written to a fresh folder and
// reads the resources back from the generated source.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct CompiledResource {
  std::string type;  // "#5" for integer types, else the name
  std::string name;
  std::vector<uint8_t> data;
};

struct CompileResult {
  int exitCode = -1;
  std::string errors;  // what the compiler printed on stderr
  std::string depfile;
  std::vector<CompiledResource> resources;

  // The resource of that type and name; fails the test when missing.
  const std::vector<uint8_t>& Get(const std::string& type, const std::string& name) const;
  // The strings of all string-table blocks, by id.
  std::map<unsigned, std::string> Strings() const;
};

// `files` maps extra file names (relative to the script) to their bytes.
CompileResult Compile(const std::string& script, const std::map<std::string, std::string>& files = {},
                      const std::string& extraArgs = "");
