// The "msctls_statusbar32" class: parts with texts and drawing types, the
// simple mode, and its place along the bottom of its parent.
#include "controls/statusbar.h"

#include <algorithm>
#include <cstring>

namespace win32::controls {
namespace {

constexpr size_t kMaxParts = 256;

void Align(HWND hwnd, StatusBarState& s) {
  if (s.aligning) return;
  s.aligning = true;
  AlignBarToParent(hwnd, StatusBarHeight(hwnd, s), true);
  s.aligning = false;
}

// The part SB_SETTEXT and SB_GETTEXT address, or null.
StatusPart* PartAt(StatusBarState& s, size_t index) {
  if (index == SB_SIMPLEID) return &s.simple;
  return index < s.parts.size() ? &s.parts[index] : nullptr;
}

void RedrawPart(HWND hwnd, const StatusBarState& s, int index) {
  RECT rc{};
  if (StatusPartRect(hwnd, s, index, rc)) InvalidateRect(hwnd, &rc, TRUE);
}

LRESULT SetText(HWND hwnd, StatusBarState& s, WPARAM wParam, LPARAM lParam) {
  StatusPart* part = PartAt(s, LOBYTE(wParam));
  if (!part) return FALSE;
  part->type = static_cast<UINT>(wParam & 0xFF00);
  part->data = lParam;
  part->text = (part->type & SBT_OWNERDRAW) || !lParam ? std::string() : reinterpret_cast<LPCSTR>(lParam);
  if ((LOBYTE(wParam) == SB_SIMPLEID) == s.simpleMode) RedrawPart(hwnd, s, LOBYTE(wParam));
  return TRUE;
}

LRESULT GetText(StatusBarState& s, WPARAM index, LPSTR buffer) {
  StatusPart* part = PartAt(s, index);
  if (!part) return 0;
  if (part->type & SBT_OWNERDRAW) return part->data;
  if (buffer) std::memcpy(buffer, part->text.c_str(), part->text.size() + 1);
  return MAKELRESULT(static_cast<WORD>(part->text.size()), static_cast<WORD>(part->type));
}

// SB_SETICON and SB_GETICON name the simple-mode part -1.
StatusPart* IconPart(StatusBarState& s, WPARAM index) {
  return PartAt(s, static_cast<int>(index) == -1 ? SB_SIMPLEID : index);
}

LRESULT SetIcon(HWND hwnd, StatusBarState& s, WPARAM index, HICON icon) {
  StatusPart* part = IconPart(s, index);
  if (!part) return FALSE;
  part->icon = icon;
  Redraw(hwnd);
  return TRUE;
}

LRESULT GetTextLength(StatusBarState& s, WPARAM index) {
  StatusPart* part = PartAt(s, index);
  if (!part) return 0;
  return MAKELRESULT(static_cast<WORD>(part->text.size()), static_cast<WORD>(part->type));
}

LRESULT SetParts(HWND hwnd, StatusBarState& s, WPARAM count, LPARAM lParam) {
  const auto* edges = reinterpret_cast<const int*>(lParam);
  if (count == 0 || count > kMaxParts || !edges) return FALSE;
  s.edges.assign(edges, edges + count);
  s.parts.resize(count);
  Redraw(hwnd);
  return TRUE;
}

LRESULT GetParts(const StatusBarState& s, WPARAM count, LPARAM lParam) {
  if (auto* out = reinterpret_cast<int*>(lParam)) {
    std::copy_n(s.edges.begin(), std::min(static_cast<size_t>(count), s.edges.size()), out);
  }
  return static_cast<LRESULT>(s.edges.size());
}

LRESULT SetSimple(HWND hwnd, StatusBarState& s, bool simple) {
  if (s.simpleMode == simple) return 0;
  s.simpleMode = simple;
  NMHDR header{};
  SendNotify(hwnd, SBN_SIMPLEMODECHANGE, header);
  Redraw(hwnd);
  return 0;
}

LRESULT GetRect(HWND hwnd, const StatusBarState& s, WPARAM index, LPARAM lParam) {
  auto* out = reinterpret_cast<RECT*>(lParam);
  RECT rc{};
  if (!out || !StatusPartRect(hwnd, s, static_cast<int>(index), rc)) return FALSE;
  *out = rc;
  return TRUE;
}

LRESULT OnNcHitTest(HWND hwnd, LPARAM lParam) {
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ScreenToClient(hwnd, &pt);
  RECT grip = StatusGripRect(hwnd);
  if (PtInRect(&grip, pt)) return HTBOTTOMRIGHT;
  return HTCLIENT;
}

LRESULT HandleStatusBar(HWND hwnd, StatusBarState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs->lpszName) s.parts[0].text = cs->lpszName;
      Align(hwnd, s);
      return 0;
    }
    case WM_SIZE:
      Align(hwnd, s);
      Redraw(hwnd);
      return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintStatusBar(hwnd, s, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return OnNcHitTest(hwnd, lParam);
    case WM_SETFONT:
      s.font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Redraw(hwnd);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s.font);
    case WM_SETTEXT:
      DefWindowProc(hwnd, msg, wParam, lParam);
      return SetText(hwnd, s, 0, lParam);
    case WM_GETTEXT: {
      if (wParam == 0 || !lParam) return 0;
      size_t n = std::min(s.parts[0].text.size(), static_cast<size_t>(wParam) - 1);
      std::memcpy(reinterpret_cast<char*>(lParam), s.parts[0].text.data(), n);
      reinterpret_cast<char*>(lParam)[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(s.parts[0].text.size());
    case SB_SETTEXT:
      return SetText(hwnd, s, wParam, lParam);
    case SB_GETTEXT:
      return GetText(s, wParam, reinterpret_cast<LPSTR>(lParam));
    case SB_GETTEXTLENGTH:
      return GetTextLength(s, wParam);
    case SB_SETPARTS:
      return SetParts(hwnd, s, wParam, lParam);
    case SB_GETPARTS:
      return GetParts(s, wParam, lParam);
    case SB_GETBORDERS: {
      auto* out = reinterpret_cast<int*>(lParam);
      if (!out) return FALSE;
      out[0] = kStatusBorderX;
      out[1] = kStatusBorderY;
      out[2] = kStatusSpacing;
      return TRUE;
    }
    case SB_SETMINHEIGHT:
      s.minHeight = static_cast<int>(wParam);
      return 0;
    case SB_SIMPLE:
      return SetSimple(hwnd, s, wParam != 0);
    case SB_ISSIMPLE:
      return s.simpleMode ? TRUE : FALSE;
    case SB_GETRECT:
      return GetRect(hwnd, s, wParam, lParam);
    case SB_SETICON:
      return SetIcon(hwnd, s, wParam, reinterpret_cast<HICON>(lParam));
    case SB_GETICON: {
      const StatusPart* part = IconPart(s, wParam);
      return reinterpret_cast<LRESULT>(part ? part->icon : nullptr);
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

using StatusBarClass = ControlClass<StatusBarState, HandleStatusBar>;

constexpr char kStatusBarClassName[] = STATUSCLASSNAME;
const SystemClassRegistration<InitControlClass<StatusBarClass, kStatusBarClassName>> kStatusBarRegistration;

}  // namespace
}  // namespace win32::controls

HWND WINAPI CreateStatusWindow(LONG style, LPCSTR lpszText, HWND hwndParent, UINT wID) {
  return CreateWindowEx(0, STATUSCLASSNAME, lpszText, static_cast<DWORD>(style), 0, 0, 0, 0, hwndParent,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(wID)), nullptr, nullptr);
}
