// Readable names of messages and notification codes, for test failure
// output and for asserting message orders by name.
#pragma once

#include <string>

#include "win32/wintypes.h"

namespace halvane::test {

// "WM_SETTEXT", "LB_ADDSTRING", "WM_USER+5", or "0x1234" when unknown.
// Dialog messages in the WM_USER range are named when `hwnd` is a dialog.
std::string MessageName(UINT message, HWND hwnd = nullptr);

// The notification a WM_COMMAND or WM_NOTIFY carries ("BN_CLICKED",
// "EN_CHANGE", "LVN_ITEMCHANGED", "menu", "accelerator"); empty for other
// messages. Command codes overlap between control classes, so the class of
// the sending control decides.
std::string NotificationName(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace halvane::test
