// The text clipboard: one slot guarded by a lock, since PostMessage-driven
// code on other threads may copy too. Emptied on every window-system reset.
#include "internal/clipboard_text.h"

#include <mutex>

#include "internal/core_classes.h"

namespace win32::internal {
namespace {

struct TextClipboard {
  std::mutex mu;
  std::optional<std::string> text;
};

TextClipboard& Clipboard() {
  static TextClipboard clipboard;
  return clipboard;
}

const struct ClipboardReset {
  ClipboardReset() { AddSystemClassInitializer(ClearClipboardText); }
} kClipboardReset;

}  // namespace

void SetClipboardText(std::string text) {
  std::lock_guard lock(Clipboard().mu);
  Clipboard().text = std::move(text);
}

std::optional<std::string> GetClipboardText() {
  std::lock_guard lock(Clipboard().mu);
  return Clipboard().text;
}

void ClearClipboardText() {
  std::lock_guard lock(Clipboard().mu);
  Clipboard().text.reset();
}

}  // namespace win32::internal
