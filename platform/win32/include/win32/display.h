// Choosing where windows appear: nowhere (headless, the default and what
// tests use) or on an X11 display.
#pragma once

#include <string>

namespace win32 {

// Picks the display a program starts with: headless when HALVANE_HEADLESS
// is set to anything but "0", else the X11 display named by DISPLAY. False
// with a one-line reason in `error` when neither is available.
bool StartDisplay(std::string& error);

// Shows top-level windows on the named X11 display (null: DISPLAY).
bool UseX11Display(const char* name, std::string& error);

// Back to headless; closes the X11 connection if one is open.
void UseHeadlessDisplay();

// True while windows appear on an X11 display.
bool IsX11Display();

// Waits until the display has delivered every event it sent before this
// call into the window system's input queues (a round trip; at most
// `timeoutMs` of real time). False when no display is open or it timed out.
bool SyncDisplay(unsigned timeoutMs = 5000);

}  // namespace win32
