// LoadMenu and LoadMenuIndirect: menus from MENUITEMTEMPLATE and MENUEX data.
#include <string>

#include "internal/res_store.h"
#include "resources/byte_reader.h"
#include "win32/winbase.h"
#include "win32/winres.h"

namespace {

using win32::internal::ByteReader;

constexpr WORD kLastItem = 0x80;  // MF_END
constexpr WORD kExPopup = 0x01;   // MENUEX: the item opens a submenu
constexpr int kMaxDepth = 64;

// Reads the items of one level into `menu`; false for malformed data.
bool ReadClassicItems(ByteReader& in, HMENU menu, int depth) {
  if (depth > kMaxDepth) return false;
  for (;;) {
    WORD flags = in.word();
    WORD id = (flags & MF_POPUP) ? 0 : in.word();
    std::string text = in.sz();
    if (!in.ok()) return false;
    UINT appendFlags = flags & ~UINT(kLastItem);
    if (flags & MF_POPUP) {
      HMENU sub = CreatePopupMenu();
      if (!ReadClassicItems(in, sub, depth + 1)) {
        DestroyMenu(sub);
        return false;
      }
      AppendMenu(menu, appendFlags, reinterpret_cast<UINT_PTR>(sub), text.c_str());
    } else if (id == 0 && text.empty() && !(flags & ~UINT(kLastItem))) {
      // "MENUITEM SEPARATOR" is an item with no id, no flags and no text.
      AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenu(menu, appendFlags, id, text.c_str());
    }
    if (flags & kLastItem) return true;
  }
}

bool ReadExItems(ByteReader& in, HMENU menu, int depth) {
  if (depth > kMaxDepth) return false;
  for (;;) {
    in.align(4);
    MENUITEMINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
    info.fType = in.dword();
    info.fState = in.dword();
    info.wID = in.dword();
    WORD flags = in.word();
    std::string text = in.sz();
    if (!in.ok()) return false;
    if (!(info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW))) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
    }
    if (flags & kExPopup) {
      in.align(4);
      in.dword();  // the popup's help id
      HMENU sub = CreatePopupMenu();
      if (!ReadExItems(in, sub, depth + 1)) {
        DestroyMenu(sub);
        return false;
      }
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub;
    }
    InsertMenuItem(menu, UINT(-1), TRUE, &info);
    if (flags & kLastItem) return true;
  }
}

HMENU BuildMenu(const void* data, size_t size) {
  ByteReader in(data, size);
  WORD version = in.word();
  WORD offset = in.word();
  if (!in.ok() || version > 1) return nullptr;
  in.skip(offset);
  HMENU menu = CreateMenu();
  // An empty template (only a header) is an empty menu.
  if (in.remaining() == 0) return menu;
  bool ok = version == 0 ? ReadClassicItems(in, menu, 0) : ReadExItems(in, menu, 0);
  if (!ok) {
    DestroyMenu(menu);
    return nullptr;
  }
  return menu;
}

}  // namespace

HMENU WINAPI LoadMenuIndirect(const MENUTEMPLATE* lpMenuTemplate) {
  if (lpMenuTemplate == nullptr) return nullptr;
  // No size comes with the template: reading stops at the last item, and
  // that bound only guards against wrapping round the address space.
  return BuildMenu(lpMenuTemplate, size_t(1) << 24);
}

HMENU WINAPI LoadMenu(HINSTANCE hInstance, LPCSTR lpMenuName) {
  const BYTE* data = nullptr;
  size_t size = 0;
  if (!win32::internal::FindResourceBytes(hInstance, RT_MENU, lpMenuName, data, size)) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return BuildMenu(data, size);
}
