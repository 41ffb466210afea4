// Edit control changes: typed, pasted and programmatic text, undo, the
// clipboard, with EN_UPDATE / EN_CHANGE / EN_MAXTEXT in the classic order.
#include <algorithm>
#include <cctype>

#include "controls/edit.h"
#include "internal/svc_clipboard.h"

namespace win32::controls {
namespace {

// The case conversions and the single-line rule (text stops at the first
// line break) that apply to every insertion.
std::string Convert(HWND hwnd, std::string_view text) {
  const DWORD style = StyleOf(hwnd);
  std::string out(text);
  if (!(style & ES_MULTILINE)) out = out.substr(0, out.find_first_of("\r\n"));
  if (style & ES_UPPERCASE)
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (style & ES_LOWERCASE)
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// Repaints and tells the parent about a change that has been made.
// `announce` is false where Win32 keeps EN_CHANGE back.
void Changed(HWND hwnd, EditState& state, bool announce = true) {
  Relayout(hwnd, state);
  ScrollCaretIntoView(hwnd, state);
  UpdateScrollBars(hwnd, state);
  Notify(hwnd, EN_UPDATE);
  Redraw(hwnd);
  if (announce) Notify(hwnd, EN_CHANGE);
}

}  // namespace

void Notify(HWND hwnd, UINT code) { NotifyParent(hwnd, code); }

bool IsReadOnly(HWND hwnd) { return (StyleOf(hwnd) & ES_READONLY) != 0; }

bool ReplaceSel(HWND hwnd, EditState& state, std::string_view text, bool canUndo, bool typed) {
  const std::string insert = Convert(hwnd, text);
  if (insert.empty() && !state.buffer.hasSelection()) return false;
  const EditBuffer before = state.buffer;
  bool cut = state.buffer.ReplaceSelection(insert, canUndo, typed);
  Relayout(hwnd, state);
  if (!TextFits(hwnd, state)) {
    // Without auto-scrolling the text may not grow past what is shown.
    state.buffer = before;
    Relayout(hwnd, state);
    cut = true;
  }
  if (cut) Notify(hwnd, EN_MAXTEXT);
  if (state.buffer.text() == before.text()) return false;
  Changed(hwnd, state);
  return true;
}

void SetText(HWND hwnd, EditState& state, const char* text) {
  state.buffer.Reset(Convert(hwnd, text ? text : ""));
  state.firstLine = 0;
  state.xOffset = 0;
  // A multi-line edit does not announce text set through WM_SETTEXT.
  Changed(hwnd, state, (StyleOf(hwnd) & ES_MULTILINE) == 0);
}

bool DoUndo(HWND hwnd, EditState& state) {
  if (!state.buffer.Undo()) return false;
  Changed(hwnd, state);
  return true;
}

void CopySel(HWND hwnd, const EditState& state) {
  if (state.passwordChar || !state.buffer.hasSelection()) return;
  (void)hwnd;
  internal::WriteClipboardText(hwnd, state.buffer.selectedText());
}

void CutSel(HWND hwnd, EditState& state) {
  if (state.passwordChar || IsReadOnly(hwnd) || !state.buffer.hasSelection()) return;
  CopySel(hwnd, state);
  ReplaceSel(hwnd, state, "", true);
}

void Paste(HWND hwnd, EditState& state) {
  if (IsReadOnly(hwnd)) return;
  if (auto text = internal::ReadClipboardText(hwnd)) ReplaceSel(hwnd, state, *text, true);
}

void ClearSel(HWND hwnd, EditState& state) {
  if (IsReadOnly(hwnd) || !state.buffer.hasSelection()) return;
  ReplaceSel(hwnd, state, "", true);
}

void SetCaret(HWND hwnd, EditState& state, size_t pos, bool extend) {
  state.buffer.MoveCaret(pos, extend);
  ScrollCaretIntoView(hwnd, state);
  UpdateScrollBars(hwnd, state);
  Redraw(hwnd);
}

}  // namespace win32::controls
