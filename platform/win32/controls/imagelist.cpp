// Image lists. Each image is kept as its own block of pixels with a
// transparency bit per pixel (the mask), read from the bitmaps through
// GetDIBits; drawing composes the image with the background or blend colour
// and hands it to AlphaBlend, so it works on every DC.
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "controls/controls_common.h"
#include "win32/commctrl.h"

namespace win32::controls {
namespace {

// 0x00RRGGBB colour, with bit 24 set on pixels the image shows.
using Pixels = std::vector<uint32_t>;
constexpr uint32_t kOpaque = 0x01000000;
constexpr uint32_t kColorMask = 0x00FFFFFF;

struct BitmapDeleter {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapPtr = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

constexpr int kOverlays = 16;

struct ImageList {
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
  COLORREF background = CLR_NONE;
  std::vector<Pixels> images;
  // Image index of each overlay number (1 to 15), -1 when unset.
  std::array<int, kOverlays> overlays = MakeOverlays();
  // The strip handed out by ImageList_GetImageInfo.
  BitmapPtr infoImage;
  BitmapPtr infoMask;

  bool masked() const { return (flags & ILC_MASK) != 0; }

  static std::array<int, kOverlays> MakeOverlays() {
    std::array<int, kOverlays> none{};
    none.fill(-1);
    return none;
  }
};

class ImageListTable {
 public:
  HIMAGELIST Add(std::unique_ptr<ImageList> list) {
    auto handle = reinterpret_cast<HIMAGELIST>(next_++);
    lists_[handle] = std::move(list);
    return handle;
  }
  ImageList* Find(HIMAGELIST handle) const {
    auto it = lists_.find(handle);
    return it == lists_.end() ? nullptr : it->second.get();
  }
  bool Erase(HIMAGELIST handle) { return lists_.erase(handle) != 0; }
  void Clear() { lists_.clear(); }

 private:
  std::unordered_map<HIMAGELIST, std::unique_ptr<ImageList>> lists_;
  uintptr_t next_ = 0x4C0001;
};

ImageListTable& Lists() {
  static ImageListTable table;
  return table;
}

void ClearLists() { Lists().Clear(); }

const SystemClassRegistration<ClearLists> kImageListRegistration;

uint32_t ToPixel(COLORREF color) { return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color); }

// The bitmap's pixels as 0x00RRGGBB, top row first; empty when unreadable.
Pixels ReadBitmap(HBITMAP bitmap, SIZE& size) {
  BITMAP bm{};
  if (!bitmap || !GetObject(bitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return {};
  size = {bm.bmWidth, bm.bmHeight};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = bm.bmWidth;
  info.bmiHeader.biHeight = -bm.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  Pixels pixels(static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight));
  HDC dc = CreateCompatibleDC(nullptr);
  int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);
  if (lines != bm.bmHeight) return {};
  for (uint32_t& px : pixels) px &= kColorMask;
  return pixels;
}

struct Raster {
  Pixels pixels;
  SIZE size{};
  bool empty() const { return pixels.empty(); }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(size.cx) + x]; }
};

Raster Read(HBITMAP bitmap) {
  Raster raster;
  raster.pixels = ReadBitmap(bitmap, raster.size);
  return raster;
}

// Nearest-pixel scaling, for icons of another size than the list's.
Raster Resample(const Raster& source, int cx, int cy) {
  if (source.empty() || (source.size.cx == cx && source.size.cy == cy)) return source;
  Raster out{Pixels(static_cast<size_t>(cx) * static_cast<size_t>(cy)), SIZE{cx, cy}};
  for (int y = 0; y < cy; ++y) {
    for (int x = 0; x < cx; ++x)
      out.pixels[static_cast<size_t>(y) * cx + x] = source.At(x * source.size.cx / cx, y * source.size.cy / cy);
  }
  return out;
}

// Cuts a strip of images out of `colors`; white mask pixels (or pixels of
// `key`) become transparent in a masked list. False when there is no image.
bool CutImages(const ImageList& list, const Raster& colors, const Raster& mask, const COLORREF* key,
               std::vector<Pixels>& out) {
  if (colors.empty() || colors.size.cx < list.cx) return false;
  bool maskUsable = !mask.empty() && mask.size.cx >= colors.size.cx && mask.size.cy >= colors.size.cy;
  for (int first = 0; first + list.cx <= colors.size.cx; first += list.cx) {
    Pixels image(static_cast<size_t>(list.cx) * static_cast<size_t>(list.cy), 0);
    for (int y = 0; y < std::min<int>(list.cy, colors.size.cy); ++y) {
      for (int x = 0; x < list.cx; ++x) {
        uint32_t px = colors.At(first + x, y);
        bool transparent = list.masked() && ((key && px == ToPixel(*key)) || (maskUsable && mask.At(first + x, y)));
        image[static_cast<size_t>(y) * list.cx + x] = transparent ? 0 : (px | kOpaque);
      }
    }
    out.push_back(std::move(image));
  }
  return true;
}

