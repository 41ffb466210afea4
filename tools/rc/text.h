// Text encodings: scripts are UTF-8, or Windows-1252 where they are not
// valid UTF-8; resources hold UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace rc {

bool IsValidUtf8(std::string_view bytes);

// The script's text as UTF-8.
std::string ScriptToUtf8(std::string_view bytes);

// UTF-8 (assumed valid) to UTF-16 code units.
std::u16string Utf8ToUtf16(std::string_view text);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace rc
