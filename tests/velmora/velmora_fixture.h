// The fixture of the library's window tests: a fresh window system, the
// host program's resources current, an application object as the host.
#pragma once

#include <afxwin.h>

#include "mfc_test.h"

class VelmoraTest : public halvane::test::MfcTest {
 protected:
  static HINSTANCE Host() { return ::GetModuleHandle(nullptr); }
  static HINSTANCE Library() { return ::GetModuleHandle("velmora"); }
};
