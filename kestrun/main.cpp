// Kestrun's entry: picks the display (an X11 display, or none when the
// environment asks for it) and runs the application object.
#include <afxwin.h>
#include <win32/display.h>

#include <cstdio>
#include <string>

#include "KestrunApp.h"

namespace {
CKestrunApp theApp;
}  // namespace

int main() {
  std::string error;
  if (!win32::StartDisplay(error)) {
    std::fprintf(stderr, "kestrun: %s\n", error.c_str());
    return 1;
  }
  return AfxWinMain(::GetModuleHandle(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
}
