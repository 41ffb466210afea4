// The C-like preprocessor in front of the resource-script parser: includes,
// macros, conditionals; the output is one token stream for the whole script.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tokens.h"

namespace rc {

// Finds `name` ("\" or "/" separated, relative to `baseDir` or one of
// `dirs`, an exact match first and a case-insensitive one if not), or
// nothing.
// The bytes of a file; a folder or a read error is a CompileError at `from`.
std::string ReadFileBytes(const std::string& path, const Location& from);
std::optional<std::string> FindFile(const std::string& name, const std::string& baseDir,
                                    const std::vector<std::string>& dirs);

// The folder part of a path ("." for a bare name).
std::string DirectoryOf(const std::string& path);

class Preprocessor {
 public:
  explicit Preprocessor(std::vector<std::string> includeDirs);

  // -D NAME[=VALUE]
  void Define(const std::string& name, const std::string& value);

  std::vector<Token> Run(const std::string& path);

  // Every file read, the script first.
  const std::vector<std::string>& files() const { return files_; }

 private:
  struct Macro {
    bool function = false;
    std::vector<std::string> params;
    std::vector<Token> body;
  };
  struct Conditional {
    bool active;        // lines are being kept
    bool taken;         // some branch was already kept
    bool parentActive;  // the enclosing block is kept
    bool seenElse;
  };

  void ProcessFile(const std::string& path, const Location& from);
  void ProcessLine(const std::string& line, const Location& where, const std::string& dir);
  void Directive(const std::string& body, const Location& where, const std::string& dir);
  void Include(const std::string& rest, const Location& where, const std::string& dir);
  void DefineLine(const std::string& rest, const Location& where);
  bool EvaluateCondition(const std::string& rest, const Location& where);
  bool Active() const { return conditions_.empty() || conditions_.back().active; }

  void Expand(const std::vector<Token>& in, std::vector<Token>& out, std::set<std::string>& busy, const Location& site);
  // Expands a function-like macro use at in[i] ("NAME(" ...); answers false
  // when no argument list follows. Advances i past the use.
  bool ExpandCall(const Macro& macro, const std::string& name, const std::vector<Token>& in, size_t& i,
                  std::vector<Token>& out, std::set<std::string>& busy, const Location& site);

  std::vector<std::string> includeDirs_;
  std::map<std::string, Macro> macros_;
  std::vector<Conditional> conditions_;
  std::vector<Token> output_;
  std::vector<std::string> files_;
  bool builtinsLoaded_ = false;
  int depth_ = 0;
};

}  // namespace rc
