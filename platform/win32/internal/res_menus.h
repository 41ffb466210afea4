// The menu objects behind HMENU: a table of menus whose items may open
// submenus. Handles are never reused, so a destroyed menu stays invalid.
// The resources part keeps the table; the menus part shows it.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "win32/winres.h"

namespace win32::internal {

struct MenuItem {
  UINT type = MFT_STRING;  // MFT_* bits
  UINT state = 0;          // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_HILITE, MF_DEFAULT
  UINT id = 0;
  HMENU subMenu = nullptr;
  std::string text;
  HBITMAP bitmap = nullptr;  // MFT_BITMAP image or the MIIM_BITMAP item image
  HBITMAP checkedBitmap = nullptr;
  HBITMAP uncheckedBitmap = nullptr;
  ULONG_PTR data = 0;
};

struct Menu {
  bool popup = false;
  std::vector<MenuItem> items;
};

// Where an item lives: its menu and index.
struct MenuSlot {
  Menu* menu = nullptr;
  size_t index = 0;
  MenuItem& item() const { return menu->items[index]; }
};

class MenuTable {
 public:
  static MenuTable& Instance();

  std::mutex& mutex() { return mutex_; }

  // The calls below expect mutex() to be held.
  HMENU Create(bool popup);
  Menu* Get(HMENU menu);
  // Destroys `menu` and, recursively, the submenus of its items.
  bool Destroy(HMENU menu);
  // An item by position (in `menu`) or by command (searching submenus).
  MenuSlot Find(HMENU menu, UINT item, bool byPosition);
  void Clear();

 private:
  MenuTable() = default;
  MenuSlot FindCommand(Menu& menu, UINT id, int depth);

  std::mutex mutex_;
  std::map<uintptr_t, Menu> menus_;
  uintptr_t next_ = 0x1000;
};

}  // namespace win32::internal
