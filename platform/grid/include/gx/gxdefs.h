// Basic types, flags and ids of the grid library.
#pragma once

#include "afxwin.h"
#include "afxtempl.h"

// Row and column numbers: 0 is the header row or the row-header column.
using ROWCOL = DWORD;
constexpr ROWCOL GX_INVALID = 0xFFFFFFFFu;
constexpr ROWCOL GX_MAXROWCOL = 0xFFFFFFF0u;

using CRowColArray = CArray<ROWCOL, ROWCOL>;

// Update flags of the operations that change what the grid shows.
constexpr UINT GX_INVALIDATE = 0x01;  // repaint later (the next WM_PAINT)
constexpr UINT GX_UPDATENOW = 0x02;   // repaint at once
constexpr UINT GX_SMART = 0x04;       // repaint only what changed
// MoveCurrentCell: the move ran off the end of the list (down from the
// last row, or Tab from the last cell); the grid's key handling adds it,
// and there is no cell to move to. Overrides react to it (a drop-down
// list closes).
constexpr UINT GX_ENDOFLIST = 0x10;
constexpr UINT GX_NOREDRAW = 0x00;

// MoveCurrentCell directions.
enum GXDirectionType {
  GX_UP,
  GX_DOWN,
  GX_LEFT,
  GX_RIGHT,
  GX_TOP,
  GX_BOTTOM,
  GX_MOSTLEFT,
  GX_MOSTRIGHT,
  GX_PGUP,
  GX_PGDOWN
};

// How a style is merged into what is stored.
enum GXModifyType {
  gxOverride,  // the new style's attributes replace the stored ones
  gxApplyNew,  // only attributes not yet stored are taken
  gxCopy,      // the stored style becomes a copy of the new one
  gxExclude,   // the attributes the new style includes are removed
  gxRemove     // the stored style is removed
};

// HitTest results.
constexpr int GX_NOHIT = 0;
constexpr int GX_HEADERHIT = 1;
constexpr int GX_CELLHIT = 2;
constexpr int GX_VERTLINE = 3;  // on the right edge of a column header (column resize)
constexpr int GX_HORZLINE = 4;  // on the lower edge of a row header (row resize)

// Hit states passed to the cell controls' mouse hooks.
constexpr UINT GX_HITSTART = 0x01;   // the button went down on this cell
constexpr UINT GX_HITINCELL = 0x02;  // the pointer is inside the cell
constexpr UINT GX_HITMOVE = 0x04;    // a move while the button is down

// Built-in cell controls.
constexpr WORD GX_IDS_CTRL_EDIT = 52512;
constexpr WORD GX_IDS_CTRL_STATIC = 52513;
constexpr WORD GX_IDS_CTRL_PUSHBTN = 52514;
constexpr WORD GX_IDS_CTRL_HEADER = 52515;
constexpr WORD GX_IDS_CTRL_CHECKBOX = 52516;
constexpr WORD GX_IDS_CTRL_CHECKBOX3D = 52517;
constexpr WORD GX_IDS_CTRL_COMBOBOX = 52518;
constexpr WORD GX_IDS_CTRL_TEXTFIT = 52519;
constexpr WORD GX_IDS_CTRL_CBS_DROPDOWNLIST = 52529;
constexpr WORD GX_IDS_CTRL_PASSWORD = 52537;
constexpr WORD GX_IDS_CTRL_CHECKLIST_COMBOBOX = 52542;

// User attributes the library itself reads.
constexpr WORD GX_IDS_UA_CHECKBOX_CHECKED = 52800;    // text of a checked check box ("1")
constexpr WORD GX_IDS_UA_CHECKBOX_UNCHECKED = 52801;  // text of an unchecked check box ("0")
constexpr WORD GX_IDS_UA_VALID_MSG = 52802;           // warning shown when a cell's text is refused

// Cell activation (CGXGridParam::SetActivateCellFlags). The product's two
// settings: editable 53 = CLICKINTEXT|SETCURRENT|TYPING|HEADERSELECT,
// read-only 38 = NOEDIT|SETCURRENT|HEADERSELECT.
constexpr WORD GX_ACTIVATE_CLICKINTEXT = 0x01;   // a click on a current cell opens its editor
constexpr WORD GX_ACTIVATE_NOEDIT = 0x02;        // no editor ever opens; typing and clicks only navigate
constexpr WORD GX_ACTIVATE_SETCURRENT = 0x04;    // a click makes the cell current
constexpr WORD GX_ACTIVATE_DBLCLICK = 0x08;      // a double-click opens the editor
constexpr WORD GX_ACTIVATE_TYPING = 0x10;        // typing a character opens the editor with that character
constexpr WORD GX_ACTIVATE_HEADERSELECT = 0x20;  // clicks on row or column headers select whole rows or columns
constexpr WORD GX_ACTIVATE_EDITABLE = 53;
constexpr WORD GX_ACTIVATE_READONLY = 38;

// Selection (CGXGridParam::SetAllowSelection).
constexpr WORD GX_SELNONE = 0x00;
constexpr WORD GX_SELCELL = 0x01;      // ranges of cells by dragging
constexpr WORD GX_SELMULTIPLE = 0x02;  // several ranges (Ctrl)
constexpr WORD GX_SELROW = 0x04;       // whole rows by the row headers
constexpr WORD GX_SELCOL = 0x08;       // whole columns by the column headers
constexpr WORD GX_SELTABLE = 0x10;     // the whole table by the corner cell
constexpr WORD GX_SELSHIFT = 0x20;     // extend with Shift
constexpr WORD GX_SELKEYBOARD = 0x40;  // extend with Shift and the arrow keys
constexpr WORD GX_SELFULL = 0x7F;

// Answers of CGXControl::QueryEndEditing.
constexpr int GX_ENDEDIT_REFUSE = 0;  // the editor stays
constexpr int GX_ENDEDIT_STORE = 1;   // store the editor's text, then leave the cell
constexpr int GX_ENDEDIT_DONE = 2;    // the control has finished by itself: leave without storing

// A library-wide switch: grid lines drawn solid instead of dotted.
void GXSetSolidGridLines(BOOL bSolid);
BOOL GXGetSolidGridLines();
