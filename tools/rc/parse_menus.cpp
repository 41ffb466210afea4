// MENU and MENUEX: menu templates.
#include <string_view>

#include "parser.h"

namespace rc {

namespace {

constexpr uint16_t MF_GRAYED = 0x1, MF_DISABLED = 0x2, MF_CHECKED = 0x8, MF_POPUP = 0x10, MF_MENUBARBREAK = 0x20,
                   MF_MENUBREAK = 0x40, MF_END = 0x80, MF_HELP = 0x4000;
constexpr uint32_t MFT_SEPARATOR = 0x800;
constexpr uint16_t kExPopup = 0x01;

constexpr std::pair<std::string_view, uint16_t> kOptions[] = {
    {"GRAYED", MF_GRAYED},       {"INACTIVE", MF_DISABLED}, {"CHECKED", MF_CHECKED}, {"MENUBARBREAK", MF_MENUBARBREAK},
    {"MENUBREAK", MF_MENUBREAK}, {"HELP", MF_HELP}};

struct MenuNode {
  bool popup = false;
  std::string text;
  uint16_t flags = 0;  // classic options
  uint32_t id = 0, type = 0, state = 0, helpId = 0;
  std::vector<MenuNode> children;
};

void WriteClassic(ByteWriter& out, const std::vector<MenuNode>& items) {
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuNode& item = items[i];
    uint16_t flags = item.flags | (item.popup ? MF_POPUP : 0) | (i + 1 == items.size() ? MF_END : 0);
    out.word(flags);
    if (!item.popup) out.word(item.id);
    out.sz(item.text);
    if (item.popup) WriteClassic(out, item.children);
  }
}

void WriteEx(ByteWriter& out, const std::vector<MenuNode>& items) {
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuNode& item = items[i];
    out.align(4);
    out.dword(item.type);
    out.dword(item.state);
    out.dword(item.id);
    out.word((item.popup ? kExPopup : 0) | (i + 1 == items.size() ? MF_END : 0));
    out.sz(item.text);
    if (item.popup) {
      out.align(4);
      out.dword(item.helpId);
      WriteEx(out, item.children);
    }
  }
}

}  // namespace

void Parser::Menu(const ResId& name, bool ex) {
  SkipMemoryOptions();
  while (CommonOption()) {
  }
  // Reads the items of one BEGIN ... END level.
  auto readItems = [&](auto& self) -> std::vector<MenuNode> {
    std::vector<MenuNode> items;
    ExpectBegin();
    while (!AcceptEnd()) {
      MenuNode item;
      const Token& keyword = in_.next();
      if (keyword.isWord("POPUP")) {
        item.popup = true;
      } else if (!keyword.isWord("MENUITEM")) {
        throw CompileError(keyword.where, "MENUITEM or POPUP expected");
      }
      if (!item.popup && in_.acceptWord("SEPARATOR")) {
        if (ex) item.type = MFT_SEPARATOR;
        items.push_back(std::move(item));
        continue;
      }
      item.text = String();
      if (ex) {
        // MENUEX: "text" [, id [, type [, state [, helpId]]]], each may be empty.
        uint32_t* fields[] = {&item.id, &item.type, &item.state, &item.helpId};
        for (uint32_t* field : fields) {
          if (!AcceptComma()) break;
          if (StartsExpression(in_.peek())) *field = Number();
        }
      } else {
        if (!item.popup) {
          ExpectComma();
          item.id = Number();
        }
        for (;;) {
          AcceptComma();
          bool matched = false;
          for (const auto& [word, flag] : kOptions) {
            if (in_.acceptWord(word)) {
              item.flags |= flag;
              matched = true;
            }
          }
          if (!matched) break;
        }
      }
      if (item.popup) {
        Location where = in_.peek().where;
        item.children = self(self);
        if (item.children.empty()) throw CompileError(where, "empty POPUP");
      }
      items.push_back(std::move(item));
    }
    return items;
  };
  std::vector<MenuNode> items = readItems(readItems);
  ByteWriter out;
  if (ex) {
    out.word(1);
    out.word(4);
    out.dword(0);
    WriteEx(out, items);
  } else {
    out.word(0);
    out.word(0);
    WriteClassic(out, items);
  }
  Add(ResId::Int(type::kMenu), name, out.take());
}

}  // namespace rc
