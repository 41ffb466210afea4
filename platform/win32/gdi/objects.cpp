// The handle table, the process-wide GDI state and the object functions
// every object type shares.
#include "gdi/objects.h"

#include <cstring>

namespace win32::gdi::detail {

namespace {

constexpr unsigned kIndexBits = 20;
constexpr uintptr_t kIndexMask = (uintptr_t{1} << kIndexBits) - 1;
constexpr uint32_t kGenerationLimit = 0xFFF;

LOGFONT MakeLogFont(LONG height, LONG weight, const char* face) {
  LOGFONT lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return lf;
}

void AddStock(GdiState& s, int index, GdiObject object) { s.stock[index] = s.table.Add(std::move(object), true); }

void AddStockBrush(GdiState& s, int index, UINT style, COLORREF color) {
  AddStock(s, index, BrushObject{LOGBRUSH{style, color, 0}, nullptr});
}

void AddStockPen(GdiState& s, int index, UINT style, COLORREF color) {
  AddStock(s, index, PenObject{LOGPEN{style, POINT{1, 0}, color}});
}

PaletteObject DefaultPalette() {
  static constexpr COLORREF kColors[20] = {
      RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),   RGB(0, 0, 128),
      RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192), RGB(192, 220, 192), RGB(166, 202, 240),
      RGB(255, 251, 240), RGB(160, 160, 164), RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),
      RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};
  PaletteObject pal;
  for (COLORREF c : kColors) pal.entries.push_back(PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), 0});
  return pal;
}

void InitStock(GdiState& s) {
  AddStockBrush(s, WHITE_BRUSH, BS_SOLID, RGB(255, 255, 255));
  AddStockBrush(s, LTGRAY_BRUSH, BS_SOLID, RGB(192, 192, 192));
  AddStockBrush(s, GRAY_BRUSH, BS_SOLID, RGB(128, 128, 128));
  AddStockBrush(s, DKGRAY_BRUSH, BS_SOLID, RGB(64, 64, 64));
  AddStockBrush(s, BLACK_BRUSH, BS_SOLID, RGB(0, 0, 0));
  AddStockBrush(s, NULL_BRUSH, BS_NULL, 0);
  AddStockPen(s, WHITE_PEN, PS_SOLID, RGB(255, 255, 255));
  AddStockPen(s, BLACK_PEN, PS_SOLID, RGB(0, 0, 0));
  AddStockPen(s, NULL_PEN, PS_NULL, 0);
  AddStock(s, OEM_FIXED_FONT, FontObject{MakeLogFont(12, FW_NORMAL, "Terminal")});
  AddStock(s, ANSI_FIXED_FONT, FontObject{MakeLogFont(13, FW_NORMAL, "Courier")});
  AddStock(s, ANSI_VAR_FONT, FontObject{MakeLogFont(13, FW_NORMAL, "MS Sans Serif")});
  AddStock(s, SYSTEM_FONT, FontObject{MakeLogFont(16, FW_BOLD, "System")});
  AddStock(s, DEVICE_DEFAULT_FONT, FontObject{MakeLogFont(16, FW_BOLD, "System")});
  AddStock(s, DEFAULT_PALETTE, DefaultPalette());
  AddStock(s, SYSTEM_FIXED_FONT, FontObject{MakeLogFont(15, FW_NORMAL, "Fixedsys")});
  AddStock(s, DEFAULT_GUI_FONT, FontObject{MakeLogFont(-11, FW_NORMAL, "MS Shell Dlg")});
  BitmapObject one;
  one.width = one.height = 1;
  one.bpp = 1;
  one.surface = NewImage(1, 1);
  s.defaultBitmap = static_cast<HBITMAP>(s.table.Add(std::move(one), true));
  for (size_t i = 0; i < s.sysColors.size(); ++i) {
    s.sysColors[i] = DefaultSysColor(static_cast<int>(i));
    s.sysBrushes[i] =
        static_cast<HBRUSH>(s.table.Add(BrushObject{LOGBRUSH{BS_SOLID, s.sysColors[i], 0}, nullptr}, true));
  }
}

std::unique_ptr<GdiState> MakeState() {
  auto s = std::make_unique<GdiState>();
  InitStock(*s);
  return s;
}

std::unique_ptr<GdiState>& StateSlot() {
  static std::unique_ptr<GdiState> state;
  return state;
}

}  // namespace

void* HandleTable::Add(GdiObject object, bool stock) {
  uint32_t index;
  if (!free_.empty()) {
    index = free_.back();
    free_.pop_back();
  } else {
    index = static_cast<uint32_t>(slots_.size());
    slots_.emplace_back();
  }
  Slot& slot = slots_[index];
  slot.entry = std::make_unique<Entry>(Entry{stock, std::move(object)});
  const uintptr_t value = (uintptr_t{slot.generation} << kIndexBits) | (index + 1);
  return reinterpret_cast<void*>(value);
}

