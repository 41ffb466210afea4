// GDI factories the resource and window layers call for system images and
// bitmap resources.
#pragma once

#include <cstddef>

#include "win32/wingdi.h"

namespace win32::gdi {

// LoadBitmap(NULL, OBM_*): a new bitmap drawn by code, or null for an
// unknown id.
HBITMAP CreateSystemBitmap(UINT obmId);

// LoadIcon(NULL, IDI_*) and LoadCursor(NULL, IDC_*): one shared handle per
// id (never destroyed by DestroyIcon/DestroyCursor), or null.
HICON CreateSystemIcon(LPCSTR idi);
HCURSOR CreateSystemCursor(LPCSTR idc);

// A bitmap from a packed DIB (BITMAPINFOHEADER, colour table or masks, bits)
// as BITMAP resources and .bmp files after their file header hold it.
HBITMAP CreateBitmapFromDib(const void* bitsWithHeader, size_t size);

}  // namespace win32::gdi