bool CutImages(const ImageList& list, HBITMAP bitmap, HBITMAP mask, const COLORREF* key, std::vector<Pixels>& out) {
  return CutImages(list, Read(bitmap), mask ? Read(mask) : Raster{}, key, out);
}

// The icon's picture scaled to the list's image size.
bool IconImage(const ImageList& list, HICON icon, std::vector<Pixels>& out) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return false;
  Raster colors = Resample(Read(info.hbmColor), list.cx, list.cy);
  Raster mask = Resample(Read(info.hbmMask), list.cx, list.cy);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return CutImages(list, colors, mask, nullptr, out);
}

bool ValidIndex(const ImageList& list, int i) { return i >= 0 && i < static_cast<int>(list.images.size()); }

uint32_t Mix(uint32_t a, uint32_t b, int percentB) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
    out |= static_cast<uint32_t>((ca * (100 - percentB) + cb * percentB) / 100) << shift;
  }
  return out;
}

// The premultiplied BGRA pixels to draw for one image and style.
Pixels Compose(const ImageList& list, const Pixels& image, COLORREF background, COLORREF blend, UINT style) {
  const bool fillBackground = !(style & ILD_TRANSPARENT) && background != CLR_NONE;
  const int blendPercent = (style & ILD_BLEND50) ? 50 : (style & ILD_BLEND25) ? 25 : 0;
  const uint32_t blendColor = ToPixel(blend == CLR_DEFAULT || blend == CLR_NONE ? GetSysColor(COLOR_HIGHLIGHT) : blend);
  Pixels out(image.size(), 0);
  for (size_t i = 0; i < image.size(); ++i) {
    const bool shown = !list.masked() || (image[i] & kOpaque);
    if (style & ILD_MASK) {
      out[i] = 0xFF000000 | (shown ? 0 : kColorMask);
      continue;
    }
    if (shown) {
      uint32_t px = image[i] & kColorMask;
      if (blendPercent) px = Mix(px, blendColor, blendPercent);
      out[i] = 0xFF000000 | px;
    } else if (fillBackground) {
      out[i] = 0xFF000000 | ToPixel(background);
    }
  }
  return out;
}

// A 32-bit bitmap of `width` x `height` pixels, top row first, colour only.
HBITMAP MakeBitmap(int width, int height, const Pixels& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) return nullptr;
  std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
  return dib;
}

BOOL Blit(HDC target, int x, int y, int cx, int cy, int width, const Pixels& pixels) {
  BitmapPtr dib(MakeBitmap(width, static_cast<int>(pixels.size() / static_cast<size_t>(width)), pixels));
  if (!dib) return FALSE;
  HDC memory = CreateCompatibleDC(target);
  BOOL done = FALSE;
  {
    SelectGuard select(memory, dib.get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    done = AlphaBlend(target, x, y, cx, cy, memory, 0, 0, cx, cy, blend);
  }
  DeleteDC(memory);
  return done;
}

// The colour and mask (white = transparent) bitmaps of a row of images.
std::pair<HBITMAP, HBITMAP> MakeBitmaps(const ImageList& list, int first, int count) {
  const int width = list.cx * std::max(count, 1);
  Pixels colors(static_cast<size_t>(width) * static_cast<size_t>(list.cy), 0);
  Pixels mask(colors.size(), list.masked() ? kColorMask : 0);
  for (int n = 0; n < count; ++n) {
    const Pixels& image = list.images[static_cast<size_t>(first + n)];
    for (int y = 0; y < list.cy; ++y) {
      for (int x = 0; x < list.cx; ++x) {
        const uint32_t px = image[static_cast<size_t>(y) * list.cx + x];
        const size_t at = static_cast<size_t>(y) * width + n * list.cx + x;
        colors[at] = px & kColorMask;
        if (list.masked() && (px & kOpaque)) mask[at] = 0;
      }
    }
  }
  return {MakeBitmap(width, list.cy, colors), MakeBitmap(width, list.cy, mask)};
}

// Removing image `i` moves the overlays that name later images down.
void ForgetImage(ImageList& list, int i) {
  for (int& image : list.overlays) {
    if (image == i)
      image = -1;
    else if (image > i)
      --image;
  }
}

int Append(ImageList& list, std::vector<Pixels> images) {
  if (images.empty()) return -1;
  int first = static_cast<int>(list.images.size());
  for (Pixels& image : images) list.images.push_back(std::move(image));
  return first;
}

}  // namespace
}  // namespace win32::controls

