// The "Button" class: push buttons, check boxes, radio buttons, group boxes
// and owner-drawn buttons.
#pragma once

#include "controls/controls_common.h"

namespace win32::controls {

struct ButtonState {
  UINT check = BST_UNCHECKED;
  bool pushed = false;     // drawn pressed (BST_PUSHED)
  bool focused = false;    // has the keyboard focus (BST_FOCUS)
  bool mouseDown = false;  // a left press on the button holds the capture
  bool spaceDown = false;  // Space was pressed while focused
  HFONT font = nullptr;
  HBITMAP bitmap = nullptr;
  HICON icon = nullptr;
};

// The button type (BS_PUSHBUTTON ... BS_OWNERDRAW) of a style.
inline DWORD ButtonType(DWORD style) { return style & BS_TYPEMASK; }

bool IsPushType(DWORD type);
bool IsCheckType(DWORD type);
bool IsRadioType(DWORD type);

// Paints the button on `dc` in its current state.
void PaintButton(HWND hwnd, const ButtonState& state, HDC dc);

}  // namespace win32::controls
