// The factories of system images: shared icons and cursors, and new
// bitmaps of the classic OBM_* pictures.
#include "gdi/system_images.h"

#include "gdi/icons.h"

#include "internal/gdi_system.h"

namespace win32::gdi::detail {
namespace {

constexpr UINT_PTR kCursorKey = UINT_PTR{1} << 31;

// A bitmap of the given size painted by `paint(dc)` on a memory DC.
template <typename F>
HBITMAP PaintBitmap(int width, int height, F paint) {
  HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  if (!bitmap || !dc) {
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    return nullptr;
  }
  HGDIOBJ old = SelectObject(dc, bitmap);
  paint(dc);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

HBITMAP FrameBitmap(int width, int height, UINT type, UINT state) {
  return PaintBitmap(width, height, [&](HDC dc) {
    RECT r{0, 0, width, height};
    DrawFrameControl(dc, &r, type, state);
  });
}

// OBM_CHECKBOXES: rows of check boxes, radio buttons and 3-state boxes,
// each unchecked, checked, pushed, pushed and checked.
HBITMAP CheckBoxesBitmap() {
  constexpr int kCell = 13;
  constexpr UINT kRows[] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE};
  constexpr UINT kColumns[] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_PUSHED | DFCS_CHECKED};
  return PaintBitmap(kCell * 4, kCell * 3, [&](HDC dc) {
    RECT all{0, 0, kCell * 4, kCell * 3};
    FillRect(dc, &all, GetSysColorBrush(COLOR_3DFACE));
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 4; ++col) {
        RECT r{col * kCell, row * kCell, (col + 1) * kCell, (row + 1) * kCell};
        DrawFrameControl(dc, &r, DFC_BUTTON, kRows[row] | kColumns[col]);
      }
  });
}

struct FramePicture {
  UINT id;
  int width;
  int height;
  UINT type;
  UINT state;
};

constexpr FramePicture kFramePictures[] = {
    {OBM_UPARROW, 16, 16, DFC_SCROLL, DFCS_SCROLLUP},
    {OBM_DNARROW, 16, 16, DFC_SCROLL, DFCS_SCROLLDOWN},
    {OBM_RGARROW, 16, 16, DFC_SCROLL, DFCS_SCROLLRIGHT},
    {OBM_LFARROW, 16, 16, DFC_SCROLL, DFCS_SCROLLLEFT},
    {OBM_UPARROWD, 16, 16, DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED},
    {OBM_DNARROWD, 16, 16, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED},
    {OBM_RGARROWD, 16, 16, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_PUSHED},
    {OBM_LFARROWD, 16, 16, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_PUSHED},
    {OBM_UPARROWI, 16, 16, DFC_SCROLL, DFCS_SCROLLUP | DFCS_INACTIVE},
    {OBM_DNARROWI, 16, 16, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE},
    {OBM_RGARROWI, 16, 16, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_INACTIVE},
    {OBM_LFARROWI, 16, 16, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE},
    {OBM_COMBO, 16, 16, DFC_SCROLL, DFCS_SCROLLCOMBOBOX},
    {OBM_CLOSE, 16, 14, DFC_CAPTION, DFCS_CAPTIONCLOSE},
    {OBM_OLD_CLOSE, 16, 14, DFC_CAPTION, DFCS_CAPTIONCLOSE},
    {OBM_REDUCE, 16, 14, DFC_CAPTION, DFCS_CAPTIONMIN},
    {OBM_ZOOM, 16, 14, DFC_CAPTION, DFCS_CAPTIONMAX},
    {OBM_RESTORE, 16, 14, DFC_CAPTION, DFCS_CAPTIONRESTORE},
    {OBM_REDUCED, 16, 14, DFC_CAPTION, DFCS_CAPTIONMIN | DFCS_PUSHED},
    {OBM_ZOOMD, 16, 14, DFC_CAPTION, DFCS_CAPTIONMAX | DFCS_PUSHED},
    {OBM_RESTORED, 16, 14, DFC_CAPTION, DFCS_CAPTIONRESTORE | DFCS_PUSHED},
    {OBM_MNARROW, 16, 16, DFC_MENU, DFCS_MENUARROW},
    {OBM_CHECK, 16, 16, DFC_MENU, DFCS_MENUCHECK},
    {OBM_SIZE, 16, 16, DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
    {OBM_BTSIZE, 16, 16, DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
};

UINT ResourceNumber(LPCSTR id) { return IS_INTRESOURCE(id) ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(id)) : 0; }

// The shared handle of a system icon or cursor, made on first use.
template <typename F>
HICON SharedImage(UINT_PTR key, bool isIcon, F draw) {
  auto& images = State().systemIcons;
  if (auto it = images.find(key); it != images.end() && Get<IconObject>(it->second)) return it->second;
  SystemPicture picture = draw();
  if (!picture.image) return nullptr;
  HICON handle = AddIcon(std::move(picture.image), isIcon, picture.hotspot, true);
  images[key] = handle;
  return handle;
}

}  // namespace
}  // namespace win32::gdi::detail

namespace win32::gdi {

HBITMAP CreateSystemBitmap(UINT obmId) {
  using namespace detail;
  if (obmId == OBM_CHECKBOXES) return CheckBoxesBitmap();
  for (const FramePicture& p : kFramePictures)
    if (p.id == obmId) return FrameBitmap(p.width, p.height, p.type, p.state);
  return nullptr;
}

HICON CreateSystemIcon(LPCSTR idi) {
  using namespace detail;
  const UINT id = ResourceNumber(idi);
  return SharedImage(id, true, [&] { return SystemPicture{DrawSystemIcon(id), POINT{16, 16}}; });
}

HCURSOR CreateSystemCursor(LPCSTR idc) {
  using namespace detail;
  const UINT id = ResourceNumber(idc);
  return SharedImage(id | kCursorKey, false, [&] { return DrawSystemCursor(id); });
}

}  // namespace win32::gdi
