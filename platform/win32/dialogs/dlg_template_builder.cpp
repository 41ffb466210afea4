#include "internal/dlg_template_builder.h"

#include <cstddef>

namespace win32::internal {
namespace {

// The template's item count, after style (2 words) and extended style.
constexpr size_t kCountWord = 4;

// Decodes one UTF-8 sequence at `at`; a malformed byte stands for itself.
char32_t DecodeUtf8(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0 || at + static_cast<size_t>(extra) > text.size()) return lead;
  char32_t code = lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  return code;
}

}  // namespace

DialogTemplateBuilder::DialogTemplateBuilder(DWORD style, DWORD exStyle, RECT dialogUnits, std::string_view caption,
                                             DialogFontSpec font) {
  if (font.pointSize) style |= DS_SETFONT;
  AppendDword(style);
  AppendDword(exStyle);
  words_.push_back(0);  // item count, raised by Item()
  AppendRect(dialogUnits);
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the standard dialog class
  AppendString(caption);
  if (font.pointSize) {
    words_.push_back(font.pointSize);
    AppendString(font.face);
  }
}

DialogTemplateBuilder& DialogTemplateBuilder::Item(DWORD style, DWORD exStyle, RECT dialogUnits, WORD id,
                                                   std::string_view className, std::string_view text) {
  AlignToDword();
  AppendDword(style | WS_CHILD);
  AppendDword(exStyle);
  AppendRect(dialogUnits);
  words_.push_back(id);
  AppendString(className);
  AppendString(text);
  words_.push_back(0);  // no creation data
  ++words_[kCountWord];
  return *this;
}

void DialogTemplateBuilder::AppendDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplateBuilder::AppendRect(const RECT& rc) {
  for (LONG v : {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top}) {
    words_.push_back(static_cast<WORD>(static_cast<short>(v)));
  }
}

void DialogTemplateBuilder::AppendString(std::string_view utf8) {
  for (size_t at = 0; at < utf8.size();) {
    char32_t code = DecodeUtf8(utf8, at);
    if (code >= 0x10000) {
      code -= 0x10000;
      words_.push_back(static_cast<WORD>(0xD800 + (code >> 10)));
      words_.push_back(static_cast<WORD>(0xDC00 + (code & 0x3FF)));
    } else {
      words_.push_back(static_cast<WORD>(code));
    }
  }
  words_.push_back(0);
}

void DialogTemplateBuilder::AlignToDword() {
  if (words_.size() % 2) words_.push_back(0);
}

}  // namespace win32::internal
