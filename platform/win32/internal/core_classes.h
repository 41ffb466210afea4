// Built-in window classes: other areas of the window system register their
// system classes ("Button", "#32770"...) through these hooks.
#pragma once

#include "win32/winuser.h"

namespace win32::internal {

// Registers a system class: global, found for every instance, and not
// removed by UnregisterClass.
void RegisterSystemClass(const WNDCLASSEX& wc);

// Adds a function that registers system classes; every initialiser runs
// whenever the window-system state is created (first use and each reset).
// Call it from a static initialiser.
void AddSystemClassInitializer(void (*fn)());

}  // namespace win32::internal
