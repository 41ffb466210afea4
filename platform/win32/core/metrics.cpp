// System metrics and parameters (the classic values; the screen is fixed
// when headless), frame sizes and rectangle helpers.
#include <algorithm>
#include <cstring>

#include "core/state.h"
#include "core/window.h"

namespace win32::core {

RECT FrameInsets(DWORD style, DWORD exStyle, bool menu) {
  int edge = 0;
  if (exStyle & WS_EX_CLIENTEDGE) edge += GetSystemMetrics(SM_CXEDGE);
  if (exStyle & WS_EX_STATICEDGE) edge += GetSystemMetrics(SM_CXBORDER);
  int frame = 0;
  if (style & WS_THICKFRAME) {
    frame = GetSystemMetrics(SM_CXFRAME);
  } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
    frame = GetSystemMetrics(SM_CXDLGFRAME);
  } else if (style & WS_BORDER) {
    frame = GetSystemMetrics(SM_CXBORDER);
  }
  int top = frame + edge;
  if ((style & WS_CAPTION) == WS_CAPTION) {
    top += (exStyle & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
  }
  if (menu) top += GetSystemMetrics(SM_CYMENU);
  return RECT{frame + edge, top, frame + edge, frame + edge};
}

}  // namespace win32::core

using namespace win32::core;

int WINAPI GetSystemMetrics(int nIndex) {
  const SIZE screen = Backend().ScreenSize();
  switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CXFULLSCREEN:
      return screen.cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
      return screen.cy;
    case SM_CYFULLSCREEN:
      return screen.cy - 28 - 19;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
      return 16;
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
      return 16;
    case SM_CYCAPTION:
      return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CYSMCAPTION:
      return 16;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE:
      return 15;
    case SM_CYMENU:
      return 19;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
      return 18;
    case SM_CXSIZE:
    case SM_CYSIZE:
      return 18;
    case SM_CXMIN:
      return 112;
    case SM_CYMIN:
      return 27;
    case SM_CXMINTRACK:
      return 112;
    case SM_CYMINTRACK:
      return 27;
    case SM_CXMAXTRACK:
      return screen.cx + 12;
    case SM_CYMAXTRACK:
      return screen.cy + 12;
    case SM_CXMAXIMIZED:
      return screen.cx + 8;
    case SM_CYMAXIMIZED:
      return screen.cy - 28 + 8;
    case SM_CXMINIMIZED:
      return 160;
    case SM_CYMINIMIZED:
      return 24;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
      return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING:
      return 75;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
      return 13;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS:
    case SM_SAMEDISPLAYFORMAT:
      return 1;
    case SM_CMOUSEBUTTONS:
      return 3;
    default:
      return 0;
  }
}

namespace {

LOGFONT ClassicFont(bool bold) {
  LOGFONT lf{};
  lf.lfHeight = -11;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = ANSI_CHARSET;
  std::strcpy(lf.lfFaceName, "MS Sans Serif");
  return lf;
}

}  // namespace

