// The clipboard's plug for a display backend that shares plain text with
// other programs, and text helpers for the controls' cut, copy and paste.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "win32/wintypes.h"

namespace win32::internal {

// `publish` runs whenever CF_TEXT is put on the clipboard; `fetch` is
// asked for the display's text when the clipboard itself holds no CF_TEXT
// (nothing: none there either). Empty functions unplug it.
struct ClipboardTextProvider {
  std::function<void(const std::string& text)> publish;
  std::function<std::optional<std::string>()> fetch;
};
void SetClipboardTextProvider(ClipboardTextProvider provider);

// Open, empty, put CF_TEXT, close: false when the clipboard is held open.
bool WriteClipboardText(HWND owner, const std::string& text);
// The CF_TEXT on the clipboard (up to its NUL), or nothing.
std::optional<std::string> ReadClipboardText(HWND opener);

}  // namespace win32::internal
