// The "Static" class: labels, icons, bitmaps, rectangles, frames and etched
// lines.
#include "controls/controls_common.h"
#include "internal/core_classes.h"

namespace win32::controls {
namespace {

struct StaticState {
  HFONT font = nullptr;
  HICON icon = nullptr;
  HBITMAP bitmap = nullptr;
};

DWORD StaticType(HWND hwnd) { return StyleOf(hwnd) & SS_TYPEMASK; }

// An icon named by a window title: an integer resource, the "\xFF" + WORD
// form dialog templates give ordinals in, or a resource name.
HICON IconFromTitle(HWND hwnd, LPCSTR title) {
  if (!title) return nullptr;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(hwnd, GWLP_HINSTANCE));
  if (IS_INTRESOURCE(title)) return LoadIcon(instance, title);
  const auto* bytes = reinterpret_cast<const unsigned char*>(title);
  if (bytes[0] == 0xFF) {
    WORD id = static_cast<WORD>(bytes[1] | (bytes[2] << 8));
    return LoadIcon(instance, MAKEINTRESOURCE(id));
  }
  if (bytes[0] == 0) return nullptr;
  return LoadIcon(instance, title);
}

// Image statics take the size of their image unless told to centre it.
void FitToImage(HWND hwnd, UINT type, HANDLE image) {
  DWORD style = StyleOf(hwnd);
  if (style & (SS_CENTERIMAGE | SS_REALSIZECONTROL)) return;
  SIZE size = ImageSize(type, image);
  if (size.cx == 0 || size.cy == 0) return;
  SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SetIcon(HWND hwnd, StaticState& state, HICON icon) {
  HICON old = state.icon;
  state.icon = icon;
  FitToImage(hwnd, IMAGE_ICON, icon);
  Redraw(hwnd);
  return reinterpret_cast<LRESULT>(old);
}

LRESULT SetImage(HWND hwnd, StaticState& state, WPARAM type, LPARAM image) {
  if (type == IMAGE_ICON) return SetIcon(hwnd, state, reinterpret_cast<HICON>(image));
  if (type != IMAGE_BITMAP) return 0;
  HBITMAP old = state.bitmap;
  state.bitmap = reinterpret_cast<HBITMAP>(image);
  FitToImage(hwnd, IMAGE_BITMAP, state.bitmap);
  Redraw(hwnd);
  return reinterpret_cast<LRESULT>(old);
}

UINT TextFormat(DWORD style) {
  UINT format = DT_EXPANDTABS;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER:
      format |= DT_CENTER | DT_WORDBREAK;
      break;
    case SS_RIGHT:
      format |= DT_RIGHT | DT_WORDBREAK;
      break;
    case SS_SIMPLE:
      format = DT_SINGLELINE | DT_NOCLIP;
      break;
    case SS_LEFTNOWORDWRAP:
      break;
    default:
      format |= DT_WORDBREAK;
      break;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & SS_CENTERIMAGE) format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
  if ((style & SS_ELLIPSISMASK) == SS_ENDELLIPSIS) format |= DT_END_ELLIPSIS;
  if ((style & SS_ELLIPSISMASK) == SS_PATHELLIPSIS) format |= DT_PATH_ELLIPSIS;
  if ((style & SS_ELLIPSISMASK) == SS_WORDELLIPSIS) format |= DT_WORD_ELLIPSIS;
  return format;
}

void PaintText(HWND hwnd, const StaticState& state, HDC dc, const RECT& rc) {
  SelectGuard font(dc, PaintFont(state.font));
  DrawControlText(dc, WindowText(hwnd), rc, TextFormat(StyleOf(hwnd)), !IsWindowEnabled(hwnd));
}

// The colour of the filled and framed kinds.
int ShapeColor(DWORD type) {
  switch (type) {
    case SS_BLACKRECT:
    case SS_BLACKFRAME:
      return COLOR_3DDKSHADOW;
    case SS_GRAYRECT:
    case SS_GRAYFRAME:
      return COLOR_3DSHADOW;
    default:
      return COLOR_3DHIGHLIGHT;
  }
}

// Paints the kinds that use neither text nor the parent's brush; answers
// false for the others.
bool PaintShape(HDC dc, DWORD type, RECT rc) {
  switch (type) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
      FillSysColor(dc, rc, ShapeColor(type));
      return true;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
      FrameRect(dc, &rc, GetSysColorBrush(ShapeColor(type)));
      return true;
    case SS_ETCHEDHORZ:
      DrawEdge(dc, &rc, EDGE_ETCHED, BF_TOP);
      return true;
    case SS_ETCHEDVERT:
      DrawEdge(dc, &rc, EDGE_ETCHED, BF_LEFT);
      return true;
    case SS_ETCHEDFRAME:
      DrawEdge(dc, &rc, EDGE_ETCHED, BF_RECT);
      return true;
    default:
      return false;
  }
}

