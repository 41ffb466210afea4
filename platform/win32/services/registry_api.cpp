// The Reg* functions over the registry store. An open key is a path; the
// key may vanish under it (another program deleting it), which answers
// ERROR_KEY_DELETED as Win32 does.
#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include "internal/core_kernel.h"
#include "internal/core_classes.h"
#include "services/registry_store.h"

namespace win32::svc {
namespace {

struct OpenKeys {
  std::mutex mu;
  std::map<HKEY, std::string> paths;
};

OpenKeys& Keys() {
  static OpenKeys keys;
  return keys;
}

void ForgetOpenKeys() {
  std::lock_guard lock(Keys().mu);
  Keys().paths.clear();
}

const struct OpenKeysReset {
  OpenKeysReset() { internal::AddSystemClassInitializer(ForgetOpenKeys); }
} kOpenKeysReset;

std::optional<std::string> RootName(HKEY h) {
  static const std::pair<HKEY, const char*> kRoots[] = {{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
                                                        {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
                                                        {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
                                                        {HKEY_USERS, "HKEY_USERS"}};
  for (const auto& [root, name] : kRoots) {
    if (root == h) return name;
  }
  return std::nullopt;
}

std::optional<std::string> PathOf(HKEY h) {
  if (auto root = RootName(h)) return root;
  std::lock_guard lock(Keys().mu);
  auto it = Keys().paths.find(h);
  if (it == Keys().paths.end()) return std::nullopt;
  return it->second;
}

HKEY NewKeyHandle(const std::string& path) {
  auto h = reinterpret_cast<HKEY>(internal::NewHandleValue());
  std::lock_guard lock(Keys().mu);
  Keys().paths.emplace(h, path);
  return h;
}

// "a\\b\" and "\a" are tidied the way Win32 accepts them: separators at
// either end are dropped; an empty component is refused.
std::optional<std::string> Join(const std::string& base, LPCSTR sub) {
  std::string s = sub ? sub : "";
  while (!s.empty() && s.back() == '\\') s.pop_back();
  if (s.empty()) return base;
  if (s.front() == '\\' || s.find("\\\\") != std::string::npos) return std::nullopt;
  return base + "\\" + s;
}

bool IsRoot(const std::string& path) { return path.find('\\') == std::string::npos; }

// Runs `fn` on the key behind `h` within a read of the store.
LONG WithKey(HKEY h, const std::function<LONG(RegKey&, RegModel&)>& fn) {
  auto path = PathOf(h);
  if (!path) return ERROR_INVALID_HANDLE;
  return ReadRegistry([&](RegModel& model) -> LONG {
    if (IsRoot(*path)) model.Create(*path);
    RegKey* key = model.Find(*path);
    return key ? fn(*key, model) : ERROR_KEY_DELETED;
  });
}

LONG ChangeKey(HKEY h, const std::function<LONG(RegKey&, RegModel&, bool&)>& fn) {
  auto path = PathOf(h);
  if (!path) return ERROR_INVALID_HANDLE;
  return ModifyRegistry([&](RegModel& model, bool& changed) -> LONG {
    if (IsRoot(*path)) model.Create(*path);
    RegKey* key = model.Find(*path);
    return key ? fn(*key, model, changed) : ERROR_KEY_DELETED;
  });
}

// Copies `n` bytes to a caller's buffer described by (buffer, size in/out)
// with Win32's answers for a size query and a short buffer.
LONG CopyOut(const void* src, DWORD n, LPBYTE dst, LPDWORD size) {
  if (!size) return dst ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
  const DWORD room = *size;
  *size = n;
  if (!dst) return ERROR_SUCCESS;
  if (room < n) return ERROR_MORE_DATA;
  if (n) std::memcpy(dst, src, n);
  return ERROR_SUCCESS;
}

// Copies a name into a character buffer whose size excludes the NUL on
// the way out, as the enumeration functions do.
LONG CopyName(const std::string& name, LPSTR dst, LPDWORD cch) {
  if (!dst || !cch) return ERROR_INVALID_PARAMETER;
  if (*cch <= name.size()) return ERROR_MORE_DATA;
  std::memcpy(dst, name.c_str(), name.size() + 1);
  *cch = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

LONG OpenOrCreate(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult, LPDWORD disposition, bool create) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  auto base = PathOf(hKey);
  if (!base) return ERROR_INVALID_HANDLE;
  auto path = Join(*base, lpSubKey);
  if (!path) return create ? ERROR_BADKEY : ERROR_FILE_NOT_FOUND;
  bool made = false;
  const LONG r = create ? ModifyRegistry([&](RegModel& model, bool& changed) -> LONG {
    if (!IsRoot(*base) && !model.Find(*base)) return ERROR_KEY_DELETED;
    made = changed = model.Create(*path);
    return ERROR_SUCCESS;
  })
                        : ReadRegistry([&](RegModel& model) -> LONG {
                            if (IsRoot(*path)) return ERROR_SUCCESS;
                            return model.Find(*path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
                          });
  if (r != ERROR_SUCCESS) return r;
  if (disposition) *disposition = made ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *phkResult = IsRoot(*path) ? hKey : NewKeyHandle(*path);
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace win32::svc

using namespace win32::svc;

LONG WINAPI RegCreateKeyEx(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                           PHKEY phkResult, LPDWORD lpdwDisposition) {
  return OpenOrCreate(hKey, lpSubKey, phkResult, lpdwDisposition, true);
}

LONG WINAPI RegCreateKey(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, phkResult, nullptr, true);
}

LONG WINAPI RegOpenKeyEx(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, phkResult, nullptr, false);
}

LONG WINAPI RegOpenKey(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, phkResult, nullptr, false);
}

LONG WINAPI RegCloseKey(HKEY hKey) {
  if (RootName(hKey)) return ERROR_SUCCESS;
  std::lock_guard lock(Keys().mu);
  return Keys().paths.erase(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG WINAPI RegQueryValueEx(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  return WithKey(hKey, [&](RegKey& key, RegModel&) -> LONG {
    const RegValue* v = key.FindValue(lpValueName ? lpValueName : "");
    if (!v) return ERROR_FILE_NOT_FOUND;
    if (lpType) *lpType = v->type;
    return CopyOut(v->data.data(), static_cast<DWORD>(v->data.size()), lpData, lpcbData);
  });
}

LONG WINAPI RegSetValueEx(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
  if (!lpData && cbData) return ERROR_INVALID_PARAMETER;
  RegValue value{lpValueName ? lpValueName : "", dwType,
                 lpData ? std::vector<BYTE>(lpData, lpData + cbData) : std::vector<BYTE>{}};
  return ChangeKey(hKey, [&](RegKey& key, RegModel&, bool& changed) -> LONG {
    if (RegValue* old = key.FindValue(value.name)) {
      old->type = value.type;
      old->data = value.data;
    } else {
      key.values.push_back(value);
    }
    changed = true;
    return ERROR_SUCCESS;
  });
}

LONG WINAPI RegDeleteValue(HKEY hKey, LPCSTR lpValueName) {
  return ChangeKey(hKey, [&](RegKey& key, RegModel&, bool& changed) -> LONG {
    const RegValue* v = key.FindValue(lpValueName ? lpValueName : "");
    if (!v) return ERROR_FILE_NOT_FOUND;
    key.values.erase(key.values.begin() + (v - key.values.data()));
    changed = true;
    return ERROR_SUCCESS;
  });
}

LONG WINAPI RegDeleteKey(HKEY hKey, LPCSTR lpSubKey) {
  auto base = PathOf(hKey);
  if (!base) return ERROR_INVALID_HANDLE;
  auto path = Join(*base, lpSubKey);
  if (!path) return ERROR_FILE_NOT_FOUND;
  if (IsRoot(*path)) return ERROR_ACCESS_DENIED;
  return ModifyRegistry([&](RegModel& model, bool& changed) -> LONG {
    if (!model.Find(*path)) return ERROR_FILE_NOT_FOUND;
    if (model.Find(*path)->HasSubkeys()) return ERROR_ACCESS_DENIED;
    changed = model.Erase(*path);
    return ERROR_SUCCESS;
  });
}

LONG WINAPI RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD, LPSTR lpClass,
                         LPDWORD lpcchClass, LPFILETIME lpftLastWriteTime) {
  return WithKey(hKey, [&](RegKey& key, RegModel&) -> LONG {
    const auto& names = key.SubkeyNames();
    if (dwIndex >= names.size()) return ERROR_NO_MORE_ITEMS;
    const LONG r = CopyName(names[dwIndex], lpName, lpcchName);
    if (r == ERROR_SUCCESS && lpClass && lpcchClass && *lpcchClass) *lpClass = '\0';
    if (lpcchClass) *lpcchClass = 0;
    if (lpftLastWriteTime) *lpftLastWriteTime = FILETIME{};
    return r;
  });
}

LONG WINAPI RegEnumKey(HKEY hKey, DWORD dwIndex, LPSTR lpName, DWORD cchName) {
  return RegEnumKeyEx(hKey, dwIndex, lpName, &cchName, nullptr, nullptr, nullptr, nullptr);
}

LONG WINAPI RegEnumValue(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData) {
  return WithKey(hKey, [&](RegKey& key, RegModel&) -> LONG {
    if (dwIndex >= key.values.size()) return ERROR_NO_MORE_ITEMS;
    const RegValue& v = key.values[dwIndex];
    const LONG r = CopyName(v.name, lpValueName, lpcchValueName);
    if (r != ERROR_SUCCESS) return r;
    if (lpType) *lpType = v.type;
    return CopyOut(v.data.data(), static_cast<DWORD>(v.data.size()), lpData, lpcbData);
  });
}

LONG WINAPI RegQueryInfoKey(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD, LPDWORD lpcSubKeys,
                            LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen, LPDWORD lpcValues,
                            LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
                            LPFILETIME lpftLastWriteTime) {
  return WithKey(hKey, [&](RegKey& key, RegModel&) -> LONG {
    const auto& names = key.SubkeyNames();
    auto set = [](LPDWORD p, size_t v) {
      if (p) *p = static_cast<DWORD>(v);
    };
    size_t maxKey = 0, maxName = 0, maxData = 0;
    for (const auto& n : names) maxKey = std::max(maxKey, n.size());
    for (const auto& v : key.values) {
      maxName = std::max(maxName, v.name.size());
      maxData = std::max(maxData, v.data.size());
    }
    if (lpClass && lpcchClass && *lpcchClass) *lpClass = '\0';
    set(lpcchClass, 0);
    set(lpcSubKeys, names.size());
    set(lpcbMaxSubKeyLen, maxKey);
    set(lpcbMaxClassLen, 0);
    set(lpcValues, key.values.size());
    set(lpcbMaxValueNameLen, maxName);
    set(lpcbMaxValueLen, maxData);
    set(lpcbSecurityDescriptor, 0);
    if (lpftLastWriteTime) *lpftLastWriteTime = FILETIME{};
    return ERROR_SUCCESS;
  });
}

LONG WINAPI RegFlushKey(HKEY hKey) {
  // Every write is already on disk.
  return PathOf(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
