#include "commdlg/item_lists.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace win32::commdlg {
namespace {

constexpr size_t kCountSize = sizeof(USHORT);

// The shell allocator: the task allocator behind the IMalloc interface.
class ShellMalloc final : public IMalloc {
 public:
  HRESULT QueryInterface(const void*, void** ppvObject) override {
    if (ppvObject) *ppvObject = this;
    return S_OK;
  }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  void* Alloc(SIZE_T cb) override { return CoTaskMemAlloc(cb); }
  void* Realloc(void* pv, SIZE_T cb) override { return CoTaskMemRealloc(pv, cb); }
  void Free(void* pv) override { CoTaskMemFree(pv); }
  SIZE_T GetSize(void*) override { return static_cast<SIZE_T>(-1); }
  int DidAlloc(void*) override { return -1; }
  void HeapMinimize() override {}
};

}  // namespace

PIDLIST_ABSOLUTE MakeItemList(const std::string& path) {
  const size_t item = kCountSize + path.size() + 1;
  if (item > 0xFFFF) return nullptr;
  auto* bytes = static_cast<BYTE*>(CoTaskMemAlloc(item + kCountSize));
  if (!bytes) return nullptr;
  const auto cb = static_cast<USHORT>(item);
  std::memcpy(bytes, &cb, kCountSize);
  std::memcpy(bytes + kCountSize, path.c_str(), path.size() + 1);
  std::memset(bytes + item, 0, kCountSize);
  return reinterpret_cast<PIDLIST_ABSOLUTE>(bytes);
}

std::string PathOfItemList(PCIDLIST_ABSOLUTE pidl) {
  if (!pidl) return {};
  const auto* bytes = reinterpret_cast<const BYTE*>(pidl);
  USHORT cb = 0;
  std::memcpy(&cb, bytes, kCountSize);
  if (cb <= kCountSize + 1 || bytes[cb - 1] != '\0') return {};
  return std::string(reinterpret_cast<const char*>(bytes + kCountSize));
}

int CopyItemList(const std::string& path, void* buffer, int size) {
  const int needed = static_cast<int>(kCountSize + path.size() + 1 + kCountSize);
  if (!buffer || size < needed) return needed;
  PIDLIST_ABSOLUTE pidl = MakeItemList(path);
  if (!pidl) return 0;
  std::memcpy(buffer, pidl, static_cast<size_t>(needed));
  CoTaskMemFree(pidl);
  return needed;
}

}  // namespace win32::commdlg

LPVOID WINAPI CoTaskMemAlloc(SIZE_T cb) { return std::malloc(cb ? cb : 1); }

LPVOID WINAPI CoTaskMemRealloc(LPVOID pv, SIZE_T cb) { return std::realloc(pv, cb ? cb : 1); }

void WINAPI CoTaskMemFree(LPVOID pv) { std::free(pv); }

HRESULT WINAPI SHGetMalloc(LPMALLOC* ppMalloc) {
  static win32::commdlg::ShellMalloc shellMalloc;
  if (!ppMalloc) return E_INVALIDARG;
  *ppMalloc = &shellMalloc;
  return S_OK;
}

void WINAPI ILFree(PIDLIST_ABSOLUTE pidl) { CoTaskMemFree(pidl); }

PIDLIST_ABSOLUTE WINAPI ILCreateFromPath(LPCSTR pszPath) {
  std::error_code ec;
  if (!pszPath || !std::filesystem::exists(pszPath, ec)) return nullptr;
  return win32::commdlg::MakeItemList(pszPath);
}

BOOL WINAPI SHGetPathFromIDList(PCIDLIST_ABSOLUTE pidl, LPSTR pszPath) {
  const std::string path = win32::commdlg::PathOfItemList(pidl);
  if (!pszPath) return FALSE;
  pszPath[0] = '\0';
  if (path.empty() || path.size() >= MAX_PATH) return FALSE;
  std::memcpy(pszPath, path.c_str(), path.size() + 1);
  return TRUE;
}