BOOL WINAPI SystemParametersInfo(UINT uiAction, UINT, PVOID pvParam, UINT) {
  switch (uiAction) {
    case SPI_GETWORKAREA: {
      if (!pvParam) return FALSE;
      // The classic task bar takes 28 pixels at the bottom.
      *static_cast<RECT*>(pvParam) = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - 28};
      return TRUE;
    }
    case SPI_GETNONCLIENTMETRICS: {
      auto* m = static_cast<NONCLIENTMETRICS*>(pvParam);
      if (!m) return FALSE;
      *m = NONCLIENTMETRICS{};
      m->cbSize = sizeof(NONCLIENTMETRICS);
      m->iBorderWidth = 1;
      m->iScrollWidth = m->iScrollHeight = 16;
      m->iCaptionWidth = m->iCaptionHeight = 18;
      m->lfCaptionFont = ClassicFont(true);
      m->iSmCaptionWidth = m->iSmCaptionHeight = 15;
      m->lfSmCaptionFont = ClassicFont(true);
      m->iMenuWidth = m->iMenuHeight = 18;
      m->lfMenuFont = m->lfStatusFont = m->lfMessageFont = ClassicFont(false);
      return TRUE;
    }
    case SPI_GETICONTITLELOGFONT:
      if (!pvParam) return FALSE;
      *static_cast<LOGFONT*>(pvParam) = ClassicFont(false);
      return TRUE;
    case SPI_GETWHEELSCROLLLINES:
      if (pvParam) *static_cast<UINT*>(pvParam) = 3;
      return pvParam != nullptr;
    case SPI_GETKEYBOARDDELAY:
    case SPI_GETKEYBOARDSPEED:
    case SPI_GETMENUSHOWDELAY:
    case SPI_GETMOUSEHOVERTIME: {
      const UINT values[] = {1, 31, 400, 400};
      const int i = uiAction == SPI_GETKEYBOARDDELAY   ? 0
                    : uiAction == SPI_GETKEYBOARDSPEED ? 1
                    : uiAction == SPI_GETMENUSHOWDELAY ? 2
                                                       : 3;
      if (pvParam) *static_cast<UINT*>(pvParam) = values[i];
      return pvParam != nullptr;
    }
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT:
      if (pvParam) *static_cast<UINT*>(pvParam) = 4;
      return pvParam != nullptr;
    case SPI_GETGRADIENTCAPTIONS:
    case SPI_GETBEEP:
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETICONTITLEWRAP:
      if (pvParam) *static_cast<BOOL*>(pvParam) = TRUE;
      return pvParam != nullptr;
    case SPI_GETBORDER:
      if (pvParam) *static_cast<int*>(pvParam) = 1;
      return pvParam != nullptr;
    case SPI_GETFOCUSBORDERWIDTH:
    case SPI_GETFOCUSBORDERHEIGHT:
      if (pvParam) *static_cast<UINT*>(pvParam) = 1;
      return pvParam != nullptr;
    default:
      // Effects, animations, cues and accessibility are all off.
      if (pvParam && uiAction < 0x2000) *static_cast<BOOL*>(pvParam) = FALSE;
      return pvParam != nullptr;
  }
}

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
  if (!lpRect) return FALSE;
  if (!(dwStyle & (WS_CHILD | WS_POPUP))) dwStyle |= WS_CAPTION;
  if ((dwExStyle & WS_EX_DLGMODALFRAME) || (dwStyle & (WS_DLGFRAME | WS_THICKFRAME))) dwExStyle |= WS_EX_WINDOWEDGE;
  const RECT in = FrameInsets(dwStyle, dwExStyle, bMenu != FALSE);
  lpRect->left -= in.left;
  lpRect->top -= in.top;
  lpRect->right += in.right;
  lpRect->bottom += in.bottom;
  return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT lpRect, DWORD dwStyle, BOOL bMenu) {
  return AdjustWindowRectEx(lpRect, dwStyle, bMenu, 0);
}

BOOL WINAPI SetRect(LPRECT r, int l, int t, int rt, int b) {
  if (!r) return FALSE;
  *r = RECT{l, t, rt, b};
  return TRUE;
}
BOOL WINAPI SetRectEmpty(LPRECT r) { return SetRect(r, 0, 0, 0, 0); }
BOOL WINAPI CopyRect(LPRECT d, const RECT* s) {
  if (!d || !s) return FALSE;
  *d = *s;
  return TRUE;
}
BOOL WINAPI InflateRect(LPRECT r, int dx, int dy) {
  if (!r) return FALSE;
  r->left -= dx;
  r->right += dx;
  r->top -= dy;
  r->bottom += dy;
  return TRUE;
}
BOOL WINAPI OffsetRect(LPRECT r, int dx, int dy) {
  if (!r) return FALSE;
  r->left += dx;
  r->right += dx;
  r->top += dy;
  r->bottom += dy;
  return TRUE;
}
BOOL WINAPI IsRectEmpty(const RECT* r) { return !r || r->right <= r->left || r->bottom <= r->top; }
BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
  return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}
BOOL WINAPI IntersectRect(LPRECT d, const RECT* a, const RECT* b) {
  if (!d || !a || !b) return FALSE;
  RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
         std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&r)) r = RECT{};
  *d = r;
  return !IsRectEmpty(&r);
}
BOOL WINAPI UnionRect(LPRECT d, const RECT* a, const RECT* b) {
  if (!d || !a || !b) return FALSE;
  if (IsRectEmpty(a)) {
    *d = IsRectEmpty(b) ? RECT{} : *b;
  } else if (IsRectEmpty(b)) {
    *d = *a;
  } else {
    *d = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
              std::max(a->bottom, b->bottom)};
  }
  return !IsRectEmpty(d);
}
BOOL WINAPI SubtractRect(LPRECT d, const RECT* a, const RECT* b) {
  if (!d || !a || !b) return FALSE;
  RECT r = *a;
  RECT i{};
  if (IntersectRect(&i, a, b)) {
    // Only a cut that spans a whole side leaves a rectangle.
    if (i.top == r.top && i.bottom == r.bottom) {
      if (i.left == r.left)
        r.left = i.right;
      else if (i.right == r.right)
        r.right = i.left;
    } else if (i.left == r.left && i.right == r.right) {
      if (i.top == r.top)
        r.top = i.bottom;
      else if (i.bottom == r.bottom)
        r.bottom = i.top;
    }
  }
  if (IsRectEmpty(&r)) r = RECT{};
  *d = r;
  return !IsRectEmpty(&r);
}
BOOL WINAPI PtInRect(const RECT* r, POINT p) {
  return r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}
