// Pixel comparison of PNG pictures through cairo's PNG reader.
#include "snapshot_compare.h"

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace halvane::test::internal {
namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// The picture as a 32-bit image, or null when the file is no readable PNG.
Surface Load(const std::filesystem::path& file) {
  Surface png(cairo_image_surface_create_from_png(file.c_str()));
  if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  const int width = cairo_image_surface_get_width(png.get());
  const int height = cairo_image_surface_get_height(png.get());
  Surface image(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  cairo_t* cr = cairo_create(image.get());
  cairo_set_source_surface(cr, png.get(), 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(image.get());
  return image;
}

uint32_t Pixel(cairo_surface_t* image, int x, int y) {
  const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
  return reinterpret_cast<const uint32_t*>(row)[x];
}

bool Differs(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF);
    const int cb = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(ca - cb) > tolerance) return true;
  }
  return false;
}

bool Ignored(const std::vector<RECT>& ignore, int x, int y) {
  for (const RECT& r : ignore) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  }
  return false;
}

}  // namespace

SnapshotVerdict ComparePng(const std::filesystem::path& actual, const std::filesystem::path& reference,
                           const std::filesystem::path& diffFile, const std::vector<RECT>& ignore, int channelTolerance,
                           long maxDifferentPixels) {
  const Surface a = Load(actual);
  if (!a) return {false, "the snapshot " + actual.string() + " is no readable PNG"};
  const Surface r = Load(reference);
  if (!r) return {false, "the reference " + reference.string() + " is no readable PNG"};
  const int width = cairo_image_surface_get_width(a.get());
  const int height = cairo_image_surface_get_height(a.get());
  if (width != cairo_image_surface_get_width(r.get()) || height != cairo_image_surface_get_height(r.get())) {
    return {false, "the snapshot is " + std::to_string(width) + "x" + std::to_string(height) + ", the reference " +
                       std::to_string(cairo_image_surface_get_width(r.get())) + "x" +
                       std::to_string(cairo_image_surface_get_height(r.get()))};
  }
  Surface diff(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  unsigned char* diffData = cairo_image_surface_get_data(diff.get());
  const int diffStride = cairo_image_surface_get_stride(diff.get());
  long different = 0;
  for (int y = 0; y < height; ++y) {
    auto* out = reinterpret_cast<uint32_t*>(diffData + y * diffStride);
    for (int x = 0; x < width; ++x) {
      const uint32_t ref = Pixel(r.get(), x, y);
      if (!Ignored(ignore, x, y) && Differs(Pixel(a.get(), x, y), ref, channelTolerance)) {
        ++different;
        out[x] = 0xFFFF0000;
      } else {
        // A faded grey copy of the reference, so the red stands out.
        const uint32_t grey = (((ref >> 16) & 0xFF) + ((ref >> 8) & 0xFF) + (ref & 0xFF)) / 3;
        const uint32_t faded = 192 + grey / 4;
        out[x] = 0xFF000000 | faded << 16 | faded << 8 | faded;
      }
    }
  }
  if (different <= maxDifferentPixels) return {true, {}};
  cairo_surface_mark_dirty(diff.get());
  cairo_surface_write_to_png(diff.get(), diffFile.c_str());
  return {false, std::to_string(different) + " pixels differ from the reference " + reference.string() +
                     "; the difference is in " + diffFile.string()};
}

bool BlankRects(const std::filesystem::path& file, const std::vector<RECT>& rects) {
  if (rects.empty()) return true;
  const Surface image = Load(file);
  if (!image) return false;
  cairo_t* cr = cairo_create(image.get());
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  for (const RECT& r : rects) cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
  cairo_fill(cr);
  cairo_destroy(cr);
  return cairo_surface_write_to_png(image.get(), file.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace halvane::test::internal