void PaintStatic(HWND hwnd, const StaticState& state, HDC dc) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  DWORD style = StyleOf(hwnd);
  DWORD type = style & SS_TYPEMASK;
  if (PaintShape(dc, type, rc)) return;
  HBRUSH background = ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
  FillRect(dc, &rc, background);
  if (style & SS_SUNKEN) DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  bool center = (style & SS_CENTERIMAGE) != 0;
  bool disabled = !IsWindowEnabled(hwnd);
  if (type == SS_ICON) {
    DrawImage(dc, IMAGE_ICON, state.icon, rc, center, disabled);
  } else if (type == SS_BITMAP) {
    DrawImage(dc, IMAGE_BITMAP, state.bitmap, rc, center, disabled);
  } else if (type != SS_OWNERDRAW) {
    PaintText(hwnd, state, dc, rc);
  }
}

LRESULT OnCreate(HWND hwnd, StaticState& state, const CREATESTRUCT& cs) {
  if ((cs.style & SS_TYPEMASK) == SS_ICON) SetIcon(hwnd, state, IconFromTitle(hwnd, cs.lpszName));
  return 0;
}

LRESULT OnSetText(HWND hwnd, StaticState& state, WPARAM wParam, LPARAM lParam) {
  if (StaticType(hwnd) == SS_ICON) {
    SetIcon(hwnd, state, IconFromTitle(hwnd, reinterpret_cast<LPCSTR>(lParam)));
    return TRUE;
  }
  LRESULT result = DefWindowProc(hwnd, WM_SETTEXT, wParam, lParam);
  Redraw(hwnd);
  return result;
}

bool Notifies(HWND hwnd) { return (StyleOf(hwnd) & SS_NOTIFY) != 0; }

LRESULT HandleStatic(HWND hwnd, StaticState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(hwnd, state, *reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintStatic(hwnd, state, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return Notifies(hwnd) ? DefWindowProc(hwnd, msg, wParam, lParam) : HTTRANSPARENT;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_LBUTTONDOWN:
      if (Notifies(hwnd)) NotifyParent(hwnd, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (Notifies(hwnd)) NotifyParent(hwnd, STN_DBLCLK);
      return 0;
    case WM_ENABLE:
      if (Notifies(hwnd)) NotifyParent(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
      Redraw(hwnd);
      return 0;
    case WM_SETTEXT:
      return OnSetText(hwnd, state, wParam, lParam);
    case WM_SETFONT:
      state.font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case STM_SETICON:
      return SetIcon(hwnd, state, reinterpret_cast<HICON>(wParam));
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(state.icon);
    case STM_SETIMAGE:
      return SetImage(hwnd, state, wParam, lParam);
    case STM_GETIMAGE:
      if (wParam == IMAGE_ICON) return reinterpret_cast<LRESULT>(state.icon);
      if (wParam == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(state.bitmap);
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

using StaticClass = ControlClass<StaticState, HandleStatic>;

constexpr char kStaticClassName[] = "Static";
const SystemClassRegistration<InitControlClass<StaticClass, kStaticClassName>> kStaticRegistration;

}  // namespace
}  // namespace win32::controls
