// A thin, copyable view of an HWND with the reading helpers tests use.
// It owns nothing: a Window of a destroyed window reads as empty/false.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "win32/wintypes.h"

namespace halvane::test {

class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}

  HWND hwnd() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }
  bool operator==(const Window&) const = default;

  bool exists() const;
  std::string text() const;
  std::string className() const;
  int id() const;
  bool isVisible() const;
  bool isEnabled() const;
  // BM_GETCHECK: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  int checked() const;
  // Screen coordinates, frame included.
  RECT rect() const;
  Window parent() const;

  // The direct child with this control id, or an empty Window.
  Window child(int id) const;
  // The first descendant (depth first, creation order) whose text equals
  // `text`, given either as shown ("Deep & Dark", "Delete") or with its
  // "&" mnemonic markers ("Deep && Dark", "&Delete").
  Window childByText(const std::string& text) const;
  Window childByClass(const std::string& className) const;
  std::vector<Window> children() const;
  // Every descendant, depth first in creation order.
  std::vector<Window> descendants() const;

  // Items of a list box, combo box or the list of a combo box.
  std::vector<std::string> listItems() const;
  // LB_GETCURSEL / CB_GETCURSEL; -1 when nothing is selected.
  int selectedIndex() const;
  bool isComboBox() const;
  // A CBS_SIMPLE combo box, whose list is always shown as its child.
  bool isSimpleComboBox() const;
  DWORD style() const;

 private:
  HWND hwnd_ = nullptr;
};

// "Caption" with "&&" kept as "&" and single "&" markers removed.
std::string StripMnemonic(const std::string& text);

// For GoogleTest output: class, id and text.
void PrintTo(const Window& window, std::ostream* out);

}  // namespace halvane::test
