// Choosing the display backend.
#include "win32/display.h"

#include <cstdlib>
#include <cstring>

#include "x11/x11_backend.h"

namespace win32 {

bool UseX11Display(const char* name, std::string& error) {
  auto backend = x11::X11Backend::Open(name, error);
  if (!backend) return false;
  internal::SetDisplayBackend(std::move(backend));
  return true;
}

void UseHeadlessDisplay() { internal::SetDisplayBackend(nullptr); }

bool IsX11Display() { return x11::CurrentBackend() != nullptr; }

bool SyncDisplay(unsigned timeoutMs) {
  x11::X11Backend* backend = x11::CurrentBackend();
  return backend && backend->Sync(timeoutMs);
}

bool StartDisplay(std::string& error) {
  const char* headless = std::getenv("HALVANE_HEADLESS");
  if (headless && *headless && std::strcmp(headless, "0") != 0) {
    UseHeadlessDisplay();
    return true;
  }
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    error = "no display: set DISPLAY to an X11 display, or HALVANE_HEADLESS=1 to run without one";
    return false;
  }
  return UseX11Display(display, error);
}

}  // namespace win32
