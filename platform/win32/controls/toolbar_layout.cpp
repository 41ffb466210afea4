// Toolbar layout, image strips and the tooltip's tools.
#include <algorithm>
#include <cstring>
#include <numeric>

#include "controls/toolbar.h"

namespace win32::controls {
namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kPadding = 2;
// Classic button images have a light grey background that shows the
// button face through.
constexpr COLORREF kImageBackground = RGB(192, 192, 192);

int TopOfButtons(HWND hwnd) { return ((StyleOf(hwnd) & CCS_NODIVIDER) ? 0 : 2) + kPadding; }

int ButtonWidth(const ToolbarState& s, const ToolbarButton& b) {
  if (b.style & TBSTYLE_SEP) return b.image > 0 ? b.image : kSeparatorWidth;
  return s.buttonSize.cx;
}

// The row width that fits the buttons into the rows TB_SETROWS asked for.
int RowLimit(HWND hwnd, const ToolbarState& s) {
  if (s.requestedRows > 1) {
    int total = 0;
    for (const ToolbarButton& b : s.buttons) {
      if (!(b.state & TBSTATE_HIDDEN)) total += ButtonWidth(s, b);
    }
    return std::max(static_cast<int>(s.buttonSize.cx), (total + s.requestedRows - 1) / s.requestedRows);
  }
  if (!(StyleOf(hwnd) & TBSTYLE_WRAPABLE)) return 0;
  RECT rc{};
  GetClientRect(hwnd, &rc);
  return rc.right;
}

void UpdateToolRect(HWND hwnd, const ToolbarState& s, const ToolbarButton& button) {
  if (!s.tooltip || (button.style & TBSTYLE_SEP)) return;
  TOOLINFO info{};
  info.cbSize = sizeof(info);
  info.hwnd = hwnd;
  info.uId = static_cast<UINT_PTR>(button.command);
  info.rect = button.rect;
  SendMessage(s.tooltip, TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
}

TOOLINFO ButtonTool(HWND hwnd, const ToolbarButton& button) {
  TOOLINFO info{};
  info.cbSize = sizeof(info);
  info.hwnd = hwnd;
  info.uId = static_cast<UINT_PTR>(button.command);
  info.rect = button.rect;
  info.lpszText = LPSTR_TEXTCALLBACK;
  return info;
}

// The strip holding image `index`, with the index inside it.
const ImageStrip* StripOf(const ToolbarState& s, int& index) {
  if (index < 0) return nullptr;
  for (const ImageStrip& strip : s.strips) {
    if (index < strip.count) return &strip;
    index -= strip.count;
  }
  return nullptr;
}

void DrawEmbossed(HDC dc, HDC memory, int left, int x, int y, SIZE size) {
  for (int pass = 0; pass < 2; ++pass) {
    COLORREF color = GetSysColor(pass == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    int offset = pass == 0 ? 1 : 0;
    for (int py = 0; py < size.cy; ++py) {
      for (int px = 0; px < size.cx; ++px) {
        COLORREF c = GetPixel(memory, left + px, py);
        // The image's outline: what is neither background nor white.
        if (c == CLR_INVALID || c == kImageBackground || c == RGB(255, 255, 255)) continue;
        SetPixelV(dc, x + px + offset, y + py + offset, color);
      }
    }
  }
}

}  // namespace

void LayoutToolbar(HWND hwnd, ToolbarState& s) {
  int limit = RowLimit(hwnd, s);
  int x = 0;
  int y = TopOfButtons(hwnd);
  s.rows = 1;
  bool rowHasButtons = false;
  for (ToolbarButton& b : s.buttons) {
    if (b.state & TBSTATE_HIDDEN) {
      b.rect = RECT{};
      continue;
    }
    int width = ButtonWidth(s, b);
    if (limit > 0 && rowHasButtons && x + width > limit && !(b.style & TBSTYLE_SEP)) {
      x = 0;
      y += s.buttonSize.cy;
      ++s.rows;
    }
    b.rect = RECT{x, y, x + width, y + s.buttonSize.cy};
    x += width;
    rowHasButtons = true;
    if (b.state & TBSTATE_WRAP) {
      x = 0;
      y += s.buttonSize.cy;
      ++s.rows;
      rowHasButtons = false;
    }
  }
  if (!rowHasButtons && s.rows > 1) --s.rows;
  for (const ToolbarButton& b : s.buttons) UpdateToolRect(hwnd, s, b);
}

int ToolbarHeight(HWND hwnd, const ToolbarState& s) { return TopOfButtons(hwnd) + s.rows * s.buttonSize.cy + kPadding; }

int ButtonAt(const ToolbarState& s, POINT pt) {
  for (size_t i = 0; i < s.buttons.size(); ++i) {
    const ToolbarButton& b = s.buttons[i];
    if (!(b.state & TBSTATE_HIDDEN) && PtInRect(&b.rect, pt)) return static_cast<int>(i);
  }
  return -1;
}

HWND ToolbarOwner(HWND hwnd, const ToolbarState& s) { return s.owner && IsWindow(s.owner) ? s.owner : GetParent(hwnd); }

int AddBitmap(HWND hwnd, ToolbarState& s, int count, const TBADDBITMAP& add) {
  ImageStrip strip;
  if (add.hInst == HINST_COMMCTRL) {
    strip.bitmap = CreateStandardButtonImages(add.nID == IDB_STD_LARGE_COLOR);
    strip.owned = true;
  } else if (!add.hInst) {
    strip.bitmap = reinterpret_cast<HBITMAP>(add.nID);
  } else {
    strip.bitmap = LoadBitmap(add.hInst, MAKEINTRESOURCE(add.nID));
    strip.owned = true;
  }
  BITMAP bm{};
  if (!strip.bitmap || !GetObject(strip.bitmap, sizeof(bm), &bm)) {
    if (strip.owned && strip.bitmap) DeleteObject(strip.bitmap);
    return -1;
  }
  int fits = s.bitmapSize.cx > 0 ? bm.bmWidth / s.bitmapSize.cx : 0;
  strip.count = count > 0 ? count : fits;
  int first = std::accumulate(s.strips.begin(), s.strips.end(), 0,
                              [](int sum, const ImageStrip& each) { return sum + each.count; });
  s.strips.push_back(strip);
  Redraw(hwnd);
  return first;
}

void DeleteImageStrips(ToolbarState& s) {
  for (const ImageStrip& strip : s.strips) {
    if (strip.owned) DeleteObject(strip.bitmap);
  }
  s.strips.clear();
}

void DrawButtonImage(const ToolbarState& s, HDC dc, int index, int x, int y, bool disabled) {
  const ImageStrip* strip = StripOf(s, index);
  if (!strip) return;
  HDC memory = CreateCompatibleDC(dc);
  {
    SelectGuard select(memory, strip->bitmap);
    int left = index * s.bitmapSize.cx;
    if (disabled) {
      DrawEmbossed(dc, memory, left, x, y, s.bitmapSize);
    } else {
      TransparentBlt(dc, x, y, s.bitmapSize.cx, s.bitmapSize.cy, memory, left, 0, s.bitmapSize.cx, s.bitmapSize.cy,
                     kImageBackground);
    }
  }
  DeleteDC(memory);
}

void AddButtonTool(HWND hwnd, const ToolbarState& s, const ToolbarButton& button) {
  if (!s.tooltip || (button.style & TBSTYLE_SEP)) return;
  TOOLINFO info = ButtonTool(hwnd, button);
  SendMessage(s.tooltip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void RemoveButtonTool(HWND hwnd, const ToolbarState& s, const ToolbarButton& button) {
  if (!s.tooltip || (button.style & TBSTYLE_SEP)) return;
  TOOLINFO info = ButtonTool(hwnd, button);
  SendMessage(s.tooltip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT ToolbarNeedText(HWND hwnd, const ToolbarState& s, NMTTDISPINFO& info) {
  HWND owner = ToolbarOwner(hwnd, s);
  if (owner) SendMessage(owner, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  bool answered = info.hinst || (info.lpszText && (info.lpszText != info.szText || info.szText[0] != '\0'));
  if (answered || !IsWindow(hwnd)) return 0;
  HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(hwnd, GWLP_HINSTANCE));
  char text[256] = {};
  if (LoadString(module, static_cast<UINT>(info.hdr.idFrom), text, sizeof(text)) <= 0) return 0;
  const char* tip = std::strchr(text, '\n');
  lstrcpyn(info.szText, tip ? tip + 1 : text, sizeof(info.szText));
  info.lpszText = info.szText;
  return 0;
}

}  // namespace win32::controls
