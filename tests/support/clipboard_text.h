// The text on the clipboard, read and written as a program would.
#pragma once

#include <string>

namespace halvane::test {

// The CF_TEXT on the clipboard, or "<none>" when there is none.
std::string ClipboardText();
// Puts `text` on the clipboard as CF_TEXT, in place of what was there.
void SetClipboardText(const std::string& text);

}  // namespace halvane::test
