// Edit control painting: the background the parent answers (grey when
// read-only or disabled), the text, the selection and a one-pixel caret.
#include <algorithm>

#include "controls/edit.h"
#include "internal/core_input.h"

namespace win32::controls {
namespace {

struct Piece {
  size_t from;
  size_t to;
  bool selected;
};

void DrawLine(HDC dc, const EditMeasure& measure, const std::string& shown, const EditLine& line, POINT origin,
              const EditState& state, bool showSelection) {
  const size_t selFrom =
      showSelection ? std::clamp(state.buffer.selStart(), line.start, line.start + line.length) : line.start;
  const size_t selTo =
      showSelection ? std::clamp(state.buffer.selEnd(), line.start, line.start + line.length) : line.start;
  const COLORREF text = GetTextColor(dc);
  const Piece pieces[] = {
      {line.start, selFrom, false}, {selFrom, selTo, true}, {selTo, line.start + line.length, false}};
  for (const Piece& p : pieces) {
    if (p.from >= p.to) continue;
    const std::string_view piece = std::string_view(shown).substr(p.from, p.to - p.from);
    const int x = origin.x + measure.Width(std::string_view(shown).substr(line.start, p.from - line.start));
    if (p.selected) {
      const RECT rc{x, origin.y, x + measure.Width(piece), origin.y + state.lineHeight};
      FillSysColor(dc, rc, COLOR_HIGHLIGHT);
      SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
      SetTextColor(dc, text);
    }
    TextOut(dc, x, origin.y, piece.data(), static_cast<int>(piece.size()));
  }
  SetTextColor(dc, text);
}

}  // namespace

void PaintEdit(HWND hwnd, const EditState& state, HDC dc) {
  const bool enabled = IsWindowEnabled(hwnd) != FALSE;
  const bool readOnly = IsReadOnly(hwnd);
  RECT client{};
  GetClientRect(hwnd, &client);
  // Read-only and disabled edits ask for the static colours, as the
  // classic control does, and so paint on the dialog's grey.
  const UINT colorMsg = (readOnly || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  HBRUSH brush = ControlColor(hwnd, dc, colorMsg, state.inCombo ? GetParent(GetParent(hwnd)) : nullptr);
  FillRect(dc, &client, brush);
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  SetBkMode(dc, TRANSPARENT);
  SelectGuard font(dc, PaintFont(state.font));
  const EditMeasure measure(hwnd, state);
  const std::string shown = DisplayText(state);
  const RECT& fr = state.formatRect;
  IntersectClipRect(dc, fr.left, fr.top, fr.right, fr.bottom);
  const bool showSelection = state.focused || (StyleOf(hwnd) & ES_NOHIDESEL);
  const int last = std::min<int>(static_cast<int>(state.lines.size()), state.firstLine + VisibleLines(state) + 1);
  for (int i = state.firstLine; i < last; ++i) {
    const EditLine& line = state.lines[static_cast<size_t>(i)];
    POINT origin = PosFromChar(hwnd, state, line.start);
    DrawLine(dc, measure, shown, line, origin, state, showSelection);
  }
  if (state.focused) {
    // The caret follows the text; it shows in the blink's on phase.
    const POINT caret = PosFromChar(hwnd, state, state.buffer.caret());
    SetCaretPos(caret.x, caret.y);
    const RECT rc{caret.x, caret.y, caret.x + 1, caret.y + state.lineHeight};
    if (win32::internal::CaretVisible(hwnd)) FillSysColor(dc, rc, COLOR_WINDOWTEXT);
  }
}

}  // namespace win32::controls
