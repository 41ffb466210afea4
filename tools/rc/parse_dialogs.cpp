// DIALOG and DIALOGEX: DLGTEMPLATE and DLGTEMPLATEEX.
#include <algorithm>
#include <cctype>
#include <string_view>

#include "parser.h"

namespace rc {

namespace {

constexpr uint32_t WS_POPUP = 0x80000000, WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000, WS_CAPTION = 0x00C00000,
                   WS_BORDER = 0x00800000, WS_SYSMENU = 0x00080000, WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000,
                   DS_SETFONT = 0x40;
constexpr uint16_t kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kScrollBar = 0x84, kComboBox = 0x85;
constexpr uint16_t kDefaultCharset = 1;

enum class Shape { Text, NoText, Icon };

struct ControlKeyword {
  std::string_view word;
  uint16_t classOrdinal;
  uint32_t style;  // the default style; WS_CHILD | WS_VISIBLE are added to all
  Shape shape;
};

// The statements and the default styles they give their controls.
constexpr ControlKeyword kControls[] = {
    {"LTEXT", kStatic, 0x0 | WS_GROUP, Shape::Text},         // SS_LEFT
    {"RTEXT", kStatic, 0x2 | WS_GROUP, Shape::Text},         // SS_RIGHT
    {"CTEXT", kStatic, 0x1 | WS_GROUP, Shape::Text},         // SS_CENTER
    {"PUSHBUTTON", kButton, 0x0 | WS_TABSTOP, Shape::Text},  // BS_PUSHBUTTON
    {"DEFPUSHBUTTON", kButton, 0x1 | WS_TABSTOP, Shape::Text},
    {"CHECKBOX", kButton, 0x2 | WS_TABSTOP, Shape::Text},
    {"AUTOCHECKBOX", kButton, 0x3 | WS_TABSTOP, Shape::Text},
    {"RADIOBUTTON", kButton, 0x4 | WS_TABSTOP, Shape::Text},
    {"STATE3", kButton, 0x5 | WS_TABSTOP, Shape::Text},
    {"AUTO3STATE", kButton, 0x6 | WS_TABSTOP, Shape::Text},
    {"GROUPBOX", kButton, 0x7, Shape::Text},
    {"AUTORADIOBUTTON", kButton, 0x9 | WS_TABSTOP, Shape::Text},
    {"PUSHBOX", kButton, 0xA | WS_TABSTOP, Shape::Text},
    {"EDITTEXT", kEdit, 0x0 | WS_BORDER | WS_TABSTOP, Shape::NoText},  // ES_LEFT
    {"LISTBOX", kListBox, 0x1 | WS_BORDER, Shape::NoText},             // LBS_NOTIFY
    {"COMBOBOX", kComboBox, 0x1 | WS_TABSTOP, Shape::NoText},          // CBS_SIMPLE
    {"SCROLLBAR", kScrollBar, 0x0, Shape::NoText},                     // SBS_HORZ
    {"ICON", kStatic, 0x3, Shape::Icon},                               // SS_ICON
};

constexpr std::pair<std::string_view, uint16_t> kClassNames[] = {{"BUTTON", kButton},       {"EDIT", kEdit},
                                                                 {"STATIC", kStatic},       {"LISTBOX", kListBox},
                                                                 {"SCROLLBAR", kScrollBar}, {"COMBOBOX", kComboBox}};

struct Control {
  uint32_t style = 0, exStyle = 0, helpId = 0;
  int32_t x = 0, y = 0, cx = 0, cy = 0;
  uint32_t id = 0;
  ResId cls;
  ResId title;
  std::vector<uint8_t> data;
};

struct DialogData {
  bool ex = false;
  uint32_t style = WS_POPUP | WS_BORDER | WS_SYSMENU;
  uint32_t exStyle = 0, helpId = 0;
  int32_t x = 0, y = 0, cx = 0, cy = 0;
  ResId menu, cls;
  bool hasMenu = false, hasClass = false, hasCaption = false, hasFont = false;
  std::string caption;
  uint16_t pointSize = 0, weight = 0;
  uint8_t italic = 0, charset = kDefaultCharset;
  std::string face;
  std::vector<Control> controls;
};

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return text;
}

// A class given by name: the predefined ones become their ordinals.
ResId ClassFromName(const std::string& name) {
  for (const auto& [word, ordinal] : kClassNames)
    if (Upper(name) == word) return ResId::Int(ordinal);
  ResId id;
  id.name = name;  // window class names keep their case
  return id;
}

void WriteName(ByteWriter& out, bool present, const ResId& id) {
  if (present)
    out.nameOrOrdinal(id);
  else
    out.word(0);
}

void WriteControl(ByteWriter& out, const Control& c, bool ex) {
  out.align(4);
  if (ex) {
    out.dword(c.helpId);
    out.dword(c.exStyle);
    out.dword(c.style);
  } else {
    out.dword(c.style);
    out.dword(c.exStyle);
  }
  out.word(uint32_t(c.x));
  out.word(uint32_t(c.y));
  out.word(uint32_t(c.cx));
  out.word(uint32_t(c.cy));
  if (ex)
    out.dword(c.id);
  else
    out.word(c.id);
  out.nameOrOrdinal(c.cls);
  out.nameOrOrdinal(c.title);
  if (c.data.empty()) {
    out.word(0);
  } else {
    // The classic layout counts the size word in the creation data.
    out.word(uint32_t(c.data.size() + (ex ? 0 : 2)));
    out.append(c.data);
  }
}

std::vector<uint8_t> WriteDialog(const DialogData& d) {
  ByteWriter out;
  uint32_t style = d.style | (d.hasCaption ? WS_CAPTION : 0) | (d.hasFont ? DS_SETFONT : 0);
  if (d.ex) {
    out.word(1);
    out.word(0xFFFF);
    out.dword(d.helpId);
    out.dword(d.exStyle);
    out.dword(style);
  } else {
    out.dword(style);
    out.dword(d.exStyle);
  }
  out.word(uint32_t(d.controls.size()));
  out.word(uint32_t(d.x));
  out.word(uint32_t(d.y));
  out.word(uint32_t(d.cx));
  out.word(uint32_t(d.cy));
  WriteName(out, d.hasMenu, d.menu);
  WriteName(out, d.hasClass, d.cls);
  out.sz(d.caption);
  if (style & DS_SETFONT) {
    out.word(d.pointSize);
    if (d.ex) {
      out.word(d.weight);
      out.byte(d.italic);
      out.byte(d.charset);
    }
    out.sz(d.face);
  }
  for (const auto& c : d.controls) WriteControl(out, c, d.ex);
  return out.take();
}

}  // namespace

