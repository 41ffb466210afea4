// Device contexts: creation, attributes, coordinate spaces, SaveDC and the
// bridge to the window manager's surfaces.
#include "gdi/dc.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "gdi/fonts.h"
#include "internal/gdi_surface.h"

namespace win32::gdi::detail {

DcObject* GetDc(HDC hdc) { return Get<DcObject>(hdc); }

POINT ToDevice(const DcAttributes& a, LONG x, LONG y) {
  const long long dx = static_cast<long long>(x - a.windowOrg.x) * a.viewportExt.cx;
  const long long dy = static_cast<long long>(y - a.windowOrg.y) * a.viewportExt.cy;
  return POINT{static_cast<LONG>(dx / a.windowExt.cx + a.viewportOrg.x),
               static_cast<LONG>(dy / a.windowExt.cy + a.viewportOrg.y)};
}

RECT ToDevice(const DcAttributes& a, const RECT& r) {
  const POINT p1 = ToDevice(a, r.left, r.top);
  const POINT p2 = ToDevice(a, r.right, r.bottom);
  return NormalizedRect(RECT{p1.x, p1.y, p2.x, p2.y});
}

POINT ToLogical(const DcAttributes& a, LONG x, LONG y) {
  const long long lx = static_cast<long long>(x - a.viewportOrg.x) * a.windowExt.cx;
  const long long ly = static_cast<long long>(y - a.viewportOrg.y) * a.windowExt.cy;
  return POINT{static_cast<LONG>(lx / a.viewportExt.cx + a.windowOrg.x),
               static_cast<LONG>(ly / a.viewportExt.cy + a.windowOrg.y)};
}

int ScaleWidth(const DcAttributes& a, int width) {
  const long long w = static_cast<long long>(width) * std::abs(a.viewportExt.cx) / std::abs(a.windowExt.cx);
  return static_cast<int>(w);
}

BitmapObject* SelectedBitmap(const DcObject& dc) {
  return dc.kind == DcKind::Memory ? Get<BitmapObject>(dc.attrs.bitmap) : nullptr;
}

cairo_surface_t* TargetOf(const DcObject& dc) {
  if (dc.kind == DcKind::Memory) {
    const BitmapObject* bmp = SelectedBitmap(dc);
    return bmp ? bmp->surface.get() : nullptr;
  }
  return dc.target.get();
}

Region EffectiveClip(const DcObject& dc) {
  RECT area{};
  if (dc.kind == DcKind::Memory) {
    if (const BitmapObject* bmp = SelectedBitmap(dc)) area = RECT{0, 0, bmp->width, bmp->height};
  } else if (dc.kind != DcKind::Info) {
    area = dc.surfaceClip;
    area.left -= dc.surfaceOrigin.x;
    area.right -= dc.surfaceOrigin.x;
    area.top -= dc.surfaceOrigin.y;
    area.bottom -= dc.surfaceOrigin.y;
  }
  Region base(area);
  return dc.attrs.clip ? Region::Combine(base, *dc.attrs.clip, RGN_AND) : base;
}

LOGPEN PenOf(const DcObject& dc) {
  if (const auto* pen = Get<PenObject>(dc.attrs.pen)) return pen->lp;
  return Get<PenObject>(GetStockObject(BLACK_PEN))->lp;
}

const BrushObject* BrushFromHandle(HBRUSH brush) {
  const auto value = reinterpret_cast<uintptr_t>(brush);
  if (value > 0 && value <= State().sysBrushes.size()) brush = State().sysBrushes[value - 1];
  return Get<BrushObject>(brush);
}

const BrushObject& BrushOf(const DcObject& dc) {
  if (const auto* brush = Get<BrushObject>(dc.attrs.brush)) return *brush;
  return *Get<BrushObject>(GetStockObject(WHITE_BRUSH));
}

const LOGFONT& FontOf(const DcObject& dc) {
  if (const auto* font = Get<FontObject>(dc.attrs.font)) return font->lf;
  return Get<FontObject>(GetStockObject(SYSTEM_FONT))->lf;
}

GdiRecord MakeRecord(const DcObject& dc, const char* op, const RECT& rect) {
  GdiRecord r;
  r.op = op;
  r.rect = rect;
  const LOGFONT& lf = FontOf(dc);
  r.face = FaceNameOf(lf);
  r.fontHeight = lf.lfHeight;
  r.textColor = dc.attrs.textColor;
  r.bkColor = dc.attrs.bkColor;
  r.penColor = PenOf(dc).lopnColor;
  r.brushColor = BrushOf(dc).lb.lbColor;
  r.clip = EffectiveClip(dc).Box();
  return r;
}

void Record(DcObject& dc, GdiRecord record) {
  if (dc.recording) dc.records.push_back(std::move(record));
}

namespace {

DcObject NewDc(DcKind kind) {
  DcObject dc;
  dc.kind = kind;
  dc.attrs.pen = GetStockObject(BLACK_PEN);
  dc.attrs.brush = GetStockObject(WHITE_BRUSH);
  dc.attrs.font = GetStockObject(SYSTEM_FONT);
  dc.attrs.palette = GetStockObject(DEFAULT_PALETTE);
  if (kind == DcKind::Memory) dc.attrs.bitmap = State().defaultBitmap;
  return dc;
}

// The fixed extents of the metric and English map modes: logical units
// per inch against the device's pixels per inch (96 on screen).
void ApplyMapModeExtents(DcAttributes& a, int dpi) {
  struct Extents {
    int mode;
    LONG window;  // logical units per inch
  };
  static constexpr Extents kModes[] = {
      {MM_LOMETRIC, 254}, {MM_HIMETRIC, 2540}, {MM_LOENGLISH, 100}, {MM_HIENGLISH, 1000}, {MM_TWIPS, 1440}};
  for (const Extents& e : kModes) {
    if (e.mode != a.mapMode) continue;
    a.windowExt = SIZE{e.window, e.window};
    a.viewportExt = SIZE{dpi, -dpi};
    return;
  }
  a.windowExt = SIZE{1, 1};
  a.viewportExt = SIZE{1, 1};
}

template <typename F>
BOOL WithDc(HDC hdc, F&& f) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return FALSE;
  f(*dc);
  return TRUE;
}

void StorePoint(LPPOINT out, POINT value) {
  if (out) *out = value;
}

void ReleaseBitmap(DcObject& dc) {
  if (auto* bmp = SelectedBitmap(dc)) bmp->selectedInto = nullptr;
}

int ClipComplexity(const DcObject& dc) { return EffectiveClip(dc).Complexity(); }

int SetClip(HDC hdc, const std::optional<Region>& clip) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return ERROR;
  dc->attrs.clip = clip;
  return ClipComplexity(*dc);
}

