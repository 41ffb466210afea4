// The resource-script parser: statements over the preprocessed tokens,
// producing the binary resources.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "expressions.h"
#include "resources.h"

namespace rc {

class Parser {
 public:
  Parser(const std::vector<Token>& tokens, std::string scriptPath, std::vector<std::string> includeDirs);

  std::vector<rc::Resource> Parse();

  // The bitmap, icon, cursor and data files the script named.
  const std::vector<std::string>& files() const { return files_; }

 private:
  // Token helpers.
  uint32_t Number();
  bool AcceptComma() { return in_.acceptPunct(","); }
  void ExpectComma() { in_.expectPunct(","); }
  std::string String();
  ResId Name();
  // A style list: terms joined by '|', where "NOT x" clears x; applied
  // left to right to `base`.
  uint32_t Style(uint32_t base);
  bool AtBegin() const { return in_.peek().isWord("BEGIN") || in_.peek().isPunct("{"); }
  void ExpectBegin();
  bool AcceptEnd();
  void SkipBlock();
  void SkipMemoryOptions();
  // LANGUAGE, CHARACTERISTICS, VERSION (common optional statements).
  bool CommonOption();

  void Statement();
  void ResourceStatement(const ResId& name);
  ResId TypeOf(const Token& keyword) const;
  void Add(ResId type, ResId name, std::vector<uint8_t> data);

  // parse_dialogs.cpp
  void Dialog(const ResId& name, bool ex);
  // parse_menus.cpp
  void Menu(const ResId& name, bool ex);
  // parse_tables.cpp
  void StringTable();
  void Accelerators(const ResId& name);
  void Toolbar(const ResId& name);
  std::vector<uint8_t> DataBlock();
  void FlushStrings();
  // parse_version.cpp
  void VersionInfo(const ResId& name);
  // parser.cpp: resources from files
  std::vector<uint8_t> ReadResourceFile();
  void Bitmap(const ResId& name);
  void IconOrCursor(const ResId& name, bool icon);
  void FileOrData(const ResId& type, const ResId& name);

  TokenCursor in_;
  std::string scriptPath_;
  std::string scriptDir_;
  std::vector<std::string> includeDirs_;
  std::vector<std::string> files_;
  std::vector<rc::Resource> resources_;
  std::map<uint16_t, std::array<std::optional<std::string>, 16>> strings_;
  uint16_t language_ = 0;
  uint16_t nextImageId_ = 1;
  // Where the statement being parsed starts, for errors found once it is read.
  Location statementWhere_;
};

}  // namespace rc
