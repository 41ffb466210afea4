// Orvex's entry: picks the display (an X11 display, or none when the
// environment asks for it) and runs the application object.
#include <afxwin.h>
#include <win32/display.h>

#include <cstdio>
#include <string>

#include "OrvexApp.h"

namespace {
COrvexApp theApp;
}  // namespace

int main() {
  std::string error;
  if (!win32::StartDisplay(error)) {
    std::fprintf(stderr, "orvex: %s\n", error.c_str());
    return 1;
  }
  return AfxWinMain(::GetModuleHandle(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
}