using win32::controls::ImageList;
using win32::controls::Lists;
using win32::controls::Pixels;

HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow) {
  (void)cInitial;
  (void)cGrow;
  if (cx <= 0 || cy <= 0) return nullptr;
  auto list = std::make_unique<ImageList>();
  list->cx = cx;
  list->cy = cy;
  list->flags = flags;
  return Lists().Add(std::move(list));
}

BOOL WINAPI ImageList_Destroy(HIMAGELIST himl) { return Lists().Erase(himl) ? TRUE : FALSE; }

int WINAPI ImageList_GetImageCount(HIMAGELIST himl) {
  const ImageList* list = Lists().Find(himl);
  return list ? static_cast<int>(list->images.size()) : 0;
}

BOOL WINAPI ImageList_SetImageCount(HIMAGELIST himl, UINT uNewCount) {
  ImageList* list = Lists().Find(himl);
  if (!list) return FALSE;
  list->images.resize(uNewCount, Pixels(static_cast<size_t>(list->cx) * static_cast<size_t>(list->cy), 0));
  return TRUE;
}

int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask) {
  ImageList* list = Lists().Find(himl);
  std::vector<Pixels> images;
  if (!list || !win32::controls::CutImages(*list, hbmImage, hbmMask, nullptr, images)) return -1;
  return win32::controls::Append(*list, std::move(images));
}

int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask) {
  ImageList* list = Lists().Find(himl);
  std::vector<Pixels> images;
  if (!list || !win32::controls::CutImages(*list, hbmImage, nullptr, &crMask, images)) return -1;
  return win32::controls::Append(*list, std::move(images));
}

BOOL WINAPI ImageList_Replace(HIMAGELIST himl, int i, HBITMAP hbmImage, HBITMAP hbmMask) {
  ImageList* list = Lists().Find(himl);
  std::vector<Pixels> images;
  if (!list || !win32::controls::ValidIndex(*list, i) ||
      !win32::controls::CutImages(*list, hbmImage, hbmMask, nullptr, images))
    return FALSE;
  list->images[static_cast<size_t>(i)] = std::move(images.front());
  return TRUE;
}

int WINAPI ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon) {
  ImageList* list = Lists().Find(himl);
  if (!list || (i != -1 && !win32::controls::ValidIndex(*list, i))) return -1;
  std::vector<Pixels> images;
  if (!win32::controls::IconImage(*list, hicon, images)) return -1;
  if (i == -1) return win32::controls::Append(*list, {std::move(images.front())});
  list->images[static_cast<size_t>(i)] = std::move(images.front());
  return i;
}

BOOL WINAPI ImageList_Remove(HIMAGELIST himl, int i) {
  ImageList* list = Lists().Find(himl);
  if (!list) return FALSE;
  if (i == -1) {
    list->images.clear();
    list->overlays = ImageList::MakeOverlays();
    return TRUE;
  }
  if (!win32::controls::ValidIndex(*list, i)) return FALSE;
  list->images.erase(list->images.begin() + i);
  win32::controls::ForgetImage(*list, i);
  return TRUE;
}

BOOL WINAPI ImageList_GetImageInfo(HIMAGELIST himl, int i, IMAGEINFO* pImageInfo) {
  ImageList* list = Lists().Find(himl);
  if (!list || !pImageInfo || !win32::controls::ValidIndex(*list, i)) return FALSE;
  auto [image, mask] = win32::controls::MakeBitmaps(*list, 0, static_cast<int>(list->images.size()));
  list->infoImage.reset(image);
  list->infoMask.reset(mask);
  *pImageInfo =
      IMAGEINFO{image, list->masked() ? mask : nullptr, 0, 0, RECT{i * list->cx, 0, (i + 1) * list->cx, list->cy}};
  return image ? TRUE : FALSE;
}

