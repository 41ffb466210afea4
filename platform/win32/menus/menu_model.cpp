#include "menus/menu_model.h"

#include <cctype>
#include <mutex>

namespace win32::menus {

std::vector<MenuItem> ItemsOf(HMENU menu) {
  auto& table = internal::MenuTable::Instance();
  std::lock_guard lock(table.mutex());
  const internal::Menu* found = table.Get(menu);
  return found != nullptr ? found->items : std::vector<MenuItem>{};
}

bool IsSeparator(const MenuItem& item) { return (item.type & MFT_SEPARATOR) != 0; }
bool IsDisabled(const MenuItem& item) { return (item.state & (MF_GRAYED | MF_DISABLED)) != 0; }
bool IsChoosable(const MenuItem& item) { return !IsSeparator(item) && !IsDisabled(item) && item.subMenu == nullptr; }
bool IsSelectable(const MenuItem& item) { return !IsSeparator(item); }

std::string LabelOf(const MenuItem& item) { return item.text.substr(0, item.text.find('\t')); }

std::string AcceleratorOf(const MenuItem& item) {
  const size_t tab = item.text.find('\t');
  return tab == std::string::npos ? std::string() : item.text.substr(tab + 1);
}

char MnemonicOf(const std::string& label) {
  for (size_t i = 0; i + 1 < label.size(); ++i) {
    if (label[i] != '&') continue;
    if (label[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(label[i + 1])));
    ++i;  // "&&" is a literal ampersand
  }
  return 0;
}

}  // namespace win32::menus
