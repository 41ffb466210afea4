// The system cursors at 32 x 32: black shapes with white outlines (white
// with black for the arrow family), crisp and without antialiasing.
#include <cairo.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "gdi/canvas.h"
#include "gdi/system_images.h"

namespace win32::gdi::detail {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The standard arrow: '#' black, '.' white, anything else clear.
const std::vector<std::string_view> kArrow = {
    "#",         "##",        "#.#",        "#..#",        "#...#",     "#....#",   "#.....#",
    "#......#",  "#.......#", "#........#", "#.....#####", "#..#..#",   "#.# #..#", "##  #..#",
    "#    #..#", "     #..#", "      #..#", "      #..#",  "       ##",
};

const std::vector<std::string_view> kQuestion = {
    " ###### ", "##....##", "#..##..#", "####..##", "  #..## ", "  #..#  ", "  ####  ", "  #..#  ", "  ####  ",
};

void PutPixels(cairo_surface_t* image, const std::vector<std::string_view>& rows, int x0, int y0) {
  cairo_surface_flush(image);
  unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x) {
      const char c = rows[y][x];
      if (c != '#' && c != '.') continue;
      auto* px = reinterpret_cast<uint32_t*>(data + (y0 + y) * stride) + x0 + x;
      *px = c == '#' ? 0xFF000000u : 0xFFFFFFFFu;
    }
  cairo_surface_mark_dirty(image);
}

// Strokes a path twice: wide in white, then narrow in black.
template <typename F>
void Outlined(cairo_t* cr, F path, double width = 1) {
  for (int pass = 0; pass < 2; ++pass) {
    path(cr);
    cairo_set_line_width(cr, pass == 0 ? width + 2 : width);
    const double v = pass == 0 ? 1.0 : 0.0;
    cairo_set_source_rgb(cr, v, v, v);
    cairo_stroke(cr);
  }
}

// A line between two points with an arrow head at each end.
void DoubleArrow(cairo_t* cr, double x1, double y1, double x2, double y2) {
  const double angle = std::atan2(y2 - y1, x2 - x1);
  auto head = [&](cairo_t* c, double x, double y, double a) {
    cairo_move_to(c, x + 4 * std::cos(a + 0.8), y + 4 * std::sin(a + 0.8));
    cairo_line_to(c, x, y);
    cairo_line_to(c, x + 4 * std::cos(a - 0.8), y + 4 * std::sin(a - 0.8));
  };
  Outlined(cr, [&](cairo_t* c) {
    cairo_move_to(c, x1, y1);
    cairo_line_to(c, x2, y2);
    head(c, x1, y1, angle);
    head(c, x2, y2, angle + kPi);
  });
}

