// The bridge between the window manager and GDI: the window manager owns
// the backing surfaces of top-level windows, GDI draws on them.
#pragma once

#include <cairo.h>

#include "win32/wintypes.h"

namespace win32::internal {

// A device context that draws on `surface` with its logical origin at
// `origin` (surface coordinates of the window's top-left corner), clipped to
// `clipInSurface`. `owner` is the window the DC belongs to (may be null).
HDC CreateSurfaceDC(cairo_surface_t* surface, POINT origin, const RECT& clipInSurface, HWND owner);

// Releases a DC made by CreateSurfaceDC; other handles are ignored.
void DeleteSurfaceDC(HDC dc);

// The window a surface DC was made for, or null.
HWND WindowFromSurfaceDC(HDC dc);

}  // namespace win32::internal
