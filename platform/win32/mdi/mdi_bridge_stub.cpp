#include "internal/mdi_bridge.h"
namespace win32::internal {
bool IsActiveMdiChild(HWND) { return false; }
}
