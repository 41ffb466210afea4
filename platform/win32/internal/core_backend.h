// The interface between the window manager and a display backend. A
// backend shows what top-level windows painted and reports the screen size;
// it holds no product logic. Headless is the default.
#pragma once

#include <cairo.h>

#include <memory>

#include "win32/winuser.h"

namespace win32::internal {

class DisplayBackend {
 public:
  virtual ~DisplayBackend() = default;
  // A top-level window's surface changed inside `damaged` (window
  // coordinates).
  virtual void Present(HWND topLevel, cairo_surface_t* surface, const RECT& damaged) = 0;
  // A top-level window was shown, hidden, moved or resized, or destroyed.
  virtual void WindowChanged(HWND topLevel) = 0;
  virtual SIZE ScreenSize() const = 0;
  // The window system was reset: every window it showed is gone.
  virtual void Reset() {}
};

// Installs a backend (null restores headless). Survives ResetWindowSystem.
void SetDisplayBackend(std::unique_ptr<DisplayBackend> backend);

// The backing surface of a top-level window (null for other windows). The
// window keeps ownership.
cairo_surface_t* GetWindowSurface(HWND topLevel);

}  // namespace win32::internal
