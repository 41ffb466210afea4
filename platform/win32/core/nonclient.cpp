#include "core/nonclient.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/window.h"
#include "internal/ctl_scroll.h"
#include "internal/mdi_bridge.h"
#include "internal/menu_bridge.h"

namespace win32::core {
namespace {

struct FrameInfo {
  HWND hwnd = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  bool menu = false;
  bool active = false;
  RECT window{};  // window coordinates: origin at the top-left corner
  std::string text;
  HICON icon = nullptr;
};

std::optional<FrameInfo> Describe(HWND hwnd) {
  Lock lk(S());
  WindowPtr w = FindWindowLocked(hwnd);
  if (!w) return std::nullopt;
  FrameInfo f;
  f.style = w->style;
  f.exStyle = w->exStyle;
  f.menu = !(w->style & WS_CHILD) && w->id != 0;
  f.active = S().active == hwnd;
  f.hwnd = hwnd;
  f.window = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  f.text = w->text;
  f.icon = w->cls->wc.hIconSm ? w->cls->wc.hIconSm : w->cls->wc.hIcon;
  lk.unlock();
  // An MDI child looks active while it is its client's active child.
  if (f.exStyle & WS_EX_MDICHILD) f.active = win32::internal::IsActiveMdiChild(hwnd);
  return f;
}

bool HasCaption(const FrameInfo& f) { return (f.style & WS_CAPTION) == WS_CAPTION; }
bool IsDialogFrame(const FrameInfo& f) {
  return !(f.style & WS_THICKFRAME) && ((f.exStyle & WS_EX_DLGMODALFRAME) || (f.style & WS_DLGFRAME));
}

// The caption bar inside the frame, window coordinates.
RECT CaptionRect(const FrameInfo& f) {
  RECT in = FrameInsets(f.style & ~WS_CAPTION, f.exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), false);
  // A caption implies the border/dialog frame even though WS_CAPTION was
  // masked above.
  if (!(f.style & WS_THICKFRAME)) in.left = in.top = in.right = GetSystemMetrics(SM_CXDLGFRAME);
  const int h = (f.exStyle & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
  return RECT{in.left, in.top, f.window.right - in.right, in.top + h - 1};
}

RECT CloseButtonRect(const RECT& caption) {
  const int h = caption.bottom - caption.top;
  const int bw = GetSystemMetrics(SM_CXSIZE) - 2, bh = h - 4;
  return RECT{caption.right - 2 - bw, caption.top + 2, caption.right - 2, caption.top + 2 + bh};
}

RECT ButtonLeftOf(const RECT& b, int gap) {
  const int w = b.right - b.left;
  return RECT{b.left - gap - w, b.top, b.left - gap, b.bottom};
}

// The menu bar's extra rows when its items wrap.
int ExtraBarHeight(const FrameInfo& f, int windowWidth) {
  if (!f.menu) return 0;
  const RECT in = FrameInsets(f.style, f.exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), true);
  const int rows = win32::internal::MenuBarRows(f.hwnd, windowWidth - in.left - in.right);
  return (rows - 1) * GetSystemMetrics(SM_CYMENU);
}

// The menu bar between the caption and the client edge, window coordinates.
RECT BarRect(const FrameInfo& f) {
  if (!f.menu) return RECT{};
  const RECT in = FrameInsets(f.style, f.exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), true);
  return RECT{in.left, in.top - GetSystemMetrics(SM_CYMENU), f.window.right - in.right,
              in.top + ExtraBarHeight(f, f.window.right)};
}

void DrawFrame(HDC dc, const FrameInfo& f, RECT& r) {
  if (f.style & WS_THICKFRAME) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    HBRUSH border = GetSysColorBrush(f.active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
    for (int i = 0; i < GetSystemMetrics(SM_CXFRAME) - 2; ++i) {
      FrameRect(dc, &r, border);
      InflateRect(&r, -1, -1);
    }
  } else if (IsDialogFrame(f) || HasCaption(f)) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    InflateRect(&r, -1, -1);
  } else if (f.style & WS_BORDER) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
}