Region CurrentClipOrAll(const DcObject& dc) {
  return dc.attrs.clip ? *dc.attrs.clip : Region(RECT{-0x3FFFFFF, -0x3FFFFFF, 0x3FFFFFF, 0x3FFFFFF});
}

int CombineClipRect(HDC hdc, int left, int top, int right, int bottom, int mode) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return ERROR;
  const Region rect(ToDevice(dc->attrs, RECT{left, top, right, bottom}));
  dc->attrs.clip = Region::Combine(CurrentClipOrAll(*dc), rect, mode);
  return ClipComplexity(*dc);
}

}  // namespace

}  // namespace win32::gdi::detail

using namespace win32::gdi::detail;

namespace win32::internal {

HDC CreateSurfaceDC(cairo_surface_t* surface, POINT origin, const RECT& clipInSurface, HWND owner) {
  if (!surface) return nullptr;
  DcObject dc = NewDc(DcKind::Surface);
  dc.target = ShareSurface(surface);
  dc.surfaceOrigin = origin;
  dc.surfaceClip = clipInSurface;
  dc.owner = owner;
  return AddAs<HDC>(std::move(dc));
}

void DeleteSurfaceDC(HDC dc) {
  DcObject* obj = GetDc(dc);
  if (obj && obj->kind == DcKind::Surface) State().table.Remove(dc);
}

HWND WindowFromSurfaceDC(HDC dc) {
  const DcObject* obj = GetDc(dc);
  return obj && obj->kind == DcKind::Surface ? obj->owner : nullptr;
}

HDC CreatePrinterDC(std::shared_ptr<PrinterDevice> device, const RECT& printable, int dpi) {
  if (!device || dpi <= 0) return nullptr;
  DcObject dc = NewDc(DcKind::Printer);
  dc.printer = std::move(device);
  dc.surfaceOrigin = POINT{dc.printer->DeviceCaps(PHYSICALOFFSETX), dc.printer->DeviceCaps(PHYSICALOFFSETY)};
  dc.surfaceClip = RECT{printable.left + dc.surfaceOrigin.x, printable.top + dc.surfaceOrigin.y,
                        printable.right + dc.surfaceOrigin.x, printable.bottom + dc.surfaceOrigin.y};
  dc.printerDpi = dpi;
  return AddAs<HDC>(std::move(dc));
}

PrinterDevice* PrinterDeviceOf(HDC dc) {
  const DcObject* obj = GetDc(dc);
  return obj && obj->kind == DcKind::Printer ? obj->printer.get() : nullptr;
}

BOOL SetPrinterPage(HDC dc, cairo_surface_t* page) {
  DcObject* obj = GetDc(dc);
  if (!obj || obj->kind != DcKind::Printer) return FALSE;
  // Drawing is in printer pixels; the page is in points.
  if (page) cairo_surface_set_device_scale(page, 72.0 / obj->printerDpi, 72.0 / obj->printerDpi);
  obj->target = ShareSurface(page);
  return TRUE;
}

}  // namespace win32::internal

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !GetDc(hdc)) return nullptr;
  return AddAs<HDC>(NewDc(DcKind::Memory));
}

