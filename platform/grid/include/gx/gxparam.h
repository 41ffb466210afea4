// CGXGridParam: the settings of one grid (how it activates, selects,
// sorts, numbers its headers) and its selection list and styles map.
#pragma once

#include <memory>

#include "gx/gxrange.h"
#include "gx/gxstyle.h"

class CGXProperties;

class CGXGridParam : public CObject {
 public:
  CGXGridParam() = default;

  void SetActivateCellFlags(WORD nFlags) { m_nActivateFlags = nFlags; }
  WORD GetActivateCellFlags() const { return m_nActivateFlags; }

  void SetAllowSelection(WORD nFlags) { m_nAllowSelection = nFlags; }
  WORD GetAllowSelection() const { return m_nAllowSelection; }

  // Undo: the grid keeps the last nSteps value changes for Undo/Redo.
  void EnableUndo(BOOL bEnable) { m_bUndo = bEnable; }
  BOOL IsEnableUndo() const { return m_bUndo; }
  void SetUndoLimit(DWORD nSteps) { m_nUndoLimit = nSteps; }
  DWORD GetUndoLimit() const { return m_nUndoLimit; }

  // Sorting by header: the column sorted last (0: none) and its order
  // (TRUE: ascending); header controls draw their marker from these.
  void SetSortColsOnDblClk(BOOL bEnable) { m_bSortOnDblClk = bEnable; }
  BOOL GetSortColsOnDblClk() const { return m_bSortOnDblClk; }
  void SetSortCol(ROWCOL nCol) { m_nSortCol = nCol; }
  ROWCOL GetSortCol() const { return m_nSortCol; }
  void SetSortFlag(BOOL bAscending) { m_bSortAscending = bAscending; }
  BOOL GetSortFlag() const { return m_bSortAscending; }

  // FALSE while a header drag (selecting rows or columns, moving rows) is
  // under way: header cells must not show a pressed look then.
  BOOL CanPressHeader() const { return m_bHeaderPressable; }
  void SetCanPressHeader(BOOL b) { m_bHeaderPressable = b; }

  void SetNumberedRowHeaders(BOOL b) { m_bNumberedRows = b; }
  BOOL IsNumberedRowHeaders() const { return m_bNumberedRows; }
  void SetNumberedColHeaders(BOOL b) { m_bNumberedCols = b; }
  BOOL IsNumberedColHeaders() const { return m_bNumberedCols; }

  // Row moves by dragging the headers of selected rows.
  void EnableMoveRows(BOOL b) { m_bMoveRows = b; }
  BOOL IsEnableMoveRows() const { return m_bMoveRows; }
  void EnableMoveCols(BOOL b) { m_bMoveCols = b; }
  BOOL IsEnableMoveCols() const { return m_bMoveCols; }

  // While locked, read-only cells refuse changes also by the program
  // (except a style that makes them writable again).
  void SetLockReadOnly(BOOL b) { m_bLockReadOnly = b; }
  BOOL IsLockReadOnly() const { return m_bLockReadOnly; }

  // Current cell frame and selection look.
  void SetHideCurrentCell(BOOL b) { m_bHideCurrentCell = b; }
  BOOL GetHideCurrentCell() const { return m_bHideCurrentCell; }

  CGXStylesMap* GetStylesMap() { return &m_stylesMap; }
  // How the grid prints (gxprop.h); made on first use.
  CGXProperties* GetProperties();
  CGXRangeList* GetRangeList() { return &m_selection; }
  const CGXRangeList* GetRangeList() const { return &m_selection; }

 private:
  WORD m_nActivateFlags = GX_ACTIVATE_EDITABLE;
  WORD m_nAllowSelection = GX_SELFULL;
  BOOL m_bUndo = TRUE;
  DWORD m_nUndoLimit = 20;
  BOOL m_bSortOnDblClk = FALSE;
  ROWCOL m_nSortCol = 0;
  BOOL m_bSortAscending = TRUE;
  BOOL m_bHeaderPressable = TRUE;
  BOOL m_bNumberedRows = TRUE;
  BOOL m_bNumberedCols = TRUE;
  BOOL m_bMoveRows = TRUE;
  BOOL m_bMoveCols = FALSE;
  BOOL m_bLockReadOnly = TRUE;
  BOOL m_bHideCurrentCell = FALSE;
  CGXStylesMap m_stylesMap;
  std::shared_ptr<CGXProperties> m_pProperties;
  CGXRangeList m_selection;
};
