// The "Edit" class: single- and multi-line edit controls.
#pragma once

#include <string>
#include <vector>

#include "controls/controls_common.h"
#include "controls/edit_buffer.h"
#include "controls/edit_layout.h"

namespace win32::controls {

struct EditState {
  EditBuffer buffer;
  std::vector<EditLine> lines{EditLine{}};
  HFONT font = nullptr;
  int lineHeight = 13;
  int leftMargin = 1;
  int rightMargin = 1;
  bool customRect = false;
  RECT formatRect{};
  int firstLine = 0;  // multi-line: the top visible line
  int xOffset = 0;    // pixels scrolled to the left
  char passwordChar = 0;
  bool focused = false;
  bool tracking = false;  // mouse selection with the capture
  bool inCombo = false;   // the edit field of a combo box
};

// ---- Geometry and scrolling (edit_view.cpp) --------------------------------
bool IsMultiLine(HWND hwnd);
// The text as displayed (password characters in place of the text).
std::string DisplayText(const EditState& state);
// Measures with the control's font; the DC lives as long as the object.
class EditMeasure {
 public:
  EditMeasure(HWND hwnd, const EditState& state);
  ~EditMeasure();
  EditMeasure(const EditMeasure&) = delete;
  EditMeasure& operator=(const EditMeasure&) = delete;
  int Width(std::string_view text) const;

 private:
  HWND hwnd_;
  HDC dc_;
  HGDIOBJ old_;
};
void Relayout(HWND hwnd, EditState& state);
int VisibleLines(const EditState& state);
// Client coordinates of the caret position before character `pos`.
POINT PosFromChar(HWND hwnd, const EditState& state, size_t pos);
size_t CharFromPos(HWND hwnd, const EditState& state, POINT pt);
void ScrollCaretIntoView(HWND hwnd, EditState& state);
// Scrolls by lines (multi-line) and pixels; answers whether anything moved.
bool ScrollBy(HWND hwnd, EditState& state, int lines, int pixels);
void UpdateScrollBars(HWND hwnd, const EditState& state);
void OnScrollMessage(HWND hwnd, EditState& state, UINT msg, WPARAM wParam);
// Whether the text fits when the control may not scroll to show it.
bool TextFits(HWND hwnd, const EditState& state);
void ResetFormatRect(HWND hwnd, EditState& state);

// ---- Changes and notifications (edit_change.cpp) ---------------------------
void Notify(HWND hwnd, UINT code);
// A change by the user or EM_REPLACESEL: applies the text conversions and
// the limit, then notifies. Answers false when nothing changed.
bool ReplaceSel(HWND hwnd, EditState& state, std::string_view text, bool canUndo, bool typed = false);
void SetText(HWND hwnd, EditState& state, const char* text);
bool DoUndo(HWND hwnd, EditState& state);
void CopySel(HWND hwnd, const EditState& state);
void CutSel(HWND hwnd, EditState& state);
void Paste(HWND hwnd, EditState& state);
void ClearSel(HWND hwnd, EditState& state);
bool IsReadOnly(HWND hwnd);
// Moves the caret (and the selection when `extend`), scrolls and repaints.
void SetCaret(HWND hwnd, EditState& state, size_t pos, bool extend);

// ---- Keyboard and mouse (edit_input.cpp) -----------------------------------
LRESULT HandleEditInput(HWND hwnd, EditState& state, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- Line messages (edit_lines.cpp) ----------------------------------------
LRESULT HandleLineMessage(HWND hwnd, EditState& state, UINT msg, WPARAM wParam, LPARAM lParam);

// ---- Painting (edit_paint.cpp) -----------------------------------------------
void PaintEdit(HWND hwnd, const EditState& state, HDC dc);

}  // namespace win32::controls
