// LoadBitmap, LoadIcon, LoadCursor and LoadImage.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "internal/gdi_system.h"
#include "internal/res_store.h"
#include "internal/res_templates.h"
#include "resources/byte_reader.h"
#include "win32/winbase.h"
#include "win32/winres.h"

namespace {

using win32::internal::ByteReader;

constexpr DWORD kIconVersion = 0x00030000;
constexpr int kDefaultIconSize = 32;
constexpr size_t kFileHeaderSize = 14;    // BITMAPFILEHEADER
constexpr size_t kIconDirSize = 6;        // ICONDIR
constexpr size_t kIconDirEntrySize = 16;  // ICONDIRENTRY in .ico/.cur files

bool FindBytes(HINSTANCE module, LPCSTR type, LPCSTR name, const BYTE*& data, size_t& size) {
  if (win32::internal::FindResourceBytes(module, type, name, data, size)) return true;
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return false;
}

HICON IconFromImage(const BYTE* data, size_t size, bool icon, int cx, int cy, UINT flags) {
  return CreateIconFromResourceEx(const_cast<BYTE*>(data), DWORD(size), icon ? TRUE : FALSE, kIconVersion, cx, cy,
                                  flags);
}

// An icon or cursor from a group resource: the image that suits the size.
HICON LoadGroupImage(HINSTANCE module, LPCSTR name, bool icon, int cx, int cy, UINT flags) {
  const BYTE* group = nullptr;
  size_t groupSize = 0;
  if (!FindBytes(module, icon ? RT_GROUP_ICON : RT_GROUP_CURSOR, name, group, groupSize)) return nullptr;
  if (cx == 0) cx = kDefaultIconSize;
  if (cy == 0) cy = kDefaultIconSize;
  WORD id = win32::internal::PickGroupImage(group, groupSize, !icon, cx, cy);
  const BYTE* image = nullptr;
  size_t imageSize = 0;
  if (id == 0 || !FindBytes(module, icon ? RT_ICON : RT_CURSOR, MAKEINTRESOURCE(id), image, imageSize)) return nullptr;
  return IconFromImage(image, imageSize, icon, cx, cy, flags);
}

bool ReadFile(LPCSTR path, std::vector<BYTE>& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}

HBITMAP BitmapFromFile(LPCSTR path) {
  std::vector<BYTE> bytes;
  if (!ReadFile(path, bytes) || bytes.size() <= kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return nullptr;
  return win32::gdi::CreateBitmapFromDib(bytes.data() + kFileHeaderSize, bytes.size() - kFileHeaderSize);
}

// An .ico or .cur file: a directory of images; cursor entries hold the hot
// spot where icons hold planes and bit count, and the cursor image format
// wants it in front of the bitmap.
HICON IconFromFile(LPCSTR path, bool icon, int cx, int cy, UINT flags) {
  std::vector<BYTE> bytes;
  if (!ReadFile(path, bytes)) return nullptr;
  ByteReader in(bytes.data(), bytes.size());
  in.skip(2);
  WORD type = in.word();
  WORD count = in.word();
  if (!in.ok() || type != (icon ? 1 : 2) || count == 0) return nullptr;
  if (cx == 0) cx = kDefaultIconSize;
  if (cy == 0) cy = kDefaultIconSize;
  size_t chosen = 0;
  for (WORD i = 0; i < count; ++i) {
    ByteReader entry(bytes.data() + kIconDirSize + i * kIconDirEntrySize, kIconDirEntrySize);
    if (kIconDirSize + (i + 1u) * kIconDirEntrySize > bytes.size()) return nullptr;
    int width = entry.byte();
    int height = entry.byte();
    if ((width == 0 ? 256 : width) == cx && (height == 0 ? 256 : height) == cy) {
      chosen = i;
      break;
    }
  }
  ByteReader entry(bytes.data() + kIconDirSize + chosen * kIconDirEntrySize, kIconDirEntrySize);
  entry.skip(4);
  WORD hotX = entry.word();
  WORD hotY = entry.word();
  DWORD size = entry.dword();
  DWORD offset = entry.dword();
  if (!entry.ok() || offset > bytes.size() || size > bytes.size() - offset) return nullptr;
  std::vector<BYTE> image;
  if (!icon) image = {BYTE(hotX), BYTE(hotX >> 8), BYTE(hotY), BYTE(hotY >> 8)};
  image.insert(image.end(), bytes.begin() + offset, bytes.begin() + offset + size);
  return IconFromImage(image.data(), image.size(), icon, cx, cy, flags);
}

HANDLE LoadFromFile(LPCSTR path, UINT type, int cx, int cy, UINT flags) {
  if (IS_INTRESOURCE(path)) return nullptr;
  switch (type) {
    case IMAGE_BITMAP:
      return BitmapFromFile(path);
    case IMAGE_ICON:
      return IconFromFile(path, true, cx, cy, flags);
    case IMAGE_CURSOR:
      return IconFromFile(path, false, cx, cy, flags);
    default:
      return nullptr;
  }
}

}  // namespace

HBITMAP WINAPI LoadBitmap(HINSTANCE hInstance, LPCSTR lpBitmapName) {
  if (lpBitmapName == nullptr) return nullptr;
  if (hInstance == nullptr) {
    if (!IS_INTRESOURCE(lpBitmapName)) return nullptr;
    return win32::gdi::CreateSystemBitmap(UINT(reinterpret_cast<ULONG_PTR>(lpBitmapName)));
  }
  const BYTE* data = nullptr;
  size_t size = 0;
  if (!FindBytes(hInstance, RT_BITMAP, lpBitmapName, data, size)) return nullptr;
  return win32::gdi::CreateBitmapFromDib(data, size);
}

HICON WINAPI LoadIcon(HINSTANCE hInstance, LPCSTR lpIconName) {
  if (lpIconName == nullptr) return nullptr;
  if (hInstance == nullptr) return win32::gdi::CreateSystemIcon(lpIconName);
  return LoadGroupImage(hInstance, lpIconName, true, kDefaultIconSize, kDefaultIconSize, LR_DEFAULTCOLOR);
}

HCURSOR WINAPI LoadCursor(HINSTANCE hInstance, LPCSTR lpCursorName) {
  if (lpCursorName == nullptr) return nullptr;
  if (hInstance == nullptr) return win32::gdi::CreateSystemCursor(lpCursorName);
  return LoadGroupImage(hInstance, lpCursorName, false, kDefaultIconSize, kDefaultIconSize, LR_DEFAULTCOLOR);
}

HANDLE WINAPI LoadImage(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad) {
  if (name == nullptr) return nullptr;
  if (fuLoad & LR_LOADFROMFILE) return LoadFromFile(name, type, cx, cy, fuLoad);
  switch (type) {
    case IMAGE_BITMAP:
      return LoadBitmap(hInst, name);
    case IMAGE_ICON:
      if (hInst == nullptr) return LoadIcon(nullptr, name);
      return LoadGroupImage(hInst, name, true, cx, cy, fuLoad);
    case IMAGE_CURSOR:
      if (hInst == nullptr) return LoadCursor(nullptr, name);
      return LoadGroupImage(hInst, name, false, cx, cy, fuLoad);
    default:
      return nullptr;
  }
}
