// The library's entry point: joins the host's resource chain when the
// library is loaded and leaves it when it is unloaded.
#include <dlfcn.h>

#include <string>

#include "ResourceScope.h"

namespace {

AFX_EXTENSION_MODULE velmoraModule;

BOOL VelmoraEntry(HINSTANCE hInstance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(velmoraModule, hInstance)) return 0;
    // The chain owns the record and deletes it in AfxTermExtensionModule.
    new CDynLinkLibrary(velmoraModule);
    velmora::SetLibraryInstance(hInstance);
  } else if (reason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(velmoraModule);
  }
  return 1;
}

// The shared object's own file, found from an object inside it.
const char kModuleMarker = 0;

std::string LibraryFile() {
  Dl_info info{};
  if (dladdr(&kModuleMarker, &info) != 0 && info.dli_fname != nullptr) return info.dli_fname;
  return {};
}

// The loader's call of the entry point: attach at load, detach at exit.
struct Loader {
  Loader() {
    const std::string file = LibraryFile();
    win32::RegisterLibraryEntry(win32::RegisterModule("velmora", file.c_str()), VelmoraEntry);
  }
};

const Loader loader;

}  // namespace
