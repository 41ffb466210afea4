#include "internal/res_menus.h"

#include "resources/objects.h"

namespace win32::internal {

namespace {

// Menus nest only as deep as people can click; a cycle made through
// SetMenuItemInfo must not send the search round for ever.
constexpr int kMaxDepth = 64;

}  // namespace

MenuTable& MenuTable::Instance() {
  static MenuTable* table = new MenuTable;  // immortal, as the module registry
  return *table;
}

HMENU MenuTable::Create(bool popup) {
  uintptr_t value = next_;
  next_ += 4;
  menus_[value].popup = popup;
  return reinterpret_cast<HMENU>(value);
}

Menu* MenuTable::Get(HMENU menu) {
  auto it = menus_.find(reinterpret_cast<uintptr_t>(menu));
  return it == menus_.end() ? nullptr : &it->second;
}

bool MenuTable::Destroy(HMENU menu) {
  auto it = menus_.find(reinterpret_cast<uintptr_t>(menu));
  if (it == menus_.end()) return false;
  std::vector<MenuItem> items = std::move(it->second.items);
  menus_.erase(it);
  for (const auto& item : items)
    if (item.subMenu != nullptr) Destroy(item.subMenu);
  return true;
}

MenuSlot MenuTable::FindCommand(Menu& menu, UINT id, int depth) {
  for (size_t i = 0; i < menu.items.size(); ++i) {
    MenuItem& item = menu.items[i];
    if (item.id == id) return {&menu, i};
    if (item.subMenu == nullptr || depth >= kMaxDepth) continue;
    if (Menu* sub = Get(item.subMenu)) {
      MenuSlot found = FindCommand(*sub, id, depth + 1);
      if (found.menu != nullptr) return found;
    }
  }
  return {};
}

MenuSlot MenuTable::Find(HMENU handle, UINT item, bool byPosition) {
  Menu* menu = Get(handle);
  if (menu == nullptr) return {};
  if (byPosition) return item < menu->items.size() ? MenuSlot{menu, item} : MenuSlot{};
  return FindCommand(*menu, item, 0);
}

void MenuTable::Clear() { menus_.clear(); }

void ResetMenus() {
  auto& table = MenuTable::Instance();
  std::lock_guard lock(table.mutex());
  table.Clear();
}

}  // namespace win32::internal
