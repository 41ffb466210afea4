#include "window.h"

#include <ostream>

#include <windows.h>

namespace halvane::test {
namespace {

// Item access of the two list-like classes: the same questions under
// different message numbers.
struct ListMessages {
  UINT count;
  UINT textLength;
  UINT text;
  UINT currentSelection;
};

constexpr ListMessages kListBox{LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL};
constexpr ListMessages kComboBox{CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL};

const ListMessages& ListMessagesOf(const Window& window) { return window.isComboBox() ? kComboBox : kListBox; }

void CollectDescendants(HWND parent, std::vector<Window>& out) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    out.emplace_back(child);
    CollectDescendants(child, out);
  }
}

}  // namespace

std::string StripMnemonic(const std::string& text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') plain += '&';
      ++i;
      if (i >= text.size() || text[i] == '&') continue;
    }
    plain += text[i];
  }
  return plain;
}

bool Window::exists() const { return hwnd_ != nullptr && IsWindow(hwnd_); }

std::string Window::text() const {
  if (!exists()) return {};
  const int length = GetWindowTextLength(hwnd_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowText(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::string Window::className() const {
  char name[256] = {};
  if (!exists() || GetClassName(hwnd_, name, sizeof name) == 0) return {};
  return name;
}

int Window::id() const { return exists() ? GetDlgCtrlID(hwnd_) : 0; }

bool Window::isVisible() const { return exists() && IsWindowVisible(hwnd_); }

bool Window::isEnabled() const { return exists() && IsWindowEnabled(hwnd_); }

int Window::checked() const { return exists() ? static_cast<int>(SendMessage(hwnd_, BM_GETCHECK, 0, 0)) : 0; }

RECT Window::rect() const {
  RECT r{};
  if (exists()) GetWindowRect(hwnd_, &r);
  return r;
}

Window Window::parent() const { return Window(exists() ? GetParent(hwnd_) : nullptr); }

Window Window::child(int id) const { return Window(exists() ? GetDlgItem(hwnd_, id) : nullptr); }

std::vector<Window> Window::children() const {
  std::vector<Window> out;
  if (!exists()) return out;
  for (HWND c = GetWindow(hwnd_, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) out.emplace_back(c);
  return out;
}

std::vector<Window> Window::descendants() const {
  std::vector<Window> out;
  if (exists()) CollectDescendants(hwnd_, out);
  return out;
}

Window Window::childByText(const std::string& wanted) const {
  const std::string plain = StripMnemonic(wanted);
  for (const Window& w : descendants()) {
    const std::string shown = StripMnemonic(w.text());
    if (shown == wanted || shown == plain) return w;
  }
  return {};
}

Window Window::childByClass(const std::string& wanted) const {
  for (const Window& w : descendants()) {
    if (w.className() == wanted) return w;
  }
  return {};
}

bool Window::isComboBox() const { return className() == "ComboBox"; }

bool Window::isSimpleComboBox() const { return isComboBox() && (style() & 0x0003) == CBS_SIMPLE; }

DWORD Window::style() const { return exists() ? static_cast<DWORD>(GetWindowLong(hwnd_, GWL_STYLE)) : 0; }

std::vector<std::string> Window::listItems() const {
  std::vector<std::string> items;
  if (!exists()) return items;
  const ListMessages& m = ListMessagesOf(*this);
  const LRESULT count = SendMessage(hwnd_, m.count, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessage(hwnd_, m.textLength, static_cast<WPARAM>(i), 0);
    std::string item(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const LRESULT copied = SendMessage(hwnd_, m.text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    items.push_back(std::move(item));
  }
  return items;
}

int Window::selectedIndex() const {
  if (!exists()) return -1;
  return static_cast<int>(SendMessage(hwnd_, ListMessagesOf(*this).currentSelection, 0, 0));
}

void PrintTo(const Window& window, std::ostream* out) {
  if (!window.exists()) {
    *out << (window ? "<destroyed window>" : "<no window>");
    return;
  }
  *out << window.className() << " #" << window.id() << " \"" << window.text() << "\"";
}

}  // namespace halvane::test
