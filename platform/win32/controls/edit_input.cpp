// Edit control keyboard and mouse: typing, caret movement and selection,
// clipboard keys, click, drag and double-click.
#include <algorithm>
#include <cctype>

#include "controls/edit.h"

namespace win32::controls {
namespace {

bool Down(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

size_t LineStartOfCaret(const EditState& state) {
  return state.lines[LineOfChar(state.lines, state.buffer.caret())].start;
}

size_t LineEndOfCaret(const EditState& state) {
  const EditLine& l = state.lines[LineOfChar(state.lines, state.buffer.caret())];
  return l.start + l.length;
}

// The character in the line `delta` lines away, at the caret's x.
size_t VerticalMove(HWND hwnd, const EditState& state, int delta) {
  POINT pt = PosFromChar(hwnd, state, state.buffer.caret());
  pt.y += delta * state.lineHeight + state.lineHeight / 2;
  return CharFromPos(hwnd, state, pt);
}

// One character left or right, stepping over a CR LF as a unit.
size_t StepLeft(const EditState& state) {
  const std::string& t = state.buffer.text();
  size_t pos = state.buffer.caret();
  if (pos == 0) return 0;
  return (pos >= 2 && t[pos - 1] == '\n' && t[pos - 2] == '\r') ? pos - 2 : pos - 1;
}

size_t StepRight(const EditState& state) {
  const std::string& t = state.buffer.text();
  size_t pos = state.buffer.caret();
  if (pos >= t.size()) return pos;
  return (t[pos] == '\r' && pos + 1 < t.size() && t[pos + 1] == '\n') ? pos + 2 : pos + 1;
}

bool MovementKey(HWND hwnd, EditState& state, UINT vk) {
  const bool ctrl = Down(VK_CONTROL);
  const bool shift = Down(VK_SHIFT);
  const EditBuffer& b = state.buffer;
  size_t to;
  switch (vk) {
    case VK_LEFT:
      to = ctrl ? b.PrevWordStart(b.caret()) : (!shift && b.hasSelection() ? b.selStart() : StepLeft(state));
      break;
    case VK_RIGHT:
      to = ctrl ? b.NextWordStart(b.caret()) : (!shift && b.hasSelection() ? b.selEnd() : StepRight(state));
      break;
    case VK_HOME:
      to = ctrl ? 0 : LineStartOfCaret(state);
      break;
    case VK_END:
      to = ctrl ? b.size() : LineEndOfCaret(state);
      break;
    case VK_UP:
    case VK_DOWN:
      if (!IsMultiLine(hwnd)) return MovementKey(hwnd, state, vk == VK_UP ? VK_LEFT : VK_RIGHT);
      to = VerticalMove(hwnd, state, vk == VK_UP ? -1 : 1);
      break;
    case VK_PRIOR:
    case VK_NEXT:
      if (!IsMultiLine(hwnd)) return false;
      to = VerticalMove(hwnd, state, (vk == VK_PRIOR ? -1 : 1) * VisibleLines(state));
      break;
    default:
      return false;
  }
  SetCaret(hwnd, state, to, shift);
  return true;
}

void DeleteKey(HWND hwnd, EditState& state) {
  if (IsReadOnly(hwnd)) return;
  if (!state.buffer.hasSelection()) {
    if (state.buffer.caret() >= state.buffer.size()) return;
    state.buffer.SetSelection(state.buffer.caret(), StepRight(state));
  }
  ReplaceSel(hwnd, state, "", true);
}

void Backspace(HWND hwnd, EditState& state) {
  if (IsReadOnly(hwnd)) return;
  if (!state.buffer.hasSelection()) {
    if (state.buffer.caret() == 0) return;
    state.buffer.SetSelection(StepLeft(state), state.buffer.caret());
  }
  ReplaceSel(hwnd, state, "", true);
}

// Keys a combo box's edit leaves to the combo box.
bool ForwardToCombo(HWND hwnd, const EditState& state, UINT msg, WPARAM vk, LPARAM lParam) {
  if (!state.inCombo) return false;
  const bool dropped = SendMessage(GetParent(hwnd), CB_GETDROPPEDSTATE, 0, 0) != 0;
  const bool forward = vk == VK_F4 || vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT ||
                       (msg == WM_SYSKEYDOWN && (vk == VK_UP || vk == VK_DOWN)) ||
                       (dropped && (vk == VK_RETURN || vk == VK_ESCAPE));
  if (forward) SendMessage(GetParent(hwnd), msg, vk, lParam);
  return forward;
}

LRESULT KeyDown(HWND hwnd, EditState& state, UINT msg, WPARAM vk, LPARAM lParam) {
  if (ForwardToCombo(hwnd, state, msg, vk, lParam)) return 0;
  if (msg == WM_SYSKEYDOWN) return DefWindowProc(hwnd, msg, vk, lParam);
  const bool ctrl = Down(VK_CONTROL);
  const bool shift = Down(VK_SHIFT);
  if (MovementKey(hwnd, state, static_cast<UINT>(vk))) return 0;
  switch (vk) {
    case VK_DELETE:
      if (shift) {
        CutSel(hwnd, state);
      } else {
        DeleteKey(hwnd, state);
      }
      break;
    case VK_INSERT:
      if (shift) Paste(hwnd, state);
      if (ctrl) CopySel(hwnd, state);
      break;
    case 'C':
      if (ctrl) CopySel(hwnd, state);
      break;
    case 'X':
      if (ctrl) CutSel(hwnd, state);
      break;
    case 'V':
      if (ctrl) Paste(hwnd, state);
      break;
    case 'Z':
      if (ctrl && !IsReadOnly(hwnd)) DoUndo(hwnd, state);
      break;
    default:
      break;
  }
  return 0;
}

LRESULT Char(HWND hwnd, EditState& state, WPARAM wParam) {
  const auto ch = static_cast<unsigned char>(wParam);
  if (ch == VK_BACK) {
    Backspace(hwnd, state);
    return 0;
  }
  if (ch == '\r') {
    if (IsMultiLine(hwnd) && (StyleOf(hwnd) & ES_WANTRETURN) && !IsReadOnly(hwnd))
      ReplaceSel(hwnd, state, "\r\n", true);
    return 0;
  }
  // Control characters (Ctrl+letters, Tab, Escape) are handled as keys or
  // belong to the dialog.
  if (ch < 0x20 || ch == 0x7F || IsReadOnly(hwnd)) return 0;
  if ((StyleOf(hwnd) & ES_NUMBER) && !std::isdigit(ch)) return 0;
  const char text[1] = {static_cast<char>(ch)};
  ReplaceSel(hwnd, state, std::string_view(text, 1), true, true);
  return 0;
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

LRESULT ButtonDown(HWND hwnd, EditState& state, WPARAM keys, LPARAM lParam) {
  if (GetFocus() != hwnd) SetFocus(hwnd);
  state.tracking = true;
  SetCapture(hwnd);
  SetCaret(hwnd, state, CharFromPos(hwnd, state, PointOf(lParam)), (keys & MK_SHIFT) != 0);
  return 0;
}

LRESULT DoubleClick(HWND hwnd, EditState& state, LPARAM lParam) {
  const auto [start, end] = state.buffer.WordAt(CharFromPos(hwnd, state, PointOf(lParam)));
  state.buffer.SetSelection(start, end);
  SetCaret(hwnd, state, end, true);
  return 0;
}

}  // namespace

LRESULT HandleEditInput(HWND hwnd, EditState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return KeyDown(hwnd, state, msg, wParam, lParam);
    case WM_CHAR:
      return Char(hwnd, state, wParam);
    case WM_LBUTTONDOWN:
      return ButtonDown(hwnd, state, wParam, lParam);
    case WM_LBUTTONDBLCLK:
      return DoubleClick(hwnd, state, lParam);
    case WM_MOUSEMOVE:
      if (state.tracking) SetCaret(hwnd, state, CharFromPos(hwnd, state, PointOf(lParam)), true);
      return 0;
    case WM_LBUTTONUP:
      if (state.tracking) ReleaseCapture();
      state.tracking = false;
      return 0;
    case WM_CAPTURECHANGED:
      state.tracking = false;
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win32::controls