HDC WINAPI CreateDC(LPCSTR pwszDriver, LPCSTR pwszDevice, LPCSTR pszPort, const void* pdm) {
  const bool display =
      (pwszDriver && strcasecmp(pwszDriver, "DISPLAY") == 0) || (pwszDevice && strcasecmp(pwszDevice, "DISPLAY") == 0);
  if (!display) {
    auto device = win32::internal::OpenPrinterDevice(pwszDriver, pwszDevice, pszPort, pdm);
    if (!device) return nullptr;
    const int dpi = device->DeviceCaps(LOGPIXELSX);
    const RECT printable{0, 0, device->DeviceCaps(HORZRES), device->DeviceCaps(VERTRES)};
    return win32::internal::CreatePrinterDC(std::move(device), printable, dpi);
  }
  DcObject dc = NewDc(DcKind::Display);
  dc.target = NewImage(1024, 768);
  dc.surfaceClip = RECT{0, 0, 1024, 768};
  return AddAs<HDC>(std::move(dc));
}

HDC WINAPI CreateIC(LPCSTR pszDriver, LPCSTR pszDevice, LPCSTR pszPort, const void* pdm) {
  HDC dc = CreateDC(pszDriver, pszDevice, pszPort, pdm);
  if (DcObject* obj = GetDc(dc)) {
    obj->kind = DcKind::Info;
    obj->target.reset();
  }
  return dc;
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DcObject* dc = GetDc(hdc);
  if (!dc || dc->kind == DcKind::Surface) return FALSE;
  ReleaseBitmap(*dc);
  return State().table.Remove(hdc) ? TRUE : FALSE;
}

