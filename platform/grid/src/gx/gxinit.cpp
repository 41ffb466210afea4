#include "gx/gxinit.h"

#include "gxmessages.h"

// Registered on every call that finds the class missing, so a window system
// made anew (as tests do) gets it again.
BOOL GXInit() {
  gx::g_nCellRectMessage = ::RegisterWindowMessage(GX_CELLRECT_MESSAGE);
  HINSTANCE hInstance = ::GetModuleHandle(nullptr);
  WNDCLASS wc{};
  if (::GetClassInfo(hInstance, GX_GRIDWND_CLASS, &wc)) return TRUE;
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
  wc.lpfnWndProc = ::DefWindowProc;
  wc.hInstance = hInstance;
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = GX_GRIDWND_CLASS;
  return ::RegisterClass(&wc) != 0;
}
