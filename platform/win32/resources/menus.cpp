// The menu API over the menu table.
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "internal/menu_bridge.h"
#include "internal/res_menus.h"
#include "win32/winbase.h"

namespace {

using win32::internal::Menu;
using win32::internal::MenuItem;
using win32::internal::MenuSlot;
using win32::internal::MenuTable;

constexpr UINT kTypeFlags = MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW | MF_MENUBARBREAK | MF_MENUBREAK | MF_RIGHTJUSTIFY |
                            MFT_RADIOCHECK | MFT_RIGHTORDER;
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;
constexpr UINT kNotFound = UINT(-1);

std::unique_lock<std::mutex> Lock() { return std::unique_lock(MenuTable::Instance().mutex()); }

bool ByPosition(UINT flags) { return (flags & MF_BYPOSITION) != 0; }

MenuSlot FindItem(HMENU menu, UINT item, UINT flags) {
  return MenuTable::Instance().Find(menu, item, ByPosition(flags));
}

Menu* ValidMenu(HMENU handle) {
  Menu* menu = MenuTable::Instance().Get(handle);
  if (menu == nullptr) SetLastError(ERROR_INVALID_MENU_HANDLE);
  return menu;
}

// An item as AppendMenu/InsertMenu/ModifyMenu describe it with MF_* flags.
MenuItem ItemFromFlags(UINT flags, UINT_PTR idOrMenu, LPCSTR content) {
  MenuItem item;
  item.type = flags & kTypeFlags;
  item.state = flags & kStateFlags;
  if (flags & MF_POPUP) {
    item.subMenu = reinterpret_cast<HMENU>(idOrMenu);
    if (Menu* sub = MenuTable::Instance().Get(item.subMenu)) sub->popup = true;
  }
  item.id = UINT(idOrMenu);
  if (flags & MF_BITMAP)
    item.bitmap = reinterpret_cast<HBITMAP>(const_cast<char*>(content));
  else if (!(flags & (MF_SEPARATOR | MF_OWNERDRAW)) && content != nullptr)
    item.text = content;
  else if (flags & MF_OWNERDRAW)
    item.data = reinterpret_cast<ULONG_PTR>(content);
  return item;
}

bool InsertAt(Menu& menu, size_t index, MenuItem item) {
  index = std::min(index, menu.items.size());
  menu.items.insert(menu.items.begin() + ptrdiff_t(index), std::move(item));
  return true;
}

// Inserts before `position` (by position or command); -1 or a position past
// the end appends.
bool InsertItem(HMENU handle, UINT position, UINT flags, MenuItem item) {
  Menu* menu = ValidMenu(handle);
  if (menu == nullptr) return false;
  if (ByPosition(flags) || position == kNotFound) return InsertAt(*menu, position, std::move(item));
  MenuSlot slot = FindItem(handle, position, flags);
  if (slot.menu == nullptr) return false;
  return InsertAt(*slot.menu, slot.index, std::move(item));
}

UINT StateOf(const MenuItem& item) {
  UINT result = item.type | item.state;
  if (item.subMenu != nullptr) {
    result |= MF_POPUP;
    if (Menu* sub = MenuTable::Instance().Get(item.subMenu)) result |= UINT(sub->items.size()) << 8;
  }
  return result;
}

// Copies `text` as the string APIs do: a null or empty buffer asks for the
// length; otherwise it is truncated to fit and terminated.
UINT CopyText(const std::string& text, LPSTR buffer, UINT capacity) {
  if (buffer == nullptr || capacity == 0) return UINT(text.size());
  UINT copied = std::min<UINT>(UINT(text.size()), capacity - 1);
  std::memcpy(buffer, text.data(), copied);
  buffer[copied] = '\0';
  return copied;
}

bool RemoveItem(HMENU menu, UINT position, UINT flags, bool destroySubMenu) {
  auto lock = Lock();
  if (ValidMenu(menu) == nullptr) return false;
  MenuSlot slot = FindItem(menu, position, flags);
  if (slot.menu == nullptr) return false;
  HMENU sub = slot.item().subMenu;
  slot.menu->items.erase(slot.menu->items.begin() + ptrdiff_t(slot.index));
  if (destroySubMenu && sub != nullptr) MenuTable::Instance().Destroy(sub);
  return true;
}

void ReadItemInfo(const MenuItem& item, LPMENUITEMINFO info) {
  UINT mask = info->fMask;
  if (mask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = item.type;
  if (mask & MIIM_TYPE) {
    if (item.type & MFT_BITMAP)
      info->dwTypeData = reinterpret_cast<LPSTR>(item.bitmap);
    else if (!(item.type & (MFT_SEPARATOR | MFT_OWNERDRAW)))
      info->cch = CopyText(item.text, info->dwTypeData, info->cch);
  }
  if (mask & MIIM_STRING) info->cch = CopyText(item.text, info->dwTypeData, info->cch);
  if (mask & MIIM_STATE) info->fState = item.state;
  if (mask & MIIM_ID) info->wID = item.id;
  if (mask & MIIM_SUBMENU) info->hSubMenu = item.subMenu;
  if (mask & MIIM_CHECKMARKS) {
    info->hbmpChecked = item.checkedBitmap;
    info->hbmpUnchecked = item.uncheckedBitmap;
  }
  if (mask & MIIM_DATA) info->dwItemData = item.data;
  if (mask & MIIM_BITMAP) info->hbmpItem = item.bitmap;
}

void WriteItemInfo(MenuItem& item, LPCMENUITEMINFO info) {
  UINT mask = info->fMask;
  if (mask & (MIIM_TYPE | MIIM_FTYPE)) item.type = info->fType & kTypeFlags;
  if (mask & MIIM_TYPE) {
    if (info->fType & MFT_BITMAP)
      item.bitmap = reinterpret_cast<HBITMAP>(info->dwTypeData);
    else if (!(info->fType & (MFT_SEPARATOR | MFT_OWNERDRAW)))
      item.text = info->dwTypeData != nullptr ? info->dwTypeData : "";
  }
  if (mask & MIIM_STRING) item.text = info->dwTypeData != nullptr ? info->dwTypeData : "";
  if (mask & MIIM_STATE) item.state = info->fState & kStateFlags;
  if (mask & MIIM_ID) item.id = info->wID;
  if (mask & MIIM_SUBMENU) item.subMenu = info->hSubMenu;
  if (mask & MIIM_CHECKMARKS) {
    item.checkedBitmap = info->hbmpChecked;
    item.uncheckedBitmap = info->hbmpUnchecked;
  }
  if (mask & MIIM_DATA) item.data = info->dwItemData;
  if (mask & MIIM_BITMAP) item.bitmap = info->hbmpItem;
}

bool ValidInfo(LPCMENUITEMINFO info) { return info != nullptr && info->cbSize >= offsetof(MENUITEMINFO, hbmpItem); }

// Changes the `mask` state bits of an item to `bits`; answers the old bits
// or -1 when the item is missing.
UINT ChangeState(HMENU menu, UINT item, UINT flags, UINT mask, UINT bits) {
  auto lock = Lock();
  if (ValidMenu(menu) == nullptr) return kNotFound;
  MenuSlot slot = FindItem(menu, item, flags);
  if (slot.menu == nullptr) return kNotFound;
  UINT old = slot.item().state & mask;
  slot.item().state = (slot.item().state & ~mask) | (bits & mask);
  return old;
}

}  // namespace

HMENU WINAPI CreateMenu(void) {
  auto lock = Lock();
  return MenuTable::Instance().Create(false);
}

HMENU WINAPI CreatePopupMenu(void) {
  auto lock = Lock();
  return MenuTable::Instance().Create(true);
}

BOOL WINAPI DestroyMenu(HMENU hMenu) {
  auto lock = Lock();
  if (ValidMenu(hMenu) == nullptr) return FALSE;
  return MenuTable::Instance().Destroy(hMenu) ? TRUE : FALSE;
}

BOOL WINAPI IsMenu(HMENU hMenu) {
  auto lock = Lock();
  return MenuTable::Instance().Get(hMenu) != nullptr ? TRUE : FALSE;
}

BOOL WINAPI AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  auto lock = Lock();
  Menu* menu = ValidMenu(hMenu);
  if (menu == nullptr) return FALSE;
  menu->items.push_back(ItemFromFlags(uFlags, uIDNewItem, lpNewItem));
  return TRUE;
}

