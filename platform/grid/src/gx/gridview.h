// The grid's view state: scroll position, the current cell, the mouse
// gesture in progress and the undo history.
#pragma once

#include <deque>

#include "gx/gxcore.h"

namespace gx {

enum class Gesture { None, SelectCells, SelectRows, SelectCols, PressControl, ResizeCol, ResizeRow, MoveRows };

struct UndoStep {
  ROWCOL nRow;
  ROWCOL nCol;
  CString sOld;
  CString sNew;
};

constexpr UINT_PTR kAutoScrollTimer = 0x4758;

struct GridView {
  ROWCOL nTopRow = 1;  // first scrolled row below the frozen ones
  ROWCOL nLeftCol = 1;
  ROWCOL nCurRow = GX_INVALID;
  ROWCOL nCurCol = GX_INVALID;
  Gesture gesture = Gesture::None;
  ROWCOL nAnchorRow = 0;
  ROWCOL nAnchorCol = 0;
  CPoint ptDown;
  ROWCOL nDownRow = GX_INVALID;  // the cell the left button went down on
  ROWCOL nDownCol = GX_INVALID;
  ROWCOL nRightRow = GX_INVALID;  // the cell the right button went down on
  ROWCOL nRightCol = GX_INVALID;
  ROWCOL nMoveFrom = 0;  // the selected rows a header drag moves
  ROWCOL nMoveTo = 0;
  int nResizeStart = 0;
  ROWCOL nResizeIndex = 0;
  CGXControl* pPressedControl = nullptr;
  BOOL bHorzBarAllowed = TRUE;
  BOOL bVertBarAllowed = TRUE;
  BOOL bAutoScrollHorz = TRUE;
  BOOL bAutoScrollVert = TRUE;
  UINT nAutoScrollFirst = 300;
  UINT nAutoScrollRepeat = 100;
  BOOL bAutoScrollTimer = FALSE;
  CPoint ptLastMouse;
  // While validating or showing its warning, the editor's loss of focus
  // (to the message box) must not validate again.
  BOOL bValidating = FALSE;
  std::deque<UndoStep> undo;
  std::deque<UndoStep> redo;
  // Bumped by every change of the structure (counts, moves) so a caller
  // can tell that a notification refilled the grid under it.
  unsigned nGeneration = 0;
  // The cell OnStartEditing was announced for: only that editing ends with
  // OnEndEditing (a combo window shown over its cell never started one).
  ROWCOL nEditingRow = GX_INVALID;
  ROWCOL nEditingCol = GX_INVALID;
  // What the running print job prints: the selection when the print
  // dialog asked for it, else (invalid) the whole grid.
  CGXRange printRange;

  // Whether editing was announced for the cell; forgets the announcement.
  bool TakeEditingStart(ROWCOL nRow, ROWCOL nCol) {
    const bool bAnnounced = nEditingRow == nRow && nEditingCol == nCol;
    nEditingRow = nEditingCol = GX_INVALID;
    return bAnnounced;
  }
};

}  // namespace gx
