#include "ext_library.h"

#include <afxwin.h>

namespace {
AFX_EXTENSION_MODULE g_extModule;
}

void ExtLibraryAttach() {
  if (AfxInitExtensionModule(g_extModule, GetModuleHandle("mfc_wnd_ext"))) new CDynLinkLibrary(g_extModule);
}

void ExtLibraryDetach() { AfxTermExtensionModule(g_extModule); }
