// STRINGTABLE, ACCELERATORS, TOOLBAR and the raw data blocks of RCDATA,
// DLGINIT and custom resources.
#include <cctype>

#include "parser.h"
#include "text.h"

namespace rc {

namespace {

constexpr uint16_t FVIRTKEY = 0x01, FNOINVERT = 0x02, FSHIFT = 0x04, FCONTROL = 0x08, FALT = 0x10;
constexpr uint16_t kLastAccelerator = 0x80;

struct AccelOption {
  const char* word;
  uint16_t flag;
};
constexpr AccelOption kAccelOptions[] = {{"VIRTKEY", FVIRTKEY}, {"NOINVERT", FNOINVERT}, {"SHIFT", FSHIFT},
                                         {"CONTROL", FCONTROL}, {"ALT", FALT},           {"ASCII", 0}};

}  // namespace

void Parser::StringTable() {
  SkipMemoryOptions();
  while (CommonOption()) {
  }
  ExpectBegin();
  while (!AcceptEnd()) {
    Location where = in_.peek().where;
    uint32_t id = Number() & 0xFFFF;
    AcceptComma();
    std::string text = String();
    auto& slot = strings_[uint16_t((id >> 4) + 1)][id & 15];
    if (slot) throw CompileError(where, "duplicate string id " + std::to_string(id));
    slot = std::move(text);
  }
}

// String blocks are written once the whole script is read: a block may
// collect strings from several STRINGTABLE statements.
void Parser::FlushStrings() {
  for (const auto& [block, entries] : strings_) {
    ByteWriter out;
    for (const auto& entry : entries) {
      std::u16string units = entry ? Utf8ToUtf16(*entry) : std::u16string();
      out.word(uint32_t(units.size()));
      out.utf16(units);
    }
    Add(ResId::Int(type::kString), ResId::Int(block), out.take());
  }
  strings_.clear();
}

void Parser::Accelerators(const ResId& name) {
  SkipMemoryOptions();
  while (CommonOption()) {
  }
  ExpectBegin();
  struct Entry {
    uint16_t flags, key, id;
  };
  std::vector<Entry> entries;
  while (!AcceptEnd()) {
    const Token& event = in_.peek();
    Entry e{0, 0, 0};
    bool fromString = event.kind == TokenKind::String;
    std::u16string keyText;
    if (fromString) {
      keyText = Utf8ToUtf16(String());
      if (keyText.empty() || (keyText[0] == u'^' && keyText.size() < 2))
        throw CompileError(event.where, "invalid accelerator key");
    } else {
      e.key = uint16_t(Number());
    }
    ExpectComma();
    e.id = uint16_t(Number());
    while (AcceptComma()) {
      const Token& option = in_.next();
      bool known = false;
      for (const auto& o : kAccelOptions) {
        if (option.isWord(o.word)) {
          e.flags |= o.flag;
          known = true;
        }
      }
      if (!known) throw CompileError(option.where, "unknown accelerator option '" + option.text + "'");
    }
    if (fromString) {
      if (keyText[0] == u'^') {
        // "^C": the control character of the letter.
        if (e.flags & FVIRTKEY) throw CompileError(event.where, "'^' keys are ASCII accelerators");
        e.key = uint16_t(std::toupper(keyText[1] & 0x7F) - '@');
      } else {
        char16_t c = keyText[0];
        // Virtual keys of letters are their capitals.
        e.key = (e.flags & FVIRTKEY) && c < 0x80 ? uint16_t(std::toupper(c)) : uint16_t(c);
      }
    }
    entries.push_back(e);
  }
  ByteWriter out;
  for (size_t i = 0; i < entries.size(); ++i) {
    out.word(entries[i].flags | (i + 1 == entries.size() ? kLastAccelerator : 0));
    out.word(entries[i].key);
    out.word(entries[i].id);
    out.word(0);
  }
  Add(ResId::Int(type::kAccelerator), name, out.take());
}

void Parser::Toolbar(const ResId& name) {
  SkipMemoryOptions();
  uint32_t width = Number();
  ExpectComma();
  uint32_t height = Number();
  std::vector<uint16_t> ids;
  ExpectBegin();
  while (!AcceptEnd()) {
    if (in_.acceptWord("SEPARATOR")) {
      ids.push_back(0);
    } else if (in_.acceptWord("BUTTON")) {
      ids.push_back(uint16_t(Number()));
    } else {
      in_.fail("BUTTON or SEPARATOR expected");
    }
  }
  ByteWriter out;
  out.word(1);
  out.word(width);
  out.word(height);
  out.word(uint32_t(ids.size()));
  for (uint16_t id : ids) out.word(id);
  Add(ResId::Int(type::kToolbar), name, out.take());
}

// Numbers are WORDs (DWORDs with an L suffix); narrow strings are their
// bytes and L"" strings UTF-16, neither terminated.
std::vector<uint8_t> Parser::DataBlock() {
  ExpectBegin();
  ByteWriter out;
  while (!AcceptEnd()) {
    const Token& t = in_.peek();
    if (t.kind == TokenKind::String) {
      std::string text = String();
      if (t.wide) {
        out.utf16(Utf8ToUtf16(text));
      } else {
        for (char c : text) out.byte(uint8_t(c));
      }
    } else {
      bool isLong = t.isLong;
      uint32_t value = Number();
      if (isLong)
        out.dword(value);
      else
        out.word(value);
    }
    AcceptComma();
  }
  return out.take();
}

}  // namespace rc
