// Pictures the control tests hand to image lists and toolbars.
#pragma once

#include <initializer_list>

#include <commctrl.h>
#include <windows.h>

namespace halvane::test {

// Images side by side, each `cx` by `cy` filled with one colour; when
// `corner` is given, each image's top-left pixel has that colour (a mask
// test's marker). The caller deletes the bitmap.
HBITMAP MakeColourStrip(int cx, int cy, std::initializer_list<COLORREF> colours, COLORREF corner = CLR_INVALID);

// An image list of 16x16 file icons on a magenta mask, in this order.
enum FileIcon { kClosedFolderIcon = 0, kOpenFolderIcon = 1, kPageIcon = 2 };
HIMAGELIST MakeFileIcons();

}  // namespace halvane::test