Entry* HandleTable::Find(const void* handle) {
  const auto value = reinterpret_cast<uintptr_t>(handle);
  const uintptr_t index = (value & kIndexMask);
  if (index == 0 || index > slots_.size()) return nullptr;
  Slot& slot = slots_[index - 1];
  if ((value >> kIndexBits) != slot.generation) return nullptr;
  return slot.entry.get();
}

bool HandleTable::Remove(const void* handle) {
  if (!Find(handle)) return false;
  const uint32_t index = static_cast<uint32_t>((reinterpret_cast<uintptr_t>(handle) & kIndexMask) - 1);
  Slot& slot = slots_[index];
  slot.entry.reset();
  slot.generation = slot.generation % kGenerationLimit + 1;
  free_.push_back(index);
  return true;
}

void HandleTable::Clear() {
  for (Slot& slot : slots_) {
    if (!slot.entry) continue;
    slot.entry.reset();
    slot.generation = slot.generation % kGenerationLimit + 1;
  }
  free_.clear();
  for (uint32_t i = static_cast<uint32_t>(slots_.size()); i > 0; --i) free_.push_back(i - 1);
}

GdiState& State() {
  auto& slot = StateSlot();
  if (!slot) slot = MakeState();
  return *slot;
}

}  // namespace win32::gdi::detail

namespace win32::gdi {

void ResetGdi() {
  auto& slot = detail::StateSlot();
  if (!slot) return;
  // Handles stay unique across resets so a handle from before never names
  // an object made after.
  detail::HandleTable table = std::move(slot->table);
  table.Clear();
  slot = std::make_unique<detail::GdiState>();
  slot->table = std::move(table);
  detail::InitStock(*slot);
}

void SetScreenBitsPerPixel(int bitsPerPixel) {
  if (bitsPerPixel > 0) detail::State().screenBpp = bitsPerPixel;
}

}  // namespace win32::gdi

using namespace win32::gdi::detail;

namespace {

template <typename T>
int CopyOut(const T& value, int c, LPVOID pv) {
  if (!pv) return sizeof(T);
  const int n = c < static_cast<int>(sizeof(T)) ? c : static_cast<int>(sizeof(T));
  if (n <= 0) return 0;
  std::memcpy(pv, &value, n);
  return n;
}

BITMAP BitmapInfo(const BitmapObject& bmp) {
  BITMAP bm{};
  bm.bmWidth = bmp.width;
  bm.bmHeight = bmp.height;
  bm.bmPlanes = 1;
  bm.bmBitsPixel = static_cast<WORD>(bmp.bpp);
  if (bmp.dib) {
    bm.bmWidthBytes = static_cast<LONG>(bmp.dib->Stride());
    bm.bmBits = const_cast<uint8_t*>(bmp.dibBits.data());
  } else {
    bm.bmWidthBytes = ((bmp.width * bmp.bpp + 15) / 16) * 2;
  }
  return bm;
}

int GetBitmapObject(const BitmapObject& bmp, int c, LPVOID pv) {
  if (bmp.dib && c >= static_cast<int>(sizeof(DIBSECTION))) {
    DIBSECTION ds{};
    ds.dsBm = BitmapInfo(bmp);
    ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
    ds.dsBmih.biWidth = bmp.width;
    ds.dsBmih.biHeight = bmp.dib->topDown ? -bmp.height : bmp.height;
    ds.dsBmih.biPlanes = 1;
    ds.dsBmih.biBitCount = static_cast<WORD>(bmp.bpp);
    ds.dsBmih.biCompression = bmp.dib->compression;
    ds.dsBmih.biSizeImage = static_cast<DWORD>(bmp.dib->ImageSize());
    ds.dsBmih.biClrUsed = static_cast<DWORD>(bmp.dib->colors.size());
    for (int i = 0; i < 3; ++i) ds.dsBitfields[i] = bmp.dib->masks[i];
    return CopyOut(ds, c, pv);
  }
  return CopyOut(BitmapInfo(bmp), c, pv);
}

}  // namespace

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  const long long product = static_cast<long long>(nNumber) * nNumerator;
  long long half = nDenominator / 2;
  if (half < 0) half = -half;
  const bool negative = (product < 0) != (nDenominator < 0);
  const long long magnitude = (product < 0 ? -product : product) + half;
  const long long denom = nDenominator < 0 ? -static_cast<long long>(nDenominator) : nDenominator;
  const long long result = (negative ? -1 : 1) * (magnitude / denom);
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

