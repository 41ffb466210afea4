// A process-local text clipboard for the edit controls' cut, copy and paste.
#pragma once

#include <optional>
#include <string>

namespace win32::internal {

void SetClipboardText(std::string text);
// The text last put on the clipboard, or nothing when it holds none.
std::optional<std::string> GetClipboardText();
// Empties the clipboard (window-system reset).
void ClearClipboardText();

}  // namespace win32::internal
