#include "parser.h"

#include <algorithm>
#include <cctype>

#include "preprocessor.h"
#include "text.h"

namespace rc {

namespace {

struct TypeKeyword {
  const char* word;
  uint16_t id;
};

constexpr TypeKeyword kTypeKeywords[] = {{"CURSOR", type::kCursor},
                                         {"BITMAP", type::kBitmap},
                                         {"ICON", type::kIcon},
                                         {"MENU", type::kMenu},
                                         {"MENUEX", type::kMenu},
                                         {"DIALOG", type::kDialog},
                                         {"DIALOGEX", type::kDialog},
                                         {"ACCELERATORS", type::kAccelerator},
                                         {"RCDATA", type::kRcData},
                                         {"VERSIONINFO", type::kVersion},
                                         {"HTML", type::kHtml},
                                         {"MANIFEST", type::kManifest},
                                         {"DLGINIT", type::kDlgInit},
                                         {"TOOLBAR", type::kToolbar},
                                         {"FONT", 8},
                                         {"MESSAGETABLE", 11},
                                         {"ANICURSOR", 21},
                                         {"ANIICON", 22}};

constexpr const char* kMemoryOptions[] = {"PRELOAD", "LOADONCALL",  "MOVEABLE", "FIXED",    "PURE",
                                          "IMPURE",  "DISCARDABLE", "SHARED",   "NONSHARED"};

// Blocks written by the resource editors for themselves.
bool IsSkippedType(const Token& t) { return t.isWord("TEXTINCLUDE") || t.isWord("DESIGNINFO"); }

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kIconDirSize = 6;
constexpr size_t kIconEntrySize = 16;

uint16_t Get16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | (b[at + 1] << 8)); }
uint32_t Get32(const std::vector<uint8_t>& b, size_t at) { return Get16(b, at) | (uint32_t(Get16(b, at + 2)) << 16); }

}  // namespace

ResId ResId::Name(const std::string& text) {
  ResId id;
  id.name = text;
  std::transform(id.name.begin(), id.name.end(), id.name.begin(),
                 [](unsigned char c) { return char(std::toupper(c)); });
  return id;
}

Parser::Parser(const std::vector<Token>& tokens, std::string scriptPath, std::vector<std::string> includeDirs)
    : in_(tokens, Location{scriptPath, tokens.empty() ? 0 : tokens.back().where.line}),
      scriptPath_(std::move(scriptPath)),
      scriptDir_(DirectoryOf(scriptPath_)),
      includeDirs_(std::move(includeDirs)) {}

std::vector<Resource> Parser::Parse() {
  while (!in_.atEnd()) Statement();
  FlushStrings();
  return std::move(resources_);
}

uint32_t Parser::Number() { return uint32_t(Evaluate(in_, UnknownSymbols::AreErrors)); }

std::string Parser::String() {
  if (in_.peek().kind != TokenKind::String) in_.fail("string expected");
  return DecodeString(in_.next());
}

ResId Parser::Name() {
  const Token& t = in_.peek();
  if (t.kind == TokenKind::String) return ResId::Name(DecodeString(in_.next()));
  if (t.kind == TokenKind::Identifier) return ResId::Name(in_.next().text);
  if (StartsExpression(t)) return ResId::Int(uint16_t(Number()));
  in_.fail("resource name expected");
}

uint32_t Parser::Style(uint32_t base) {
  do {
    bool clear = in_.acceptWord("NOT");
    auto term = uint32_t(Evaluate(in_, UnknownSymbols::AreErrors, kLevelBitXor));
    base = clear ? (base & ~term) : (base | term);
  } while (in_.acceptPunct("|"));
  return base;
}

void Parser::ExpectBegin() {
  if (!in_.acceptWord("BEGIN") && !in_.acceptPunct("{")) in_.fail("BEGIN expected");
}

bool Parser::AcceptEnd() {
  if (in_.atEnd()) in_.fail("END expected");
  return in_.acceptWord("END") || in_.acceptPunct("}");
}

void Parser::SkipBlock() {
  while (!AtBegin()) {
    if (in_.atEnd()) in_.fail("BEGIN expected");
    in_.next();
  }
  in_.next();
  for (int depth = 1; depth > 0;) {
    if (in_.atEnd()) in_.fail("END expected");
    if (AtBegin()) ++depth;
    const Token& t = in_.next();
    if (t.isWord("END") || t.isPunct("}")) --depth;
  }
}

void Parser::SkipMemoryOptions() {
  for (bool more = true; more;) {
    more = false;
    for (const char* option : kMemoryOptions)
      if (in_.acceptWord(option)) more = true;
  }
}

bool Parser::CommonOption() {
  if (in_.acceptWord("LANGUAGE")) {
    uint32_t primary = Number();
    ExpectComma();
    uint32_t sub = Number();
    language_ = uint16_t((sub << 10) | primary);
    return true;
  }
  if (in_.acceptWord("CHARACTERISTICS") || in_.acceptWord("VERSION")) {
    Number();
    return true;
  }
  return false;
}

void Parser::Add(ResId type, ResId name, std::vector<uint8_t> data) {
  // Two resources of one type, name and language: a program would find only
  // one of them, so scripts joined from several components must not clash.
  for (const Resource& r : resources_) {
    if (r.type == type && r.name == name && r.language == language_)
      throw CompileError(statementWhere_, "duplicate resource " + (name.isInt ? std::to_string(name.id) : name.name));
  }
  resources_.push_back({std::move(type), std::move(name), language_, std::move(data)});
}

void Parser::Statement() {
  if (CommonOption()) return;
  if (in_.acceptWord("STRINGTABLE")) {
    StringTable();
    return;
  }
  statementWhere_ = in_.peek().where;
  ResId name = Name();
  ResourceStatement(name);
}

