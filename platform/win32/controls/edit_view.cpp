// Edit control geometry: the formatting rectangle, line layout, character
// positions and scrolling.
#include <algorithm>

#include "controls/edit.h"

namespace win32::controls {
namespace {

int FormatWidth(const EditState& state) { return std::max<int>(1, state.formatRect.right - state.formatRect.left); }

bool ScrollsHorizontally(HWND hwnd) { return (StyleOf(hwnd) & (ES_AUTOHSCROLL | WS_HSCROLL)) != 0; }

bool WrapsWords(HWND hwnd) { return IsMultiLine(hwnd) && !ScrollsHorizontally(hwnd); }

// Where a line of `width` pixels starts, before scrolling, for ES_CENTER and
// ES_RIGHT.
int AlignOffset(HWND hwnd, const EditState& state, int width) {
  const int room = FormatWidth(state) - width;
  if (room <= 0) return 0;
  switch (StyleOf(hwnd) & (ES_CENTER | ES_RIGHT)) {
    case ES_CENTER:
      return room / 2;
    case ES_RIGHT:
      return room - 1;
    default:
      return 0;
  }
}

int LineLeft(HWND hwnd, const EditState& state, const EditMeasure& measure, const std::string& shown, size_t line) {
  const EditLine& l = state.lines[line];
  return state.formatRect.left - state.xOffset +
         AlignOffset(hwnd, state, measure.Width(std::string_view(shown).substr(l.start, l.length)));
}

int WidestLine(const EditState& state, const EditMeasure& measure, const std::string& shown) {
  int widest = 0;
  for (const EditLine& l : state.lines)
    widest = std::max(widest, measure.Width(std::string_view(shown).substr(l.start, l.length)));
  return widest;
}

}  // namespace

bool IsMultiLine(HWND hwnd) { return (StyleOf(hwnd) & ES_MULTILINE) != 0; }

std::string DisplayText(const EditState& state) {
  if (state.passwordChar) return std::string(state.buffer.size(), state.passwordChar);
  return state.buffer.text();
}

EditMeasure::EditMeasure(HWND hwnd, const EditState& state)
    : hwnd_(hwnd), dc_(GetDC(hwnd)), old_(dc_ ? SelectObject(dc_, PaintFont(state.font)) : nullptr) {}

EditMeasure::~EditMeasure() {
  if (!dc_) return;
  if (old_) SelectObject(dc_, old_);
  ReleaseDC(hwnd_, dc_);
}

int EditMeasure::Width(std::string_view text) const {
  if (!dc_ || text.empty()) return 0;
  SIZE size{};
  GetTextExtentPoint32(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void ResetFormatRect(HWND hwnd, EditState& state) {
  {
    HDC dc = GetDC(hwnd);
    if (dc) {
      SelectGuard font(dc, PaintFont(state.font));
      state.lineHeight = std::max(1, FontLineHeight(dc));
      ReleaseDC(hwnd, dc);
    }
  }
  if (state.customRect) return;
  RECT rc{};
  GetClientRect(hwnd, &rc);
  rc.left += state.leftMargin;
  rc.right -= state.rightMargin;
  if (IsMultiLine(hwnd)) {
    rc.top += 1;
  } else {
    // A single line sits in the middle of the control's height.
    rc.top += std::max<LONG>(0, (rc.bottom - rc.top - state.lineHeight) / 2);
    rc.bottom = rc.top + state.lineHeight;
  }
  state.formatRect = rc;
}

void Relayout(HWND hwnd, EditState& state) {
  const EditMeasure measure(hwnd, state);
  const std::string shown = DisplayText(state);
  state.lines = LayoutLines(shown, IsMultiLine(hwnd), WrapsWords(hwnd) ? FormatWidth(state) : 0,
                            [&](std::string_view piece) { return measure.Width(piece); });
  const int maxFirst = std::max(0, static_cast<int>(state.lines.size()) - 1);
  state.firstLine = std::clamp(state.firstLine, 0, maxFirst);
}

int VisibleLines(const EditState& state) {
  return std::max(1, static_cast<int>((state.formatRect.bottom - state.formatRect.top) / state.lineHeight));
}

POINT PosFromChar(HWND hwnd, const EditState& state, size_t pos) {
  const EditMeasure measure(hwnd, state);
  const std::string shown = DisplayText(state);
  const size_t line = LineOfChar(state.lines, pos);
  const EditLine& l = state.lines[line];
  const size_t upTo = std::min(pos, l.start + l.length);
  const int x = LineLeft(hwnd, state, measure, shown, line) +
                measure.Width(std::string_view(shown).substr(l.start, upTo - l.start));
  const int y = state.formatRect.top + (static_cast<int>(line) - state.firstLine) * state.lineHeight;
  return POINT{x, y};
}

size_t CharFromPos(HWND hwnd, const EditState& state, POINT pt) {
  const EditMeasure measure(hwnd, state);
  const std::string shown = DisplayText(state);
  int row = static_cast<int>(pt.y - state.formatRect.top);
  row = row < 0 ? -1 - (-row - 1) / state.lineHeight : row / state.lineHeight;
  const int last = static_cast<int>(state.lines.size()) - 1;
  const size_t line = static_cast<size_t>(std::clamp(state.firstLine + row, 0, last));
  const EditLine& l = state.lines[line];
  const int left = LineLeft(hwnd, state, measure, shown, line);
  // The boundary nearest the point: past half of a character counts as after it.
  int prev = 0;
  for (size_t k = 1; k <= l.length; ++k) {
    const int w = measure.Width(std::string_view(shown).substr(l.start, k));
    if (pt.x < left + (prev + w) / 2) return l.start + k - 1;
    prev = w;
  }
  return l.start + l.length;
}

void ScrollCaretIntoView(HWND hwnd, EditState& state) {
  const int caretLine = static_cast<int>(LineOfChar(state.lines, state.buffer.caret()));
  const int visible = VisibleLines(state);
  if (caretLine < state.firstLine) state.firstLine = caretLine;
  if (caretLine >= state.firstLine + visible) state.firstLine = caretLine - visible + 1;
  if (!ScrollsHorizontally(hwnd)) {
    state.xOffset = 0;
    return;
  }
  const int width = FormatWidth(state);
  const EditMeasure measure(hwnd, state);
  const std::string shown = DisplayText(state);
  const int widest = WidestLine(state, measure, shown);
  const POINT caret = PosFromChar(hwnd, state, state.buffer.caret());
  const int x = caret.x - state.formatRect.left + state.xOffset;  // caret in unscrolled text
  // Jump a quarter of the width, as the classic control does, to avoid
  // scrolling on every keystroke.
  if (x < state.xOffset) state.xOffset = std::max(0, x - width / 4);
  if (x >= state.xOffset + width) state.xOffset = x - width + width / 4;
  state.xOffset = std::clamp(state.xOffset, 0, std::max(0, std::max(widest + 1 - width, x - width + 1)));
}

bool ScrollBy(HWND hwnd, EditState& state, int lines, int pixels) {
  const int oldFirst = state.firstLine;
  const int oldX = state.xOffset;
  const int maxFirst = std::max(0, static_cast<int>(state.lines.size()) - VisibleLines(state));
  state.firstLine = std::clamp(state.firstLine + lines, 0, std::max(maxFirst, std::min(oldFirst, maxFirst)));
  if (ScrollsHorizontally(hwnd)) {
    const EditMeasure measure(hwnd, state);
    const int maxX = std::max(0, WidestLine(state, measure, DisplayText(state)) - FormatWidth(state) + 1);
    state.xOffset = std::clamp(state.xOffset + pixels, 0, maxX);
  }
  const bool moved = oldFirst != state.firstLine || oldX != state.xOffset;
  if (moved) {
    UpdateScrollBars(hwnd, state);
    Redraw(hwnd);
  }
  return moved;
}

void UpdateScrollBars(HWND hwnd, const EditState& state) {
  const DWORD style = StyleOf(hwnd);
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  if (style & WS_VSCROLL) {
    si.nMin = 0;
    si.nMax = static_cast<int>(state.lines.size()) - 1;
    si.nPage = static_cast<UINT>(VisibleLines(state));
    si.nPos = state.firstLine;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
  }
  if (style & WS_HSCROLL) {
    const EditMeasure measure(hwnd, state);
    si.nMin = 0;
    si.nMax = WidestLine(state, measure, DisplayText(state));
    si.nPage = static_cast<UINT>(FormatWidth(state));
    si.nPos = state.xOffset;
    SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
  }
}

void OnScrollMessage(HWND hwnd, EditState& state, UINT msg, WPARAM wParam) {
  const bool vertical = msg == WM_VSCROLL;
  const int page = vertical ? std::max(1, VisibleLines(state) - 1) : FormatWidth(state) * 3 / 4;
  const int line = vertical ? 1 : std::max(1, state.lineHeight / 2);
  const int current = vertical ? state.firstLine : state.xOffset;
  int delta = 0;
  switch (LOWORD(wParam)) {
    case SB_LINEUP:
      delta = -line;
      break;
    case SB_LINEDOWN:
      delta = line;
      break;
    case SB_PAGEUP:
      delta = -page;
      break;
    case SB_PAGEDOWN:
      delta = page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      delta = static_cast<int>(static_cast<short>(HIWORD(wParam))) - current;
      break;
    case SB_TOP:
      delta = -current;
      break;
    case SB_BOTTOM:
      delta = vertical ? static_cast<int>(state.lines.size()) : 1 << 20;
      break;
    default:
      return;
  }
  if (ScrollBy(hwnd, state, vertical ? delta : 0, vertical ? 0 : delta))
    Notify(hwnd, vertical ? EN_VSCROLL : EN_HSCROLL);
}

bool TextFits(HWND hwnd, const EditState& state) {
  const DWORD style = StyleOf(hwnd);
  if (!(style & ES_MULTILINE)) {
    if (style & ES_AUTOHSCROLL) return true;
    const EditMeasure measure(hwnd, state);
    return measure.Width(DisplayText(state)) < FormatWidth(state);
  }
  if (style & (ES_AUTOVSCROLL | WS_VSCROLL)) return true;
  return static_cast<int>(state.lines.size()) <= VisibleLines(state);
}

}  // namespace win32::controls
