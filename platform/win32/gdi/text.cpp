// Text output and text metrics.
#include "gdi/text.h"

#include <cstring>

using namespace win32::gdi::detail;

namespace win32::gdi::detail {

std::vector<int> ByteAdvances(const FontInstance& font, std::string_view text) {
  std::vector<int> starts;
  const std::vector<uint32_t> cps = DecodeText(text, &starts);
  std::vector<int> advances(text.size(), 0);
  for (size_t i = 0; i < cps.size(); ++i) advances[starts[i]] = font.Advance(cps[i]);
  return advances;
}

void DrawGlyphs(Canvas& canvas, const FontInstance& font, const LOGFONT& lf, int x, int y, std::string_view text,
                const INT* dx) {
  cairo_t* cr = canvas.Cr();
  std::vector<int> starts;
  const std::vector<uint32_t> cps = DecodeText(text, &starts);
  const std::vector<int> advances = ByteAdvances(font, text);
  const int baseline = y + font.Metrics().tmAscent;
  std::vector<cairo_glyph_t> glyphs;
  int pen = x;
  for (size_t i = 0; i < cps.size(); ++i) {
    glyphs.push_back(cairo_glyph_t{font.GlyphIndex(cps[i]), static_cast<double>(pen), static_cast<double>(baseline)});
    const size_t end = i + 1 < cps.size() ? starts[i + 1] : text.size();
    for (size_t b = starts[i]; b < end; ++b) pen += dx ? dx[b] : advances[b];
  }
  cairo_set_font_face(cr, font.CairoFace());
  cairo_set_font_size(cr, font.EmPixels());
  cairo_font_options_t* options = cairo_font_options_create();
  // Grey antialiasing with light hinting: crisp and the same everywhere.
  cairo_font_options_set_antialias(
      options, lf.lfQuality == NONANTIALIASED_QUALITY ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  SetSourceColor(cr, canvas.Dc().attrs.textColor);
  cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
  const int width = pen - x;
  if (lf.lfUnderline)
    canvas.FillRects({RECT{x, baseline + font.UnderlineOffset(), x + width,
                           baseline + font.UnderlineOffset() + font.UnderlineThickness()}},
                     canvas.Dc().attrs.textColor, R2_COPYPEN);
  if (lf.lfStrikeOut)
    canvas.FillRects({RECT{x, baseline - font.StrikeoutOffset(), x + width,
                           baseline - font.StrikeoutOffset() + font.UnderlineThickness()}},
                     canvas.Dc().attrs.textColor, R2_COPYPEN);
}

}  // namespace win32::gdi::detail

namespace {

int RunWidth(const FontInstance& font, std::string_view text, const INT* dx) {
  if (!dx) return TextWidth(font, text);
  int width = 0;
  for (size_t i = 0; i < text.size(); ++i) width += dx[i];
  return width;
}

}  // namespace

BOOL WINAPI ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                       const INT* lpDx) {
  DcObject* dc = GetDc(hdc);
  if (!dc || (c && !lpString)) return FALSE;
  const std::string_view text(lpString ? lpString : "", c);
  const LOGFONT lf = FontOf(*dc);
  const FontInstance& font = FontFor(lf);
  const UINT align = dc->attrs.textAlign;
  POINT origin = (align & TA_UPDATECP) ? dc->attrs.position : POINT{x, y};
  const int width = RunWidth(font, text, lpDx);
  if (align & TA_UPDATECP) {
    // The current position moves past the text, in logical units.
    if ((align & TA_CENTER) == TA_LEFT) dc->attrs.position.x += width;
    if ((align & TA_CENTER) == TA_RIGHT) dc->attrs.position.x -= width;
  }
  Canvas canvas(hdc);
  if (!canvas.Valid()) return TRUE;
  POINT p = ToDevice(dc->attrs, origin.x, origin.y);
  if ((align & TA_CENTER) == TA_CENTER)
    p.x -= width / 2;
  else if ((align & TA_CENTER) == TA_RIGHT)
    p.x -= width;
  if ((align & TA_BASELINE) == TA_BASELINE)
    p.y -= font.Metrics().tmAscent;
  else if ((align & TA_BASELINE) == TA_BOTTOM)
    p.y -= font.Metrics().tmHeight;
  const RECT textRect{p.x, p.y, p.x + width, p.y + font.Metrics().tmHeight};
  GdiRecord rec = MakeRecord(*dc, "TextOut", textRect);
  rec.text = std::string(text);
  rec.flags = options;
  rec.points = {p};
  Record(*dc, std::move(rec));
  cairo_t* cr = canvas.Cr();
  if (lprect) {
    const RECT r = ToDevice(dc->attrs, *lprect);
    if (options & ETO_OPAQUE) canvas.FillRects({r}, dc->attrs.bkColor, R2_COPYPEN);
    if (options & ETO_CLIPPED) {
      cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
      cairo_clip(cr);
    }
  }
  if (dc->attrs.bkMode == OPAQUE && !(lprect && (options & ETO_OPAQUE)))
    canvas.FillRects({textRect}, dc->attrs.bkColor, R2_COPYPEN);
  if (!text.empty()) DrawGlyphs(canvas, font, lf, p.x, p.y, text, lpDx);
  return TRUE;
}

