// Key symbols of the X keyboard to the window system's virtual keys.
#pragma once

#include <X11/Xlib.h>

#include "win32/wintypes.h"

namespace win32::x11 {

// The virtual key of an unshifted key symbol, or 0 when it has none.
UINT VirtualKeyFromKeysym(KeySym sym);

}  // namespace win32::x11
