// Edit control messages about lines, positions and scrolling.
#include <algorithm>
#include <cstring>

#include "controls/edit.h"

namespace win32::controls {
namespace {

int LineCount(const EditState& state) { return static_cast<int>(state.lines.size()); }

// wParam -1 names the caret's line.
int LineArg(const EditState& state, WPARAM wParam) {
  const int line = static_cast<int>(wParam);
  return line < 0 ? static_cast<int>(LineOfChar(state.lines, state.buffer.caret())) : line;
}

LRESULT GetLine(HWND hwnd, const EditState& state, WPARAM wParam, LPARAM lParam) {
  auto* buffer = reinterpret_cast<char*>(lParam);
  if (!buffer) return 0;
  WORD room;
  std::memcpy(&room, buffer, sizeof(room));
  const int line = IsMultiLine(hwnd) ? static_cast<int>(wParam) : 0;
  if (line < 0 || line >= LineCount(state)) return 0;
  const EditLine& l = state.lines[static_cast<size_t>(line)];
  const size_t count = std::min<size_t>(room, l.length);
  std::memcpy(buffer, state.buffer.text().data() + l.start, count);
  return static_cast<LRESULT>(count);
}

LRESULT ScrollCommand(HWND hwnd, EditState& state, WPARAM wParam) {
  if (!IsMultiLine(hwnd)) return FALSE;
  const int page = std::max(1, VisibleLines(state) - 1);
  int lines = 0;
  switch (wParam) {
    case SB_LINEUP:
      lines = -1;
      break;
    case SB_LINEDOWN:
      lines = 1;
      break;
    case SB_PAGEUP:
      lines = -page;
      break;
    case SB_PAGEDOWN:
      lines = page;
      break;
    default:
      return FALSE;
  }
  const int before = state.firstLine;
  ScrollBy(hwnd, state, lines, 0);
  return MAKELRESULT(static_cast<WORD>(state.firstLine - before), TRUE);
}

}  // namespace

LRESULT HandleLineMessage(HWND hwnd, EditState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case EM_GETLINECOUNT:
      return LineCount(state);
    case EM_LINEFROMCHAR: {
      const auto pos = static_cast<INT_PTR>(wParam);
      const size_t at = pos < 0 ? state.buffer.selStart() : static_cast<size_t>(pos);
      return static_cast<LRESULT>(LineOfChar(state.lines, at));
    }
    case EM_LINEINDEX: {
      const int line = LineArg(state, wParam);
      return line < LineCount(state) ? static_cast<LRESULT>(state.lines[static_cast<size_t>(line)].start) : -1;
    }
    case EM_LINELENGTH: {
      const auto pos = static_cast<INT_PTR>(wParam);
      const size_t at = pos < 0 ? state.buffer.caret() : static_cast<size_t>(pos);
      if (at > state.buffer.size()) return 0;
      return static_cast<LRESULT>(state.lines[LineOfChar(state.lines, at)].length);
    }
    case EM_GETLINE:
      return GetLine(hwnd, state, wParam, lParam);
    case EM_GETFIRSTVISIBLELINE:
      return IsMultiLine(hwnd)
                 ? state.firstLine
                 : static_cast<LRESULT>(CharFromPos(hwnd, state, {state.formatRect.left, state.formatRect.top}));
    case EM_LINESCROLL:
      if (!IsMultiLine(hwnd)) return FALSE;
      ScrollBy(hwnd, state, static_cast<int>(lParam),
               static_cast<int>(static_cast<INT_PTR>(wParam)) * std::max(1, state.lineHeight / 2));
      return TRUE;
    case EM_SCROLL:
      return ScrollCommand(hwnd, state, wParam);
    case EM_SCROLLCARET:
      ScrollCaretIntoView(hwnd, state);
      UpdateScrollBars(hwnd, state);
      Redraw(hwnd);
      return TRUE;
    case EM_POSFROMCHAR: {
      if (wParam > state.buffer.size()) return -1;
      const POINT pt = PosFromChar(hwnd, state, wParam);
      return MAKELRESULT(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
    }
    case EM_CHARFROMPOS: {
      const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const size_t pos = CharFromPos(hwnd, state, pt);
      return MAKELRESULT(static_cast<WORD>(pos), static_cast<WORD>(LineOfChar(state.lines, pos)));
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win32::controls
