// The system icons, drawn at 32 x 32 in the classic style: a soft shadow,
// black outlines and flat colours.
#include <cairo.h>

#include <cmath>
#include <cstring>

#include "gdi/canvas.h"
#include "gdi/fonts.h"
#include "gdi/system_images.h"

namespace win32::gdi::detail {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kIconSize = 32;

void Source(cairo_t* cr, COLORREF color) { SetSourceColor(cr, color); }

// Fills the current path with `fill`, outlines it in black, and keeps a
// copy offset down-right as a translucent shadow underneath.
template <typename F>
void ShapeWithShadow(cairo_t* cr, COLORREF fill, F path) {
  cairo_save(cr);
  cairo_translate(cr, 2, 2);
  path(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  cairo_restore(cr);
  path(cr);
  Source(cr, fill);
  cairo_fill_preserve(cr);
  Source(cr, RGB(0, 0, 0));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// A glyph of the serif bold face centred on (cx, cy).
void CenteredGlyph(cairo_t* cr, uint32_t ch, double cx, double cy, int em, COLORREF color) {
  LOGFONT lf{};
  lf.lfHeight = -em;
  lf.lfWeight = FW_BOLD;
  std::strncpy(lf.lfFaceName, "Times New Roman", LF_FACESIZE - 1);
  const FontInstance& font = FontFor(lf);
  cairo_set_font_face(cr, font.CairoFace());
  cairo_set_font_size(cr, font.EmPixels());
  cairo_glyph_t glyph{font.GlyphIndex(ch), 0, 0};
  cairo_text_extents_t ext;
  cairo_glyph_extents(cr, &glyph, 1, &ext);
  glyph.x = cx - (ext.x_bearing + ext.width / 2);
  glyph.y = cy - (ext.y_bearing + ext.height / 2);
  Source(cr, color);
  cairo_show_glyphs(cr, &glyph, 1);
}

void StopIcon(cairo_t* cr) {
  ShapeWithShadow(cr, RGB(0xFF, 0x00, 0x00), [](cairo_t* c) { cairo_arc(c, 15.5, 15.5, 13, 0, 2 * kPi); });
  Source(cr, RGB(0xFF, 0xFF, 0xFF));
  cairo_set_line_width(cr, 3.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_move_to(cr, 10.5, 10.5);
  cairo_line_to(cr, 20.5, 20.5);
  cairo_move_to(cr, 20.5, 10.5);
  cairo_line_to(cr, 10.5, 20.5);
  cairo_stroke(cr);
}

// A round speech bubble with its tail at the bottom left.
void Bubble(cairo_t* c) {
  cairo_save(c);
  cairo_translate(c, 15.5, 13.5);
  cairo_scale(c, 1.0, 0.85);
  cairo_arc(c, 0, 0, 13.5, 0.62 * kPi, 0.52 * kPi);
  cairo_restore(c);
  cairo_line_to(c, 4.5, 29.5);
  cairo_close_path(c);
}

void QuestionIcon(cairo_t* cr) {
  ShapeWithShadow(cr, RGB(0xFF, 0xFF, 0xFF), Bubble);
  CenteredGlyph(cr, '?', 15.5, 13.5, 22, RGB(0x00, 0x00, 0xFF));
}

void InformationIcon(cairo_t* cr) {
  ShapeWithShadow(cr, RGB(0xFF, 0xFF, 0xFF), Bubble);
  Source(cr, RGB(0x00, 0x00, 0xFF));
  cairo_arc(cr, 15.5, 6.5, 2.2, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_rectangle(cr, 14, 10, 4, 11);  // stem
  cairo_rectangle(cr, 12, 10, 2, 2);   // serif
  cairo_rectangle(cr, 12, 19, 8, 2);   // foot
  cairo_fill(cr);
}

void ExclamationIcon(cairo_t* cr) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  ShapeWithShadow(cr, RGB(0xFF, 0xFF, 0x00), [](cairo_t* c) {
    cairo_move_to(c, 15.5, 2.5);
    cairo_line_to(c, 29.5, 27.5);
    cairo_line_to(c, 1.5, 27.5);
    cairo_close_path(c);
  });
  Source(cr, RGB(0, 0, 0));
  cairo_move_to(cr, 14, 9);
  cairo_line_to(cr, 17, 9);
  cairo_line_to(cr, 16.3, 20);
  cairo_line_to(cr, 14.7, 20);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_arc(cr, 15.5, 23.5, 1.7, 0, 2 * kPi);
  cairo_fill(cr);
}

void ApplicationIcon(cairo_t* cr) {
  ShapeWithShadow(cr, RGB(0xFF, 0xFF, 0xFF), [](cairo_t* c) { cairo_rectangle(c, 1.5, 3.5, 28, 24); });
  Source(cr, RGB(0x00, 0x00, 0x80));
  cairo_rectangle(cr, 2, 4, 27, 4);
  cairo_fill(cr);
}

}  // namespace

SurfacePtr DrawSystemIcon(UINT id) {
  void (*paint)(cairo_t*) = nullptr;
  switch (id) {
    case 32512:  // IDI_APPLICATION
    case 32517:  // IDI_WINLOGO
      paint = ApplicationIcon;
      break;
    case 32513:
      paint = StopIcon;
      break;  // IDI_HAND
    case 32514:
      paint = QuestionIcon;
      break;  // IDI_QUESTION
    case 32515:
      paint = ExclamationIcon;
      break;  // IDI_EXCLAMATION
    case 32516:
      paint = InformationIcon;
      break;  // IDI_ASTERISK
    default:
      return nullptr;
  }
  SurfacePtr image = NewImage(kIconSize, kIconSize, true);
  ContextPtr cr(cairo_create(image.get()));
  paint(cr.get());
  cr.reset();
  cairo_surface_flush(image.get());
  return image;
}

}  // namespace win32::gdi::detail
