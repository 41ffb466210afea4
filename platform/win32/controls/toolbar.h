// The "ToolbarWindow32" class: its buttons, image strips and layout, shared
// by its message handling, input, painting and tooltips.
#pragma once

#include <string>
#include <vector>

#include "controls/bars_common.h"

namespace win32::controls {

struct ToolbarButton {
  int image = 0;  // the image index; for a separator its width (0: the default)
  int command = 0;
  BYTE state = TBSTATE_ENABLED;
  BYTE style = TBSTYLE_BUTTON;
  DWORD_PTR data = 0;
  INT_PTR string = 0;  // an index of ToolbarState::strings, shown under the image; -1 none
  RECT rect{};         // laid out by LayoutToolbar; empty when hidden
};

// Images added with TB_ADDBITMAP: a strip of `count` images side by side.
struct ImageStrip {
  HBITMAP bitmap = nullptr;
  bool owned = false;  // loaded by us from a resource, deleted with the toolbar
  int count = 0;
};

struct ToolbarState {
  std::vector<ToolbarButton> buttons;
  std::vector<ImageStrip> strips;
  std::vector<std::string> strings;  // TB_ADDSTRING's texts
  SIZE bitmapSize{16, 15};
  SIZE buttonSize{24, 22};
  UINT structSize = sizeof(TBBUTTON);
  HWND owner = nullptr;  // where commands go; the parent unless TB_SETPARENT
  HWND tooltip = nullptr;
  bool ownsTooltip = false;
  int pressed = -1;  // the button held with the mouse
  int hot = -1;      // the button under the mouse (flat toolbars)
  int requestedRows = 0;
  int rows = 1;
  bool aligning = false;
};

// Places the buttons in rows and updates the tooltip's tool rectangles.
void LayoutToolbar(HWND hwnd, ToolbarState& s);

// The height the toolbar wants for its rows.
int ToolbarHeight(HWND hwnd, const ToolbarState& s);

// The button under a client point, or -1.
int ButtonAt(const ToolbarState& s, POINT pt);

// The command target: TB_SETPARENT's window, else the parent.
HWND ToolbarOwner(HWND hwnd, const ToolbarState& s);

// Adds the images of a TBADDBITMAP; answers the first new index or -1.
int AddBitmap(HWND hwnd, ToolbarState& s, int count, const TBADDBITMAP& add);

// Draws image `index` at (x, y), embossed when disabled.
void DrawButtonImage(const ToolbarState& s, HDC dc, int index, int x, int y, bool disabled);

// Registers a button with the tooltip, or takes it out again.
void AddButtonTool(HWND hwnd, const ToolbarState& s, const ToolbarButton& button);
void RemoveButtonTool(HWND hwnd, const ToolbarState& s, const ToolbarButton& button);

// Answers TTN_NEEDTEXT for a button: the owner first, else the string
// resource with the button's id (the part after a "\n" when it has one).
LRESULT ToolbarNeedText(HWND hwnd, const ToolbarState& s, NMTTDISPINFO& info);

// The button size that holds the image with the widest text under it.
SIZE TextButtonSize(HWND hwnd, const ToolbarState& s);

// The text of a button, or null when it has none.
const std::string* ButtonText(const ToolbarState& s, const ToolbarButton& button);

void PaintToolbar(HWND hwnd, const ToolbarState& s, HDC dc);

// Handles the mouse; answers false for the messages it leaves to the caller.
bool HandleToolbarMouse(HWND hwnd, ToolbarState& s, UINT msg, WPARAM wParam, LPARAM lParam);

// Checks a check button, clearing the others of its group.
void CheckButton(ToolbarState& s, int index, bool check);

void DeleteImageStrips(ToolbarState& s);

// The built-in strip of the STD_* images (16 by 15, or 24 by 24 when large)
// on the light grey background toolbars show the button face through.
HBITMAP CreateStandardButtonImages(bool large);

}  // namespace win32::controls
