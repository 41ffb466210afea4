#include "controls/controls_common.h"

#include <algorithm>
#include <vector>

#include "internal/core_classes.h"
#include "win32/cc_imagelist.h"

namespace win32::controls {

void RegisterControlClass(const char* name, WNDPROC proc, UINT classStyle) {
  WNDCLASSEX wc{};
  wc.cbSize = sizeof(wc);
  wc.style = classStyle | CS_GLOBALCLASS;
  wc.lpfnWndProc = proc;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  win32::internal::RegisterSystemClass(wc);
}

void SetScrollBarLater(HWND hwnd, int bar, const SCROLLINFO& info) {
  SetScrollInfo(hwnd, bar, &info, FALSE);
  RECT none{};
  RedrawWindow(hwnd, &none, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE)); }

std::string WindowText(HWND hwnd) {
  int length = GetWindowTextLength(hwnd);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  int copied = GetWindowText(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(std::max(copied, 0)));
}

void NotifyParent(HWND hwnd, UINT code, HWND parent) {
  if (!parent) parent = GetParent(hwnd);
  if (!parent) return;
  int id = GetDlgCtrlID(hwnd);
  SendMessage(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hwnd));
}

namespace {

// What DefWindowProc answers for each WM_CTLCOLOR* message.
int DefaultBackground(UINT ctlColorMsg) {
  switch (ctlColorMsg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return COLOR_WINDOW;
    case WM_CTLCOLORSCROLLBAR:
      return COLOR_SCROLLBAR;
    default:
      return COLOR_BTNFACE;
  }
}

}  // namespace

HBRUSH ParentColor(HWND hwnd, HDC dc, UINT ctlColorMsg, HWND parent) {
  int background = DefaultBackground(ctlColorMsg);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(background == COLOR_SCROLLBAR ? COLOR_WINDOW : background));
  if (!parent) parent = GetParent(hwnd);
  if (!parent) return nullptr;
  return reinterpret_cast<HBRUSH>(
      SendMessage(parent, ctlColorMsg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
}

HBRUSH ControlColor(HWND hwnd, HDC dc, UINT ctlColorMsg, HWND parent) {
  HBRUSH brush = ParentColor(hwnd, dc, ctlColorMsg, parent);
  return brush ? brush : GetSysColorBrush(DefaultBackground(ctlColorMsg));
}

HFONT PaintFont(HFONT fontFromSetFont) {
  return fontFromSetFont ? fontFromSetFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void DrawControlText(HDC dc, const std::string& text, RECT rc, UINT format, bool disabled) {
  if (text.empty()) return;
  int oldMode = SetBkMode(dc, TRANSPARENT);
  if (disabled) {
    COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT shadowRect = rc;
    OffsetRect(&shadowRect, 1, 1);
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &shadowRect, format);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
    SetTextColor(dc, oldColor);
  } else {
    DrawText(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
  }
  SetBkMode(dc, oldMode);
}

int FontLineHeight(HDC dc) {
  TEXTMETRIC tm{};
  GetTextMetrics(dc, &tm);
  return tm.tmHeight;
}

void FillSysColor(HDC dc, const RECT& rc, int colorIndex) { FillRect(dc, &rc, GetSysColorBrush(colorIndex)); }

SIZE ImageSize(UINT imageType, HANDLE image) {
  if (!image) return SIZE{0, 0};
  if (imageType == IMAGE_ICON) return SIZE{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
  BITMAP bm{};
  if (!GetObject(image, sizeof(bm), &bm)) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

void DrawImage(HDC dc, UINT imageType, HANDLE image, const RECT& rc, bool center, bool disabled) {
  SIZE size = ImageSize(imageType, image);
  if (size.cx == 0 || size.cy == 0) return;
  int x = center ? rc.left + (rc.right - rc.left - size.cx) / 2 : rc.left;
  int y = center ? rc.top + (rc.bottom - rc.top - size.cy) / 2 : rc.top;
  if (imageType == IMAGE_ICON) {
    DrawIconEx(dc, x, y, static_cast<HICON>(image), size.cx, size.cy, 0, nullptr, DI_NORMAL);
  } else {
    HDC memory = CreateCompatibleDC(dc);
    {
      SelectGuard select(memory, image);
      BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    }
    DeleteDC(memory);
  }
  if (disabled) {
    // A grey veil over the image, as the classic disabled look thins it out.
    RECT veil{x, y, x + size.cx, y + size.cy};
    HBRUSH pattern = CreateHatchBrush(HS_DIAGCROSS, GetSysColor(COLOR_BTNFACE));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    FillRect(dc, &veil, pattern);
    SetBkMode(dc, oldMode);
    DeleteObject(pattern);
  }
}

PaintScope::PaintScope(HWND hwnd, WPARAM dcFromMessage)
    : hwnd_(hwnd), dc_(reinterpret_cast<HDC>(dcFromMessage)), began_(dc_ == nullptr) {
  if (began_) dc_ = BeginPaint(hwnd, &ps_);
}

PaintScope::~PaintScope() {
  if (began_) EndPaint(hwnd_, &ps_);
}

namespace {

int Fold(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? u - 'A' + 'a' : u;
}

}  // namespace

int CompareNoCase(const std::string& a, const std::string& b) {
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    int diff = Fold(a[i]) - Fold(b[i]);
    if (diff != 0) return diff < 0 ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

int ScrollTrackPosition(HWND hwnd, int bar, WPARAM wParam) {
  SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
  return GetScrollInfo(hwnd, bar, &info) ? info.nTrackPos : HIWORD(wParam);
}

int ScrolledPosition(UINT code, int current, int line, int page, int last, int track) {
  switch (code) {
    case SB_LINEUP:
      return current - line;
    case SB_LINEDOWN:
      return current + line;
    case SB_PAGEUP:
      return current - page;
    case SB_PAGEDOWN:
      return current + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return track;
    case SB_TOP:
      return 0;
    case SB_BOTTOM:
      return last;
    default:
      return current;
  }
}

SIZE ImageSize(HANDLE list) {
  int cx = 0, cy = 0;
  if (!list || !ImageList_GetIconSize(static_cast<HIMAGELIST>(list), &cx, &cy)) return SIZE{0, 0};
  return SIZE{cx, cy};
}

}  // namespace win32::controls
