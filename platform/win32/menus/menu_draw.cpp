#include "menus/menu_draw.h"

namespace win32::menus {
namespace {

// Text in the menu font; grey items are embossed on the menu colour and
// plain grey on the highlight.
void DrawLabel(HDC dc, const std::string& text, RECT r, UINT format, COLORREF colour, bool grey, bool highlighted) {
  SetBkMode(dc, TRANSPARENT);
  if (grey && !highlighted) {
    RECT shadow = r;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawText(dc, text.c_str(), -1, &shadow, format);
    colour = GetSysColor(COLOR_BTNSHADOW);
  } else if (grey) {
    colour = GetSysColor(COLOR_GRAYTEXT);
  }
  SetTextColor(dc, colour);
  DrawText(dc, text.c_str(), -1, &r, format);
}

// A font selected into a DC for the lifetime of the holder.
class SelectedFont {
 public:
  SelectedFont(HDC dc, bool bold) : dc_(dc), font_(bold), old_(SelectObject(dc, font_.get())) {}
  ~SelectedFont() { SelectObject(dc_, old_); }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC dc_;
  MenuFont font_;
  HGDIOBJ old_;
};

// Menu glyphs come as black-on-white masks: the black pixels are drawn
// in the item's text colour, so that they show on the highlight too.
void DrawGlyph(HDC dc, const RECT& r, UINT glyph, COLORREF colour) {
  const int cx = r.right - r.left, cy = r.bottom - r.top;
  HDC mask = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, cx, cy);
  HGDIOBJ old = SelectObject(mask, bitmap);
  RECT box{0, 0, cx, cy};
  DrawFrameControl(mask, &box, DFC_MENU, glyph);
  for (int y = 0; y < cy; ++y)
    for (int x = 0; x < cx; ++x)
      if ((GetPixel(mask, x, y) & 0xFFFFFF) == 0) SetPixelV(dc, r.left + x, r.top + y, colour);
  SelectObject(mask, old);
  DeleteObject(bitmap);
  DeleteDC(mask);
}

HICON SystemIconOf(HWND window) {
  auto icon = reinterpret_cast<HICON>(GetClassLongPtr(window, GCLP_HICONSM));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtr(window, GCLP_HICON));
  return icon != nullptr ? icon : LoadIcon(nullptr, IDI_APPLICATION);
}

// The bar items that stand for an MDI child's system menu and buttons.
void DrawBarBitmap(HDC dc, const MenuItem& item, const RECT& r) {
  if (item.bitmap == HBMMENU_SYSTEM) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    DrawIconEx(dc, r.left + 1, r.top + (r.bottom - r.top - size) / 2, SystemIconOf(reinterpret_cast<HWND>(item.data)),
               size, size, 0, nullptr, DI_NORMAL);
    return;
  }
  UINT kind = DFCS_CAPTIONCLOSE;
  if (item.bitmap == HBMMENU_MBAR_MINIMIZE || item.bitmap == HBMMENU_MBAR_MINIMIZE_D) kind = DFCS_CAPTIONMIN;
  if (item.bitmap == HBMMENU_MBAR_RESTORE) kind = DFCS_CAPTIONRESTORE;
  if (IsDisabled(item)) kind |= DFCS_INACTIVE;
  RECT button{r.left + 1, r.top + 2, r.right - 1, r.bottom - 3};
  DrawFrameControl(dc, &button, DFC_CAPTION, kind);
}

void DrawPopupItem(HDC dc, const MenuItem& item, RECT r, const PopupLayout& layout, bool selected) {
  if (IsSeparator(item)) {
    RECT line{r.left + 1, (r.top + r.bottom) / 2 - 1, r.right - 1, (r.top + r.bottom) / 2 + 1};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  if (selected) FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
  const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  const bool grey = IsDisabled(item);
  if (item.state & MF_CHECKED) {
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    RECT mark{r.left + (layout.labelLeft - size) / 2, r.top + (r.bottom - r.top - size) / 2, 0, 0};
    mark.right = mark.left + size;
    mark.bottom = mark.top + size;
    const UINT glyph = (item.type & MFT_RADIOCHECK) ? DFCS_MENUBULLET : DFCS_MENUCHECK;
    DrawGlyph(dc, mark, glyph, grey ? GetSysColor(COLOR_GRAYTEXT) : text);
  }
  SelectedFont font(dc, (item.state & MF_DEFAULT) != 0);
  RECT label{r.left + layout.labelLeft, r.top, r.right, r.bottom};
  DrawLabel(dc, LabelOf(item), label, DT_LEFT | DT_VCENTER | DT_SINGLELINE, text, grey, selected);
  const std::string accelerator = AcceleratorOf(item);
  if (!accelerator.empty()) {
    RECT right{r.left + layout.labelLeft, r.top, r.left + layout.acceleratorRight, r.bottom};
    DrawLabel(dc, accelerator, right, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, text, grey, selected);
  }
  if (item.subMenu != nullptr) {
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    RECT arrow{r.right - size - 4, r.top + (r.bottom - r.top - size) / 2, r.right - 4, 0};
    arrow.bottom = arrow.top + size;
    DrawGlyph(dc, arrow, DFCS_MENUARROW, text);
  }
}

}  // namespace

void DrawBarBackground(HDC dc, const RECT& bar) { FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU)); }

void DrawBarItem(HDC dc, const MenuItem& item, const RECT& rect, BarLook look) {
  FillRect(dc, &rect, GetSysColorBrush(COLOR_MENU));
  if (item.type & MFT_BITMAP) {
    DrawBarBitmap(dc, item, rect);
    return;
  }
  RECT text = rect;
  if (look != BarLook::Plain) {
    RECT edge = rect;
    InflateRect(&edge, 0, -1);
    DrawEdge(dc, &edge, look == BarLook::Sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    if (look == BarLook::Sunken) OffsetRect(&text, 1, 1);
  }
  SelectedFont font(dc, false);
  DrawLabel(dc, item.text, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, GetSysColor(COLOR_MENUTEXT), IsDisabled(item),
            false);
}

void DrawPopup(HDC dc, const std::vector<MenuItem>& items, const PopupLayout& layout, int selected) {
  RECT all{0, 0, layout.size.cx, layout.size.cy};
  FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
  DrawEdge(dc, &all, EDGE_RAISED, BF_RECT);
  for (size_t i = 0; i < items.size() && i < layout.items.size(); ++i)
    DrawPopupItem(dc, items[i], layout.items[i], layout, int(i) == selected);
}

}  // namespace win32::menus