HGDIOBJ WINAPI GetStockObject(int i) {
  if (i < 0 || i > DC_PEN) return nullptr;
  return State().stock[i];
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  Entry* e = State().table.Find(ho);
  if (!e) return FALSE;
  if (e->stock) return TRUE;
  if (std::holds_alternative<DcObject>(e->object) || std::holds_alternative<IconObject>(e->object)) return FALSE;
  if (const auto* bmp = std::get_if<BitmapObject>(&e->object); bmp && Get<DcObject>(bmp->selectedInto)) return FALSE;
  return State().table.Remove(ho) ? TRUE : FALSE;
}

int WINAPI GetObject(HGDIOBJ h, int c, LPVOID pv) {
  Entry* e = State().table.Find(h);
  if (!e) return 0;
  if (const auto* f = std::get_if<FontObject>(&e->object)) return CopyOut(f->lf, c, pv);
  if (const auto* p = std::get_if<PenObject>(&e->object)) return CopyOut(p->lp, c, pv);
  if (const auto* b = std::get_if<BrushObject>(&e->object)) return CopyOut(b->lb, c, pv);
  if (const auto* bmp = std::get_if<BitmapObject>(&e->object)) return GetBitmapObject(*bmp, c, pv);
  if (const auto* pal = std::get_if<PaletteObject>(&e->object))
    return CopyOut(static_cast<WORD>(pal->entries.size()), c, pv);
  return 0;
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
  Entry* e = State().table.Find(h);
  if (!e) return 0;
  struct Visitor {
    DWORD operator()(const FontObject&) const { return OBJ_FONT; }
    DWORD operator()(const PenObject&) const { return OBJ_PEN; }
    DWORD operator()(const BrushObject&) const { return OBJ_BRUSH; }
    DWORD operator()(const BitmapObject&) const { return OBJ_BITMAP; }
    DWORD operator()(const Region&) const { return OBJ_REGION; }
    DWORD operator()(const PaletteObject&) const { return OBJ_PAL; }
    DWORD operator()(const IconObject&) const { return 0; }
    DWORD operator()(const DcObject& dc) const { return dc.kind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC; }
  };
  return std::visit(Visitor{}, e->object);
}

BOOL WINAPI UnrealizeObject(HGDIOBJ h) {
  Entry* e = State().table.Find(h);
  return e && (std::holds_alternative<BrushObject>(e->object) || std::holds_alternative<PaletteObject>(e->object));
}

BOOL WINAPI GdiFlush(void) { return TRUE; }

HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen) {
  if (!plpen) return nullptr;
  LOGPEN lp = *plpen;
  if ((lp.lopnStyle & PS_STYLE_MASK) > PS_INSIDEFRAME) return nullptr;
  return AddAs<HPEN>(PenObject{lp});
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  const LOGPEN lp{static_cast<UINT>(iStyle), POINT{cWidth < 0 ? 0 : cWidth, 0}, color};
  return CreatePenIndirect(&lp);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush) {
  if (!plbrush) return nullptr;
  if (plbrush->lbStyle == BS_PATTERN) return CreatePatternBrush(reinterpret_cast<HBITMAP>(plbrush->lbHatch));
  if (plbrush->lbStyle == BS_HATCHED && plbrush->lbHatch > HS_DIAGCROSS) return nullptr;
  if (plbrush->lbStyle > BS_PATTERN) return nullptr;
  return AddAs<HBRUSH>(BrushObject{*plbrush, nullptr});
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  const LOGBRUSH lb{BS_SOLID, color, 0};
  return CreateBrushIndirect(&lb);
}

HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color) {
  const LOGBRUSH lb{BS_HATCHED, color, static_cast<ULONG_PTR>(iHatch)};
  return CreateBrushIndirect(&lb);
}

HFONT WINAPI CreateFontIndirect(const LOGFONT* lplf) {
  if (!lplf) return nullptr;
  FontObject font{*lplf};
  font.lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  return AddAs<HFONT>(std::move(font));
}

HFONT WINAPI CreateFont(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                        DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                        DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
  LOGFONT lf{};
  lf.lfHeight = cHeight;
  lf.lfWidth = cWidth;
  lf.lfEscapement = cEscapement;
  lf.lfOrientation = cOrientation;
  lf.lfWeight = cWeight;
  lf.lfItalic = static_cast<BYTE>(bItalic ? 1 : 0);
  lf.lfUnderline = static_cast<BYTE>(bUnderline ? 1 : 0);
  lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut ? 1 : 0);
  lf.lfCharSet = static_cast<BYTE>(iCharSet);
  lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
  lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
  lf.lfQuality = static_cast<BYTE>(iQuality);
  lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
  if (pszFaceName) std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}