BOOL WINAPI InsertMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  auto lock = Lock();
  return InsertItem(hMenu, uPosition, uFlags, ItemFromFlags(uFlags, uIDNewItem, lpNewItem)) ? TRUE : FALSE;
}

BOOL WINAPI ModifyMenu(HMENU hMnu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  auto lock = Lock();
  if (ValidMenu(hMnu) == nullptr) return FALSE;
  MenuSlot slot = FindItem(hMnu, uPosition, uFlags);
  if (slot.menu == nullptr) return FALSE;
  HMENU oldSub = slot.item().subMenu;
  MenuItem replacement = ItemFromFlags(uFlags, uIDNewItem, lpNewItem);
  // A replaced popup is destroyed, as Win32 does.
  if (oldSub != nullptr && oldSub != replacement.subMenu) MenuTable::Instance().Destroy(oldSub);
  slot = FindItem(hMnu, uPosition, uFlags);
  if (slot.menu == nullptr) return FALSE;
  slot.item() = std::move(replacement);
  return TRUE;
}

BOOL WINAPI InsertMenuItem(HMENU hmenu, UINT item, BOOL fByPosition, LPCMENUITEMINFO lpmi) {
  if (!ValidInfo(lpmi)) return FALSE;
  auto lock = Lock();
  MenuItem created;
  WriteItemInfo(created, lpmi);
  if (created.subMenu != nullptr)
    if (Menu* sub = MenuTable::Instance().Get(created.subMenu)) sub->popup = true;
  return InsertItem(hmenu, item, fByPosition ? MF_BYPOSITION : MF_BYCOMMAND, std::move(created)) ? TRUE : FALSE;
}