HICON WINAPI ImageList_GetIcon(HIMAGELIST himl, int i, UINT flags) {
  (void)flags;
  const ImageList* list = Lists().Find(himl);
  if (!list || !win32::controls::ValidIndex(*list, i)) return nullptr;
  auto [image, mask] = win32::controls::MakeBitmaps(*list, i, 1);
  win32::controls::BitmapPtr color(image);
  win32::controls::BitmapPtr transparency(mask);
  if (!color || !transparency) return nullptr;
  ICONINFO info{TRUE, 0, 0, transparency.get(), color.get()};
  return CreateIconIndirect(&info);
}

BOOL WINAPI ImageList_SetOverlayImage(HIMAGELIST himl, int iImage, int iOverlay) {
  ImageList* list = Lists().Find(himl);
  if (!list || iOverlay < 1 || iOverlay >= win32::controls::kOverlays ||
      (iImage != -1 && !win32::controls::ValidIndex(*list, iImage)))
    return FALSE;
  list->overlays[static_cast<size_t>(iOverlay)] = iImage;
  return TRUE;
}

BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy) {
  const ImageList* list = Lists().Find(himl);
  if (!list || !cx || !cy) return FALSE;
  *cx = list->cx;
  *cy = list->cy;
  return TRUE;
}

BOOL WINAPI ImageList_SetIconSize(HIMAGELIST himl, int cx, int cy) {
  ImageList* list = Lists().Find(himl);
  if (!list || cx <= 0 || cy <= 0) return FALSE;
  // As documented: a new size drops every image.
  list->cx = cx;
  list->cy = cy;
  list->images.clear();
  return TRUE;
}

COLORREF WINAPI ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk) {
  ImageList* list = Lists().Find(himl);
  if (!list) return CLR_NONE;
  COLORREF old = list->background;
  list->background = clrBk;
  return old;
}

COLORREF WINAPI ImageList_GetBkColor(HIMAGELIST himl) {
  const ImageList* list = Lists().Find(himl);
  return list ? list->background : CLR_NONE;
}

BOOL WINAPI ImageList_DrawEx(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, int dx, int dy, COLORREF rgbBk,
                             COLORREF rgbFg, UINT fStyle) {
  const ImageList* list = Lists().Find(himl);
  if (!list || !win32::controls::ValidIndex(*list, i) || !hdcDst) return FALSE;
  COLORREF background = rgbBk == CLR_DEFAULT ? list->background : rgbBk;
  const Pixels pixels =
      win32::controls::Compose(*list, list->images[static_cast<size_t>(i)], background, rgbFg, fStyle);
  int cx = dx > 0 ? std::min(dx, list->cx) : list->cx;
  int cy = dy > 0 ? std::min(dy, list->cy) : list->cy;
  if (!win32::controls::Blit(hdcDst, x, y, cx, cy, list->cx, pixels)) return FALSE;
  const int overlay = list->overlays[(fStyle & ILD_OVERLAYMASK) >> 8];
  if (!win32::controls::ValidIndex(*list, overlay)) return TRUE;
  // The overlay goes over the image and never fills the background.
  const Pixels over = win32::controls::Compose(*list, list->images[static_cast<size_t>(overlay)], CLR_NONE, rgbFg,
                                               (fStyle & ~ILD_OVERLAYMASK) | ILD_TRANSPARENT);
  return win32::controls::Blit(hdcDst, x, y, cx, cy, list->cx, over);
}

BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle) {
  return ImageList_DrawEx(himl, i, hdcDst, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, fStyle);
}

HIMAGELIST WINAPI ImageList_LoadImage(HINSTANCE hi, LPCSTR lpbmp, int cx, int cGrow, COLORREF crMask, UINT uType,
                                      UINT uFlags) {
  (void)uFlags;
  if (uType != IMAGE_BITMAP) return nullptr;
  HBITMAP bitmap = LoadBitmap(hi, lpbmp);
  BITMAP bm{};
  if (!bitmap || !GetObject(bitmap, sizeof(bm), &bm)) return nullptr;
  UINT flags = ILC_COLOR24 | (crMask != CLR_NONE ? ILC_MASK : 0);
  HIMAGELIST himl = ImageList_Create(cx, bm.bmHeight, flags, bm.bmWidth / std::max(cx, 1), cGrow);
  int added = crMask != CLR_NONE ? ImageList_AddMasked(himl, bitmap, crMask) : ImageList_Add(himl, bitmap, nullptr);
  DeleteObject(bitmap);
  if (added < 0) {
    ImageList_Destroy(himl);
    return nullptr;
  }
  return himl;
}
