// Owning references to cairo objects.
#pragma once

#include <cairo.h>

#include <memory>

namespace win32::gdi::detail {

struct SurfaceRelease {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextRelease {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using ContextPtr = std::unique_ptr<cairo_t, ContextRelease>;

// A new reference to an existing surface.
inline SurfacePtr ShareSurface(cairo_surface_t* s) { return SurfacePtr(s ? cairo_surface_reference(s) : nullptr); }

// A cleared 24-bit image surface (black), or one with alpha.
inline SurfacePtr NewImage(int width, int height, bool alpha = false) {
  return SurfacePtr(cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, width > 0 ? width : 1,
                                               height > 0 ? height : 1));
}

}  // namespace win32::gdi::detail