int WINAPI SaveDC(HDC hdc) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return 0;
  dc->saved.push_back(dc->attrs);
  return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return FALSE;
  const int depth = static_cast<int>(dc->saved.size());
  const int level = nSavedDC < 0 ? depth + 1 + nSavedDC : nSavedDC;
  if (level < 1 || level > depth) return FALSE;
  ReleaseBitmap(*dc);
  dc->attrs = dc->saved[level - 1];
  dc->saved.resize(level - 1);
  if (auto* bmp = SelectedBitmap(*dc)) bmp->selectedInto = hdc;
  return TRUE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  const DcObject* dc = GetDc(hdc);
  if (!dc) return 0;
  if (dc->printer) return dc->printer->DeviceCaps(index);
  const int bpp =
      dc->kind == DcKind::Memory ? (SelectedBitmap(*dc) ? SelectedBitmap(*dc)->bpp : 32) : State().screenBpp;
  const bool palette = bpp <= 8;
  switch (index) {
    case TECHNOLOGY:
      return DT_RASDISPLAY;
    case HORZSIZE:
      return 271;
    case VERTSIZE:
      return 203;
    case HORZRES:
    case DESKTOPHORZRES:
      return 1024;
    case VERTRES:
    case DESKTOPVERTRES:
      return 768;
    case BITSPIXEL:
      return bpp;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return palette ? 20 : -1;
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB |
             (palette ? RC_PALETTE : 0);
    case ASPECTX:
    case ASPECTY:
      return 36;
    case ASPECTXY:
      return 51;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    case SIZEPALETTE:
      return palette ? 256 : 0;
    case NUMRESERVED:
      return palette ? 20 : 0;
    case COLORRES:
      return palette ? 18 : 24;
    case VREFRESH:
      return 60;
    default:
      return 0;
  }
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  DcObject* dc = GetDc(hdc);
  Entry* e = State().table.Find(h);
  if (!dc || !e) return nullptr;
  auto swap = [](HGDIOBJ& slot, HGDIOBJ value) {
    HGDIOBJ old = slot;
    slot = value;
    return old;
  };
  if (std::holds_alternative<PenObject>(e->object)) return swap(dc->attrs.pen, h);
  if (std::holds_alternative<BrushObject>(e->object)) return swap(dc->attrs.brush, h);
  if (std::holds_alternative<FontObject>(e->object)) return swap(dc->attrs.font, h);
  if (auto* region = std::get_if<Region>(&e->object)) {
    dc->attrs.clip = *region;
    return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(ClipComplexity(*dc)));
  }
  if (auto* bmp = std::get_if<BitmapObject>(&e->object)) {
    // A bitmap lives in one memory DC at a time.
    if (dc->kind != DcKind::Memory || (bmp->selectedInto && bmp->selectedInto != hdc && GetDc(bmp->selectedInto)))
      return nullptr;
    ReleaseBitmap(*dc);
    if (!e->stock) bmp->selectedInto = hdc;
    return swap(dc->attrs.bitmap, h);
  }
  return nullptr;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  const DcObject* dc = GetDc(hdc);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_PEN:
      return dc->attrs.pen;
    case OBJ_BRUSH:
      return dc->attrs.brush;
    case OBJ_FONT:
      return dc->attrs.font;
    case OBJ_BITMAP:
      return dc->attrs.bitmap;
    case OBJ_PAL:
      return dc->attrs.palette;
    default:
      return nullptr;
  }
}

// Attribute setters answer the previous value, or the Win32 failure value.
#define HALVANE_DC_ATTRIBUTE(Type, SetName, GetName, member, failure) \
  Type WINAPI SetName(HDC hdc, Type value) {                          \
    DcObject* dc = GetDc(hdc);                                        \
    if (!dc) return failure;                                          \
    Type old = dc->attrs.member;                                      \
    dc->attrs.member = value;                                         \
    return old;                                                       \
  }                                                                   \
  Type WINAPI GetName(HDC hdc) {                                      \
    const DcObject* dc = GetDc(hdc);                                  \
    return dc ? dc->attrs.member : failure;                           \
  }

HALVANE_DC_ATTRIBUTE(COLORREF, SetTextColor, GetTextColor, textColor, CLR_INVALID)
HALVANE_DC_ATTRIBUTE(COLORREF, SetBkColor, GetBkColor, bkColor, CLR_INVALID)
HALVANE_DC_ATTRIBUTE(UINT, SetTextAlign, GetTextAlign, textAlign, GDI_ERROR)
HALVANE_DC_ATTRIBUTE(int, SetROP2, GetROP2, rop2, 0)
HALVANE_DC_ATTRIBUTE(int, SetStretchBltMode, GetStretchBltMode, stretchMode, 0)
HALVANE_DC_ATTRIBUTE(int, SetPolyFillMode, GetPolyFillMode, polyFillMode, 0)
#undef HALVANE_DC_ATTRIBUTE