void DrawCaption(HDC dc, const FrameInfo& f) {
  const RECT cap = CaptionRect(f);
  const COLORREF left = GetSysColor(f.active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  const COLORREF right = GetSysColor(f.active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
  auto channel = [](COLORREF c, int shift) { return static_cast<COLOR16>(((c >> shift) & 0xFF) << 8); };
  TRIVERTEX v[2] = {{cap.left, cap.top, channel(left, 0), channel(left, 8), channel(left, 16), 0},
                    {cap.right, cap.bottom, channel(right, 0), channel(right, 8), channel(right, 16), 0}};
  GRADIENT_RECT gr{0, 1};
  GradientFill(dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_H);
  // The line under the caption.
  RECT line{cap.left, cap.bottom, cap.right, cap.bottom + 1};
  FillRect(dc, &line, GetSysColorBrush(COLOR_BTNFACE));

  int textLeft = cap.left + 2;
  if ((f.style & WS_SYSMENU) && !IsDialogFrame(f) && !(f.exStyle & WS_EX_TOOLWINDOW)) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    if (f.icon) DrawIconEx(dc, cap.left + 1, cap.top + 1, f.icon, size, size, 0, nullptr, DI_NORMAL);
    textLeft = cap.left + 1 + size + 2;
  }
  RECT buttons = cap;
  if (f.style & WS_SYSMENU) {
    RECT close = CloseButtonRect(cap);
    // The system menu's Close greys the button.
    const UINT closeState = win32::internal::IsSystemCommandEnabled(f.hwnd, SC_CLOSE) ? 0 : DFCS_INACTIVE;
    DrawFrameControl(dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE | closeState);
    buttons.right = close.left;
    if (f.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
      RECT max = ButtonLeftOf(close, 2);
      RECT min = ButtonLeftOf(max, 0);
      DrawFrameControl(dc, &max, DFC_CAPTION,
                       ((f.style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) |
                           ((f.style & WS_MAXIMIZEBOX) ? 0 : DFCS_INACTIVE));
      DrawFrameControl(dc, &min, DFC_CAPTION,
                       ((f.style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN) |
                           ((f.style & WS_MINIMIZEBOX) ? 0 : DFCS_INACTIVE));
      buttons.right = min.left;
    }
  }
  LOGFONT lf{};
  lf.lfHeight = -11;
  lf.lfWeight = FW_BOLD;
  std::strcpy(lf.lfFaceName, "MS Sans Serif");
  HFONT font = CreateFontIndirect(&lf);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(f.active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  RECT text{textLeft, cap.top, buttons.right - 2, cap.bottom};
  DrawText(dc, f.text.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  DeleteObject(font);
}

}  // namespace

RECT ClientFromWindowRect(HWND hwnd, const RECT& windowRect) {
  auto f = Describe(hwnd);
  if (!f) return windowRect;
  const RECT in = FrameInsets(f->style, f->exStyle, f->menu);
  const int top = in.top + ExtraBarHeight(*f, windowRect.right - windowRect.left);
  RECT r{windowRect.left + in.left, windowRect.top + top, windowRect.right - in.right, windowRect.bottom - in.bottom};
  if (f->style & WS_VSCROLL) r.right -= GetSystemMetrics(SM_CXVSCROLL);
  if (f->style & WS_HSCROLL) r.bottom -= GetSystemMetrics(SM_CYHSCROLL);
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

LRESULT NcHitTest(HWND hwnd, POINT screen) {
  auto f = Describe(hwnd);
  RECT wr;
  if (!f || !GetWindowRect(hwnd, &wr)) return HTNOWHERE;
  if (!PtInRect(&wr, screen)) return HTNOWHERE;
  const POINT p{screen.x - wr.left, screen.y - wr.top};
  const RECT client = ClientFromWindowRect(hwnd, f->window);
  if (PtInRect(&client, p)) return HTCLIENT;
  if (f->style & WS_VSCROLL && p.x >= client.right && p.y >= client.top && p.y < client.bottom) return HTVSCROLL;
  if (f->style & WS_HSCROLL && p.y >= client.bottom && p.x >= client.left && p.x < client.right) return HTHSCROLL;
  if (f->style & WS_THICKFRAME) {
    const int b = GetSystemMetrics(SM_CXFRAME);
    const bool left = p.x < b, right = p.x >= f->window.right - b, top = p.y < b, bottom = p.y >= f->window.bottom - b;
    if (top && left) return HTTOPLEFT;
    if (top && right) return HTTOPRIGHT;
    if (bottom && left) return HTBOTTOMLEFT;
    if (bottom && right) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
  }
  if (HasCaption(*f)) {
    const RECT cap = CaptionRect(*f);
    if (PtInRect(&cap, p)) {
      if (f->style & WS_SYSMENU) {
        RECT close = CloseButtonRect(cap);
        if (PtInRect(&close, p)) return HTCLOSE;
        if (f->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
          RECT max = ButtonLeftOf(close, 2), min = ButtonLeftOf(max, 0);
          if (PtInRect(&max, p)) return HTMAXBUTTON;
          if (PtInRect(&min, p)) return HTMINBUTTON;
        }
        if (!IsDialogFrame(*f) && p.x < cap.left + GetSystemMetrics(SM_CXSMICON) + 2) return HTSYSMENU;
      }
      return HTCAPTION;
    }
  }
  const RECT bar = BarRect(*f);
  if (PtInRect(&bar, p)) return HTMENU;
  return HTBORDER;
}

void PaintNonClient(HWND hwnd) {
  auto f = Describe(hwnd);
  if (!f) return;
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  RECT r = f->window;
  DrawFrame(dc, *f, r);
  if (HasCaption(*f)) DrawCaption(dc, *f);
  if (f->menu) win32::internal::PaintMenuBar(hwnd, dc, BarRect(*f));
  RECT inner = ClientFromWindowRect(hwnd, f->window);
  if (f->exStyle & WS_EX_CLIENTEDGE) {
    RECT e = inner;
    InflateRect(&e, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
    if (f->style & WS_VSCROLL) e.right += GetSystemMetrics(SM_CXVSCROLL);
    if (f->style & WS_HSCROLL) e.bottom += GetSystemMetrics(SM_CYHSCROLL);
    DrawEdge(dc, &e, EDGE_SUNKEN, BF_RECT);
  } else if (f->exStyle & WS_EX_STATICEDGE) {
    RECT e = inner;
    InflateRect(&e, 1, 1);
    DrawEdge(dc, &e, BDR_SUNKENOUTER, BF_RECT);
  }
  if (f->style & (WS_VSCROLL | WS_HSCROLL)) win32::internal::PaintScrollBars(hwnd, dc);
  ReleaseDC(hwnd, dc);
}

}  // namespace win32::core

namespace win32::internal {

RECT MenuBarRect(HWND hwnd) {
  auto f = win32::core::Describe(hwnd);
  return f ? win32::core::BarRect(*f) : RECT{};
}

RECT SystemIconRect(HWND hwnd) {
  auto f = win32::core::Describe(hwnd);
  if (!f || !win32::core::HasCaption(*f) || !(f->style & WS_SYSMENU)) return RECT{};
  const RECT cap = win32::core::CaptionRect(*f);
  return RECT{cap.left, cap.top, cap.left + GetSystemMetrics(SM_CXSMICON) + 2, cap.bottom};
}

}  // namespace win32::internal
