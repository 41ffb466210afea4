// The pictures behind LoadIcon, LoadCursor and LoadBitmap with a null
// instance, drawn by code.
#pragma once

#include "gdi/objects.h"

namespace win32::gdi::detail {

// A 32 x 32 premultiplied ARGB picture of a system icon (IDI_* number), or
// null for an unknown id.
SurfacePtr DrawSystemIcon(UINT id);

// A 32 x 32 picture of a system icon or cursor and its hot spot.
struct SystemPicture {
  SurfacePtr image;
  POINT hotspot{};
};
SystemPicture DrawSystemCursor(UINT id);

}  // namespace win32::gdi::detail