BOOL WINAPI GetMenuItemInfo(HMENU hmenu, UINT item, BOOL fByPosition, LPMENUITEMINFO lpmii) {
  if (!ValidInfo(lpmii)) return FALSE;
  auto lock = Lock();
  if (ValidMenu(hmenu) == nullptr) return FALSE;
  MenuSlot slot = FindItem(hmenu, item, fByPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  if (slot.menu == nullptr) return FALSE;
  ReadItemInfo(slot.item(), lpmii);
  return TRUE;
}

BOOL WINAPI SetMenuItemInfo(HMENU hmenu, UINT item, BOOL fByPositon, LPCMENUITEMINFO lpmii) {
  if (!ValidInfo(lpmii)) return FALSE;
  auto lock = Lock();
  if (ValidMenu(hmenu) == nullptr) return FALSE;
  MenuSlot slot = FindItem(hmenu, item, fByPositon ? MF_BYPOSITION : MF_BYCOMMAND);
  if (slot.menu == nullptr) return FALSE;
  WriteItemInfo(slot.item(), lpmii);
  return TRUE;
}

BOOL WINAPI RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
  return RemoveItem(hMenu, uPosition, uFlags, false) ? TRUE : FALSE;
}

BOOL WINAPI DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
  return RemoveItem(hMenu, uPosition, uFlags, true) ? TRUE : FALSE;
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos) {
  auto lock = Lock();
  if (nPos < 0) return nullptr;
  MenuSlot slot = FindItem(hMenu, UINT(nPos), MF_BYPOSITION);
  return slot.menu != nullptr ? slot.item().subMenu : nullptr;
}

