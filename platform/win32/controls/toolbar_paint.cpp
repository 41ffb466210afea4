// Classic painting of the toolbar: raised buttons that sink when pressed,
// checked buttons on a dithered face, embossed images when disabled, flat
// buttons that rise under the mouse, and the divider along the top.
#include "controls/toolbar.h"

#include <algorithm>

namespace win32::controls {
namespace {

// The room above an image that has its text under it.
constexpr int kTextInset = 3;

// The 50% dither of highlight and face that a checked button shows.
HBRUSH CreateCheckedBrush(HDC dc) {
  HBITMAP pattern = CreateCompatibleBitmap(dc, 8, 8);
  HDC memory = CreateCompatibleDC(dc);
  {
    SelectGuard select(memory, pattern);
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) SetPixelV(memory, x, y, ((x + y) % 2) ? light : face);
    }
  }
  DeleteDC(memory);
  HBRUSH brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);
  return brush;
}

void PaintSeparator(HWND hwnd, HDC dc, const ToolbarButton& b) {
  if (!(StyleOf(hwnd) & TBSTYLE_FLAT)) return;
  int middle = (b.rect.left + b.rect.right) / 2 - 1;
  RECT line{middle, b.rect.top + 1, middle + 2, b.rect.bottom - 1};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_LEFT);
}

void PaintFrame(HWND hwnd, HDC dc, const ToolbarState& s, int index, RECT rc) {
  const ToolbarButton& b = s.buttons[static_cast<size_t>(index)];
  bool flat = (StyleOf(hwnd) & TBSTYLE_FLAT) != 0;
  bool down = (b.state & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
  if (b.state & TBSTATE_CHECKED && !(b.state & TBSTATE_PRESSED)) {
    RECT inside = rc;
    InflateRect(&inside, -2, -2);
    HBRUSH dither = CreateCheckedBrush(dc);
    FillRect(dc, &inside, dither);
    DeleteObject(dither);
  }
  if (flat) {
    bool hot = index == s.hot && (b.state & TBSTATE_ENABLED);
    if (down) {
      DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot) {
      DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
    }
    return;
  }
  DrawEdge(dc, &rc, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
}

void PaintButton(HWND hwnd, HDC dc, const ToolbarState& s, int index) {
  const ToolbarButton& b = s.buttons[static_cast<size_t>(index)];
  if (b.style & TBSTYLE_SEP) {
    PaintSeparator(hwnd, dc, b);
    return;
  }
  PaintFrame(hwnd, dc, s, index, b.rect);
  bool down = (b.state & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
  const std::string* text = ButtonText(s, b);
  int x = (b.rect.left + b.rect.right - s.bitmapSize.cx) / 2 + (down ? 1 : 0);
  // With a text the image goes to the top and the text under it.
  int y = (text ? b.rect.top + kTextInset : (b.rect.top + b.rect.bottom - s.bitmapSize.cy) / 2) + (down ? 1 : 0);
  bool disabled = !(b.state & TBSTATE_ENABLED) || (b.state & TBSTATE_INDETERMINATE);
  DrawButtonImage(s, dc, b.image, x, y, disabled);
  if (!text) return;
  RECT line{b.rect.left + 1, y + s.bitmapSize.cy + 1, b.rect.right - 1, b.rect.bottom - 1};
  SelectGuard font(dc, PaintFont(nullptr));
  DrawControlText(dc, *text, line, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX, disabled);
}

}  // namespace

SIZE TextButtonSize(HWND hwnd, const ToolbarState& s) {
  HDC dc = GetDC(hwnd);
  SIZE widest{0, 0};
  {
    SelectGuard font(dc, PaintFont(nullptr));
    widest.cy = FontLineHeight(dc);
    for (const std::string& text : s.strings) {
      SIZE size{};
      GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
      widest.cx = std::max(widest.cx, size.cx);
    }
  }
  ReleaseDC(hwnd, dc);
  return SIZE{widest.cx + 2 * kTextInset, kTextInset + s.bitmapSize.cy + 1 + widest.cy + kTextInset};
}

const std::string* ButtonText(const ToolbarState& s, const ToolbarButton& button) {
  if (button.string < 0 || static_cast<size_t>(button.string) >= s.strings.size()) return nullptr;
  return &s.strings[static_cast<size_t>(button.string)];
}

void PaintToolbar(HWND hwnd, const ToolbarState& s, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  if (!(StyleOf(hwnd) & TBSTYLE_TRANSPARENT)) FillSysColor(dc, client, COLOR_BTNFACE);
  if (!(StyleOf(hwnd) & CCS_NODIVIDER)) {
    RECT divider{client.left, 0, client.right, 2};
    DrawEdge(dc, &divider, EDGE_ETCHED, BF_TOP);
  }
  for (int i = 0; i < static_cast<int>(s.buttons.size()); ++i) {
    if (!(s.buttons[static_cast<size_t>(i)].state & TBSTATE_HIDDEN)) PaintButton(hwnd, dc, s, i);
  }
}

}  // namespace win32::controls