void Parser::ResourceStatement(const ResId& name) {
  const Token keyword = in_.next();
  if (IsSkippedType(keyword)) {
    SkipBlock();
  } else if (keyword.isWord("DIALOG") || keyword.isWord("DIALOGEX")) {
    Dialog(name, keyword.isWord("DIALOGEX"));
  } else if (keyword.isWord("MENU") || keyword.isWord("MENUEX")) {
    Menu(name, keyword.isWord("MENUEX"));
  } else if (keyword.isWord("ACCELERATORS")) {
    Accelerators(name);
  } else if (keyword.isWord("TOOLBAR")) {
    Toolbar(name);
  } else if (keyword.isWord("VERSIONINFO")) {
    VersionInfo(name);
  } else if (keyword.isWord("BITMAP")) {
    Bitmap(name);
  } else if (keyword.isWord("ICON") || keyword.isWord("CURSOR")) {
    IconOrCursor(name, keyword.isWord("ICON"));
  } else {
    FileOrData(TypeOf(keyword), name);
  }
}

// The type of a resource that is a file or a data block: a standard type
// keyword, a number, or a custom type name ("AVI").
ResId Parser::TypeOf(const Token& keyword) const {
  for (const auto& known : kTypeKeywords)
    if (keyword.isWord(known.word)) return ResId::Int(known.id);
  switch (keyword.kind) {
    case TokenKind::Identifier:
      return ResId::Name(keyword.text);
    case TokenKind::String:
      return ResId::Name(DecodeString(keyword));
    case TokenKind::Number:
      return ResId::Int(uint16_t(keyword.value));
    default:
      throw CompileError(keyword.where, "resource type expected");
  }
}

std::vector<uint8_t> Parser::ReadResourceFile() {
  const Token& token = in_.peek();
  if (token.kind != TokenKind::String && token.kind != TokenKind::Identifier) in_.fail("file name expected");
  in_.next();
  std::string name = token.kind == TokenKind::String ? DecodeString(token) : token.text;
  if (name.empty()) throw CompileError(token.where, "empty file name");
  auto path = FindFile(name, scriptDir_, includeDirs_);
  if (!path) throw CompileError(token.where, "cannot find file '" + name + "'");
  const std::string bytes = ReadFileBytes(*path, token.where);
  files_.push_back(*path);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void Parser::Bitmap(const ResId& name) {
  SkipMemoryOptions();
  Location where = in_.peek().where;
  std::vector<uint8_t> bytes = ReadResourceFile();
  if (bytes.size() <= kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
    throw CompileError(where, "not a bitmap file");
  Add(ResId::Int(type::kBitmap), name, std::vector<uint8_t>(bytes.begin() + kFileHeaderSize, bytes.end()));
}

// An .ico/.cur file becomes one RT_ICON/RT_CURSOR resource per image and a
// group directory that names them.
void Parser::IconOrCursor(const ResId& name, bool icon) {
  SkipMemoryOptions();
  Location where = in_.peek().where;
  std::vector<uint8_t> bytes = ReadResourceFile();
  if (bytes.size() < kIconDirSize || Get16(bytes, 2) != (icon ? 1 : 2))
    throw CompileError(where, icon ? "not an icon file" : "not a cursor file");
  uint16_t count = Get16(bytes, 4);
  ByteWriter group;
  group.word(0);
  group.word(icon ? 1 : 2);
  group.word(count);
  for (uint16_t i = 0; i < count; ++i) {
    size_t entry = kIconDirSize + size_t(i) * kIconEntrySize;
    if (entry + kIconEntrySize > bytes.size()) throw CompileError(where, "truncated icon directory");
    uint32_t size = Get32(bytes, entry + 8);
    uint32_t offset = Get32(bytes, entry + 12);
    if (offset > bytes.size() || size > bytes.size() - offset || size < 16)
      throw CompileError(where, "icon image outside the file");
    std::vector<uint8_t> image(bytes.begin() + offset, bytes.begin() + offset + size);
    // Planes and bit count come from the image header when the directory
    // leaves them out (cursor files keep the hot spot there).
    uint16_t planes = Get16(image, 12);
    uint16_t bitCount = Get16(image, 14);
    unsigned width = bytes[entry] == 0 ? 256 : bytes[entry];
    unsigned height = bytes[entry + 1] == 0 ? 256 : bytes[entry + 1];
    uint16_t id = nextImageId_++;
    if (icon) {
      group.byte(bytes[entry]);
      group.byte(bytes[entry + 1]);
      group.byte(bytes[entry + 2]);
      group.byte(0);
      group.word(Get16(bytes, entry + 4) ? Get16(bytes, entry + 4) : planes);
      group.word(Get16(bytes, entry + 6) ? Get16(bytes, entry + 6) : bitCount);
      group.dword(size);
      Add(ResId::Int(type::kIcon), ResId::Int(id), std::move(image));
    } else {
      ByteWriter cursor;
      cursor.word(Get16(bytes, entry + 4));  // hot spot x
      cursor.word(Get16(bytes, entry + 6));  // hot spot y
      cursor.append(image);
      group.word(width);
      group.word(height * 2);
      group.word(planes);
      group.word(bitCount);
      group.dword(size + 4);
      Add(ResId::Int(type::kCursor), ResId::Int(id), cursor.take());
    }
    group.word(id);
  }
  Add(ResId::Int(icon ? type::kGroupIcon : type::kGroupCursor), name, group.take());
}

void Parser::FileOrData(const ResId& type, const ResId& name) {
  SkipMemoryOptions();
  while (CommonOption()) {
  }
  if (AtBegin()) {
    Add(type, name, DataBlock());
  } else {
    Add(type, name, ReadResourceFile());
  }
}

}  // namespace rc
