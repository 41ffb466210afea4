#include "ResourceScope.h"

namespace velmora {
namespace {

HINSTANCE libraryInstance = nullptr;
HINSTANCE hostResourceHandle = nullptr;

}  // namespace

HINSTANCE LibraryInstance() { return libraryInstance; }
void SetLibraryInstance(HINSTANCE instance) { libraryInstance = instance; }
HINSTANCE HostResourceHandle() { return hostResourceHandle; }

ResourceScope::ResourceScope() {
  if (hostResourceHandle == nullptr) hostResourceHandle = AfxGetResourceHandle();
  AfxSetResourceHandle(libraryInstance);
}

ResourceScope::~ResourceScope() { AfxSetResourceHandle(hostResourceHandle); }

}  // namespace velmora
