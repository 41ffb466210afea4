// halvane-rc --module NAME [--program] [-I dir]... [-D NAME[=VAL]]...
//            [--depfile file.d] -o out.cpp script.rc
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "output.h"
#include "parser.h"
#include "preprocessor.h"

namespace {

struct Options {
  rc::OutputOptions output;
  std::vector<std::string> includeDirs;
  std::vector<std::pair<std::string, std::string>> defines;
  std::string outPath;
  std::string depfile;
  std::string script;
};

int Usage(const std::string& problem) {
  std::cerr << "halvane-rc: " << problem
            << "\nusage: halvane-rc --module NAME [--program] [-I dir]... [-D NAME[=VAL]]... "
               "[--depfile file.d] -o out.cpp script.rc\n";
  return 2;
}

// Takes the value of an option given as "-Ivalue" or "-I value".
bool TakeValue(const std::string& arg, const std::string& flag, int& i, int argc, char** argv, std::string& value) {
  if (arg == flag) {
    if (i + 1 >= argc) return false;
    value = argv[++i];
    return true;
  }
  if (flag.size() == 2 && arg.rfind(flag, 0) == 0 && arg.size() > 2) {
    value = arg.substr(2);
    return true;
  }
  return false;
}

bool ParseArgs(int argc, char** argv, Options& options, std::string& problem) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    std::string value;
    if (TakeValue(arg, "--module", i, argc, argv, value)) {
      options.output.module = value;
    } else if (arg == "--program") {
      options.output.program = true;
    } else if (TakeValue(arg, "-I", i, argc, argv, value)) {
      options.includeDirs.push_back(value);
    } else if (TakeValue(arg, "-D", i, argc, argv, value)) {
      size_t eq = value.find('=');
      options.defines.emplace_back(value.substr(0, eq), eq == std::string::npos ? "1" : value.substr(eq + 1));
    } else if (TakeValue(arg, "-o", i, argc, argv, value)) {
      options.outPath = value;
    } else if (TakeValue(arg, "--depfile", i, argc, argv, value)) {
      options.depfile = value;
    } else if (!arg.empty() && arg[0] == '-') {
      problem = "unknown option " + arg;
      return false;
    } else if (options.script.empty()) {
      options.script = arg;
    } else {
      problem = "more than one script";
      return false;
    }
  }
  if (options.output.module.empty() || options.outPath.empty() || options.script.empty()) {
    problem = "--module, -o and a script are required";
    return false;
  }
  return true;
}

// Writes beside the target and renames, so a failed run leaves no half file.
bool WriteFile(const std::string& path, const std::string& text) {
  std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary);
    if (!(out << text)) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string problem;
  if (!ParseArgs(argc, argv, options, problem)) return Usage(problem);
  options.output.script = options.script;
  try {
    rc::Preprocessor preprocessor(options.includeDirs);
    for (const auto& [name, value] : options.defines) preprocessor.Define(name, value);
    std::vector<rc::Token> tokens = preprocessor.Run(options.script);
    rc::Parser parser(tokens, options.script, options.includeDirs);
    std::vector<rc::Resource> resources = parser.Parse();
    if (!WriteFile(options.outPath, rc::GenerateSource(resources, options.output))) {
      std::cerr << options.outPath << ": error: cannot write output\n";
      return 1;
    }
    if (!options.depfile.empty()) {
      std::vector<std::string> files = preprocessor.files();
      files.insert(files.end(), parser.files().begin(), parser.files().end());
      if (!WriteFile(options.depfile, rc::GenerateDepfile(options.outPath, files))) {
        std::cerr << options.depfile << ": error: cannot write dependency file\n";
        return 1;
      }
    }
  } catch (const rc::CompileError& error) {
    std::cerr << error.where().file << "(" << error.where().line << "): error: " << error.what() << "\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << options.script << ": error: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
