// Global and local memory. A fixed block's handle is its address, as on
// Win32; a moveable block's handle names a table entry, so a freed one is
// simply not found. Blocks are the process heap's, not the window
// system's: they outlive a window-system reset.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "internal/core_kernel.h"
#include "win32/services.h"

namespace {

struct Block {
  std::unique_ptr<BYTE[]> bytes;
  SIZE_T size = 0;
  bool moveable = false;
  UINT locks = 0;
};

struct Heap {
  std::mutex mu;
  std::map<HGLOBAL, Block> blocks;
};

Heap& TheHeap() {
  static Heap heap;
  return heap;
}

std::unique_ptr<BYTE[]> NewBytes(SIZE_T n, bool zero) {
  // One byte at least, so every block has an address of its own.
  auto bytes = std::make_unique_for_overwrite<BYTE[]>(n ? n : 1);
  if (zero) std::memset(bytes.get(), 0, n ? n : 1);
  return bytes;
}

Block* FindLocked(HGLOBAL h) {
  auto it = TheHeap().blocks.find(h);
  return it == TheHeap().blocks.end() ? nullptr : &it->second;
}

Block* FindOrFail(HGLOBAL h) {
  Block* b = FindLocked(h);
  if (!b) SetLastError(ERROR_INVALID_HANDLE);
  return b;
}

}  // namespace

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  Block b;
  b.bytes = NewBytes(dwBytes, (uFlags & GMEM_ZEROINIT) != 0);
  b.size = dwBytes;
  b.moveable = (uFlags & GMEM_MOVEABLE) != 0;
  HGLOBAL h = b.moveable ? reinterpret_cast<HGLOBAL>(win32::internal::NewHandleValue()) : b.bytes.get();
  std::lock_guard lock(TheHeap().mu);
  TheHeap().blocks.emplace(h, std::move(b));
  return h;
}

HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
  std::lock_guard lock(TheHeap().mu);
  Block* b = FindOrFail(hMem);
  if (!b) return nullptr;
  if (uFlags & GMEM_MODIFY) return hMem;
  // A fixed block may move only when GMEM_MOVEABLE allows it, so it
  // shrinks in place and cannot grow otherwise.
  if (!b->moveable && !(uFlags & GMEM_MOVEABLE)) {
    if (dwBytes > b->size) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    b->size = dwBytes;
    return hMem;
  }
  auto bytes = NewBytes(dwBytes, (uFlags & GMEM_ZEROINIT) != 0);
  std::memcpy(bytes.get(), b->bytes.get(), std::min(dwBytes, b->size));
  b->bytes = std::move(bytes);
  b->size = dwBytes;
  if (b->moveable) return hMem;
  // A fixed block's handle is its address, which just changed.
  auto node = TheHeap().blocks.extract(hMem);
  node.key() = node.mapped().bytes.get();
  HGLOBAL h = node.key();
  TheHeap().blocks.insert(std::move(node));
  return h;
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
  std::lock_guard lock(TheHeap().mu);
  Block* b = FindOrFail(hMem);
  if (!b) return nullptr;
  if (b->moveable) ++b->locks;
  return b->bytes.get();
}

BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
  std::lock_guard lock(TheHeap().mu);
  Block* b = FindOrFail(hMem);
  if (!b) return FALSE;
  if (!b->moveable || b->locks == 0) {
    SetLastError(ERROR_NOT_LOCKED);
    return FALSE;
  }
  if (--b->locks == 0) {
    SetLastError(NO_ERROR);
    return FALSE;
  }
  return TRUE;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
  if (!hMem) return nullptr;
  std::lock_guard lock(TheHeap().mu);
  if (TheHeap().blocks.erase(hMem) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return hMem;
  }
  return nullptr;
}

SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
  std::lock_guard lock(TheHeap().mu);
  Block* b = FindOrFail(hMem);
  return b ? b->size : 0;
}

HGLOBAL WINAPI GlobalHandle(LPCVOID pMem) {
  std::lock_guard lock(TheHeap().mu);
  for (auto& [h, b] : TheHeap().blocks) {
    if (b.bytes.get() == pMem) return h;
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return nullptr;
}

UINT WINAPI GlobalFlags(HGLOBAL hMem) {
  std::lock_guard lock(TheHeap().mu);
  Block* b = FindOrFail(hMem);
  return b ? (b->locks & 0xFF) : 0x8000;  // GMEM_INVALID_HANDLE
}

HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes) { return GlobalAlloc(uFlags, uBytes); }
HLOCAL WINAPI LocalReAlloc(HLOCAL hMem, SIZE_T uBytes, UINT uFlags) { return GlobalReAlloc(hMem, uBytes, uFlags); }
LPVOID WINAPI LocalLock(HLOCAL hMem) { return GlobalLock(hMem); }
BOOL WINAPI LocalUnlock(HLOCAL hMem) { return GlobalUnlock(hMem); }
HLOCAL WINAPI LocalFree(HLOCAL hMem) { return GlobalFree(hMem); }
SIZE_T WINAPI LocalSize(HLOCAL hMem) { return GlobalSize(hMem); }
