// The "msctls_progress32" class: a position within a range, painted as
// classic blocks (or one smooth bar) in the highlight colour inside a thin
// sunken border.
#include <algorithm>

#include "controls/bars_common.h"

namespace win32::controls {
namespace {

struct ProgressState {
  int low = 0;
  int high = 100;
  int pos = 0;
  int step = 10;
  COLORREF barColor = CLR_DEFAULT;
  COLORREF backColor = CLR_DEFAULT;
};

LRESULT PackedRange(const ProgressState& s) { return MAKELRESULT(static_cast<WORD>(s.low), static_cast<WORD>(s.high)); }

// Changes the position (answering the old one) and repaints when it moved.
LRESULT MoveTo(HWND hwnd, ProgressState& s, int pos) {
  int old = s.pos;
  s.pos = std::clamp(pos, s.low, std::max(s.low, s.high));
  if (s.pos != old) Redraw(hwnd);
  return old;
}

LRESULT SetRange(HWND hwnd, ProgressState& s, int low, int high) {
  LRESULT old = PackedRange(s);
  s.low = low;
  s.high = high;
  s.pos = std::clamp(s.pos, s.low, std::max(s.low, s.high));
  Redraw(hwnd);
  return old;
}

// A step past the maximum starts again from the minimum, carrying the
// overshoot over, as the bar of a never-ending task goes round.
LRESULT StepIt(HWND hwnd, ProgressState& s) {
  int old = s.pos;
  int span = s.high - s.low;
  int next = s.pos + s.step;
  if (span > 0 && (next > s.high || next < s.low)) {
    int offset = (next - s.low) % span;
    next = s.low + (offset < 0 ? offset + span : offset);
  }
  s.pos = std::clamp(next, s.low, std::max(s.low, s.high));
  Redraw(hwnd);
  return old;
}

COLORREF ColorOr(COLORREF chosen, int sysColor) { return chosen == CLR_DEFAULT ? GetSysColor(sysColor) : chosen; }

void FillColor(HDC dc, const RECT& rc, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
}

// The bar's filled length along `length` pixels.
int FilledLength(const ProgressState& s, int length) {
  int span = s.high - s.low;
  if (span <= 0 || length <= 0) return 0;
  return static_cast<int>(static_cast<long long>(s.pos - s.low) * length / span);
}

void PaintProgress(HWND hwnd, const ProgressState& s, HDC dc) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  FillColor(dc, rc, ColorOr(s.backColor, COLOR_BTNFACE));
  InflateRect(&rc, -1, -1);
  DWORD style = StyleOf(hwnd);
  bool vertical = (style & PBS_VERTICAL) != 0;
  int length = vertical ? rc.bottom - rc.top : rc.right - rc.left;
  int thickness = vertical ? rc.right - rc.left : rc.bottom - rc.top;
  int filled = FilledLength(s, length);
  COLORREF bar = ColorOr(s.barColor, COLOR_HIGHLIGHT);
  auto part = [&](int from, int to) {
    return vertical ? RECT{rc.left, rc.bottom - to, rc.right, rc.bottom - from}
                    : RECT{rc.left + from, rc.top, rc.left + to, rc.bottom};
  };
  if (style & PBS_SMOOTH) {
    FillColor(dc, part(0, filled), bar);
    return;
  }
  // Blocks two thirds as long as the bar is thick, two pixels apart; the
  // block the position reaches into is drawn whole, as the classic bar does.
  int block = std::max(2, thickness * 2 / 3);
  constexpr int kGap = 2;
  for (int from = 0; from < filled; from += block + kGap) {
    FillColor(dc, part(from, std::min(from + block, length)), bar);
  }
}

LRESULT HandleProgress(HWND hwnd, ProgressState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PaintScope paint(hwnd, wParam);
      PaintProgress(hwnd, s, paint.dc());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case PBM_SETRANGE:
      return SetRange(hwnd, s, LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32:
      return SetRange(hwnd, s, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
      if (lParam) *reinterpret_cast<PBRANGE*>(lParam) = PBRANGE{s.low, s.high};
      return wParam ? s.low : s.high;
    case PBM_SETPOS:
      return MoveTo(hwnd, s, static_cast<int>(wParam));
    case PBM_DELTAPOS:
      return MoveTo(hwnd, s, s.pos + static_cast<int>(wParam));
    case PBM_GETPOS:
      return s.pos;
    case PBM_SETSTEP: {
      int old = s.step;
      s.step = static_cast<int>(wParam);
      return old;
    }
    case PBM_STEPIT:
      return StepIt(hwnd, s);
    case PBM_SETBARCOLOR:
    case PBM_SETBKCOLOR: {
      COLORREF& slot = msg == PBM_SETBARCOLOR ? s.barColor : s.backColor;
      COLORREF old = slot;
      slot = static_cast<COLORREF>(lParam);
      Redraw(hwnd);
      return static_cast<LRESULT>(old);
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

using ProgressClass = ControlClass<ProgressState, HandleProgress>;

constexpr char kProgressClassName[] = PROGRESS_CLASS;
const SystemClassRegistration<InitControlClass<ProgressClass, kProgressClassName>> kProgressRegistration;

}  // namespace
}  // namespace win32::controls
