// Accelerator tables and TranslateAccelerator.
#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "internal/res_store.h"
#include "resources/byte_reader.h"
#include "resources/objects.h"
#include "win32/winbase.h"
#include "win32/winres.h"
#include "win32/winuser.h"

namespace {

constexpr BYTE kLastEntry = 0x80;
constexpr BYTE kFlagMask = FVIRTKEY | FNOINVERT | FSHIFT | FCONTROL | FALT;

class AccelTable {
 public:
  static AccelTable& Instance() {
    static AccelTable* table = new AccelTable;  // immortal, as the menu table
    return *table;
  }

  HACCEL Create(std::vector<ACCEL> entries) {
    std::lock_guard lock(mutex_);
    uintptr_t value = next_;
    next_ += 4;
    tables_[value] = std::move(entries);
    return reinterpret_cast<HACCEL>(value);
  }

  bool Destroy(HACCEL table) {
    std::lock_guard lock(mutex_);
    return tables_.erase(reinterpret_cast<uintptr_t>(table)) != 0;
  }

  std::optional<std::vector<ACCEL>> Entries(HACCEL table) {
    std::lock_guard lock(mutex_);
    auto it = tables_.find(reinterpret_cast<uintptr_t>(table));
    if (it == tables_.end()) return std::nullopt;
    return it->second;
  }

  void Clear() {
    std::lock_guard lock(mutex_);
    tables_.clear();
  }

 private:
  AccelTable() = default;

  std::mutex mutex_;
  std::map<uintptr_t, std::vector<ACCEL>> tables_;
  uintptr_t next_ = 0x2000;
};

// RT_ACCELERATOR entries: WORD flags, key, command, padding; the last entry
// carries 0x80 in its flags.
std::vector<ACCEL> ParseAccelerators(const BYTE* data, size_t size) {
  win32::internal::ByteReader in(data, size);
  std::vector<ACCEL> entries;
  for (;;) {
    WORD flags = in.word();
    WORD key = in.word();
    WORD cmd = in.word();
    in.word();
    if (!in.ok()) break;
    entries.push_back({BYTE(flags & kFlagMask), key, cmd});
    if (flags & kLastEntry) break;
  }
  return entries;
}

bool KeyDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

bool Matches(const ACCEL& accel, const MSG& msg) {
  bool virt = (accel.fVirt & FVIRTKEY) != 0;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (!virt || accel.key != WORD(msg.wParam)) return false;
      bool alt = msg.message == WM_SYSKEYDOWN ? (msg.lParam & (1 << 29)) != 0 || KeyDown(VK_MENU) : KeyDown(VK_MENU);
      return KeyDown(VK_SHIFT) == ((accel.fVirt & FSHIFT) != 0) &&
             KeyDown(VK_CONTROL) == ((accel.fVirt & FCONTROL) != 0) && alt == ((accel.fVirt & FALT) != 0);
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      // Character entries: Alt matters through the message kind only.
      return !virt && accel.key == WORD(msg.wParam) && (msg.message == WM_SYSCHAR) == ((accel.fVirt & FALT) != 0);
    default:
      return false;
  }
}

// The popup of `menu` (or of its submenus) holding command `id` and the
// item's position in its parent, found by searching depth first.
struct PopupOfCommand {
  HMENU popup = nullptr;
  UINT position = 0;
};

PopupOfCommand FindPopupOf(HMENU menu, UINT id, int depth) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count && depth < 16; ++i) {
    HMENU sub = GetSubMenu(menu, i);
    if (sub == nullptr) continue;
    if (GetMenuState(sub, id, MF_BYCOMMAND) != UINT(-1)) {
      // The item may sit deeper still; the innermost popup is the one.
      PopupOfCommand inner = FindPopupOf(sub, id, depth + 1);
      return inner.popup != nullptr ? inner : PopupOfCommand{sub, UINT(i)};
    }
  }
  return {};
}

// An accelerator of a menu command updates the menu first, as if the user
// were about to open it, and does nothing for a grey item.
bool MenuAllowsCommand(HWND hwnd, UINT id) {
  HMENU menu = GetMenu(hwnd);
  if (!IsMenu(menu) || GetMenuState(menu, id, MF_BYCOMMAND) == UINT(-1)) return true;
  SendMessage(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  const PopupOfCommand found = FindPopupOf(menu, id, 0);
  if (found.popup != nullptr)
    SendMessage(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(found.popup), MAKELPARAM(found.position, FALSE));
  const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
  return state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

}  // namespace

namespace win32::internal {

void ResetAccelerators() { AccelTable::Instance().Clear(); }

}  // namespace win32::internal

HACCEL WINAPI LoadAccelerators(HINSTANCE hInstance, LPCSTR lpTableName) {
  const BYTE* data = nullptr;
  size_t size = 0;
  if (!win32::internal::FindResourceBytes(hInstance, RT_ACCELERATOR, lpTableName, data, size)) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  auto entries = ParseAccelerators(data, size);
  return entries.empty() ? nullptr : AccelTable::Instance().Create(std::move(entries));
}

HACCEL WINAPI CreateAcceleratorTable(LPACCEL paccel, int cAccel) {
  if (paccel == nullptr || cAccel <= 0) return nullptr;
  std::vector<ACCEL> entries(paccel, paccel + cAccel);
  for (auto& entry : entries) entry.fVirt &= kFlagMask;
  return AccelTable::Instance().Create(std::move(entries));
}

BOOL WINAPI DestroyAcceleratorTable(HACCEL hAccel) { return AccelTable::Instance().Destroy(hAccel) ? TRUE : FALSE; }

int WINAPI CopyAcceleratorTable(HACCEL hAccelSrc, LPACCEL lpAccelDst, int cAccelEntries) {
  auto entries = AccelTable::Instance().Entries(hAccelSrc);
  if (!entries) {
    SetLastError(ERROR_INVALID_ACCEL_HANDLE);
    return 0;
  }
  if (lpAccelDst == nullptr) return int(entries->size());
  int count = std::min(cAccelEntries, int(entries->size()));
  std::copy_n(entries->begin(), std::max(count, 0), lpAccelDst);
  return std::max(count, 0);
}

int WINAPI TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg) {
  if (lpMsg == nullptr || hWnd == nullptr) return 0;
  auto entries = AccelTable::Instance().Entries(hAccTable);
  if (!entries) {
    SetLastError(ERROR_INVALID_ACCEL_HANDLE);
    return 0;
  }
  for (const ACCEL& accel : *entries) {
    if (!Matches(accel, *lpMsg)) continue;
    // HIWORD 1 marks a command that came from an accelerator.
    if (MenuAllowsCommand(hWnd, accel.cmd)) SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(accel.cmd, 1), 0);
    return 1;
  }
  return 0;
}