void Parser::Dialog(const ResId& name, bool ex) {
  DialogData d;
  d.ex = ex;
  SkipMemoryOptions();
  d.x = int32_t(Number());
  ExpectComma();
  d.y = int32_t(Number());
  ExpectComma();
  d.cx = int32_t(Number());
  ExpectComma();
  d.cy = int32_t(Number());
  if (ex && AcceptComma()) d.helpId = Number();
  while (!AtBegin()) {
    if (CommonOption()) continue;
    if (in_.acceptWord("STYLE")) {
      d.style = Style(0);
    } else if (in_.acceptWord("EXSTYLE")) {
      d.exStyle = Style(0);
    } else if (in_.acceptWord("CAPTION")) {
      d.caption = String();
      d.hasCaption = true;
    } else if (in_.acceptWord("FONT")) {
      d.hasFont = true;
      d.pointSize = uint16_t(Number());
      ExpectComma();
      d.face = String();
      if (AcceptComma()) d.weight = uint16_t(Number());
      if (AcceptComma()) d.italic = uint8_t(Number());
      if (AcceptComma()) d.charset = uint8_t(Number());
    } else if (in_.acceptWord("MENU")) {
      d.menu = Name();
      d.hasMenu = true;
    } else if (in_.acceptWord("CLASS")) {
      d.cls = in_.peek().kind == TokenKind::String ? ClassFromName(String()) : ResId::Int(uint16_t(Number()));
      d.hasClass = true;
    } else {
      in_.fail("unknown dialog option '" + in_.peek().text + "'");
    }
  }
  ExpectBegin();
  while (!AcceptEnd()) {
    const Token& keyword = in_.next();
    Control c;
    // The text of a control: a string, or a resource id (icons, bitmaps).
    auto readTitle = [&] {
      const Token& t = in_.peek();
      if (t.kind == TokenKind::String) {
        c.title.name = String();
      } else if (t.kind == TokenKind::Identifier) {
        c.title.name = in_.next().text;
      } else {
        c.title = ResId::Int(uint16_t(Number()));
      }
    };
    auto readRect = [&] {
      c.x = int32_t(Number());
      ExpectComma();
      c.y = int32_t(Number());
      ExpectComma();
      c.cx = int32_t(Number());
      ExpectComma();
      c.cy = int32_t(Number());
    };
    auto readTail = [&] {
      if (AcceptComma()) c.exStyle = Style(0);
      if (ex && AcceptComma()) c.helpId = Number();
    };
    if (keyword.isWord("CONTROL")) {
      readTitle();
      ExpectComma();
      c.id = Number();
      ExpectComma();
      const Token& cls = in_.peek();
      if (cls.kind == TokenKind::String || cls.kind == TokenKind::Identifier)
        c.cls = ClassFromName(cls.kind == TokenKind::String ? String() : in_.next().text);
      else
        c.cls = ResId::Int(uint16_t(Number()));
      ExpectComma();
      c.style = Style(WS_CHILD | WS_VISIBLE);
      ExpectComma();
      readRect();
      readTail();
    } else {
      auto it = std::find_if(std::begin(kControls), std::end(kControls),
                             [&](const ControlKeyword& k) { return keyword.isWord(k.word); });
      if (it == std::end(kControls)) throw CompileError(keyword.where, "unknown control '" + keyword.text + "'");
      c.cls = ResId::Int(it->classOrdinal);
      c.style = it->style | WS_CHILD | WS_VISIBLE;
      if (it->shape != Shape::NoText) {
        readTitle();
        ExpectComma();
      }
      c.id = Number();
      ExpectComma();
      if (it->shape == Shape::Icon) {
        c.x = int32_t(Number());
        ExpectComma();
        c.y = int32_t(Number());
        if (AcceptComma()) {
          c.cx = int32_t(Number());
          ExpectComma();
          c.cy = int32_t(Number());
        }
      } else {
        readRect();
      }
      if (AcceptComma()) {
        // A combo box's kind (its two low bits) is chosen, not added to the
        // default one: CBS_SIMPLE stays only when no other kind is named.
        constexpr uint32_t kComboKind = 0x3;
        const bool combo = it->classOrdinal == kComboBox;
        c.style = Style(combo ? c.style & ~kComboKind : c.style);
        if (combo && (c.style & kComboKind) == 0) c.style |= it->style & kComboKind;
      }
      readTail();
    }
    if (!ex) c.id &= 0xFFFF;
    if (ex && AtBegin()) c.data = DataBlock();
    d.controls.push_back(std::move(c));
  }
  Add(ResId::Int(type::kDialog), name, WriteDialog(d));
}

}  // namespace rc
