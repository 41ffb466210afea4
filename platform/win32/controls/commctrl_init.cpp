// The common controls need no initialisation of their own: every class is
// registered when the window system starts.
#include "win32/commctrl.h"

void WINAPI InitCommonControls(void) {}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
  return picce != nullptr && picce->dwSize == sizeof(INITCOMMONCONTROLSEX);
}