int WINAPI SetBkMode(HDC hdc, int mode) {
  DcObject* dc = GetDc(hdc);
  if (!dc || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
  return std::exchange(dc->attrs.bkMode, mode);
}

int WINAPI GetBkMode(HDC hdc) {
  const DcObject* dc = GetDc(hdc);
  return dc ? dc->attrs.bkMode : 0;
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return WithDc(hdc, [&](DcObject& dc) { StorePoint(lppt, std::exchange(dc.attrs.brushOrg, POINT{x, y})); });
}

BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT lppt) {
  return WithDc(hdc, [&](DcObject& dc) { StorePoint(lppt, dc.attrs.brushOrg); });
}

int WINAPI SetMapMode(HDC hdc, int iMode) {
  DcObject* dc = GetDc(hdc);
  if (!dc || iMode < MM_TEXT || iMode > MM_ANISOTROPIC) return 0;
  const int old = dc->attrs.mapMode;
  dc->attrs.mapMode = iMode;
  if (iMode != MM_ISOTROPIC && iMode != MM_ANISOTROPIC)
    ApplyMapModeExtents(dc->attrs, dc->printerDpi ? dc->printerDpi : 96);
  return old;
}

int WINAPI GetMapMode(HDC hdc) {
  const DcObject* dc = GetDc(hdc);
  return dc ? dc->attrs.mapMode : 0;
}

namespace {

// The viewport and window origins share their Set/Get/Offset operations.
using Origin = POINT DcAttributes::*;

BOOL SetOrigin(HDC hdc, Origin origin, POINT value, LPPOINT previous) {
  return WithDc(hdc, [&](DcObject& dc) { StorePoint(previous, std::exchange(dc.attrs.*origin, value)); });
}

BOOL GetOrigin(HDC hdc, Origin origin, LPPOINT point) {
  return WithDc(hdc, [&](DcObject& dc) { StorePoint(point, dc.attrs.*origin); });
}

BOOL OffsetOrigin(HDC hdc, Origin origin, int dx, int dy, LPPOINT previous) {
  return WithDc(hdc, [&](DcObject& dc) {
    POINT& p = dc.attrs.*origin;
    StorePoint(previous, p);
    p.x += dx;
    p.y += dy;
  });
}

}  // namespace

BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return SetOrigin(hdc, &DcAttributes::viewportOrg, POINT{x, y}, lppt);
}

BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppoint) { return GetOrigin(hdc, &DcAttributes::viewportOrg, lppoint); }

BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return OffsetOrigin(hdc, &DcAttributes::viewportOrg, x, y, lppt);
}

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return SetOrigin(hdc, &DcAttributes::windowOrg, POINT{x, y}, lppt);
}

BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppoint) { return GetOrigin(hdc, &DcAttributes::windowOrg, lppoint); }

BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  return OffsetOrigin(hdc, &DcAttributes::windowOrg, x, y, lppt);
}

namespace {

BOOL SetExtent(HDC hdc, int x, int y, LPSIZE old, SIZE DcAttributes::*member) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return FALSE;
  if (old) *old = dc->attrs.*member;
  // Only the scalable map modes take new extents.
  if (dc->attrs.mapMode != MM_ISOTROPIC && dc->attrs.mapMode != MM_ANISOTROPIC) return TRUE;
  if (x == 0 || y == 0) return FALSE;
  dc->attrs.*member = SIZE{x, y};
  return TRUE;
}

BOOL GetExtent(HDC hdc, LPSIZE out, SIZE DcAttributes::*member) {
  const DcObject* dc = GetDc(hdc);
  if (!dc || !out) return FALSE;
  *out = dc->attrs.*member;
  return TRUE;
}

}  // namespace

