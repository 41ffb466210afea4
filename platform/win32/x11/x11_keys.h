// Key symbols of the X keyboard to the window system's virtual keys.
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "win32/wintypes.h"

namespace win32::x11 {

// The virtual key of an unshifted key symbol, or 0 when it has none.
UINT VirtualKeyFromKeysym(KeySym sym);

// The UTF-8 text a key symbol types (Latin-1 and Unicode symbols), or
// nothing for keys that type no character.
std::string TextFromKeysym(KeySym sym);

}  // namespace win32::x11
