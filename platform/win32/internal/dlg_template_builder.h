// Builds a dialog template (the DLGTEMPLATE layout) in memory, for dialogs
// that have no resource: the message box, property sheets, tests.
#pragma once

#include <string_view>
#include <vector>

#include "win32/dialogs.h"

namespace win32::internal {

struct DialogFontSpec {
  WORD pointSize = 0;  // 0: no DS_SETFONT
  std::string_view face;
};

class DialogTemplateBuilder {
 public:
  DialogTemplateBuilder(DWORD style, DWORD exStyle, RECT dialogUnits, std::string_view caption,
                        DialogFontSpec font = {});

  // Adds a control; `className` is a window class name such as "Button".
  DialogTemplateBuilder& Item(DWORD style, DWORD exStyle, RECT dialogUnits, WORD id, std::string_view className,
                              std::string_view text);

  // The template, valid while the builder lives and is not changed.
  LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(words_.data()); }
  size_t Size() const { return words_.size() * sizeof(WORD); }

 private:
  void AppendDword(DWORD value);
  void AppendRect(const RECT& rc);
  void AppendString(std::string_view utf8);
  void AlignToDword();

  std::vector<WORD> words_;
};

}  // namespace win32::internal
