// Icon and cursor objects.
#pragma once

#include "gdi/objects.h"

namespace win32::gdi::detail {

// An icon or cursor from a premultiplied ARGB image.
HICON AddIcon(SurfacePtr image, bool isIcon, POINT hotspot, bool shared);

}  // namespace win32::gdi::detail
