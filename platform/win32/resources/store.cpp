// FindResource and friends over the module registry.
#include "internal/res_store.h"
#include "resources/module_registry.h"
#include "win32/winbase.h"
#include "win32/winres.h"

namespace win32::internal {

void AddResource(HINSTANCE module, LPCSTR type, LPCSTR name, const void* data, size_t size) {
  ModuleRegistry::Instance().Add(module, type, name, data, size);
}

bool FindResourceBytes(HINSTANCE module, LPCSTR type, LPCSTR name, const BYTE*& data, size_t& size) {
  auto& registry = ModuleRegistry::Instance();
  auto entry = registry.Entry(registry.Lookup(module, type, name));
  if (!entry) return false;
  data = entry->data;
  size = entry->size;
  return true;
}

}  // namespace win32::internal

using win32::internal::ModuleRegistry;

HRSRC WINAPI FindResourceEx(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD /*wLanguage*/) {
  size_t handle = ModuleRegistry::Instance().Lookup(hModule, lpType, lpName);
  if (handle == 0) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(handle);
}

HRSRC WINAPI FindResource(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
  return FindResourceEx(hModule, lpType, lpName, 0);
}

// Resource data are mapped program data: the "loaded" handle is the address
// of the bytes, as for a module's resources on Win32.
HGLOBAL WINAPI LoadResource(HMODULE /*hModule*/, HRSRC hResInfo) {
  auto entry = ModuleRegistry::Instance().Entry(reinterpret_cast<size_t>(hResInfo));
  if (!entry) return nullptr;
  return const_cast<BYTE*>(entry->data);
}

LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

DWORD WINAPI SizeofResource(HMODULE /*hModule*/, HRSRC hResInfo) {
  auto entry = ModuleRegistry::Instance().Entry(reinterpret_cast<size_t>(hResInfo));
  return entry ? DWORD(entry->size) : 0;
}

BOOL WINAPI FreeResource(HGLOBAL /*hResData*/) { return FALSE; }

BOOL WINAPI EnumResourceNames(HMODULE hModule, LPCSTR lpType, ENUMRESNAMEPROC lpEnumFunc, LONG_PTR lParam) {
  if (lpEnumFunc == nullptr) return FALSE;
  auto names = ModuleRegistry::Instance().Names(hModule, lpType);
  if (names.empty()) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
  }
  for (const auto& name : names)
    if (!lpEnumFunc(hModule, lpType, const_cast<LPSTR>(name.get()), lParam)) break;
  return TRUE;
}
