// The GDI objects behind the handles, the handle table and the process-wide
// GDI state (system colours, screen depth, stock objects).
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "gdi/region.h"
#include "gdi/surface_ptr.h"
#include "internal/gdi_printer.h"
#include "win32/wingdi.h"

namespace win32::gdi::detail {

using win32::gdi::GdiRecord;

struct FontObject {
  LOGFONT lf{};
};

struct PenObject {
  LOGPEN lp{};
};

struct BrushObject {
  LOGBRUSH lb{};
  SurfacePtr pattern;  // BS_PATTERN: a copy of the bitmap's pixels
};

// How the bits of a DIB are laid out in memory.
struct DibFormat {
  int width = 0;
  int height = 0;  // always positive
  bool topDown = false;
  int bpp = 0;
  DWORD compression = BI_RGB;
  std::array<DWORD, 3> masks{};
  std::vector<RGBQUAD> colors;
  size_t Stride() const { return ((static_cast<size_t>(width) * bpp + 31) / 32) * 4; }
  size_t ImageSize() const { return Stride() * height; }
};

struct BitmapObject {
  int width = 0;
  int height = 0;
  int bpp = 32;  // 1 for monochrome bitmaps; the pixels are 24-bit either way
  SurfacePtr surface;
  // DIB sections: the caller-visible bits, kept in step with the surface.
  std::optional<DibFormat> dib;
  std::vector<uint8_t> dibBits;
  bool bitsShared = false;          // the surface draws straight on dibBits
  std::vector<RGBQUAD> colorTable;  // from a DIB, for GetDIBColorTable
  HDC selectedInto = nullptr;
};

struct PaletteObject {
  std::vector<PALETTEENTRY> entries;
};

struct IconObject {
  bool isIcon = true;
  POINT hotspot{};
  int width = 0;
  int height = 0;
  SurfacePtr image;     // premultiplied ARGB
  bool shared = false;  // system icons survive DestroyIcon
};

// What SaveDC saves.
struct DcAttributes {
  HGDIOBJ pen = nullptr;
  HGDIOBJ brush = nullptr;
  HGDIOBJ font = nullptr;
  HGDIOBJ bitmap = nullptr;
  HGDIOBJ palette = nullptr;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  UINT textAlign = TA_LEFT | TA_TOP;
  int rop2 = R2_COPYPEN;
  int stretchMode = BLACKONWHITE;
  int polyFillMode = ALTERNATE;
  int mapMode = MM_TEXT;
  POINT viewportOrg{};
  POINT windowOrg{};
  SIZE viewportExt{1, 1};
  SIZE windowExt{1, 1};
  POINT brushOrg{};
  POINT position{};
  std::optional<Region> clip;  // device coordinates; none = unclipped
};

enum class DcKind { Memory, Surface, Display, Info, Printer };

struct DcObject {
  DcKind kind = DcKind::Memory;
  SurfacePtr target;  // Surface and Display DCs
  POINT surfaceOrigin{};
  RECT surfaceClip{};  // surface coordinates
  HWND owner = nullptr;
  std::shared_ptr<internal::PrinterDevice> printer;  // printer DCs and ICs
  int printerDpi = 0;
  DcAttributes attrs;
  std::vector<DcAttributes> saved;
  UINT realizedEntries = 0;
  bool recording = false;
  std::vector<GdiRecord> records;
};

using GdiObject =
    std::variant<FontObject, PenObject, BrushObject, BitmapObject, Region, PaletteObject, IconObject, DcObject>;

struct Entry {
  bool stock = false;
  GdiObject object;
};

// Handles name a slot and its generation, so that a freed slot's old
// handle is never found again.
class HandleTable {
 public:
  void* Add(GdiObject object, bool stock = false);
  Entry* Find(const void* handle);
  bool Remove(const void* handle);
  void Clear();

 private:
  struct Slot {
    uint32_t generation = 1;
    std::unique_ptr<Entry> entry;
  };
  std::vector<Slot> slots_;
  std::vector<uint32_t> free_;
};

struct GdiState {
  HandleTable table;
  std::array<COLORREF, 31> sysColors{};
  std::array<HBRUSH, 31> sysBrushes{};
  std::array<HGDIOBJ, DC_PEN + 1> stock{};
  HBITMAP defaultBitmap = nullptr;  // the 1x1 bitmap of new memory DCs
  int screenBpp = 32;
  std::map<UINT_PTR, HICON> systemIcons;  // keyed by id; cursors with bit 31
};

GdiState& State();

template <typename T>
T* Get(const void* handle) {
  Entry* e = State().table.Find(handle);
  return e ? std::get_if<T>(&e->object) : nullptr;
}

template <typename T>
void* Add(T object) {
  return State().table.Add(GdiObject(std::move(object)));
}

// Typed handle creation for the Win32 handle types.
template <typename H, typename T>
H AddAs(T object) {
  return static_cast<H>(Add(std::move(object)));
}

// The initial system colour of an index (COLOR_*), or 0.
COLORREF DefaultSysColor(int index);

}  // namespace win32::gdi::detail
