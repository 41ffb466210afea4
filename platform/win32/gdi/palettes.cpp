// Palettes. Drawing on 24-bit surfaces ignores them; the calls are kept so
// that the palette path of programs can be followed in tests. On a palette
// screen (8 bits or fewer) the active window's realization of a new palette
// takes over the system palette, and every top-level window hears of it.
#include <cstring>

#include <windows.h>

#include "gdi/dc.h"

using namespace win32::gdi::detail;

namespace {

bool SameEntries(const std::vector<PALETTEENTRY>& a, const std::vector<PALETTEENTRY>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(PALETTEENTRY)) == 0;
}

// Background realizations and those of inactive windows only map onto the
// system palette, so two windows answering each other's change cannot loop.
bool TakesOverTheSystemPalette(const DcObject& dc, const PaletteObject& pal) {
  if (dc.kind != DcKind::Surface || dc.owner == nullptr || State().screenBpp > 8 || dc.attrs.paletteBackground)
    return false;
  if (GetAncestor(dc.owner, GA_ROOT) != GetForegroundWindow()) return false;
  return !SameEntries(State().systemPalette, pal.entries);
}

void AnnouncePaletteChange(HWND cause) {
  EnumWindows(
      [](HWND top, LPARAM lParam) -> BOOL {
        SendNotifyMessage(top, WM_PALETTECHANGED, static_cast<WPARAM>(lParam), 0);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(cause));
}

}  // namespace

HPALETTE WINAPI CreatePalette(const LOGPALETTE* plpal) {
  if (!plpal || plpal->palVersion != 0x300 || plpal->palNumEntries == 0) return nullptr;
  PaletteObject pal;
  pal.entries.assign(plpal->palPalEntry, plpal->palPalEntry + plpal->palNumEntries);
  return AddAs<HPALETTE>(std::move(pal));
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE hPal, BOOL bForceBkgd) {
  DcObject* dc = GetDc(hdc);
  if (!dc || !Get<PaletteObject>(hPal)) return nullptr;
  dc->attrs.paletteBackground = bForceBkgd != FALSE;
  return static_cast<HPALETTE>(std::exchange(dc->attrs.palette, hPal));
}

UINT WINAPI RealizePalette(HDC hdc) {
  DcObject* dc = GetDc(hdc);
  if (!dc) return GDI_ERROR;
  const PaletteObject* pal = Get<PaletteObject>(dc->attrs.palette);
  const UINT mapped = pal && dc->attrs.palette != GetStockObject(DEFAULT_PALETTE)
                          ? static_cast<UINT>(pal->entries.size())
                          : 0;
  dc->realizedEntries = mapped;
  GdiRecord record = MakeRecord(*dc, "RealizePalette", RECT{});
  record.flags = mapped;
  Record(*dc, std::move(record));
  if (mapped && TakesOverTheSystemPalette(*dc, *pal)) {
    State().systemPalette = pal->entries;
    AnnouncePaletteChange(dc->owner);
  }
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

COLORREF WINAPI GetNearestColor(HDC hdc, COLORREF color) {
  return GetDc(hdc) ? (color & 0xFFFFFF) : CLR_INVALID;
}