void Hourglass(cairo_t* cr, double x, double y, double w, double h) {
  auto outline = [&](cairo_t* c) {
    cairo_move_to(c, x, y);
    cairo_line_to(c, x + w, y);
    cairo_line_to(c, x + w / 2 + 1, y + h / 2);
    cairo_line_to(c, x + w, y + h);
    cairo_line_to(c, x, y + h);
    cairo_line_to(c, x + w / 2 - 1, y + h / 2);
    cairo_close_path(c);
  };
  outline(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  outline(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, x + w / 4, y + h - h / 4, w / 2, h / 4 - 1);  // the sand
  cairo_fill(cr);
}

void Hand(cairo_t* cr) {
  auto outline = [](cairo_t* c) {
    cairo_move_to(c, 10.5, 2.5);
    cairo_line_to(c, 13.5, 2.5);
    cairo_line_to(c, 13.5, 11.5);
    cairo_line_to(c, 21.5, 12.5);
    cairo_line_to(c, 21.5, 21.5);
    cairo_line_to(c, 18.5, 26.5);
    cairo_line_to(c, 10.5, 26.5);
    cairo_line_to(c, 4.5, 18.5);
    cairo_line_to(c, 6.5, 16.5);
    cairo_line_to(c, 10.5, 18.5);
    cairo_close_path(c);
  };
  outline(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  outline(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// Paints the cursor `id`; answers its hot spot, or false when unknown.
bool PaintCursor(cairo_t* cr, cairo_surface_t* image, UINT id, POINT& hot) {
  hot = POINT{15, 15};
  switch (id) {
    case 32512:  // IDC_ARROW
      hot = POINT{0, 0};
      PutPixels(image, kArrow, 0, 0);
      return true;
    case 32651:  // IDC_HELP
      hot = POINT{0, 0};
      PutPixels(image, kArrow, 0, 0);
      PutPixels(image, kQuestion, 12, 1);
      return true;
    case 32650:  // IDC_APPSTARTING
      hot = POINT{0, 0};
      PutPixels(image, kArrow, 0, 0);
      Hourglass(cr, 12.5, 9.5, 9, 12);
      return true;
    case 32513:  // IDC_IBEAM
      Outlined(cr, [](cairo_t* c) {
        cairo_move_to(c, 12.5, 7.5);
        cairo_line_to(c, 18.5, 7.5);
        cairo_move_to(c, 15.5, 7.5);
        cairo_line_to(c, 15.5, 23.5);
        cairo_move_to(c, 12.5, 23.5);
        cairo_line_to(c, 18.5, 23.5);
      });
      return true;
    case 32514:  // IDC_WAIT
      Hourglass(cr, 9.5, 5.5, 12, 20);
      return true;
    case 32515:  // IDC_CROSS
      Outlined(cr, [](cairo_t* c) {
        cairo_move_to(c, 15.5, 4.5);
        cairo_line_to(c, 15.5, 26.5);
        cairo_move_to(c, 4.5, 15.5);
        cairo_line_to(c, 26.5, 15.5);
      });
      return true;
    case 32516:  // IDC_UPARROW
      Outlined(cr, [](cairo_t* c) {
        cairo_move_to(c, 15.5, 3.5);
        cairo_line_to(c, 15.5, 27.5);
        cairo_move_to(c, 10.5, 8.5);
        cairo_line_to(c, 15.5, 3.5);
        cairo_line_to(c, 20.5, 8.5);
      });
      return true;
    case 32640:  // IDC_SIZE
    case 32646:  // IDC_SIZEALL
      DoubleArrow(cr, 15.5, 3.5, 15.5, 27.5);
      DoubleArrow(cr, 3.5, 15.5, 27.5, 15.5);
      return true;
    case 32642:
      DoubleArrow(cr, 7.5, 7.5, 23.5, 23.5);
      return true;  // IDC_SIZENWSE
    case 32643:
      DoubleArrow(cr, 23.5, 7.5, 7.5, 23.5);
      return true;  // IDC_SIZENESW
    case 32644:
      DoubleArrow(cr, 4.5, 15.5, 26.5, 15.5);
      return true;  // IDC_SIZEWE
    case 32645:
      DoubleArrow(cr, 15.5, 4.5, 15.5, 26.5);
      return true;  // IDC_SIZENS
    case 32648:     // IDC_NO
      Outlined(
          cr,
          [](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_arc(c, 15.5, 15.5, 9, 0, 2 * kPi);
            cairo_move_to(c, 9.5, 9.5);
            cairo_line_to(c, 21.5, 21.5);
          },
          2);
      return true;
    case 32649:  // IDC_HAND
      hot = POINT{11, 2};
      Hand(cr);
      return true;
    default:
      return false;
  }
}

}  // namespace

SystemPicture DrawSystemCursor(UINT id) {
  SystemPicture picture;
  SurfacePtr image = NewImage(32, 32, true);
  ContextPtr cr(cairo_create(image.get()));
  cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
  if (!PaintCursor(cr.get(), image.get(), id, picture.hotspot)) return picture;
  cr.reset();
  cairo_surface_flush(image.get());
  picture.image = std::move(image);
  return picture;
}

}  // namespace win32::gdi::detail