BOOL WINAPI TextOut(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  if (c < 0) return FALSE;
  return ExtTextOut(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}

BOOL WINAPI GetTextExtentPoint32(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
  const DcObject* dc = GetDc(hdc);
  if (!dc || !psizl || c < 0 || (c && !lpString)) return FALSE;
  const FontInstance& font = FontFor(FontOf(*dc));
  psizl->cx = TextWidth(font, std::string_view(lpString ? lpString : "", c));
  psizl->cy = font.Metrics().tmHeight;
  return TRUE;
}

BOOL WINAPI GetTextExtentPoint(HDC hdc, LPCSTR lpString, int c, LPSIZE lpsz) {
  return GetTextExtentPoint32(hdc, lpString, c, lpsz);
}

BOOL WINAPI GetTextExtentExPoint(HDC hdc, LPCSTR lpszString, int cchString, int nMaxExtent, LPINT lpnFit, LPINT lpnDx,
                                 LPSIZE lpSize) {
  const DcObject* dc = GetDc(hdc);
  if (!dc || !lpSize || cchString < 0 || (cchString && !lpszString)) return FALSE;
  const FontInstance& font = FontFor(FontOf(*dc));
  const std::string_view text(lpszString ? lpszString : "", cchString);
  std::vector<int> starts;
  const std::vector<uint32_t> cps = DecodeText(text, &starts);
  int extent = 0, fit = 0;
  for (size_t i = 0; i < cps.size(); ++i) {
    extent += font.Advance(cps[i]);
    const size_t end = i + 1 < cps.size() ? starts[i + 1] : text.size();
    if (lpnFit && nMaxExtent >= 0 && extent <= nMaxExtent) fit = static_cast<int>(end);
    for (size_t b = starts[i]; b < end; ++b)
      if (lpnDx) lpnDx[b] = extent;
  }
  if (lpnFit) *lpnFit = nMaxExtent < 0 ? static_cast<int>(text.size()) : fit;
  lpSize->cx = extent;
  lpSize->cy = font.Metrics().tmHeight;
  return TRUE;
}

BOOL WINAPI GetTextMetrics(HDC hdc, LPTEXTMETRIC lptm) {
  const DcObject* dc = GetDc(hdc);
  if (!dc || !lptm) return FALSE;
  *lptm = FontFor(FontOf(*dc)).Metrics();
  return TRUE;
}

int WINAPI GetTextFace(HDC hdc, int c, LPSTR lpName) {
  const DcObject* dc = GetDc(hdc);
  if (!dc) return 0;
  const std::string face = FaceNameOf(FontOf(*dc));
  if (!lpName) return static_cast<int>(face.size()) + 1;
  if (c <= 0) return 0;
  const size_t n = std::min(face.size(), static_cast<size_t>(c) - 1);
  std::memcpy(lpName, face.data(), n);
  lpName[n] = '\0';
  return static_cast<int>(n);
}

BOOL WINAPI GetCharWidth32(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
  const DcObject* dc = GetDc(hdc);
  if (!dc || !lpBuffer || iLast < iFirst) return FALSE;
  const FontInstance& font = FontFor(FontOf(*dc));
  for (UINT ch = iFirst; ch <= iLast; ++ch) lpBuffer[ch - iFirst] = font.Advance(ch);
  return TRUE;
}

BOOL WINAPI GetCharWidth(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
  return GetCharWidth32(hdc, iFirst, iLast, lpBuffer);
}

namespace win32::gdi {

SIZE GetDialogBaseUnits(HFONT font) {
  const FontObject* f = Get<FontObject>(font);
  if (!f) f = Get<FontObject>(GetStockObject(SYSTEM_FONT));
  const FontInstance& instance = FontFor(f->lf);
  const int width = TextWidth(instance, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return SIZE{(width / 26 + 1) / 2, instance.Metrics().tmHeight};
}

}  // namespace win32::gdi

LONG WINAPI GetDialogBaseUnits(void) {
  const SIZE units = win32::gdi::GetDialogBaseUnits(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  return MAKELONG(units.cx, units.cy);
}
