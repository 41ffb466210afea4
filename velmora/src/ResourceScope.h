// The library's instance and the resource-handle switch of its exported
// windows: while a ResourceScope lives, the module state's resource handle
// is the library's, so that its own templates, strings and clips are found
// before the host's (ids collide across modules).
#pragma once

#include <afxwin.h>

namespace velmora {

// The library's instance handle, kept by the entry point.
HINSTANCE LibraryInstance();
void SetLibraryInstance(HINSTANCE instance);

// The host's resource handle, recorded at the first switch; null before.
HINSTANCE HostResourceHandle();

// Records the host's handle once (at the first switch in the process),
// selects the library's handle, and on leaving (also by an exception) puts
// the recorded host handle back, not whatever was current on entry: so a
// library dialog opened from another one still ends with the host's.
class ResourceScope {
 public:
  ResourceScope();
  ~ResourceScope();
  ResourceScope(const ResourceScope&) = delete;
  ResourceScope& operator=(const ResourceScope&) = delete;
};

}  // namespace velmora