int WINAPI GetMenuItemCount(HMENU hMenu) {
  auto lock = Lock();
  Menu* menu = ValidMenu(hMenu);
  return menu != nullptr ? int(menu->items.size()) : -1;
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos) {
  auto lock = Lock();
  if (nPos < 0) return kNotFound;
  MenuSlot slot = FindItem(hMenu, UINT(nPos), MF_BYPOSITION);
  if (slot.menu == nullptr || slot.item().subMenu != nullptr) return kNotFound;
  return slot.item().id;
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
  auto lock = Lock();
  MenuSlot slot = FindItem(hMenu, uId, uFlags);
  return slot.menu != nullptr ? StateOf(slot.item()) : kNotFound;
}

int WINAPI GetMenuString(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags) {
  auto lock = Lock();
  MenuSlot slot = FindItem(hMenu, uIDItem, flags);
  if (slot.menu == nullptr) {
    if (lpString != nullptr && cchMax > 0) lpString[0] = '\0';
    return 0;
  }
  return int(CopyText(slot.item().text, lpString, cchMax > 0 ? UINT(cchMax) : 0));
}

BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
  const UINT old = ChangeState(hMenu, uIDEnableItem, uEnable, MF_GRAYED | MF_DISABLED, uEnable);
  if (old != kNotFound) win32::internal::MenuStateChanged(hMenu);
  return BOOL(old);
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
  return ChangeState(hMenu, uIDCheckItem, uCheck, MF_CHECKED, uCheck);
}

BOOL WINAPI CheckMenuRadioItem(HMENU hmenu, UINT first, UINT last, UINT check, UINT flags) {
  auto lock = Lock();
  if (ValidMenu(hmenu) == nullptr || first > last || check < first || check > last) return FALSE;
  MenuSlot anchor = FindItem(hmenu, first, flags);
  if (anchor.menu == nullptr) return FALSE;
  bool found = false;
  for (size_t i = 0; i < anchor.menu->items.size(); ++i) {
    MenuItem& item = anchor.menu->items[i];
    UINT key = ByPosition(flags) ? UINT(i) : item.id;
    if (key < first || key > last || item.subMenu != nullptr) continue;
    if (key == check) {
      item.type |= MFT_RADIOCHECK;
      item.state |= MF_CHECKED;
      found = true;
    } else {
      item.state &= ~UINT(MF_CHECKED);
    }
  }
  return found ? TRUE : FALSE;
}

BOOL WINAPI SetMenuDefaultItem(HMENU hMenu, UINT uItem, UINT fByPos) {
  auto lock = Lock();
  Menu* menu = ValidMenu(hMenu);
  if (menu == nullptr) return FALSE;
  // Only the items of this menu are candidates, not those of submenus.
  size_t target = menu->items.size();
  if (uItem != kNotFound) {
    for (size_t i = 0; i < menu->items.size(); ++i)
      if (fByPos ? i == uItem : menu->items[i].id == uItem) target = i;
    if (target == menu->items.size()) return FALSE;
  }
  for (size_t i = 0; i < menu->items.size(); ++i) {
    UINT& state = menu->items[i].state;
    state = i == target ? (state | UINT(MF_DEFAULT)) : (state & ~UINT(MF_DEFAULT));
  }
  return TRUE;
}

UINT WINAPI GetMenuDefaultItem(HMENU hMenu, UINT fByPos, UINT gmdiFlags) {
  auto lock = Lock();
  Menu* menu = ValidMenu(hMenu);
  if (menu == nullptr) return kNotFound;
  for (size_t i = 0; i < menu->items.size(); ++i) {
    const MenuItem& item = menu->items[i];
    if (!(item.state & MF_DEFAULT)) continue;
    if ((item.state & (MF_GRAYED | MF_DISABLED)) && !(gmdiFlags & GMDI_USEDISABLED)) return kNotFound;
    return fByPos ? UINT(i) : item.id;
  }
  return kNotFound;
}