BOOL WINAPI SetViewportExtEx(HDC hdc, int x, int y, LPSIZE lpsz) {
  return SetExtent(hdc, x, y, lpsz, &DcAttributes::viewportExt);
}
BOOL WINAPI GetViewportExtEx(HDC hdc, LPSIZE lpsize) { return GetExtent(hdc, lpsize, &DcAttributes::viewportExt); }
BOOL WINAPI SetWindowExtEx(HDC hdc, int x, int y, LPSIZE lpsz) {
  return SetExtent(hdc, x, y, lpsz, &DcAttributes::windowExt);
}
BOOL WINAPI GetWindowExtEx(HDC hdc, LPSIZE lpsize) { return GetExtent(hdc, lpsize, &DcAttributes::windowExt); }

BOOL WINAPI LPtoDP(HDC hdc, LPPOINT lppt, int c) {
  return WithDc(hdc, [&](DcObject& dc) {
    for (int i = 0; lppt && i < c; ++i) lppt[i] = ToDevice(dc.attrs, lppt[i].x, lppt[i].y);
  });
}

BOOL WINAPI DPtoLP(HDC hdc, LPPOINT lppt, int c) {
  return WithDc(hdc, [&](DcObject& dc) {
    for (int i = 0; lppt && i < c; ++i) lppt[i] = ToLogical(dc.attrs, lppt[i].x, lppt[i].y);
  });
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  return CombineClipRect(hdc, left, top, right, bottom, RGN_AND);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  return CombineClipRect(hdc, left, top, right, bottom, RGN_DIFF);
}

int WINAPI OffsetClipRgn(HDC hdc, int x, int y) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return ERROR;
  if (dc->attrs.clip) dc->attrs.clip->Offset(ScaleWidth(dc->attrs, x), ScaleWidth(dc->attrs, y));
  return ClipComplexity(*dc);
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn) { return ExtSelectClipRgn(hdc, hrgn, RGN_COPY); }

int WINAPI ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return ERROR;
  const Region* region = Get<Region>(hrgn);
  if (!region) {
    if (hrgn || mode != RGN_COPY) return ERROR;
    return SetClip(hdc, std::nullopt);
  }
  if (mode == RGN_COPY) return SetClip(hdc, *region);
  return SetClip(hdc, Region::Combine(CurrentClipOrAll(*dc), *region, mode));
}

int WINAPI GetClipRgn(HDC hdc, HRGN hrgn) {
  const DcObject* dc = GetDc(hdc);
  Region* region = Get<Region>(hrgn);
  if (!dc || !region) return -1;
  if (!dc->attrs.clip) return 0;
  *region = *dc->attrs.clip;
  return 1;
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect) {
  const DcObject* dc = GetDc(hdc);
  if (!dc || !lprect) return ERROR;
  const Region clip = EffectiveClip(*dc);
  const RECT box = clip.Box();
  const POINT p1 = ToLogical(dc->attrs, box.left, box.top);
  const POINT p2 = ToLogical(dc->attrs, box.right, box.bottom);
  *lprect = NormalizedRect(RECT{p1.x, p1.y, p2.x, p2.y});
  return clip.Complexity();
}

BOOL WINAPI PtVisible(HDC hdc, int x, int y) {
  const DcObject* dc = GetDc(hdc);
  if (!dc) return FALSE;
  const POINT p = ToDevice(dc->attrs, x, y);
  return EffectiveClip(*dc).Contains(p.x, p.y);
}

BOOL WINAPI RectVisible(HDC hdc, const RECT* lprect) {
  const DcObject* dc = GetDc(hdc);
  if (!dc || !lprect) return FALSE;
  return EffectiveClip(*dc).Intersects(ToDevice(dc->attrs, *lprect));
}

namespace win32::gdi {

BOOL StartRecording(HDC dc) {
  DcObject* obj = GetDc(dc);
  if (!obj) return FALSE;
  obj->recording = true;
  obj->records.clear();
  return TRUE;
}

std::vector<GdiRecord> StopRecording(HDC dc) {
  DcObject* obj = GetDc(dc);
  if (!obj) return {};
  obj->recording = false;
  return std::exchange(obj->records, {});
}

}  // namespace win32::gdi
