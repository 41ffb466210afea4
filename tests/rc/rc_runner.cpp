#include "rc_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

#include "resources/byte_reader.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

fs::path FreshFolder() {
  static int counter = 0;
  const char* base = std::getenv("HALVANE_TEST_OUTPUT");
  fs::path folder = fs::path(base ? base : fs::temp_directory_path().string()) / "rc_tests" /
                    (std::to_string(::getpid()) + "_" + std::to_string(++counter));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// The generated source: arrays "kResourceN[] = {0x..,...};" and
// registrations "AddResource(module, TYPE, NAME, kResourceN, SIZE);".
std::vector<CompiledResource> ReadGenerated(const std::string& source) {
  std::map<int, std::vector<uint8_t>> arrays;
  std::regex arrayPattern(R"(kResource(\d+)\[\] = \{([^}]*)\})");
  for (std::sregex_iterator it(source.begin(), source.end(), arrayPattern), end; it != end; ++it) {
    std::vector<uint8_t> bytes;
    std::istringstream items((*it)[2].str());
    std::string item;
    while (std::getline(items, item, ','))
      if (item.find_first_not_of(" \n") != std::string::npos) bytes.push_back(uint8_t(std::stoul(item, nullptr, 0)));
    arrays[std::stoi((*it)[1].str())] = bytes;
  }
  std::vector<CompiledResource> resources;
  std::regex addPattern(
      R"re(AddResource\(module, (MAKEINTRESOURCE\((\d+)\)|"([^"]*)"), (MAKEINTRESOURCE\((\d+)\)|"([^"]*)"), kResource(\d+), (\d+)\);)re");
  for (std::sregex_iterator it(source.begin(), source.end(), addPattern), end; it != end; ++it) {
    const auto& m = *it;
    CompiledResource r;
    r.type = m[2].matched ? "#" + m[2].str() : m[3].str();
    r.name = m[5].matched ? "#" + m[5].str() : m[6].str();
    r.data = arrays[std::stoi(m[7].str())];
    r.data.resize(std::stoul(m[8].str()));
    resources.push_back(std::move(r));
  }
  return resources;
}

}  // namespace

const std::vector<uint8_t>& CompileResult::Get(const std::string& type, const std::string& name) const {
  for (const auto& r : resources)
    if (r.type == type && r.name == name) return r.data;
  ADD_FAILURE() << "no resource " << type << " " << name << "\n" << errors;
  static const std::vector<uint8_t> none;
  return none;
}

std::map<unsigned, std::string> CompileResult::Strings() const {
  std::map<unsigned, std::string> strings;
  for (const auto& r : resources) {
    if (r.type != "#6") continue;
    unsigned block = unsigned(std::stoul(r.name.substr(1)));
    win32::internal::ByteReader in(r.data.data(), r.data.size());
    for (unsigned slot = 0; slot < 16; ++slot) {
      WORD length = in.word();
      std::u16string units;
      for (WORD i = 0; i < length; ++i) units += char16_t(in.word());
      std::string text;
      win32::internal::AppendUtf8(text, units.data(), units.size());
      if (length != 0) strings[(block - 1) * 16 + slot] = text;
    }
  }
  return strings;
}

CompileResult Compile(const std::string& script, const std::map<std::string, std::string>& files,
                      const std::string& extraArgs) {
  fs::path folder = FreshFolder();
  WriteText(folder / "script.rc", script);
  for (const auto& [name, bytes] : files) WriteText(folder / name, bytes);
  fs::path out = folder / "out.cpp";
  std::string command = std::string("'") + HALVANE_RC + "' --module test " + extraArgs + " --depfile '" +
                        (folder / "out.d").string() + "' -o '" + out.string() + "' '" +
                        (folder / "script.rc").string() + "' 2> '" + (folder / "errors.txt").string() + "'";
  CompileResult result;
  int status = std::system(command.c_str());
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.errors = ReadText(folder / "errors.txt");
  if (result.exitCode == 0) {
    result.resources = ReadGenerated(ReadText(out));
    result.depfile = ReadText(folder / "out.d");
  }
  return result;
}
