// VERSIONINFO: a VS_VERSIONINFO tree with its VS_FIXEDFILEINFO.
#include <functional>

#include "parser.h"
#include "text.h"

namespace rc {

namespace {

constexpr uint32_t kSignature = 0xFEEF04BD;
constexpr uint32_t kStructVersion = 0x00010000;
constexpr uint16_t kBinary = 0, kText = 1;

// Writes one node: length, value length, type, key, the value, then the
// children, each on a DWORD boundary; the length is patched in at the end.
void WriteNode(ByteWriter& out, const std::string& key, uint16_t type, uint16_t valueLength,
               const std::vector<uint8_t>& value, const std::function<void()>& children) {
  out.align(4);
  size_t start = out.size();
  out.word(0);
  out.word(valueLength);
  out.word(type);
  out.sz(key);
  out.align(4);
  out.append(value);
  if (children) children();
  out.patchWord(start, uint32_t(out.size() - start));
}

}  // namespace

void Parser::VersionInfo(const ResId& name) {
  uint32_t fixed[13] = {kSignature, kStructVersion};
  auto readVersion = [&](uint32_t& ms, uint32_t& ls) {
    uint32_t parts[4] = {};
    for (int i = 0; i < 4; ++i) {
      parts[i] = Number() & 0xFFFF;
      if (i < 3 && !AcceptComma()) break;
    }
    ms = (parts[0] << 16) | parts[1];
    ls = (parts[2] << 16) | parts[3];
  };
  while (!AtBegin()) {
    if (in_.acceptWord("FILEVERSION"))
      readVersion(fixed[2], fixed[3]);
    else if (in_.acceptWord("PRODUCTVERSION"))
      readVersion(fixed[4], fixed[5]);
    else if (in_.acceptWord("FILEFLAGSMASK"))
      fixed[6] = Number();
    else if (in_.acceptWord("FILEFLAGS"))
      fixed[7] = Number();
    else if (in_.acceptWord("FILEOS"))
      fixed[8] = Number();
    else if (in_.acceptWord("FILETYPE"))
      fixed[9] = Number();
    else if (in_.acceptWord("FILESUBTYPE"))
      fixed[10] = Number();
    else if (!CommonOption())
      in_.fail("unknown VERSIONINFO option '" + in_.peek().text + "'");
  }
  ByteWriter fixedBytes;
  for (uint32_t v : fixed) fixedBytes.dword(v);
  ByteWriter out;

  // BLOCK "key" BEGIN ... END and VALUE "key", values...
  std::function<void()> readChildren = [&] {
    ExpectBegin();
    while (!AcceptEnd()) {
      if (in_.acceptWord("BLOCK")) {
        std::string key = String();
        WriteNode(out, key, kText, 0, {}, readChildren);
      } else if (in_.acceptWord("VALUE")) {
        std::string key = String();
        ByteWriter value;
        bool text = true;
        size_t characters = 0;
        std::string joined;
        while (AcceptComma()) {
          const Token& t = in_.peek();
          if (t.kind == TokenKind::String) {
            joined += String();
          } else {
            text = false;
            bool isLong = t.isLong;
            uint32_t number = Number();
            if (isLong)
              value.dword(number);
            else
              value.word(number);
          }
        }
        std::vector<uint8_t> bytes;
        if (text) {
          // Explicit "\0" at the end is usual in scripts; one terminator is kept.
          while (!joined.empty() && joined.back() == '\0') joined.pop_back();
          value.sz(joined);
          characters = Utf8ToUtf16(joined).size() + 1;
        }
        bytes = value.take();
        WriteNode(out, key, text ? kText : kBinary, uint16_t(text ? characters : bytes.size()), bytes, nullptr);
      } else {
        in_.fail("BLOCK or VALUE expected");
      }
    }
  };
  WriteNode(out, "VS_VERSION_INFO", kBinary, uint16_t(sizeof fixed), fixedBytes.take(), readChildren);
  Add(ResId::Int(type::kVersion), name, out.take());
}

}  // namespace rc
