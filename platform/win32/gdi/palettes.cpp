// Palettes. Drawing on 24-bit surfaces ignores them; the calls are kept so
// that the palette path of programs can be followed in tests.
#include <cstring>

#include "gdi/dc.h"

using namespace win32::gdi::detail;

HPALETTE WINAPI CreatePalette(const LOGPALETTE* plpal) {
  if (!plpal || plpal->palVersion != 0x300 || plpal->palNumEntries == 0) return nullptr;
  PaletteObject pal;
  pal.entries.assign(plpal->palPalEntry, plpal->palPalEntry + plpal->palNumEntries);
  return AddAs<HPALETTE>(std::move(pal));
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE hPal, BOOL bForceBkgd) {
  DcObject* dc = GetDc(hdc);
  if (!dc || !Get<PaletteObject>(hPal)) return nullptr;
  return static_cast<HPALETTE>(std::exchange(dc->attrs.palette, hPal));
}

UINT WINAPI RealizePalette(HDC hdc) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return GDI_ERROR;
  const PaletteObject* pal = Get<PaletteObject>(dc->attrs.palette);
  const UINT mapped =
      pal && dc->attrs.palette != GetStockObject(DEFAULT_PALETTE) ? static_cast<UINT>(pal->entries.size()) : 0;
  dc->realizedEntries = mapped;
  GdiRecord record = MakeRecord(*dc, "RealizePalette", RECT{});
  record.flags = mapped;
  Record(*dc, std::move(record));
  return mapped;
}

UINT WINAPI GetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, LPPALETTEENTRY pPalEntries) {
  const PaletteObject* pal = Get<PaletteObject>(hpal);
  if (!pal) return 0;
  const auto size = static_cast<UINT>(pal->entries.size());
  if (!pPalEntries) return size;
  if (iStart >= size) return 0;
  const UINT n = std::min(cEntries, size - iStart);
  std::memcpy(pPalEntries, pal->entries.data() + iStart, n * sizeof(PALETTEENTRY));
  return n;
}

UINT WINAPI SetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, const PALETTEENTRY* pPalEntries) {
  PaletteObject* pal = Get<PaletteObject>(hpal);
  if (!pal || !pPalEntries || hpal == GetStockObject(DEFAULT_PALETTE)) return 0;
  const auto size = static_cast<UINT>(pal->entries.size());
  if (iStart >= size) return 0;
  const UINT n = std::min(cEntries, size - iStart);
  std::memcpy(pal->entries.data() + iStart, pPalEntries, n * sizeof(PALETTEENTRY));
  return n;
}

UINT WINAPI GetNearestPaletteIndex(HPALETTE h, COLORREF color) {
  const PaletteObject* pal = Get<PaletteObject>(h);
  if (!pal) return CLR_INVALID;
  UINT best = 0;
  long bestDistance = -1;
  for (UINT i = 0; i < pal->entries.size(); ++i) {
    const PALETTEENTRY& e = pal->entries[i];
    const long dr = e.peRed - GetRValue(color), dg = e.peGreen - GetGValue(color), db = e.peBlue - GetBValue(color);
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

COLORREF WINAPI GetNearestColor(HDC hdc, COLORREF color) { return GetDc(hdc) ? (color & 0xFFFFFF) : CLR_INVALID; }
