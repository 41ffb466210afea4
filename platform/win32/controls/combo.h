// The "ComboBox" class: simple, drop-down and drop-down-list combo boxes.
// The list is a "ComboLBox" (a child for CBS_SIMPLE, a popup otherwise);
// the editable kinds hold an "Edit" child that keeps the keyboard focus.
#pragma once

#include <string>

#include "controls/controls_common.h"

namespace win32::controls {

struct ComboState {
  HWND edit = nullptr;  // CBS_SIMPLE and CBS_DROPDOWN
  HWND list = nullptr;
  HFONT font = nullptr;
  int sel = -1;              // the selection the field shows
  int droppedHeight = 0;     // the whole height with the list dropped
  int droppedWidth = 0;      // the list's minimum width (0: the combo's)
  int fieldHeight = 21;      // the selection field, edges included
  int customFieldItem = -1;  // CB_SETITEMHEIGHT(-1): the field's inner height
  bool dropped = false;
  bool focused = false;        // the combo (or its edit) reported CBN_SETFOCUS
  bool extendedUI = false;     // CB_SETEXTENDEDUI
  bool settingText = false;    // the combo itself changes the edit's text
  bool forwardingKey = false;  // a key the combo passed to its list
  bool resizing = false;       // the combo resizes itself to its field
};

// ---- The window procedure and notifications (combo.cpp) --------------------
DWORD ComboType(HWND hwnd);  // CBS_SIMPLE, CBS_DROPDOWN or CBS_DROPDOWNLIST
bool IsDropDownList(HWND hwnd);

// ---- Items, selection and text (combo_items.cpp) ---------------------------
// Answers the CB_* item messages, or returns false for other messages.
bool HandleItemMessage(HWND hwnd, ComboState& state, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
// Makes `index` the shown selection: list, edit text or static field.
void ShowSelection(HWND hwnd, ComboState& state, int index);
// A selection the user made: shows it and sends CBN_SELCHANGE.
void UserSelect(HWND hwnd, ComboState& state, int index);
// The list follows the edit's text: the first item it starts.
void FollowEditText(ComboState& state);
std::string ItemText(const ComboState& state, int index);
std::string ComboText(const ComboState& state);
LRESULT SetComboText(HWND hwnd, ComboState& state, const char* text);

// ---- The drop-down list (combo_dropdown.cpp) --------------------------------
void DropDown(HWND hwnd, ComboState& state, bool buttonDown);
// Hides the list: CBN_CLOSEUP, then CBN_SELENDOK or CBN_SELENDCANCEL.
void CloseUp(HWND hwnd, ComboState& state, bool accept);
RECT DroppedRect(HWND hwnd, const ComboState& state);
// The list's tracking answers (LBCB_SELTRACK, LBCB_ACCEPT, LBCB_CANCEL).
LRESULT OnListTrack(HWND hwnd, ComboState& state, UINT msg, WPARAM wParam);
LRESULT OnComboKey(HWND hwnd, ComboState& state, UINT msg, WPARAM vk, LPARAM lParam);
LRESULT OnComboChar(HWND hwnd, ComboState& state, WPARAM ch, LPARAM lParam);
LRESULT OnComboButtonDown(HWND hwnd, ComboState& state, LPARAM lParam);

// ---- Geometry and painting (combo_paint.cpp) ---------------------------------
// Measures the field from the font and places the edit, the list and,
// for the drop-down kinds, the combo's own height.
void UpdateLayout(HWND hwnd, ComboState& state);
RECT ButtonRect(HWND hwnd, const ComboState& state);
RECT FieldTextRect(HWND hwnd, const ComboState& state);
void PaintCombo(HWND hwnd, const ComboState& state, HDC dc);

}  // namespace win32::controls
